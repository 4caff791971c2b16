#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A small RGB canvas for the pictures of the disc (menu pictures, page illustrations, video
// frames) and the 24-bit bottom-up BMP files they are stored in. No toolkit: the compiler stays
// free of GUI libraries.
namespace vantorel::data {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

[[nodiscard]] Rgb mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {255, 255, 255});

  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] Rgb pixel(int x, int y) const;
  void set(int x, int y, Rgb c);
  void blend(int x, int y, Rgb c, double alpha);

  // Rectangles take left, top, width, height; everything is clipped to the canvas.
  void fillRect(int x, int y, int w, int h, Rgb c);
  void frameRect(int x, int y, int w, int h, Rgb c, int thickness = 1);
  void verticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom);
  void horizontalGradient(int x, int y, int w, int h, Rgb left, Rgb right);
  void fillCircle(int cx, int cy, int r, Rgb c);
  // A ball lit from the upper left: `c` at its rim, near white at the highlight.
  void shadedBall(int cx, int cy, int r, Rgb c);
  void ring(int cx, int cy, int r, Rgb c, int thickness = 1);
  void line(int x0, int y0, int x1, int y1, Rgb c, int thickness = 1);
  void fillPolygon(const std::vector<std::pair<int, int>>& points, Rgb c);
  void fillEllipse(int cx, int cy, int rx, int ry, Rgb c);

  // Labels in a 5 x 7 pixel font scaled by `scale`. Text is CP1253; Greek is written in capitals
  // without accents, as labels on diagrams are. Returns the width drawn.
  int text(int x, int y, std::string_view cp1253, Rgb c, int scale = 1);
  [[nodiscard]] static int textWidth(std::string_view cp1253, int scale = 1);
  void textCentered(int cx, int y, std::string_view cp1253, Rgb c, int scale = 1);

  // The picture pasted at (x, y), clipped.
  void paste(const Canvas& other, int x, int y);

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
