#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Little-endian field access for the fixed-record files. Readers check bounds before calling.
namespace vantorel::data {

inline void putU16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}
inline void putI16(std::string& out, int16_t v) {
  putU16(out, static_cast<uint16_t>(v));
}
inline void putU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void putI32(std::string& out, int32_t v) {
  putU32(out, static_cast<uint32_t>(v));
}
inline void putF32(std::string& out, float v) {
  putU32(out, std::bit_cast<uint32_t>(v));
}
inline void putF64(std::string& out, double v) {
  const auto bits = std::bit_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

inline uint16_t getU16(std::string_view s, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8));
}
inline int16_t getI16(std::string_view s, size_t at) {
  return static_cast<int16_t>(getU16(s, at));
}
inline uint32_t getU32(std::string_view s, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
  return v;
}
inline int32_t getI32(std::string_view s, size_t at) {
  return static_cast<int32_t>(getU32(s, at));
}
inline float getF32(std::string_view s, size_t at) {
  return std::bit_cast<float>(getU32(s, at));
}
inline double getF64(std::string_view s, size_t at) {
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
  return std::bit_cast<double>(v);
}

}  // namespace vantorel::data
