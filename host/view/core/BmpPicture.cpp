#include "host/view/core/BmpPicture.h"

#include <cstring>

namespace vantorel::host::view {
namespace {

uint32_t u32(std::string_view b, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(b[at + i])) << (8 * i);
  return v;
}

uint16_t u16(std::string_view b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

int32_t s32(std::string_view b, size_t at) {
  return static_cast<int32_t>(u32(b, at));
}

}  // namespace

size_t Picture::rowSize() const {
  return pictureRowSize(header.width);
}

PictureParse parsePicture(std::string_view bytes) {
  PictureParse out;
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) {
    out.error = "file shorter than its headers";
    return out;
  }
  const uint32_t bitsOffset = u32(bytes, 10);
  BitmapInfoHeader& h = out.picture.header;
  const size_t at = kFileHeaderSize;
  h.size = u32(bytes, at);
  h.width = s32(bytes, at + 4);
  h.height = s32(bytes, at + 8);
  h.planes = u16(bytes, at + 12);
  h.bitCount = u16(bytes, at + 14);
  h.compression = u32(bytes, at + 16);
  h.imageSize = u32(bytes, at + 20);
  h.xPelsPerMeter = s32(bytes, at + 24);
  h.yPelsPerMeter = s32(bytes, at + 28);
  h.coloursUsed = u32(bytes, at + 32);
  h.coloursImportant = u32(bytes, at + 36);

  if (h.size < kInfoHeaderSize) {
    out.error = "information header too short";
  } else if (h.bitCount != 24) {
    out.error = "not 24 bits per pixel";
  } else if (h.compression != 0) {
    out.error = "compressed";
  } else if (h.width < 1 || h.width > kMaxPictureSide || h.height < 1 || h.height > kMaxPictureSide) {
    out.error = "width or height outside 1 to 8192";
  }
  if (!out.error.empty()) return out;

  // At most 8192 rows of 24576 bytes: no overflow in 64 bits.
  const uint64_t size = static_cast<uint64_t>(h.height) * pictureRowSize(h.width);
  if (bitsOffset < kFileHeaderSize + kInfoHeaderSize || bitsOffset > bytes.size() || size > bytes.size() - bitsOffset) {
    out.error = "pixel bits outside the file";
    return out;
  }
  out.picture.bits.resize(static_cast<size_t>(size));
  std::memcpy(out.picture.bits.data(), bytes.data() + bitsOffset, static_cast<size_t>(size));
  return out;
}

}  // namespace vantorel::host::view
