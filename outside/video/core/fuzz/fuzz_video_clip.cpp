// Any bytes as a clip: opened, played to the end, sought and scaled without a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "outside/video/core/VideoClip.h"

using namespace vantorel::video;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  VideoClip::Opened opened = VideoClip::openBytes(std::string(reinterpret_cast<const char*>(data), size), "clip.avi");
  if (!opened.clip) return 0;
  VideoClip& clip = *opened.clip;
  std::vector<uint8_t> pixels(64 * 48 * 4);
  clip.copyFrame(64, 48, pixels.data(), 64 * 4);
  for (int i = 0; i < 64 && clip.next(); ++i) clip.copyFrame(33, 17, pixels.data(), 64 * 4);
  clip.seek(clip.durationMicros() / 2);
  clip.copyFrame(64, 48, pixels.data(), 64 * 4);
  clip.seek(0);
  clip.next();
  return 0;
}
