#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <vector>

#include "outside/video/core/VideoClip.h"
#include "outside/video/tests/AviWriter.h"

using namespace vantorel::video;
using namespace vantorel::video::testing;

namespace {

// The held frame at `width` × `height`.
struct Pixels {
  int width = 0;
  std::vector<uint32_t> data;
  [[nodiscard]] Rgb at(int x, int y) const {
    const uint32_t p = data[static_cast<size_t>(y * width + x)];
    return {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
  }
};

Pixels frameOf(VideoClip& clip, int width, int height) {
  Pixels p;
  p.width = width;
  p.data.resize(static_cast<size_t>(width * height));
  EXPECT_TRUE(clip.copyFrame(width, height, reinterpret_cast<uint8_t*>(p.data.data()), width * 4));
  return p;
}

::testing::AssertionResult near(Rgb actual, Rgb expected, int tolerance = 3) {
  const int d = std::abs(actual.r - expected.r) + std::abs(actual.g - expected.g) + std::abs(actual.b - expected.b);
  if (d <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << int(actual.r) << "," << int(actual.g) << "," << int(actual.b)
                                       << ") is not (" << int(expected.r) << "," << int(expected.g) << ","
                                       << int(expected.b) << ")";
}

// Frame `i` of a split clip, as read back at 160 × 120.
void expectFrame(VideoClip& clip, int i) {
  const Pixels p = frameOf(clip, 160, 120);
  EXPECT_TRUE(near(p.at(10, 100), leftColour(i))) << "frame " << i;
  EXPECT_TRUE(near(p.at(150, 100), rightColour(i))) << "frame " << i;
  EXPECT_TRUE(near(p.at(80, 5), {255, 255, 255})) << "frame " << i << " upside down";
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const std::string& bytes) {
  QFile f(dir.filePath(name));
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return f.fileName();
}

}  // namespace

TEST(VideoClip, PlaysAClipLikeTheSampleDiscsFrameByFrameAtItsRate) {
  VideoClip::Opened opened = VideoClip::openBytes(splitClip(160, 120, 8, 24), "clip.avi");
  ASSERT_TRUE(opened.clip) << faultName(opened.fault) << ": " << opened.detail;
  VideoClip& clip = *opened.clip;
  EXPECT_EQ(clip.width(), 160);
  EXPECT_EQ(clip.height(), 120);
  EXPECT_DOUBLE_EQ(clip.framesPerSecond(), 8);
  EXPECT_EQ(clip.frameIntervalMicros(), 125000);
  EXPECT_EQ(clip.durationMicros(), 3000000);
  EXPECT_DOUBLE_EQ(clip.pixelAspect(), 1);
  EXPECT_EQ(clip.positionMicros(), 0);
  expectFrame(clip, 0);
  for (int i = 1; i < 24; ++i) {
    ASSERT_TRUE(clip.next()) << i;
    EXPECT_EQ(clip.positionMicros(), i * 125000);
    expectFrame(clip, i);
  }
  EXPECT_FALSE(clip.next());
  EXPECT_EQ(clip.positionMicros(), 23 * 125000);
  expectFrame(clip, 23);
}

TEST(VideoClip, ScalesTheFrameToThePictureAndRefusesBadTargets) {
  VideoClip::Opened opened = VideoClip::openBytes(splitClip(160, 120, 8, 2), "clip.avi");
  ASSERT_TRUE(opened.clip);
  const Pixels big = frameOf(*opened.clip, 640, 480);
  EXPECT_TRUE(near(big.at(40, 400), leftColour(0)));
  EXPECT_TRUE(near(big.at(600, 400), rightColour(0)));
  EXPECT_TRUE(near(big.at(320, 20), {255, 255, 255}));
  std::vector<uint32_t> small(16);
  auto* bytes = reinterpret_cast<uint8_t*>(small.data());
  EXPECT_FALSE(opened.clip->copyFrame(0, 4, bytes, 16));
  EXPECT_FALSE(opened.clip->copyFrame(4, 4, bytes, 8));  // rows narrower than the picture
  EXPECT_FALSE(opened.clip->copyFrame(4, 4, nullptr, 16));
  EXPECT_FALSE(opened.clip->copyFrame(kMaxFrameSide + 1, 1, bytes, 16));
}

TEST(VideoClip, SeeksToTheFrameShowingAtATime) {
  VideoClip::Opened opened = VideoClip::openBytes(splitClip(160, 120, 8, 24), "clip.avi");
  ASSERT_TRUE(opened.clip);
  VideoClip& clip = *opened.clip;
  ASSERT_TRUE(clip.seek(1500000));
  EXPECT_EQ(clip.positionMicros(), 1500000);
  expectFrame(clip, 12);
  ASSERT_TRUE(clip.seek(1300000));  // between frames 10 and 11
  EXPECT_EQ(clip.positionMicros(), 1250000);
  expectFrame(clip, 10);
  ASSERT_TRUE(clip.next());
  expectFrame(clip, 11);
  ASSERT_TRUE(clip.seek(0));
  expectFrame(clip, 0);
  ASSERT_TRUE(clip.seek(-5));
  EXPECT_EQ(clip.positionMicros(), 0);
  ASSERT_TRUE(clip.seek(99000000));
  expectFrame(clip, 23);
  EXPECT_FALSE(clip.next());
  ASSERT_TRUE(clip.seek(250000));
  expectFrame(clip, 2);
  EXPECT_TRUE(clip.next());
}

TEST(VideoClip, ReadsCompressedFrames) {
  AviWriter writer(64, 48, 10);
  writer.setCompression("MJPG");
  for (int i = 0; i < 4; ++i) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(leftColour(i * 3).r, leftColour(i * 3).g, leftColour(i * 3).b));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "JPG", 95));
    writer.addCompressedFrame(buffer.data().toStdString());
  }
  VideoClip::Opened opened = VideoClip::openBytes(writer.bytes(), "mjpeg.avi");
  ASSERT_TRUE(opened.clip) << faultName(opened.fault) << ": " << opened.detail;
  int frames = 1;
  while (opened.clip->next()) ++frames;
  EXPECT_EQ(frames, 4);
  std::vector<uint32_t> pixels(64 * 48);
  ASSERT_TRUE(opened.clip->copyFrame(64, 48, reinterpret_cast<uint8_t*>(pixels.data()), 64 * 4));
  const uint32_t p = pixels[24 * 64 + 32];
  EXPECT_TRUE(
      near({static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)}, leftColour(9), 12));
  EXPECT_EQ(opened.clip->positionMicros(), 300000);
}

TEST(VideoClip, PlaysAClipWhoseFrameRateIsZero) {
  VideoClip::Opened opened = VideoClip::openBytes(AviWriter(160, 120, 0).bytes(), "zero.avi");
  EXPECT_FALSE(opened.clip);  // no frames at all
  AviWriter writer(160, 120, 0);
  for (int i = 0; i < 5; ++i) writer.addSplitFrame(i);
  opened = VideoClip::openBytes(writer.bytes(), "zero.avi");
  ASSERT_TRUE(opened.clip) << faultName(opened.fault) << ": " << opened.detail;
  EXPECT_GT(opened.clip->framesPerSecond(), 0);
  EXPECT_LE(opened.clip->framesPerSecond(), 240);
  int64_t last = opened.clip->positionMicros();
  for (int i = 1; i < 5; ++i) {
    ASSERT_TRUE(opened.clip->next());
    EXPECT_GT(opened.clip->positionMicros(), last);
    last = opened.clip->positionMicros();
    expectFrame(*opened.clip, i);
  }
}

TEST(VideoClip, TellsWhyAFileIsNoClip) {
  QTemporaryDir dir;
  const std::string good = splitClip(160, 120, 8, 24);
  EXPECT_EQ(VideoClip::openFile(dir.filePath(u"missing.avi"_qs).toStdString()).fault, ClipFault::NotFound);
  EXPECT_EQ(VideoClip::openFile(dir.path().toStdString()).fault, ClipFault::NotAFile);
  EXPECT_EQ(VideoClip::openFile(writeFile(dir, u"empty.avi"_qs, "").toStdString()).fault, ClipFault::NotAVideo);
  const auto text = VideoClip::openFile(
      writeFile(dir, u"notes.avi"_qs, "These are the teacher's notes for the lesson on acids.\n").toStdString());
  EXPECT_FALSE(text.clip);
  EXPECT_TRUE(text.fault == ClipFault::NotAVideo || text.fault == ClipFault::NoPicture) << faultName(text.fault);
  std::string noise(20000, '\0');
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 251);
  EXPECT_FALSE(VideoClip::openFile(writeFile(dir, u"noise.avi"_qs, noise).toStdString()).clip);
  EXPECT_FALSE(VideoClip::openFile(writeFile(dir, u"head.avi"_qs, good.substr(0, 300)).toStdString()).clip);

  // Cut in the middle: what is there plays, and the clip ends early.
  VideoClip::Opened half =
      VideoClip::openFile(writeFile(dir, u"half.avi"_qs, good.substr(0, good.size() / 2)).toStdString());
  ASSERT_TRUE(half.clip) << faultName(half.fault);
  int frames = 1;
  while (half.clip->next()) ++frames;
  EXPECT_GE(frames, 10);
  EXPECT_LT(frames, 24);

  VideoClip::Opened onDisc = VideoClip::openFile(writeFile(dir, u"good.avi"_qs, good).toStdString());
  ASSERT_TRUE(onDisc.clip);
  EXPECT_EQ(onDisc.clip->durationMicros(), 3000000);
}

TEST(VideoClip, OpensNoOtherFileThanTheOneItIsGiven) {
  QTemporaryDir dir;
  const QString good = writeFile(dir, u"good.avi"_qs, splitClip(160, 120, 8, 24));
  const QString list =
      writeFile(dir, u"list.avi"_qs, "ffconcat version 1.0\nfile '" + good.toStdString() + "'\nfile 'good.avi'\n");
  EXPECT_FALSE(VideoClip::openFile(list.toStdString()).clip);
  const QString playlist = writeFile(dir, u"list.m3u8"_qs,
                                     "#EXTM3U\n#EXT-X-TARGETDURATION:3\n#EXTINF:3,\nfile://" + good.toStdString() +
                                         "\n#EXTINF:3,\ngood.avi\n#EXT-X-ENDLIST\n");
  EXPECT_FALSE(VideoClip::openFile(playlist.toStdString()).clip);
}

TEST(VideoClip, PlaysTheSampleDiscsClips) {
  const QDir folder(u"" VIDEO_SAMPLE_DISC "video"_qs);
  const QStringList clips = folder.entryList({u"*.avi"_qs}, QDir::Files);
  if (clips.isEmpty()) GTEST_SKIP() << "the sample disc is not built";
  for (const QString& name : clips) {
    VideoClip::Opened opened = VideoClip::openFile(folder.filePath(name).toStdString());
    ASSERT_TRUE(opened.clip) << name.toStdString() << ": " << faultName(opened.fault) << " " << opened.detail;
    EXPECT_GT(opened.clip->width(), 0);
    EXPECT_GT(opened.clip->framesPerSecond(), 0);
    int frames = 1;
    while (opened.clip->next()) ++frames;
    EXPECT_EQ(static_cast<int64_t>(frames) * opened.clip->frameIntervalMicros(), opened.clip->durationMicros())
        << name.toStdString();
  }
}
