#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/catalogue/RecordFile.h"

// The topic tree (stem.dat, 112-byte records in pre-order) and the association file (stem.ass,
// 8-byte records) of each route.
namespace vantorel::catalogue {

struct TopicRecord {
  std::string title;  // CP1253
  int32_t page = 0;
  int32_t level = 0;
  int32_t recordId = 0;
};

struct AssociationRecord {
  int32_t recordId = 0;
  int32_t assetId = 0;
  friend bool operator==(const AssociationRecord&, const AssociationRecord&) = default;
};

// Whole records only; a trailing partial record is ignored.
[[nodiscard]] std::vector<TopicRecord> parseTopicRecords(std::string_view bytes);
[[nodiscard]] std::vector<AssociationRecord> parseAssociationRecords(std::string_view bytes);

// One record of a topic file as it lies in the file.
struct RawTopicRecord {
  const char* bytes;
  [[nodiscard]] std::string title() const;
  [[nodiscard]] int32_t recordId() const;
};
// Every whole record of the topic file, in file order, until `visit` returns false.
void scanTopicRecords(RecordFile& file, const std::function<bool(const RawTopicRecord&)>& visit);

// Nothing when the topic file cannot be opened.
[[nodiscard]] std::optional<std::vector<TopicRecord>> loadTopicTree(const FileOpener& open, const std::string& path);
// A missing association file means no resources anywhere.
[[nodiscard]] std::vector<AssociationRecord> loadAssociations(const FileOpener& open, const std::string& path);

}  // namespace vantorel::catalogue
