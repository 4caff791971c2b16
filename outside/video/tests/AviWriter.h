#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Small AVI files for the tests, written chunk by chunk: uncompressed 24-bit frames as the
// sample disc's clips have them, or frames compressed elsewhere (Motion JPEG).
namespace vantorel::video::testing {

struct Rgb {
  uint8_t r, g, b;
};

// Frame `i` of the test clips: its left half and right half in two colours that tell the
// frames apart and show whether the picture came out upside down.
inline Rgb leftColour(int i) {
  return {static_cast<uint8_t>(20 + i * 9), 200, 40};
}
inline Rgb rightColour(int i) {
  return {40, 60, static_cast<uint8_t>(250 - i * 9)};
}

class AviWriter {
 public:
  AviWriter(int width, int height, uint32_t rate, uint32_t scale = 1)
      : width_(width), height_(height), rate_(rate), scale_(scale) {}

  // A frame of two halves; the top quarter of rows is white, to show which way up it lies.
  void addSplitFrame(int index) {
    const int rowSize = (width_ * 3 + 3) & ~3;
    std::string bits(static_cast<size_t>(rowSize * height_), '\0');
    for (int y = 0; y < height_; ++y) {
      const int fromTop = height_ - 1 - y;  // rows are stored bottom up
      for (int x = 0; x < width_; ++x) {
        Rgb c = x < width_ / 2 ? leftColour(index) : rightColour(index);
        if (fromTop < height_ / 4) c = {255, 255, 255};
        char* p = bits.data() + y * rowSize + x * 3;
        p[0] = static_cast<char>(c.b);
        p[1] = static_cast<char>(c.g);
        p[2] = static_cast<char>(c.r);
      }
    }
    frames_.push_back(std::move(bits));
  }
  void addCompressedFrame(std::string bytes) { frames_.push_back(std::move(bytes)); }
  void setCompression(const char fourcc[5]) { compression_ = fourcc; }

  [[nodiscard]] std::string bytes() const {
    const bool raw = compression_.empty();
    const uint32_t frameSize = static_cast<uint32_t>(((width_ * 3 + 3) & ~3) * height_);
    std::string avih;
    u32(avih, rate_ ? static_cast<uint32_t>(1000000ull * scale_ / rate_) : 0);
    u32(avih, 0);
    u32(avih, 0);
    u32(avih, 0x10);
    u32(avih, static_cast<uint32_t>(frames_.size()));
    u32(avih, 0);
    u32(avih, 1);
    u32(avih, frameSize);
    u32(avih, static_cast<uint32_t>(width_));
    u32(avih, static_cast<uint32_t>(height_));
    avih.append(16, '\0');
    std::string strh = "vids";
    strh += raw ? std::string("DIB ") : compression_;
    u32(strh, 0);
    u32(strh, 0);
    u32(strh, 0);
    u32(strh, scale_);
    u32(strh, rate_);
    u32(strh, 0);
    u32(strh, static_cast<uint32_t>(frames_.size()));
    u32(strh, frameSize);
    u32(strh, 0xFFFFFFFF);
    u32(strh, 0);
    u32(strh, 0);
    u32(strh, static_cast<uint32_t>(width_ | (height_ << 16)));
    std::string strf;
    u32(strf, 40);
    u32(strf, static_cast<uint32_t>(width_));
    u32(strf, static_cast<uint32_t>(height_));
    u32(strf, 0x00180001u);  // one plane, 24 bits a pixel
    if (raw) {
      u32(strf, 0);
    } else {
      strf += compression_;
    }
    u32(strf, frameSize);
    strf.append(16, '\0');
    const std::string hdrl =
        list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));
    std::string movi, index;
    uint32_t offset = 4;
    const std::string id = raw ? "00db" : "00dc";
    for (const std::string& f : frames_) {
      index += id;
      u32(index, 0x10);
      u32(index, offset);
      u32(index, static_cast<uint32_t>(f.size()));
      const std::string c = chunk(id, f);
      movi += c;
      offset += static_cast<uint32_t>(c.size());
    }
    return chunk("RIFF", "AVI " + hdrl + list("movi", movi) + chunk("idx1", index));
  }

 private:
  static void u32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  static std::string chunk(const std::string& id, const std::string& body) {
    std::string out = id;
    u32(out, static_cast<uint32_t>(body.size()));
    out += body;
    if (body.size() % 2) out += '\0';
    return out;
  }
  static std::string list(const std::string& type, const std::string& body) { return chunk("LIST", type + body); }

  int width_;
  int height_;
  uint32_t rate_;
  uint32_t scale_;
  std::string compression_;
  std::vector<std::string> frames_;
};

// A clip of `frames` split frames at `fps` frames a second.
inline std::string splitClip(int width, int height, uint32_t fps, int frames) {
  AviWriter w(width, height, fps);
  for (int i = 0; i < frames; ++i) w.addSplitFrame(i);
  return w.bytes();
}

}  // namespace vantorel::video::testing
