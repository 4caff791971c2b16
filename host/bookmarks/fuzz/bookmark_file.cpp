#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/bookmarks/core/BookmarkFile.h"

// Any bytes: the reader either refuses them or gives records that the writer writes back into a
// file that reads to the same bytes again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::bookmarks;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const FileReading first = readBookmarkFile(bytes);
  if (!first.ok()) return 0;
  if (first.records.empty() || !first.records.front()->isFolder()) __builtin_trap();
  const std::string written = writeBookmarkFile(first.records);
  const FileReading second = readBookmarkFile(written);
  if (!second.ok() || second.trailingBytes != 0 || second.records.size() != first.records.size()) __builtin_trap();
  if (writeBookmarkFile(second.records) != written) __builtin_trap();
  return 0;
}
