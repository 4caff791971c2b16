#include <cstddef>
#include <cstdint>
#include <span>

#include "host/components/core/ElementIndex.h"

// Any bytes: one entry per whole five bytes, and a found element gives the record of its first entry.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::host::components;
  const auto table = parseElementIndex(std::span(data, size));
  if (table.size() != size / 5) __builtin_trap();
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].element != data[5 * i]) __builtin_trap();
    size_t first = 0;
    while (table[first].element != table[i].element) ++first;
    if (findElement(table, table[i].element) != table[first].treeRecord) __builtin_trap();
  }
  return 0;
}
