// The table's two paints on the sample disc, offscreen: a step of the temperature (the edit box
// notifies, the changed cells are redrawn and reach the window) and a complete paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "tabrel/TabrelCtrl.h"

namespace {

using vantorel::tabrel::CTabrelCtrl;

std::unique_ptr<QWidget> makeHost(CTabrelCtrl*& ctrl) {
  auto host = std::make_unique<QWidget>();
  host->resize(640, 450);
  ctrl = new CTabrelCtrl;
  ctrl->createWindow(host.get(), 1, QRect(0, 0, 640, 450), true);
  host->show();
  if (!QTest::qWaitForWindowExposed(host.get())) return host;
  QApplication::processEvents();
  return host;
}

void TemperatureSweep(benchmark::State& state) {
  CTabrelCtrl* ctrl = nullptr;
  const auto host = makeHost(ctrl);
  if (!ctrl->LoadData(QString::fromUtf8(TABREL_SAMPLE_DISC))) {
    state.SkipWithError("no sample disc");
    return;
  }
  ctrl->SetState(1, -273);
  ctrl->repaint();
  int temperature = -273;
  int64_t cells = 0;
  for (auto _ : state) {
    temperature = temperature >= 5727 ? -273 : temperature + 1;
    ctrl->editBox()->setText(QString::number(temperature));
    QApplication::processEvents();  // paints the areas the step redrew, and nothing else
    cells += ctrl->cellsPaintedLast();
  }
  state.counters["cells_per_step"] = benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kAvgIterations);
}
BENCHMARK(TemperatureSweep)->Iterations(6000)->Unit(benchmark::kMicrosecond);

void CompletePaint(benchmark::State& state) {
  CTabrelCtrl* ctrl = nullptr;
  const auto host = makeHost(ctrl);
  if (!ctrl->LoadData(QString::fromUtf8(TABREL_SAMPLE_DISC))) {
    state.SkipWithError("no sample disc");
    return;
  }
  const int mode = static_cast<int>(state.range(0));
  const int extra[4] = {0, 25, 1700, 7};
  for (auto _ : state) {
    ctrl->SetState(mode, extra[mode]);
    ctrl->repaint();
  }
}
BENCHMARK(CompletePaint)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
