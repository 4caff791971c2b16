#pragma once

#include <cstdint>

// Little-endian fields of the catalogue records. Callers check that the bytes are there.
namespace vantorel::catalogue {

[[nodiscard]] inline int32_t loadI32(const char* p) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return static_cast<int32_t>(v);
}

[[nodiscard]] inline uint16_t loadU16(const char* p) {
  return static_cast<uint16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
}

[[nodiscard]] inline int16_t loadI16(const char* p) {
  return static_cast<int16_t>(loadU16(p));
}

}  // namespace vantorel::catalogue
