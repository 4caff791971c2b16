// vantorel-container: creates a registered control in a window, drives it from the command line
// and prints what it answers, the events it fires and the message boxes it shows.
//
//   vantorel-container [--registry FILE] --create PROGID|{CLSID} [--size WxH]
//       [--call 'Name(arg, ...)' | --call '#dispid(arg, ...)' | --get Name | --put 'Name=value']...
//       [--move X,Y] [--click X,Y] [--dblclick X,Y] [--key TEXT] [--wait MS] [--grab FILE.png]
//       [--answer ok|cancel|yes|no|retry] [--clipboard] [--clipboard-image FILE.png]
//   vantorel-container [--registry FILE] --list
//   vantorel-container [--registry FILE] --describe PROGID|{CLSID}
#include <QApplication>
#include <QTextStream>
#include <cstdio>

#include "platform/com/Guid.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"
#include "tools/container/ContainerScript.h"
#include "tools/container/ContainerWindow.h"
#include "tools/container/Describe.h"

namespace {

using namespace vantorel;

// Shows no dialog: prints each box and answers from the script's --answer queue, else with the
// first button.
class PrintingMessageBoxes : public ui::RecordingMessageBoxes {
 public:
  explicit PrintingMessageBoxes(QTextStream& out) : out_(out) {}
  ui::Answer show(QWidget* parent, const QString& text, const QString& caption, ui::Buttons buttons,
                  ui::Icon icon) override {
    out_ << "message \"" << caption << "\": " << text << "\n";
    out_.flush();
    return RecordingMessageBoxes::show(parent, text, caption, buttons, icon);
  }

 private:
  QTextStream& out_;
};

ui::Answer answerNamed(const QString& name) {
  if (name == u"cancel"_qs) return ui::Answer::Cancel;
  if (name == u"yes"_qs) return ui::Answer::Yes;
  if (name == u"no"_qs) return ui::Answer::No;
  if (name == u"retry"_qs) return ui::Answer::Retry;
  return ui::Answer::Ok;
}

void listClasses(QTextStream& out) {
  auto& reg = registry::store();
  const std::string root = "HKEY_CLASSES_ROOT\\CLSID";
  for (const std::string& clsid : reg.subKeys(root)) {
    const std::string key = root + "\\" + clsid;
    const auto path = reg.queryString(key + "\\InprocServer32", "");
    if (!path) continue;
    const auto progId = reg.queryString(key + "\\ProgID", "").value_or("-");
    const auto version = reg.queryString(key + "\\Version", "").value_or("-");
    out << QString::fromStdString(clsid) << " " << QString::fromStdString(progId) << " "
        << QString::fromStdString(version) << " " << QString::fromStdString(*path) << "\n";
  }
  if (!reg.lastError().empty()) out << "error: " << QString::fromStdString(reg.lastError()) << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);

  const container::ScriptParse parsed = container::parseCommandLine(app.arguments().mid(1));
  if (!parsed.script) {
    err << "vantorel-container: " << parsed.error << "\n";
    return 2;
  }
  const container::Script& script = *parsed.script;
  if (!script.registryFile.isEmpty()) registry::useStoreFile(script.registryFile.toStdString());
  if (script.list) {
    listClasses(out);
    if (script.classToCreate.isEmpty()) return 0;
  }
  if (!script.describe.isEmpty()) {
    if (!container::describeClass(script.describe, out, err)) return 1;
    if (script.classToCreate.isEmpty()) return 0;
  }

  PrintingMessageBoxes boxes(out);
  container::ContainerWindow window(out, err);
  if (!window.create(script.classToCreate, script.size)) return 1;
  for (const container::Action& action : script.actions) {
    if (action.kind == container::Action::Kind::Answer) {
      boxes.queueAnswer(answerNamed(action.text));
      continue;
    }
    if (!window.run(action)) return 1;
  }
  out.flush();
  return 0;
}
