#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Captions and values mark subscripts as "[..]" and superscripts as "{..}": "g/cm{3}", "A[r]".
// The text splits into runs; the markup characters are not part of any run. A run left open at
// the end of the text runs to the end.
namespace vantorel::dravix {

struct MarkupRun {
  enum class Kind { Normal, Subscript, Superscript };
  size_t begin = 0;
  size_t length = 0;
  Kind kind = Kind::Normal;
};

[[nodiscard]] std::vector<MarkupRun> markupRuns(std::u16string_view text);

}  // namespace vantorel::dravix
