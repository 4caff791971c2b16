#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/profile/PrivateProfile.h"

// Setting a value twice gives the same text as setting it once, and never loses a byte that was
// before the edited line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string once = vantorel::profile::withProfileValue(text, "Settings", "DataPath", "/data/");
  const std::string twice = vantorel::profile::withProfileValue(once, "Settings", "DataPath", "/data/");
  if (once != twice) __builtin_trap();
  return 0;
}
