#include "tools/vantorel-data/core/Raster.h"

#include "tools/vantorel-data/core/Bytes.h"

namespace vantorel::data {

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

Rgb Canvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::set(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = c;
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
