// The viewer's redraw of a 100-atom molecule, offscreen: each style, with and without labels,
// at the page's size and the enlarged one; the scene alone; and, for reference, the cheapest
// redraw a window of that size can have (a ready picture copied onto it).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>

#include "outside/molview/MoleculeViewerCtrl.h"
#include "outside/molview/core/MolfileReader.h"
#include "outside/molview/core/Scene.h"
#include "platform/messages/WindowMessages.h"

namespace {

using namespace vantorel::molview;

// 33 carbons wound four times round a ball of 4 Å, two hydrogens on each, an amine at the end:
// 100 atoms and 99 bonds, every fifth carbon-carbon bond double.
std::string hundredAtoms() {
  std::vector<std::string> atoms, bonds;
  const auto atom = [&](double x, double y, double z, const char* symbol) {
    char line[96];
    std::snprintf(line, sizeof line, "%10.4f%10.4f%10.4f %-3s 0  0  0  0  0  0  0  0  0  0  0  0", x, y, z, symbol);
    atoms.push_back(line);
    return static_cast<int>(atoms.size());
  };
  const auto bond = [&](int a, int b, int order) {
    char line[32];
    std::snprintf(line, sizeof line, "%3d%3d%3d  0  0  0  0", a, b, order);
    bonds.push_back(line);
  };
  constexpr int kCarbons = 33;
  constexpr double kRadius = 4;
  int previous = 0;
  for (int i = 0; i < kCarbons; ++i) {
    const double theta = 0.35 + (std::numbers::pi - 0.7) * i / (kCarbons - 1);
    const double phi = 8 * std::numbers::pi * i / (kCarbons - 1);
    const Vec3 out{std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
    const Vec3 c = out * kRadius;
    const int carbon = atom(c.x, c.y, c.z, "C");
    if (previous) bond(previous, carbon, i % 5 == 0 ? 2 : 1);
    const Vec3 side = out.cross({0, 0, 1}).unit();
    for (double s : {0.8, -0.8}) {
      const Vec3 h = c + (out + side * s).unit() * 1.09;
      bond(carbon, atom(h.x, h.y, h.z, "H"), 1);
    }
    previous = carbon;
  }
  bond(previous, atom(0.3, 0.2, -kRadius - 1.4, "N"), 1);
  char counts[64];
  std::snprintf(counts, sizeof counts, "%3zu%3zu  0  0  0  0  0  0  0  0999 V2000", atoms.size(), bonds.size());
  std::string text = "hundred\n  bench\n\n" + std::string(counts) + "\n";
  for (const auto& l : atoms) text += l + "\n";
  for (const auto& l : bonds) text += l + "\n";
  return text + "M  END\n";
}

struct Shown {
  std::unique_ptr<QWidget> page;
  CMoleculeViewerCtrl* viewer = nullptr;
  QTemporaryDir dir;
};

std::unique_ptr<Shown> showViewer(QSize size, const QString& attributes) {
  auto s = std::make_unique<Shown>();
  const QString path = s->dir.filePath(u"hundred.mol"_qs);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return nullptr;
  file.write(QByteArray::fromStdString(hundredAtoms()));
  file.close();
  s->page = std::make_unique<QWidget>();
  s->page->resize(size + QSize(20, 20));
  s->viewer = new CMoleculeViewerCtrl;
  s->viewer->createWindow(s->page.get(), 1, QRect(QPoint(10, 10), size), true);
  if (!s->viewer->Load(path, attributes)) return nullptr;
  s->page->show();
  if (!QTest::qWaitForWindowExposed(s->page.get())) return nullptr;
  QApplication::processEvents();
  return s;
}

const char* const kStyles[] = {"BALLSTICK", "STICKS", "WIREFRAME", "SPACEFILL"};

// One turn of a spin step and the repaint it causes, as the spinning model redraws.
void Redraw(benchmark::State& state, QSize size) {
  const bool labels = state.range(1) != 0;
  const auto shown = showViewer(size, u"BGCOLOR=#000000\nDISPLAY3D="_qs + QString::fromLatin1(kStyles[state.range(0)]));
  if (!shown) {
    state.SkipWithError("the viewer did not load the molecule");
    return;
  }
  if (labels) vantorel::messages::sendMessage(shown->viewer, vantorel::messages::kCommand, command::kLabels, 0);
  state.SetLabel(std::string(kStyles[state.range(0)]) + (labels ? " labels" : ""));
  int step = 0;
  for (auto _ : state) {
    // A drag by a few pixels turns the model; the repaint draws it.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 100), QPointF(100, 100), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(shown->viewer, &press);
    const QPointF to(100 + (++step % 2 ? 3 : -2), 101);
    QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown->viewer, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, to, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(shown->viewer, &release);
    shown->viewer->repaint();
  }
}

void RedrawInPage(benchmark::State& state) {
  Redraw(state, QSize(340, 290));
}
void RedrawEnlarged(benchmark::State& state) {
  Redraw(state, QSize(640, 498));
}
BENCHMARK(RedrawInPage)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(RedrawEnlarged)->ArgsProduct({{0, 3}, {0}})->Unit(benchmark::kMillisecond);

void SceneOnly(benchmark::State& state) {
  const MolfileRead read = readMolfile(hundredAtoms());
  const Model model(*read.molecule);
  ViewState view;
  view.labels = true;
  for (auto _ : state) {
    view.turn = Matrix3::rotation({0, 1, 0}, 0.01) * view.turn;
    benchmark::DoNotOptimize(buildScene(model, view, 340, 290));
  }
}
BENCHMARK(SceneOnly)->Unit(benchmark::kMicrosecond);

// The reference: a widget of the same size whose redraw only copies a finished picture.
class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QImage image) : image_(std::move(image)) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, image_);
  }

 private:
  QImage image_;
};

void ReferenceCopyOfAFinishedPicture(benchmark::State& state) {
  const auto shown = showViewer(QSize(340, 290), u"BGCOLOR=#000000"_qs);
  if (!shown) {
    state.SkipWithError("the viewer did not load the molecule");
    return;
  }
  QWidget page;
  page.resize(360, 310);
  auto* widget = new PictureWidget(shown->viewer->grab().toImage());
  widget->setParent(&page);
  widget->setGeometry(10, 10, 340, 290);
  page.show();
  if (!QTest::qWaitForWindowExposed(&page)) return;
  for (auto _ : state) widget->repaint();
}
BENCHMARK(ReferenceCopyOfAFinishedPicture)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
