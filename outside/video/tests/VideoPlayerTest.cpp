#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "outside/video/VideoPlayerCtrl.h"
#include "outside/video/tests/AviWriter.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/com/VersionResource.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"
#include "platform/ui/StringTable.h"

using namespace vantorel;
using namespace vantorel::video;
using namespace vantorel::video::testing;

namespace {

QColor colourOf(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

bool near(const QColor& a, const QColor& b, int tolerance = 6) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= tolerance;
}

// A player in a page-sized parent, shown, with clips written for it.
class PlayerWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    page_ = std::make_unique<QWidget>();
    page_->resize(700, 560);
    player_ = new CVideoPlayerCtrl;
    player_->createWindow(page_.get(), 5, QRect(20, 30, 320, 258), true);
    page_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
  }
  QString write(const QString& name, const std::string& bytes) {
    QFile f(dir_.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return f.fileName();
  }
  QImage picture() { return player_->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  // The frame the picture shows, told by the colour of its left half.
  int frameShown() {
    const QColor left = picture().pixelColor(40, 200);
    for (int i = 0; i < 24; ++i) {
      if (near(left, colourOf(leftColour(i)))) return i;
    }
    return -1;
  }
  void keepForLooking(const QString& name) {
    const QString dir = qEnvironmentVariable("VANTOREL_GRAB_DIR");
    if (!dir.isEmpty()) picture().save(dir + u'/' + name + u".png"_qs);
  }

  QTemporaryDir dir_;
  std::unique_ptr<QWidget> page_;
  CVideoPlayerCtrl* player_ = nullptr;
};

QString playerText(int id) {
  return ui::resourceString(u"video"_qs, id);
}

}  // namespace

TEST_F(PlayerWindow, ShowsTheFirstFrameOverItsControlBarAndWaitsWithoutAutoplay) {
  ASSERT_TRUE(player_->Load(write(u"clip.avi"_qs, splitClip(160, 120, 8, 24)), u"AUTOPLAY=FALSE"_qs));
  EXPECT_EQ(player_->size(), QSize(320, 258));
  EXPECT_TRUE(player_->findChildren<QWidget*>().isEmpty());
  EXPECT_EQ(player_->layout().picture, QRect(0, 0, 320, 240));
  EXPECT_EQ(player_->layout().bar, QRect(0, 240, 320, 18));
  keepForLooking(u"video-first-frame"_qs);

  // The 160 × 120 clip fills the whole 320 × 240 picture, right way up.
  const QImage shown = picture();
  EXPECT_TRUE(near(shown.pixelColor(2, 237), colourOf(leftColour(0))));
  EXPECT_TRUE(near(shown.pixelColor(317, 237), colourOf(rightColour(0))));
  EXPECT_TRUE(near(shown.pixelColor(160, 3), Qt::white));
  EXPECT_FALSE(near(shown.pixelColor(160, 250), colourOf(leftColour(0)), 60));  // the bar
  QTest::qWait(300);
  EXPECT_FALSE(player_->playing());
  EXPECT_EQ(frameShown(), 0);
}

TEST_F(PlayerWindow, PlaysAtTheClipsOwnRateWhenItsButtonIsClicked) {
  ASSERT_TRUE(player_->Load(write(u"clip.avi"_qs, splitClip(160, 120, 8, 24)), u"AUTOPLAY=FALSE"_qs));
  const QPoint button = player_->layout().button.center();
  QTest::mouseClick(player_, Qt::LeftButton, {}, button);
  EXPECT_TRUE(player_->playing());
  QElapsedTimer clock;
  clock.start();
  QTest::qWait(600);
  const int64_t elapsed = clock.elapsed() * 1000;
  // Never ahead of the clock; behind it only as far as a busy machine holds it up.
  EXPECT_LE(player_->positionMicros(), elapsed + 125000);
  EXPECT_GE(player_->positionMicros(), elapsed / 3);
  EXPECT_GT(frameShown(), 1);
  keepForLooking(u"video-playing"_qs);

  QTest::mouseClick(player_, Qt::LeftButton, {}, button);
  EXPECT_FALSE(player_->playing());
  const int paused = frameShown();
  QTest::qWait(300);
  EXPECT_EQ(frameShown(), paused);

  // Going on, the next frame keeps its time rather than jumping in at once.
  QTest::mouseClick(player_, Qt::LeftButton, {}, button);
  QApplication::processEvents();
  EXPECT_EQ(frameShown(), paused);
  EXPECT_TRUE(QTest::qWaitFor([&] { return frameShown() > paused; }, 1000));
}

TEST_F(PlayerWindow, AutoplaysToTheEndAndStartsAgainWhenAsked) {
  ASSERT_TRUE(player_->Load(write(u"short.avi"_qs, splitClip(160, 120, 20, 6)), u"AUTOPLAY=TRUE\nSCALE=2"_qs));
  EXPECT_TRUE(player_->playing());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !player_->playing(); }, 3000));
  EXPECT_EQ(frameShown(), 5);
  EXPECT_EQ(player_->positionMicros(), 250000);

  // Play again starts from the beginning.
  QTest::keyClick(player_, Qt::Key_Space);
  EXPECT_TRUE(player_->playing());
  EXPECT_LE(player_->positionMicros(), 50000);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !player_->playing(); }, 3000));

  // With LOOP it keeps going round.
  ASSERT_TRUE(player_->Load(write(u"loop.avi"_qs, splitClip(160, 120, 20, 6)), u"AUTOPLAY=TRUE\nLOOP=TRUE"_qs));
  QTest::qWait(700);
  EXPECT_TRUE(player_->playing());
  EXPECT_GT(player_->framesShown(), 7);  // past the sixth frame: round again
}

TEST_F(PlayerWindow, ClickingTheTrackGoesToThatPlaceAndAClickOnThePictureStartsIt) {
  ASSERT_TRUE(player_->Load(write(u"clip.avi"_qs, splitClip(160, 120, 8, 24)), u"AUTOPLAY=FALSE"_qs));
  const BarLayout l = player_->layout();
  QTest::mouseClick(player_, Qt::LeftButton, {}, QPoint(l.track.left() + l.track.width() / 2, l.track.center().y()));
  EXPECT_NEAR(static_cast<double>(player_->positionMicros()), 1500000, 130000);
  EXPECT_NEAR(frameShown(), 12, 1);
  EXPECT_FALSE(player_->playing());
  keepForLooking(u"video-middle"_qs);

  // Dragging the knob back to the start.
  QTest::mousePress(player_, Qt::LeftButton, {}, QPoint(l.track.center().x(), l.track.center().y()));
  QTest::mouseMove(player_, QPoint(l.track.left() + 2, l.track.center().y()));
  QTest::mouseRelease(player_, Qt::LeftButton, {}, QPoint(l.track.left(), l.track.center().y()));
  EXPECT_EQ(frameShown(), 0);

  QTest::mouseClick(player_, Qt::LeftButton, {}, QPoint(160, 120));
  EXPECT_TRUE(player_->playing());
}

TEST_F(PlayerWindow, StopsWhileHiddenAndFillsTheEnlargedView) {
  ASSERT_TRUE(player_->Load(write(u"clip.avi"_qs, splitClip(160, 120, 8, 24)), u"AUTOPLAY=TRUE"_qs));
  player_->hide();
  const int64_t at = player_->positionMicros();
  QTest::qWait(400);
  EXPECT_EQ(player_->positionMicros(), at);
  EXPECT_TRUE(player_->playing());  // it goes on once shown again
  player_->pause();

  player_->setGeometry(0, 0, 640, 498);
  player_->show();
  EXPECT_EQ(player_->layout().picture, QRect(0, 0, 640, 480));
  const QImage large = picture();
  EXPECT_EQ(large.size(), QSize(640, 498));
  EXPECT_TRUE(near(large.pixelColor(4, 470), large.pixelColor(300, 470)));
  EXPECT_TRUE(near(large.pixelColor(320, 6), Qt::white));
  keepForLooking(u"video-enlarged"_qs);
}

TEST_F(PlayerWindow, ShowsAClearMessageForWhatItCannotPlayAndRecovers) {
  EXPECT_FALSE(player_->Load(dir_.filePath(u"missing.avi"_qs), u"AUTOPLAY=TRUE"_qs));
  EXPECT_EQ(player_->message(), playerText(101));
  keepForLooking(u"video-missing"_qs);
  EXPECT_FALSE(player_->Load(write(u"notes.avi"_qs, "Notes for the lesson, not a film.\n"), {}));
  EXPECT_FALSE(player_->message().isEmpty());
  EXPECT_FALSE(player_->Load(dir_.path(), {}));
  EXPECT_EQ(player_->message(), playerText(100));
  // Nothing to play: the button does nothing.
  QTest::mouseClick(player_, Qt::LeftButton, {}, player_->layout().button.center());
  EXPECT_FALSE(player_->playing());
  const QImage shown = picture();
  int light = 0;
  for (int y = 60; y < 200; ++y)
    for (int x = 20; x < 300; ++x) light += shown.pixelColor(x, y).lightness() > 200;
  EXPECT_GT(light, 300);  // the words of the message

  const std::string clip = splitClip(160, 120, 8, 24);
  EXPECT_TRUE(player_->Load(write(u"cut.avi"_qs, clip.substr(0, clip.size() / 3)), u"AUTOPLAY=TRUE"_qs));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !player_->playing(); }, 3000));  // plays what there is
  EXPECT_TRUE(player_->Load(write(u"clip.avi"_qs, clip), {}));
  EXPECT_TRUE(player_->message().isEmpty());
  EXPECT_EQ(frameShown(), 0);
}

TEST(VideoPlayerComponent, RegistersItselfAndLoadsThroughItsDispatch) {
  QTemporaryDir dir;
  registry::useStoreFile((dir.path() + u"/registry.reg"_qs).toStdString());
  ASSERT_EQ(com::registerLibrary(VIDEOPLAYER_PATH), com::kOk);
  const std::string key = "HKCR\\CLSID\\" + com::ids::kVideoPlayerClass.toString();
  EXPECT_EQ(registry::store().queryString(key + "\\ProgID", ""), "VANTOREL.VideoPlayer.1");
  EXPECT_EQ(com::classIdFromProgId("VANTOREL.VideoPlayer.1"), com::ids::kVideoPlayerClass);
  EXPECT_EQ(com::readFileVersion(VIDEOPLAYER_PATH), (com::FileVersion{0x10000, 1}));

  QWidget page;  // outlives the control it holds
  com::CreateResult created = com::createControl("VANTOREL.VideoPlayer.1");
  ASSERT_NE(created.control, nullptr) << created.error.toStdString();
  std::unique_ptr<com::Control> control(created.control);
  control->createWindow(&page, 4, QRect(0, 0, 320, 258), true);
  EXPECT_EQ(control->invoke(1, com::InvokeKind::PropertyGet, {}).value, com::Variant::fromString(u"1.0.001"_qs));
  QFile clip(dir.filePath(u"clip.avi"_qs));
  ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
  clip.write(QByteArray::fromStdString(splitClip(160, 120, 8, 3)));
  clip.close();
  const auto load = [&](const QString& path) {
    return control
        ->invoke(2, com::InvokeKind::Method,
                 {com::Variant::fromString(path), com::Variant::fromString(u"AUTOPLAY=FALSE"_qs)})
        .value;
  };
  EXPECT_EQ(load(clip.fileName()), com::Variant::fromBool(true));
  EXPECT_EQ(load(dir.filePath(u"none.avi"_qs)), com::Variant::fromBool(false));
  EXPECT_EQ(control->invoke(3, com::InvokeKind::Method, {}).status, com::DispStatus::UnknownMember);
}
