#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/com/VersionResource.h"

// Any bytes, read both as a whole library image and as a bare version block.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::com;
  const std::span<const uint8_t> bytes(data, size);
  (void)fileVersionOfImage(bytes);
  (void)versionString(bytes, "FileVersion", {"040904E4", "040904B0"});
  return 0;
}
