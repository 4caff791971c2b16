// Route source parser: any text gives topics or diagnostics, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/vantorel-data/core/CatalogueSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::data;
  std::vector<Diagnostic> diagnostics;
  const auto route = parseRouteSource(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz", diagnostics);
  for (const auto& t : route.topics)
    if (t.level < 0 || t.level > 4) __builtin_trap();
  return 0;
}
