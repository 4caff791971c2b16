// Topic-tree files of any shape: levels out of range, level jumps, duplicate ids, partial records.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "brovik/core/TopicTree.h"

using namespace vantorel::brovik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto records = parseTopicRecords(bytes);
  if (records.size() != size / kTopicRecordSize) __builtin_trap();
  std::vector<int32_t> ids;
  for (const auto& r : records) ids.push_back(r.recordId);
  TopicTree tree;
  tree.load(std::move(records));
  std::array<int, 256> advances;
  advances.fill(6);
  tree.measure(advances);
  tree.setPageRows(7);
  for (int32_t id : ids) {
    const auto node = tree.openPathTo(id);
    if (node && tree.rowOf(*node) < 0) __builtin_trap();
    if (tree.top() < 0 || tree.top() > tree.maxTop()) __builtin_trap();
    (void)tree.extent();
  }
  return 0;
}
