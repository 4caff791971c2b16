#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/view/core/BmpPicture.h"

// Any file as a main menu picture: either refused, or a picture whose bits are exactly its rows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::host::view;
  const PictureParse read = parsePicture(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.error.empty()) {
    if (!read.picture.bits.empty()) __builtin_trap();
    return 0;
  }
  const Picture& p = read.picture;
  if (p.width() < 1 || p.height() < 1 || p.width() > kMaxPictureSide || p.height() > kMaxPictureSide) __builtin_trap();
  if (p.bits.size() != p.rowSize() * static_cast<size_t>(p.height()) || p.bits.size() > size) __builtin_trap();
  return 0;
}
