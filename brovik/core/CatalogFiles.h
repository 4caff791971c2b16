#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The fixed-record files of the topic catalogue: title files, words.dat, the topic tree and the
// association file of each route. Text stays CP1253 bytes here.
namespace vantorel::brovik {

inline constexpr size_t kTitleRecordSize = 60;
inline constexpr size_t kWordRecordSize = 43;
inline constexpr size_t kTopicRecordSize = 112;
inline constexpr size_t kAssociationRecordSize = 8;
inline constexpr size_t kWordFieldSize = 32;
inline constexpr size_t kTopicTitleSize = 100;
inline constexpr size_t kMaxWordResults = 400;

// A file read at offsets; the catalogue readers take it so that tests and fuzzers can hand them
// bytes in memory.
class RecordFile {
 public:
  virtual ~RecordFile();
  [[nodiscard]] virtual uint64_t size() const = 0;
  // Reads up to `count` bytes at `offset`; returns how many were read.
  virtual size_t readAt(uint64_t offset, char* out, size_t count) = 0;
};

class DiskFile final : public RecordFile {
 public:
  // Null when the file cannot be opened for reading.
  [[nodiscard]] static std::unique_ptr<DiskFile> open(const std::string& path);
  ~DiskFile() override;
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;
  [[nodiscard]] uint64_t size() const override { return size_; }
  size_t readAt(uint64_t offset, char* out, size_t count) override;

 private:
  DiskFile(std::FILE* file, uint64_t size) : file_(file), size_(size) {}
  std::FILE* file_;
  uint64_t size_;
};

class MemoryFile final : public RecordFile {
 public:
  explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
  [[nodiscard]] uint64_t size() const override { return bytes_.size(); }
  size_t readAt(uint64_t offset, char* out, size_t count) override;

 private:
  std::string bytes_;
};

// Opens a catalogue file by full path; null when it cannot be opened.
using FileOpener = std::function<std::unique_ptr<RecordFile>(const std::string& path)>;
[[nodiscard]] FileOpener diskOpener();

// The text of a NUL-terminated field; a field without NUL is taken whole.
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

struct TopicRecord {
  std::string title;
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
// The whole file, or nothing when it holds more than `limit` bytes or cannot be read.
[[nodiscard]] std::optional<std::string> readWhole(RecordFile& file, uint64_t limit = uint64_t{1} << 31);

// Nothing when the topic file cannot be opened.
[[nodiscard]] std::optional<std::vector<TopicRecord>> loadTopicTree(const FileOpener& open, const std::string& path);
// A missing association file means no resources anywhere.
[[nodiscard]] std::vector<AssociationRecord> loadAssociations(const FileOpener& open, const std::string& path);

// Two titles of the distributed data fill the whole field; these put them right.
[[nodiscard]] std::string fixTitle(std::string title);

// The nine title files, in the order they are opened.
struct TitleFileInfo {
  const char* name;
  std::array<int32_t, 3> types;  // 0 where unused
};
[[nodiscard]] const std::array<TitleFileInfo, 9>& titleFiles();
// Index into titleFiles() of an asset type, or -1 for a type without a title file.
[[nodiscard]] int titleFileIndex(int32_t type);

struct TitleRead {
  enum class Status { Ok, UnknownType, NoRecord, NotOpen };
  Status status = Status::NoRecord;
  std::string title;  // fixed up
};

class TitleFiles {
 public:
  // Closes what is open, then opens all nine from `dataPath`; returns the full paths of those
  // that could not be opened, in opening order.
  std::vector<std::string> open(const FileOpener& opener, const std::string& dataPath);
  void close();
  [[nodiscard]] bool allOpen() const;
  [[nodiscard]] TitleRead read(int32_t assetId);
  // For the fuzzers and tests: puts `file` in the slot of title file `index`.
  void setFile(int index, std::unique_ptr<RecordFile> file);

 private:
  std::array<std::unique_ptr<RecordFile>, 9> files_;
};

struct WordHit {
  int32_t recordId = 0;
  int32_t assetId = 0;
  friend bool operator==(const WordHit&, const WordHit&) = default;
};

struct WordSearch {
  std::vector<WordHit> hits;    // in file order, at most the limit asked for
  bool occursAnywhere = false;  // the word is in the file under some route
};

// The records of words.dat under `route` that hold `word` (a typed word in lower case, see
// codepage::lowerForSearch): those that spell it byte for byte when there are any, else those
// that differ from it only in letter case, accents or the final sigma; at most `limit`, in file
// order. `occursAnywhere` tells whether any route holds the word in either form.
[[nodiscard]] WordSearch findWord(RecordFile& words, std::string_view word, int route, size_t limit = kMaxWordResults);
// Calls `visit` with every record whose word is `word` once both are folded for search (any
// route): recordId, assetId, route, and whether the record spells `word` byte for byte.
void forEachWordRecord(RecordFile& words, std::string_view word,
                       const std::function<void(int32_t, int32_t, int16_t, bool)>& visit);

}  // namespace vantorel::brovik
