// Association files of any length.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "brovik/core/CatalogFiles.h"

using namespace vantorel::brovik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto records = parseAssociationRecords(bytes);
  if (records.size() != size / kAssociationRecordSize) __builtin_trap();
  MemoryFile file{std::string(bytes)};
  const auto whole = readWhole(file);
  if (!whole || *whole != bytes) __builtin_trap();
  return 0;
}
