#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The element index table of the data folder ("ptable.ndx"): 5-byte entries without a header,
// an element byte then the little-endian tree record id of that element's topic. A trailing
// partial entry is ignored.
namespace vantorel::host::components {

struct ElementIndexEntry {
  uint8_t element = 0;
  uint32_t treeRecord = 0;
};

[[nodiscard]] std::vector<ElementIndexEntry> parseElementIndex(std::span<const uint8_t> bytes);

// The tree record of the first entry for `element`; nothing when the element is not listed.
[[nodiscard]] std::optional<uint32_t> findElement(const std::vector<ElementIndexEntry>& table, int element);

}  // namespace vantorel::host::components
