#include "tools/vantorel-data/core/Raster.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Bytes.h"

namespace vantorel::data {
namespace {

struct Glyph {
  unsigned char code;
  std::array<uint8_t, 7> rows;  // bit 4 is the leftmost column
};

// Latin letters and digits, the Greek capitals that differ from Latin ones, and punctuation.
constexpr Glyph kGlyphs[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}},
    {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}},
    {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}},
    {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'a', {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F}},
    {'b', {0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x1E}},
    {'c', {0x00, 0x00, 0x0E, 0x10, 0x10, 0x11, 0x0E}},
    {'d', {0x01, 0x01, 0x0D, 0x13, 0x11, 0x11, 0x0F}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
    {'f', {0x06, 0x09, 0x08, 0x1C, 0x08, 0x08, 0x08}},
    {'g', {0x00, 0x0F, 0x11, 0x11, 0x0F, 0x01, 0x0E}},
    {'h', {0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x11}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}},
    {'j', {0x02, 0x00, 0x06, 0x02, 0x02, 0x12, 0x0C}},
    {'k', {0x10, 0x10, 0x12, 0x14, 0x18, 0x14, 0x12}},
    {'l', {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'m', {0x00, 0x00, 0x1A, 0x15, 0x15, 0x11, 0x11}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}},
    {'p', {0x00, 0x00, 0x1E, 0x11, 0x1E, 0x10, 0x10}},
    {'q', {0x00, 0x00, 0x0D, 0x13, 0x0F, 0x01, 0x01}},
    {'r', {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10}},
    {'s', {0x00, 0x00, 0x0E, 0x10, 0x0E, 0x01, 0x1E}},
    {'t', {0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06}},
    {'u', {0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x0D}},
    {'v', {0x00, 0x00, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'w', {0x00, 0x00, 0x11, 0x11, 0x15, 0x15, 0x0A}},
    {'x', {0x00, 0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11}},
    {'y', {0x00, 0x00, 0x11, 0x11, 0x0F, 0x01, 0x0E}},
    {'z', {0x00, 0x00, 0x1F, 0x02, 0x04, 0x08, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {0xC3, {0x1F, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10}},  // Γ
    {0xC4, {0x04, 0x04, 0x0A, 0x0A, 0x11, 0x11, 0x1F}},  // Δ
    {0xC8, {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x0E}},  // Θ
    {0xCB, {0x04, 0x04, 0x0A, 0x0A, 0x11, 0x11, 0x11}},  // Λ
    {0xCE, {0x1F, 0x00, 0x00, 0x0E, 0x00, 0x00, 0x1F}},  // Ξ
    {0xD0, {0x1F, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11}},  // Π
    {0xD3, {0x1F, 0x10, 0x08, 0x04, 0x08, 0x10, 0x1F}},  // Σ
    {0xD6, {0x04, 0x0E, 0x15, 0x15, 0x15, 0x0E, 0x04}},  // Φ
    {0xD8, {0x15, 0x15, 0x15, 0x0E, 0x04, 0x04, 0x04}},  // Ψ
    {0xD9, {0x0E, 0x11, 0x11, 0x11, 0x0A, 0x0A, 0x1B}},  // Ω
    {' ', {0, 0, 0, 0, 0, 0, 0}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {',', {0x00, 0x00, 0x00, 0x00, 0x0C, 0x04, 0x08}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}},
    {'+', {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}},
    {'(', {0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}},
    {')', {0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}},
    {'/', {0x01, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10}},
    {'=', {0x00, 0x00, 0x1F, 0x00, 0x1F, 0x00, 0x00}},
    {'>', {0x08, 0x04, 0x02, 0x01, 0x02, 0x04, 0x08}},
    {'%', {0x18, 0x19, 0x02, 0x04, 0x08, 0x13, 0x03}},
    {0xB0, {0x0C, 0x12, 0x12, 0x0C, 0x00, 0x00, 0x00}},
};

// Greek letters shaped like Latin capitals.
unsigned char latinTwin(unsigned char c) {
  switch (c) {
    case 0xC1: return 'A';
    case 0xC2: return 'B';
    case 0xC5: return 'E';
    case 0xC6: return 'Z';
    case 0xC7: return 'H';
    case 0xC9: return 'I';
    case 0xCA: return 'K';
    case 0xCC: return 'M';
    case 0xCD: return 'N';
    case 0xCF: return 'O';
    case 0xD1: return 'P';
    case 0xD4: return 'T';
    case 0xD5: return 'Y';
    case 0xD7: return 'X';
    default: return c;
  }
}

unsigned char labelLetter(unsigned char c) {
  switch (c) {  // accented capitals and final sigma
    case 0xA2: return 0xC1;
    case 0xB8: return 0xC5;
    case 0xB9: return 0xC7;
    case 0xBA: return 0xC9;
    case 0xBC: return 0xCF;
    case 0xBE: return 0xD5;
    case 0xBF: return 0xD9;
    case 0xF2: return 0xD3;
    default: break;
  }
  if (c >= 0xDC) {
    switch (c) {  // accented small letters
      case 0xDC: return 0xC1;
      case 0xDD: return 0xC5;
      case 0xDE: return 0xC7;
      case 0xDF:
      case 0xC0:
      case 0xFA: return 0xC9;
      case 0xFC: return 0xCF;
      case 0xFD:
      case 0xE0:
      case 0xFB: return 0xD5;
      case 0xFE: return 0xD9;
      default: return codepage::toUpper(c);
    }
  }
  return c;
}

const Glyph* glyphFor(unsigned char c) {
  c = latinTwin(labelLetter(c));
  for (const auto& g : kGlyphs)
    if (g.code == c) return &g;
  return nullptr;
}

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto m = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

Rgb Canvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::set(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::blend(int x, int y, Rgb c, double alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  auto& p = pixels_[static_cast<size_t>(y) * width_ + x];
  p = mix(p, c, alpha);
}

void Canvas::fillRect(int x, int y, int w, int h, Rgb c) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
  for (int yy = y0; yy < y1; ++yy)
    for (int xx = x0; xx < x1; ++xx) pixels_[static_cast<size_t>(yy) * width_ + xx] = c;
}

void Canvas::frameRect(int x, int y, int w, int h, Rgb c, int t) {
  fillRect(x, y, w, t, c);
  fillRect(x, y + h - t, w, t, c);
  fillRect(x, y, t, h, c);
  fillRect(x + w - t, y, t, h, c);
}

void Canvas::verticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom) {
  for (int i = 0; i < h; ++i) fillRect(x, y + i, w, 1, mix(top, bottom, h > 1 ? double(i) / (h - 1) : 0));
}

void Canvas::horizontalGradient(int x, int y, int w, int h, Rgb left, Rgb right) {
  for (int i = 0; i < w; ++i) fillRect(x + i, y, 1, h, mix(left, right, w > 1 ? double(i) / (w - 1) : 0));
}

void Canvas::fillCircle(int cx, int cy, int r, Rgb c) {
  fillEllipse(cx, cy, r, r, c);
}

void Canvas::fillEllipse(int cx, int cy, int rx, int ry, Rgb c) {
  if (rx <= 0 || ry <= 0) return;
  for (int dy = -ry; dy <= ry; ++dy)
    for (int dx = -rx; dx <= rx; ++dx) {
      const double d = double(dx * dx) / (rx * rx) + double(dy * dy) / (ry * ry);
      if (d <= 1.0)
        set(cx + dx, cy + dy, c);
      else if (d <= 1.0 + 2.0 / std::max(rx, ry))
        blend(cx + dx, cy + dy, c, 0.5);
    }
}

void Canvas::shadedBall(int cx, int cy, int r, Rgb c) {
  if (r <= 0) return;
  const Rgb light = mix(c, {255, 255, 255}, 0.85), dark = mix(c, {0, 0, 0}, 0.45);
  const double hx = cx - r * 0.35, hy = cy - r * 0.35;
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx) {
      const double d = std::sqrt(double(dx * dx + dy * dy));
      if (d > r + 0.5) continue;
      const double h = std::hypot(cx + dx - hx, cy + dy - hy) / (1.35 * r);
      Rgb p = h < 0.5 ? mix(light, c, h * 2) : mix(c, dark, (h - 0.5) * 2);
      if (d > r - 0.5)
        blend(cx + dx, cy + dy, p, 0.5);
      else
        set(cx + dx, cy + dy, p);
    }
}

void Canvas::ring(int cx, int cy, int r, Rgb c, int thickness) {
  for (int dy = -r - thickness; dy <= r + thickness; ++dy)
    for (int dx = -r - thickness; dx <= r + thickness; ++dx) {
      const double d = std::sqrt(double(dx * dx + dy * dy));
      const double off = std::abs(d - r);
      if (off <= thickness / 2.0)
        set(cx + dx, cy + dy, c);
      else if (off <= thickness / 2.0 + 0.8)
        blend(cx + dx, cy + dy, c, 0.4);
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgb c, int thickness) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  const int half = thickness / 2;
  for (int i = 0; i <= steps; ++i) {
    const double t = steps ? double(i) / steps : 0;
    const int x = static_cast<int>(std::lround(x0 + (x1 - x0) * t));
    const int y = static_cast<int>(std::lround(y0 + (y1 - y0) * t));
    fillRect(x - half, y - half, thickness, thickness, c);
  }
}

void Canvas::fillPolygon(const std::vector<std::pair<int, int>>& points, Rgb c) {
  if (points.size() < 3) return;
  int top = height_, bottom = -1;
  for (auto [x, y] : points) {
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, height_ - 1);
  std::vector<double> xs;
  for (int y = top; y <= bottom; ++y) {
    xs.clear();
    const double sy = y + 0.5;
    for (size_t i = 0; i < points.size(); ++i) {
      auto [ax, ay] = points[i];
      auto [bx, by] = points[(i + 1) % points.size()];
      if ((ay <= sy && by > sy) || (by <= sy && ay > sy)) xs.push_back(ax + (sy - ay) * (bx - ax) / double(by - ay));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      fillRect(static_cast<int>(std::lround(xs[i])), y, static_cast<int>(std::lround(xs[i + 1] - xs[i])), 1, c);
  }
}

int Canvas::textWidth(std::string_view text, int scale) {
  return text.empty() ? 0 : static_cast<int>(text.size()) * 6 * scale - scale;
}

int Canvas::text(int x, int y, std::string_view text, Rgb c, int scale) {
  int pen = x;
  for (unsigned char ch : text) {
    if (const Glyph* g = glyphFor(ch)) {
      for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
          if (g->rows[row] & (0x10 >> col)) fillRect(pen + col * scale, y + row * scale, scale, scale, c);
    }
    pen += 6 * scale;
  }
  return pen - x;
}

void Canvas::textCentered(int cx, int y, std::string_view t, Rgb c, int scale) {
  text(cx - textWidth(t, scale) / 2, y, t, c, scale);
}

void Canvas::paste(const Canvas& other, int x, int y) {
  for (int yy = 0; yy < other.height_; ++yy)
    for (int xx = 0; xx < other.width_; ++xx) set(x + xx, y + yy, other.pixel(xx, yy));
}

std::string Canvas::toBmp() const {
  const uint32_t row = bmpRowSize(width_);
  const uint32_t image = row * static_cast<uint32_t>(height_);
  std::string out;
  out.reserve(54 + image);
  out += "BM";
  putU32(out, 54 + image);
  putU32(out, 0);
  putU32(out, 54);
  putU32(out, 40);
  putI32(out, width_);
  putI32(out, height_);
  putU16(out, 1);
  putU16(out, 24);
  putU32(out, 0);
  putU32(out, image);
  putI32(out, 2835);  // 72 dpi
  putI32(out, 2835);
  putU32(out, 0);
  putU32(out, 0);
  for (int y = height_ - 1; y >= 0; --y) {
    for (int x = 0; x < width_; ++x) {
      const Rgb p = pixels_[static_cast<size_t>(y) * width_ + x];
      out += static_cast<char>(p.b);
      out += static_cast<char>(p.g);
      out += static_cast<char>(p.r);
    }
    out.append(row - 3 * static_cast<uint32_t>(width_), '\0');
  }
  return out;
}

std::optional<BmpInfo> readBmpInfo(std::string_view bytes) {
  if (bytes.size() < 54 || bytes.substr(0, 2) != "BM") return std::nullopt;
  BmpInfo info;
  info.fileSize = getU32(bytes, 2);
  info.bitsOffset = getU32(bytes, 10);
  info.headerSize = getU32(bytes, 14);
  info.width = getI32(bytes, 18);
  info.height = getI32(bytes, 22);
  info.planes = getU16(bytes, 26);
  info.bitCount = getU16(bytes, 28);
  info.compression = getU32(bytes, 30);
  info.imageSize = getU32(bytes, 34);
  return info;
}

std::string bmpFault(std::string_view bytes) {
  auto info = readBmpInfo(bytes);
  if (!info) return "not a BMP file (too short or no \"BM\")";
  if (info->headerSize != 40) return "information header of " + std::to_string(info->headerSize) + " bytes, not 40";
  if (info->bitCount != 24) return std::to_string(info->bitCount) + " bits per pixel, not 24";
  if (info->compression != 0) return "compressed";
  if (info->height <= 0) return "not stored bottom-up (height " + std::to_string(info->height) + ")";
  if (info->width <= 0 || info->width > 10000 || info->height > 10000) return "implausible size";
  const uint64_t size = uint64_t(bmpRowSize(info->width)) * uint64_t(info->height);
  if (info->bitsOffset < 54 || info->bitsOffset > bytes.size() || bytes.size() - info->bitsOffset < size)
    return "pixel rows missing: " + std::to_string(size) + " bytes needed from offset " +
           std::to_string(info->bitsOffset);
  if (info->imageSize != 0 && info->imageSize != size)
    return "image size " + std::to_string(info->imageSize) + " differs from the padded rows (" + std::to_string(size) +
           ")";
  return {};
}

}  // namespace vantorel::data
