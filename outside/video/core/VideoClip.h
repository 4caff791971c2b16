#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A video clip read with FFmpeg's libraries: frames one after another at their own times,
// seeking, and each frame scaled to the size the player shows it at. Qt-free.
namespace vantorel::video {

enum class ClipFault {
  None,
  NotFound,     // no such file
  NotAFile,     // a folder, a device, a pipe
  NotAVideo,    // FFmpeg knows no container in it
  NoPicture,    // a container without a video stream or without one frame that decodes
  Unsupported,  // a video stream that no decoder here reads
};

// Frames larger than this on either side are refused rather than allocated.
inline constexpr int kMaxFrameSide = 8192;
// A clip that gives no usable rate plays at this one.
inline constexpr double kFallbackFramesPerSecond = 25;

class ClipSource;  // where the bytes come from

class VideoClip {
 public:
  struct Opened {
    std::unique_ptr<VideoClip> clip;  // null on a fault
    ClipFault fault = ClipFault::None;
    std::string detail;  // FFmpeg's words, for a developer
  };

  // Reads only the one regular file at `path`: a container that refers to other files or to
  // addresses (playlists, concatenation lists) gets nothing more opened for it.
  [[nodiscard]] static Opened openFile(const std::string& path);
  // The same for bytes in memory; `name` helps FFmpeg guess the container by its extension.
  [[nodiscard]] static Opened openBytes(std::string bytes, const std::string& name = {});

  ~VideoClip();
  VideoClip(const VideoClip&) = delete;
  VideoClip& operator=(const VideoClip&) = delete;

  [[nodiscard]] int width() const;
  [[nodiscard]] int height() const;
  // The width a pixel of the frame covers, relative to its height (1 for square pixels).
  [[nodiscard]] double pixelAspect() const;
  [[nodiscard]] double framesPerSecond() const;
  [[nodiscard]] int64_t frameIntervalMicros() const;
  // 0 when the file does not say.
  [[nodiscard]] int64_t durationMicros() const;

  // The frame now held: after opening, the first one.
  [[nodiscard]] int64_t positionMicros() const;
  [[nodiscard]] int framesDecoded() const;

  // Decodes the next frame; false at the end of the clip (the last frame stays held).
  bool next();
  // Holds the last frame that starts at or before `micros` (the first one for earlier times).
  bool seek(int64_t micros);

  // Writes the held frame scaled to `width` × `height` as 32-bit pixels 0xFFRRGGBB in native
  // byte order, rows `stride` bytes apart. False when there is nothing to write or the size is bad.
  bool copyFrame(int width, int height, uint8_t* pixels, int stride);

 private:
  struct Impl;
  explicit VideoClip(std::unique_ptr<Impl> impl);
  static Opened openSource(std::unique_ptr<ClipSource> source, const std::string& name);
  std::unique_ptr<Impl> impl_;
};

[[nodiscard]] const char* faultName(ClipFault fault);

}  // namespace vantorel::video
