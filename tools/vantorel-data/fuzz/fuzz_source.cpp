// Source compiler: any UTF-8 or non-UTF-8 text must give binary files or diagnostics, never a crash.
// The first byte picks the source kind: element list or one of the tables.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/Checker.h"
#include "tools/vantorel-data/core/Compiler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::data;
  if (size < 1) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto source = parseSource(text, "fuzz.tsv");
  std::vector<Diagnostic> diagnostics;
  const size_t kind = data[0] % (tables().size() + 1);
  if (kind == tables().size()) {
    // What the compiler accepts, the checker must find sound.
    if (auto bytes = compileElements(source, diagnostics); bytes && !checkElementFile(*bytes).empty()) __builtin_trap();
  } else {
    const auto& table = tables()[kind];
    if (auto files = compileTable(table, source, diagnostics);
        files && !checkTable(table, files->index, files->data).empty())
      __builtin_trap();
  }
  for (const auto& d : diagnostics) (void)formatDiagnostic(d);
  return 0;
}
