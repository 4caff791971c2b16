// Any bytes as each catalogue file: every reader takes whole records only and never reads past
// a field.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/catalogue/CatalogueNames.h"
#include "platform/catalogue/TitleFiles.h"
#include "platform/catalogue/TopicFiles.h"
#include "platform/catalogue/WordFiles.h"

using namespace vantorel::catalogue;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (parseTopicRecords(bytes).size() != size / kTopicRecordSize) __builtin_trap();
  if (parseAssociationRecords(bytes).size() != size / kAssociationRecordSize) __builtin_trap();
  if (parseTitleRecords(bytes).size() != size / kTitleRecordSize) __builtin_trap();
  if (parseWordRecords(bytes).size() != size / kWordRecordSize) __builtin_trap();
  for (const auto& w : parseWordList(bytes))
    if (w.size() > kWordListRecordSize) __builtin_trap();
  for (const auto& a : parseAlternatives(bytes))
    if (a.word.size() > kAlternativeWordSize) __builtin_trap();
  (void)parseFirstLetters(bytes);

  MemoryFile words{bytes};
  const std::string probe = fieldText(std::string_view(bytes).substr(0, std::min<size_t>(size, 40)));
  size_t seen = 0;
  scanWordRecords(words, [&](const RawWordRecord& r) {
    ++seen;
    if (r.field().size() > kWordFieldSize) __builtin_trap();
    if (r.holds(probe) && r.field() != probe) __builtin_trap();
    return true;
  });
  if (seen != size / kWordRecordSize) __builtin_trap();

  TitleFiles titles;
  for (int i = 0; i < 9; ++i) titles.setFile(i, std::make_unique<MemoryFile>(bytes));
  for (int32_t id : {10000, 10001, 19999, 740012, -5, 0, 99990000, 20000 + static_cast<int32_t>(size / 60)}) {
    const TitleRead r = titles.readStored(id);
    if (r.title.size() >= kTitleRecordSize + 1) __builtin_trap();
  }
  return 0;
}
