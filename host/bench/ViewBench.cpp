// The main window's costly moments on the sample disc, with the real components: a cold start to
// a painted main menu (without the start-up picture's wait), a switch from the main menu to
// section 6 with its tree and start page drawn, and a hover redraw of the main menu picture. The
// peer of the switch is Brovik's SetRoute(6) alone, called through dispatch as the view calls it.
//
// Where a component library has not been built yet, its stand-in from the host's tests is used.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "host/CMainFrame.h"
#include "host/CQuillet2App.h"
#include "host/components/HostComponents.h"
#include "host/core/StartupRules.h"
#include "host/view/CQuillet2View.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using namespace vantorel::host;

namespace {

struct Installation {
  QTemporaryDir dir;
  QString programFolder;
  ui::RecordingMessageBoxes boxes;

  Installation() {
    registry::useStoreFile(dir.filePath(u"registry.reg"_qs).toStdString());
    const QString real = QStringLiteral(COMPONENT_DIR);
    const QString fakes = QStringLiteral(FAKE_COMPONENT_DIR);
    for (const auto& [file, fake] : {std::pair{u"tabrelgk.ocx"_qs, u"tabrelgk.ocx"_qs},
                                     {u"brovikgk.ocx"_qs, u"brovikgk.ocx"_qs},
                                     {u"dravixgk.ocx"_qs, u"dravixgk.ocx"_qs},
                                     {u"kestringk.ocx"_qs, u"kestringk.ocx"_qs},
                                     {u"fennickgk.ocx"_qs, u"fennickgk.ocx"_qs},
                                     {u"pagebrowser.ocx"_qs, u"webfake.ocx"_qs}}) {
      const QString path = QFileInfo::exists(real + file) ? real + file : fakes + fake;
      (void)com::registerLibrary(path.toStdString());
    }
    programFolder = dir.filePath(u"program"_qs);
    QDir().mkpath(programFolder);
    registry::store().createKey(registryKeyPath());
    registry::store().setString(registryKeyPath(), "Directory", programFolder.toStdString());
    QFile ini(programFolder + u"/qset.ini"_qs);
    ini.open(QIODevice::WriteOnly);
    ini.write(("[Settings]\r\nDataPath=" + QStringLiteral(DISC_DIR) +
               "\r\nBookmark=" + dir.filePath(u"bookmark.dat"_qs) + "\r\n")
                  .toUtf8());
  }

  // Start-up as the program runs it, up to a painted main menu.
  std::unique_ptr<CQuillet2App> start() const {
    CQuillet2App::Environment env;
    env.programPath = programFolder + u"/pelorin"_qs;
    env.tempFolder = dir.path() + u'/';
    env.showSplash = false;
    env.wait = [](int) {};
    env.findFolder = [](QWidget*, int) { return std::nullopt; };
    env.createMainFrame = [](CQuillet2App& a) -> std::unique_ptr<QWidget> {
      auto frame = std::make_unique<CMainFrame>(a);
      auto* view = new CQuillet2View(a);
      frame->setView(view);
      view->OnInitialUpdate();
      frame->resize(1024, 740);
      frame->show();
      frame->repaint();
      return frame;
    };
    auto app = std::make_unique<CQuillet2App>(env);
    if (!app->InitInstance()) return nullptr;
    return app;
  }
};

Installation& installation() {
  static Installation once;
  return once;
}

CQuillet2View* viewOf(CQuillet2App& app) {
  return static_cast<CMainFrame*>(app.mainFrame())->view();
}

void BM_ColdStartToPaintedMainMenu(benchmark::State& state) {
  for (auto _ : state) {
    auto app = installation().start();
    if (!app || viewOf(*app)->startFailed()) return state.SkipWithError("the program did not start");
    state.PauseTiming();
    app.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ColdStartToPaintedMainMenu)->Unit(benchmark::kMillisecond);

void BM_SwitchMainMenuToSection6(benchmark::State& state) {
  auto app = installation().start();
  if (!app) return state.SkipWithError("the program did not start");
  CQuillet2View* view = viewOf(*app);
  QWidget* frame = app->mainFrame();
  for (auto _ : state) {
    view->OpenSection(6, 410000);
    frame->repaint();  // the strip, the tree and the page, drawn
    state.PauseTiming();
    view->ShowMainMenu();
    frame->repaint();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SwitchMainMenuToSection6)->Unit(benchmark::kMillisecond);

void BM_PeerBrovikSetRoute6(benchmark::State& state) {
  auto app = installation().start();
  if (!app) return state.SkipWithError("the program did not start");
  CSelect& brovik = viewOf(*app)->components()->select();
  for (auto _ : state) {
    brovik.SetRoute(6);
    state.PauseTiming();
    brovik.SetRoute(1);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PeerBrovikSetRoute6)->Unit(benchmark::kMillisecond);

void BM_HoverRedraw(benchmark::State& state) {
  auto app = installation().start();
  if (!app) return state.SkipWithError("the program did not start");
  CQuillet2View* view = viewOf(*app);
  const QPoint lit = view->mainMenuOrigin() + QPoint(190, 40);  // region 3
  const QPoint plain = view->mainMenuOrigin() + QPoint(300, 200);
  bool on = false;
  for (auto _ : state) {
    on = !on;
    QTest::mouseMove(view, on ? lit : plain);
    view->repaint(view->rect().adjusted(0, 50, 0, 0));
  }
}
BENCHMARK(BM_HoverRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
