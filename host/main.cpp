// Pelorin, the host program of Vantorel.
#include <QApplication>
#include <QSaveFile>
#include <QTimer>
#include <memory>

#include "host/CQuillet2App.h"
#include "host/InputFilter.h"
#include "host/view/CQuillet2View.h"
#include "platform/ui/MessageBox.h"

namespace {

using vantorel::host::CQuillet2App;

// VANTOREL_STARTUP_REPORT=FILE checks an installation with nobody at the screen (over a remote
// shell, offscreen, or in the installation's tests): the program starts as it always does, but
// records each message and question instead of showing it (a question gets its first answer) and
// cancels the folder locator; once started it writes what a person would have met to FILE, a
// picture of its window to FILE.png, and ends as if closed.
class StartupReport {
 public:
  explicit StartupReport(QString file) : file_(std::move(file)) {}

  void watch(CQuillet2App::Environment& env) {
    env.findFolder = [this](QWidget*, int mode) -> std::optional<QString> {
      lines_ << u"locator %1"_qs.arg(mode);
      return std::nullopt;
    };
  }

  void write(const CQuillet2App& app, bool started) {
    QStringList out;
    out << u"started %1"_qs.arg(started ? 1 : 0);
    for (const auto& shown : boxes_.shown()) out << u"message "_qs + QString(shown.text).replace(u'\n', u' ');
    out << lines_;
    out << u"data-folder "_qs + app.dataFolder() << u"bookmark-file "_qs + app.bookmarkPath()
        << u"install-folder "_qs + app.installFolder()
        << u"outside-install-folder %1"_qs.arg(app.outsideInstallFolder() ? 1 : 0);
    if (QWidget* frame = app.mainFrame()) {
      out << u"window "_qs + frame->windowTitle() << u"visible %1"_qs.arg(frame->isVisible() ? 1 : 0);
      if (const auto* view = frame->findChild<vantorel::host::CQuillet2View*>())
        out << u"screen %1"_qs.arg(static_cast<int>(view->screen()));
      QSaveFile picture(file_ + u".png"_qs);
      if (picture.open(QIODevice::WriteOnly) && frame->grab().save(&picture, "PNG")) picture.commit();
    }
    QSaveFile report(file_);
    if (report.open(QIODevice::WriteOnly)) {
      report.write((out.join(u'\n') + u'\n').toUtf8());
      report.commit();
    }
  }

 private:
  QString file_;
  QStringList lines_;
  vantorel::ui::RecordingMessageBoxes boxes_;
};

}  // namespace

int main(int, char** argv) {
  // The program takes no options, and Qt's own (-reverse, -style, -platform ...) would change it:
  // Qt gets the program's name alone and finds the display in the environment.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication qapp(qtArgc, qtArgv);
  qapp.setApplicationName(u"Vantorel"_qs);
  CQuillet2App::Environment env = CQuillet2App::systemEnvironment();
  std::unique_ptr<StartupReport> report;
  if (const QString file = qEnvironmentVariable("VANTOREL_STARTUP_REPORT"); !file.isEmpty()) {
    report = std::make_unique<StartupReport>(file);
    report->watch(env);
  }
  CQuillet2App app(std::move(env));
  vantorel::host::InputFilter filter(app);
  qapp.installEventFilter(&filter);
  const bool started = app.InitInstance();
  if (report) {
    if (!started) {
      report->write(app, false);
      return 0;
    }
    // Once the first paint is through: then the window is what a person would see.
    QTimer::singleShot(500, &qapp, [&] {
      report->write(app, true);
      if (QWidget* frame = app.mainFrame()) frame->close();
      qapp.quit();
    });
  }
  if (!started) return 0;
  return qapp.exec();
}
