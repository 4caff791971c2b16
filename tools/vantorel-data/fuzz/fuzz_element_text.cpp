// Element file parser: any text gives an element's forms and texts or diagnostics, never a crash;
// what it accepts has every form of the name.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/vantorel-data/core/ElementText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::data;
  std::vector<Diagnostic> diagnostics;
  const auto text =
      parseElementText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.txt", diagnostics);
  if (text && (text->name.nominative.empty() || text->name.genitive.empty() || text->name.accusative.empty()))
    __builtin_trap();
  return 0;
}
