#include "dravix/core/NumberRule.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vantorel::dravix {

std::optional<double> numberFromText(std::string_view text) {
  // Table values are short; a long one goes to the heap.
  char local[96];
  std::string heap;
  char* kept = local;
  if (text.size() > sizeof local) {
    heap.resize(text.size());
    kept = heap.data();
  }
  size_t n = 0;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == '-')
      kept[n++] = c;
    else if (c == ',')
      kept[n++] = '.';
  }
  if (n == 0) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(kept, kept + n, value, std::chars_format::fixed);
  if (error != std::errc() || end == kept || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace vantorel::dravix
