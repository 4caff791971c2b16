// ShowTopicPage on the sample disc with the real components, up to the page painted in the
// browser: a text topic, a molecule page, and a video page up to its redirect page (the browser
// follows that from its own loop, at most once a second).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "host/CMainFrame.h"
#include "host/CQuillet2App.h"
#include "host/components/HostComponents.h"
#include "host/core/StartupRules.h"
#include "host/pages/TopicPages.h"
#include "host/tests/HeadlessStart.h"
#include "host/view/CQuillet2View.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using namespace vantorel::host;

namespace {

struct Program {
  QTemporaryDir dir;
  ui::RecordingMessageBoxes boxes;
  std::unique_ptr<CQuillet2App> app;
  CQuillet2View* view = nullptr;

  Program() {
    ui::setMessageBoxService(&boxes);
    registry::useStoreFile(dir.filePath(u"registry.reg"_qs).toStdString());
    for (const char* file : {"tabrelgk.ocx", "brovikgk.ocx", "dravixgk.ocx", "kestringk.ocx", "fennickgk.ocx",
                             "pagebrowser.ocx", "molview.ocx", "videoplayer.ocx"})
      (void)com::registerLibrary((QStringLiteral(COMPONENT_DIR) + QLatin1String(file)).toStdString());
    const QString program = dir.filePath(u"program"_qs);
    QDir().mkpath(program);
    registry::store().createKey(registryKeyPath());
    registry::store().setString(registryKeyPath(), "Directory", program.toStdString());
    // Written whole before the program reads it.
    QSaveFile ini(program + u"/qset.ini"_qs);
    if (!ini.open(QIODevice::WriteOnly)) return;
    ini.write(
        ("[Settings]\r\nDataPath=" + QStringLiteral(DISC_DIR) + "\r\nBookmark=" + dir.filePath(u"b.dat"_qs) + "\r\n")
            .toUtf8());
    if (!ini.commit()) return;
    app = std::make_unique<CQuillet2App>(
        host::testing::headlessStart(program + u"/pelorin"_qs, dir.path() + u'/', {1024, 740}));
    if (!app->InitInstance()) return;
    view = static_cast<CMainFrame*>(app->mainFrame())->view();
    view->OpenSection(2, 0);
  }
};

// Started on first use and ended in main, while the application object still exists.
std::unique_ptr<Program> running;

Program& program() {
  if (!running) running = std::make_unique<Program>();
  return *running;
}

void showPage(benchmark::State& state, int page) {
  Program& p = program();
  if (!p.view || !p.view->pages()) {
    // What the program said on the way out tells why.
    std::string said = "the program did not start";
    for (const auto& box : p.boxes.shown()) said += ": " + box.text.toStdString();
    return state.SkipWithError(said.c_str());
  }
  QWidget* browser = p.view->components()->webBrowser().widget();
  for (auto _ : state) {
    // The browser lays the page out within Navigate; the repaint draws it with its plug-ins.
    p.view->ShowTopicPage(page);
    browser->repaint();
  }
}

void BM_ShowTopicPagePainted(benchmark::State& state) {
  showPage(state, 170070);
}
BENCHMARK(BM_ShowTopicPagePainted)->Unit(benchmark::kMillisecond);

void BM_ShowVideoPagePainted(benchmark::State& state) {
  showPage(state, 120001);
}
BENCHMARK(BM_ShowVideoPagePainted)->Unit(benchmark::kMillisecond);

void BM_ShowMoleculePagePainted(benchmark::State& state) {
  showPage(state, 130001);
}
BENCHMARK(BM_ShowMoleculePagePainted)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  running.reset();
  return 0;
}
