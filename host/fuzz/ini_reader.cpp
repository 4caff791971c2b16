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
    if (value.size() > kIniValueLimit || value.find('\r') != std::string::npos) __builtin_trap();
    if (!value.empty() && text.find(value) == std::string::npos) __builtin_trap();
  }
  return 0;
}
