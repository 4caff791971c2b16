#include "platform/catalogue/TopicFiles.h"

#include "platform/catalogue/CatalogueNames.h"
#include "platform/catalogue/LittleEndian.h"

namespace vantorel::catalogue {

std::string RawTopicRecord::title() const {
  return fieldText(std::string_view(bytes, kTopicTitleSize));
}

int32_t RawTopicRecord::recordId() const {
  return loadI32(bytes + 108);
}

void scanTopicRecords(RecordFile& file, const std::function<bool(const RawTopicRecord&)>& visit) {
  scanRecords(file, kTopicRecordSize, [&](const char* record) { return visit(RawTopicRecord{record}); });
}

std::vector<TopicRecord> parseTopicRecords(std::string_view bytes) {
  std::vector<TopicRecord> records;
  const size_t count = bytes.size() / kTopicRecordSize;
  records.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const char* r = bytes.data() + i * kTopicRecordSize;
    records.push_back(TopicRecord{fieldText(std::string_view(r, kTopicTitleSize)), loadI32(r + 100), loadI32(r + 104),
                                  loadI32(r + 108)});
  }
  return records;
}

std::vector<AssociationRecord> parseAssociationRecords(std::string_view bytes) {
  std::vector<AssociationRecord> records;
  const size_t count = bytes.size() / kAssociationRecordSize;
  records.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const char* r = bytes.data() + i * kAssociationRecordSize;
    records.push_back(AssociationRecord{loadI32(r), loadI32(r + 4)});
  }
  return records;
}

std::optional<std::vector<TopicRecord>> loadTopicTree(const FileOpener& open, const std::string& path) {
  auto file = open(path);
  if (!file) return std::nullopt;
  auto bytes = readWhole(*file);
  if (!bytes) return std::nullopt;
  return parseTopicRecords(*bytes);
}

std::vector<AssociationRecord> loadAssociations(const FileOpener& open, const std::string& path) {
  auto file = open(path);
  if (!file) return {};
  auto bytes = readWhole(*file);
  return bytes ? parseAssociationRecords(*bytes) : std::vector<AssociationRecord>{};
}

}  // namespace vantorel::catalogue
