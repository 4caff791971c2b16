#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The main menu pictures: uncompressed 24-bit bitmaps stored bottom-up, read from their bytes.
namespace vantorel::host::view {

inline constexpr int kMaxPictureSide = 8192;
inline constexpr size_t kFileHeaderSize = 14;
inline constexpr size_t kInfoHeaderSize = 40;

// The 40-byte information header as the file stores it.
struct BitmapInfoHeader {
  uint32_t size = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t coloursUsed = 0;
  uint32_t coloursImportant = 0;
};

struct Picture {
  BitmapInfoHeader header;
  std::vector<uint8_t> bits;  // height rows of rowSize() bytes, bottom row first, B G R order

  [[nodiscard]] int width() const { return header.width; }
  [[nodiscard]] int height() const { return header.height; }
  [[nodiscard]] size_t rowSize() const;
};

// Bytes of one row: three per pixel, padded to a multiple of four.
[[nodiscard]] constexpr size_t pictureRowSize(int width) {
  return (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
}

struct PictureParse {
  Picture picture;
  std::string error;  // empty when the picture was read
};

// Accepts only what can be drawn safely: a 40-byte (or longer) information header, 24 bits per
// pixel, no compression, width and height 1 to 8192 (a negative, top-down height is refused) and
// pixel bits that lie wholly inside the file. Anything else is an error, never a read past the
// bytes given.
[[nodiscard]] PictureParse parsePicture(std::string_view bytes);

}  // namespace vantorel::host::view
