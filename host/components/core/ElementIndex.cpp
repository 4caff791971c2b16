#include "host/components/core/ElementIndex.h"

namespace vantorel::host::components {

std::vector<ElementIndexEntry> parseElementIndex(std::span<const uint8_t> bytes) {
  constexpr size_t kEntrySize = 5;
  std::vector<ElementIndexEntry> table;
  table.reserve(bytes.size() / kEntrySize);
  for (size_t at = 0; at + kEntrySize <= bytes.size(); at += kEntrySize) {
    const uint32_t record = uint32_t(bytes[at + 1]) | uint32_t(bytes[at + 2]) << 8 | uint32_t(bytes[at + 3]) << 16 |
                            uint32_t(bytes[at + 4]) << 24;
    table.push_back({bytes[at], record});
  }
  return table;
}

std::optional<uint32_t> findElement(const std::vector<ElementIndexEntry>& table, int element) {
  for (const auto& entry : table) {
    if (entry.element == element) return entry.treeRecord;
  }
  return std::nullopt;
}

}  // namespace vantorel::host::components
