#include "host/components/core/VersionText.h"

#include <algorithm>

namespace vantorel::host::components {

std::vector<uint32_t> versionNumbers(std::string_view text) {
  std::vector<uint32_t> numbers;
  size_t at = 0;
  while (true) {
    while (at < text.size() && text[at] == ' ') ++at;
    uint64_t value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
      value = std::min<uint64_t>(value * 10 + uint64_t(text[at] - '0'), UINT32_MAX);
      ++at;
    }
    numbers.push_back(static_cast<uint32_t>(value));
    const size_t next = text.find_first_of(".,", at);
    if (next == std::string_view::npos) break;
    at = next + 1;
  }
  return numbers;
}

int compareVersionTexts(std::string_view a, std::string_view b) {
  const auto x = versionNumbers(a);
  const auto y = versionNumbers(b);
  for (size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
    const uint32_t p = i < x.size() ? x[i] : 0;
    const uint32_t q = i < y.size() ? y[i] : 0;
    if (p != q) return p < q ? -1 : 1;
  }
  return 0;
}

}  // namespace vantorel::host::components
