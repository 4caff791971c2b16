#include "tools/vantorel-data/core/Avi.h"

#include "tools/vantorel-data/core/Bytes.h"

namespace vantorel::data {

std::string makeAvi(const std::vector<Canvas>& frames, int fps) {
  if (frames.empty()) return {};
  const int w = frames[0].width(), h = frames[0].height();
  const uint32_t frameSize = bmpRowSize(w) * static_cast<uint32_t>(h);
  auto chunk = [](std::string_view id, std::string_view body) {
    std::string out(id);
    putU32(out, static_cast<uint32_t>(body.size()));
    out += body;
    if (body.size() % 2) out += '\0';
    return out;
  };
  auto list = [&](std::string_view type, std::string_view body) {
    return chunk("LIST", std::string(type) + std::string(body));
  };
  std::string avih;
  putU32(avih, 1000000 / static_cast<uint32_t>(fps));
  putU32(avih, frameSize * static_cast<uint32_t>(fps));
  putU32(avih, 0);
  putU32(avih, 0x10);  // has index
  putU32(avih, static_cast<uint32_t>(frames.size()));
  putU32(avih, 0);
  putU32(avih, 1);
  putU32(avih, frameSize);
  putU32(avih, static_cast<uint32_t>(w));
  putU32(avih, static_cast<uint32_t>(h));
  avih.append(16, '\0');
  std::string strh = "vids";
  strh += std::string("DIB ");
  putU32(strh, 0);
  putU16(strh, 0);
  putU16(strh, 0);
  putU32(strh, 0);
  putU32(strh, 1);
  putU32(strh, static_cast<uint32_t>(fps));
  putU32(strh, 0);
  putU32(strh, static_cast<uint32_t>(frames.size()));
  putU32(strh, frameSize);
  putU32(strh, 0xFFFFFFFF);
  putU32(strh, 0);
  putU16(strh, 0);
  putU16(strh, 0);
  putU16(strh, static_cast<uint16_t>(w));
  putU16(strh, static_cast<uint16_t>(h));
  std::string strf;
  putU32(strf, 40);
  putI32(strf, w);
  putI32(strf, h);
  putU16(strf, 1);
  putU16(strf, 24);
  putU32(strf, 0);
  putU32(strf, frameSize);
  strf.append(16, '\0');
  const std::string hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));
  std::string movi, index;
  uint32_t offset = 4;
  for (const auto& f : frames) {
    const std::string bmp = f.toBmp();
    const auto bits = std::string_view(bmp).substr(54);
    index += "00db";
    putU32(index, 0x10);
    putU32(index, offset);
    putU32(index, static_cast<uint32_t>(bits.size()));
    const auto c = chunk("00db", bits);
    movi += c;
    offset += static_cast<uint32_t>(c.size());
  }
  const std::string body = "AVI " + hdrl + list("movi", movi) + chunk("idx1", index);
  return chunk("RIFF", body);
}

}  // namespace vantorel::data
