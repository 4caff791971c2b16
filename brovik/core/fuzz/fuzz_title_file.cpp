// Title files of any length read by asset identifiers taken from the input itself.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "brovik/core/CatalogFiles.h"

using namespace vantorel::brovik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  TitleFiles titles;
  for (int i = 0; i < 9; ++i) titles.setFile(i, std::make_unique<MemoryFile>(bytes));
  if (!titles.allOpen()) __builtin_trap();
  for (size_t at = 0; at + 4 <= size && at < 64; at += 4) {
    int32_t id;
    std::memcpy(&id, data + at, 4);
    const TitleRead read = titles.read(id);
    if (read.title.size() > kTitleRecordSize) __builtin_trap();
  }
  const int32_t fixed[] = {10001, 20002, 740012, 760012, 770001, 130000, 449999, -10001, 2147483647};
  for (int32_t id : fixed) {
    const TitleRead read = titles.read(id);
    if (read.status == TitleRead::Status::Ok && size < static_cast<size_t>(id % 10000) * kTitleRecordSize)
      __builtin_trap();
  }
  return 0;
}
