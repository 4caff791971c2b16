#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Record sizes, asset identifiers, route stems and title-file names of the topic catalogue.
// Fixed records, little-endian, CP1253 text NUL-terminated inside its field, no header.
namespace vantorel::catalogue {

inline constexpr size_t kTitleRecordSize = 60;
inline constexpr size_t kWordRecordSize = 43;
inline constexpr size_t kTopicRecordSize = 112;
inline constexpr size_t kAssociationRecordSize = 8;
inline constexpr size_t kWordFieldSize = 32;
inline constexpr size_t kTopicTitleSize = 100;
inline constexpr size_t kWordListRecordSize = 32;
inline constexpr size_t kAlternativeRecordSize = 30;
inline constexpr size_t kAlternativeWordSize = 26;
inline constexpr size_t kFirstLetterRecordSize = 8;
inline constexpr size_t kMaxFirstLetterRecords = 200;
inline constexpr size_t kMaxWordResults = 400;

// The text of a fixed field up to its first NUL; a field without NUL is taken whole and never
// read past.
[[nodiscard]] std::string fieldText(std::string_view field);

// Asset identifiers: type * 10000 + record number.
[[nodiscard]] constexpr int32_t assetType(int32_t assetId) {
  return assetId / 10000;
}
[[nodiscard]] constexpr int32_t assetNumber(int32_t assetId) {
  return assetId % 10000;
}
inline constexpr int32_t kElementNodeType = 44;
inline constexpr int32_t kElementAliasType = 99;
inline constexpr int32_t kFirstSectionType = 71;

// Route stems; a route outside 1..7 has the empty stem.
[[nodiscard]] std::string_view routeStem(int route);
[[nodiscard]] std::string topicFileName(const std::string& dataPath, int route);
// The topic file name with its last three characters replaced by "ass".
[[nodiscard]] std::string associationFileName(const std::string& topicFile);

// The nine title files, in the order they are opened.
struct TitleFileInfo {
  const char* name;
  std::array<int32_t, 3> types;  // 0 where unused
};
[[nodiscard]] const std::array<TitleFileInfo, 9>& titleFiles();
// Index into titleFiles() of an asset type, or -1 for a type without a title file.
[[nodiscard]] int titleFileIndex(int32_t type);

}  // namespace vantorel::catalogue
