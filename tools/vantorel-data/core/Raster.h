#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The pixels of the pictures of the disc (menu pictures, page illustrations, video frames) and
// the 24-bit bottom-up BMP files they are stored in.
namespace vantorel::data {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

// The pixels of a picture, as they are stored; pictures are painted elsewhere and handed over.
class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {255, 255, 255});

  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  // Outside the picture: black, and writes are dropped.
  [[nodiscard]] Rgb pixel(int x, int y) const;
  void set(int x, int y, Rgb c);

  // 24-bit bottom-up BMP: 14-byte file header, 40-byte information header, rows padded to four bytes.
  [[nodiscard]] std::string toBmp() const;

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

struct BmpInfo {
  uint32_t fileSize = 0;
  uint32_t bitsOffset = 0;
  uint32_t headerSize = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
};

// Header of a BMP file, or nothing when the bytes are too short or do not start with "BM".
[[nodiscard]] std::optional<BmpInfo> readBmpInfo(std::string_view bytes);
// What is wrong with a menu picture for the reader (24 bits, uncompressed, bottom-up, whole rows
// present); empty when nothing is.
[[nodiscard]] std::string bmpFault(std::string_view bytes);
[[nodiscard]] inline uint32_t bmpRowSize(int32_t width) {
  return (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
}

}  // namespace vantorel::data
