#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Version texts such as "1.0.023" or "1, 0, 0, 32", compared by their numbers: "1.0.100" is
// newer than "1.0.99". Commas count as dots; each part is read after its leading spaces up to
// its first non-digit; missing parts count as 0.
namespace vantorel::host::components {

[[nodiscard]] std::vector<uint32_t> versionNumbers(std::string_view text);
// Negative when a is older than b, 0 when equal, positive when newer.
[[nodiscard]] int compareVersionTexts(std::string_view a, std::string_view b);

}  // namespace vantorel::host::components
