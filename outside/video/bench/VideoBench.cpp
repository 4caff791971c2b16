// The player's work for one frame, offscreen: decode the next frame of a sample clip and scale
// it to the picture (in the page and enlarged), and the player's whole step (decode, scale and
// repaint). A clip's frame time is the budget: 125 ms at the sample clips' 8 frames a second,
// 40 ms at 25.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <memory>

#include "outside/video/VideoPlayerCtrl.h"
#include "outside/video/core/VideoClip.h"

namespace {

using namespace vantorel::video;

QString sampleClip() {
  const QDir folder(QString::fromUtf8(VIDEO_SAMPLE_DISC "video"));
  const QStringList clips = folder.entryList({u"*.avi"_qs}, QDir::Files, QDir::Name);
  return clips.isEmpty() ? QString() : folder.filePath(clips.first());
}

void DecodeAndScale(benchmark::State& state) {
  const QString path = sampleClip();
  VideoClip::Opened opened = VideoClip::openFile(path.toStdString());
  if (!opened.clip) {
    state.SkipWithError("no sample clip: build the sample disc");
    return;
  }
  const int width = static_cast<int>(state.range(0)), height = width * 3 / 4;
  QImage image(width, height, QImage::Format_RGB32);
  for (auto _ : state) {
    if (!opened.clip->next()) opened.clip->seek(0);
    opened.clip->copyFrame(width, height, image.bits(), static_cast<int>(image.bytesPerLine()));
  }
  state.SetLabel(QString::number(opened.clip->width()).toStdString() + "x" +
                 QString::number(opened.clip->height()).toStdString() + " to " + std::to_string(width) + "x" +
                 std::to_string(height));
}
BENCHMARK(DecodeAndScale)->Arg(320)->Arg(640)->Unit(benchmark::kMicrosecond);

// What the player does when a frame falls due: the next frame decoded and scaled, the picture
// repainted. Driven by its own track: a click on the track's next position decodes to it.
void PlayerStep(benchmark::State& state) {
  const QString path = sampleClip();
  const QSize size = state.range(0) ? QSize(640, 498) : QSize(320, 258);
  QWidget page;
  page.resize(size + QSize(20, 20));
  auto* player = new CVideoPlayerCtrl;
  player->createWindow(&page, 1, QRect(QPoint(10, 10), size), true);
  if (path.isEmpty() || !player->Load(path, u"AUTOPLAY=FALSE"_qs)) {
    state.SkipWithError("no sample clip: build the sample disc");
    return;
  }
  page.show();
  if (!QTest::qWaitForWindowExposed(&page)) return;
  const BarLayout l = player->layout();
  int x = l.track.left();
  for (auto _ : state) {
    x = x >= l.track.right() ? l.track.left() : x + 3;
    QTest::mouseClick(player, Qt::LeftButton, {}, QPoint(x, l.track.center().y()));
    player->repaint();
  }
}
BENCHMARK(PlayerStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
