#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/catalogue/CatalogueNames.h"
#include "platform/catalogue/TopicFiles.h"
#include "platform/catalogue/WordFiles.h"

// The topic catalogue: title files, the word files, the topic trees and association files of the
// seven routes, and the element index. Fixed records, little-endian, CP1253 text NUL-terminated
// inside its field. Readers take the bytes as they are: a count is always the length divided by
// the record size, and a trailing partial record is ignored.
namespace vantorel::data {

inline constexpr size_t kTitleRecordSize = catalogue::kTitleRecordSize;
inline constexpr size_t kWordRecordSize = catalogue::kWordRecordSize;
inline constexpr size_t kTopicRecordSize = catalogue::kTopicRecordSize;
inline constexpr size_t kAssociationRecordSize = catalogue::kAssociationRecordSize;
inline constexpr size_t kElementIndexEntrySize = 5;
inline constexpr size_t kWordListRecordSize = catalogue::kWordListRecordSize;
inline constexpr size_t kAlternativeRecordSize = catalogue::kAlternativeRecordSize;
inline constexpr size_t kFirstLetterRecordSize = catalogue::kFirstLetterRecordSize;
inline constexpr size_t kMaxFirstLetterRecords = catalogue::kMaxFirstLetterRecords;
inline constexpr int kRouteCount = 7;
inline constexpr int kMaxTopicLevel = 4;

// Asset types with a title file; 44 and 99 name element nodes, 71-80 the element sections.
inline constexpr int kElementNodeType = 44;
inline constexpr int kElementNodeAliasType = 99;
inline constexpr int kFirstElementSectionType = 71;
inline constexpr int kElementSectionCount = 10;

[[nodiscard]] inline int assetType(int32_t assetId) {
  return assetId / 10000;
}
[[nodiscard]] inline int assetNumber(int32_t assetId) {
  return assetId % 10000;
}
[[nodiscard]] inline int32_t makeAssetId(int type, int number) {
  return type * 10000 + number;
}

// "elem.ttl" for type 1, ... "history.ttl" for 74, 76 and 77; nothing for other types.
[[nodiscard]] std::optional<std::string_view> titleFileOf(int type);
// The nine title files in the order the browser opens them.
[[nodiscard]] const std::vector<std::string_view>& titleFiles();

// "react" ... "concept" for routes 1-7, the empty stem otherwise.
[[nodiscard]] std::string_view routeStem(int route);
[[nodiscard]] std::string_view routeName(int route);  // CP1253 section title
[[nodiscard]] int32_t routeStartPage(int route);      // 0 outside 1-7
// The page type that a route's own topic pages use (its start page's type).
[[nodiscard]] int routePageType(int route);

// Relative path of a page file: "17/0070", "12/0/345", "04/5/001" ('/' separated).
[[nodiscard]] std::string pagePath(int32_t page);

// Text up to the first NUL of a fixed field (the whole field when it has none).
[[nodiscard]] std::string_view fixedText(std::string_view field);
// Writes `text` into a field of `size` bytes, NUL-padded. A text of exactly `size` bytes fills
// the field without a NUL (the title file has two such records). Longer texts are refused.
[[nodiscard]] bool putFixedText(std::string& out, std::string_view text, size_t size);

// The records, and the readers below, are the ones the program itself uses.
using catalogue::AssociationRecord;
using catalogue::TopicRecord;
using catalogue::WordRecord;

struct ElementIndexEntry {
  uint8_t element = 0;
  uint32_t recordId = 0;
};

using catalogue::Alternative;

// Encoders refuse what the record cannot hold: an empty result means a value did not fit.
[[nodiscard]] std::optional<std::string> encodeTitles(const std::vector<std::string>& titles);
[[nodiscard]] std::optional<std::string> encodeTopics(const std::vector<TopicRecord>& records);
[[nodiscard]] std::optional<std::string> encodeWords(const std::vector<WordRecord>& records);
[[nodiscard]] std::string encodeAssociations(const std::vector<AssociationRecord>& records);
[[nodiscard]] std::string encodeElementIndex(const std::vector<ElementIndexEntry>& entries);
[[nodiscard]] std::optional<std::string> encodeWordList(const std::vector<std::string>& words);
[[nodiscard]] std::optional<std::string> encodeAlternatives(const std::vector<Alternative>& alternatives);
// One record per distinct first byte of the (sorted) word list: the letter, then the index of
// its first word in words.ndx and the number of its words, both as 16-bit values.
[[nodiscard]] std::string encodeFirstLetters(const std::vector<std::string>& sortedWords);

[[nodiscard]] std::vector<std::string> readTitles(std::string_view bytes);
[[nodiscard]] std::vector<TopicRecord> readTopics(std::string_view bytes);
[[nodiscard]] std::vector<WordRecord> readWords(std::string_view bytes);
[[nodiscard]] std::vector<AssociationRecord> readAssociations(std::string_view bytes);
[[nodiscard]] std::vector<ElementIndexEntry> readElementIndex(std::string_view bytes);
[[nodiscard]] std::vector<std::string> readWordList(std::string_view bytes);
[[nodiscard]] std::vector<Alternative> readAlternatives(std::string_view bytes);
using catalogue::FirstLetter;
[[nodiscard]] std::vector<FirstLetter> readFirstLetters(std::string_view bytes);

// The title the browser lists: the two full-width titles of the sample disc are repaired.
[[nodiscard]] std::string fixTitle(std::string title);

// CP1253 lower case, and the index words of a text: letters and digits in runs, lower-cased,
// at least `minLength` bytes, at most 31, without the common short words of the language.
[[nodiscard]] std::string lowerCase(std::string_view text);
[[nodiscard]] std::vector<std::string> indexWords(std::string_view text, size_t minLength = 4);

}  // namespace vantorel::data
