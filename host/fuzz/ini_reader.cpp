#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/core/IniReader.h"

// Any settings file: the values found are within the limits and inside the searched text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::host;
  const std::string text = iniTextOf(std::string_view(reinterpret_cast<const char*>(data), size));
  for (std::string_view key : {"DataPath", "Bookmark", "=", ""}) {
    const std::string value = ReadIniValue(text, key);
    size_t characters = 0;
    for (char c : value) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (characters > kIniValueLimit || value.find_first_of("\r\n") != std::string::npos) __builtin_trap();
    if (!value.empty() && text.find(value) == std::string::npos) __builtin_trap();
  }
  return 0;
}
