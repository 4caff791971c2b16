#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two files of a reference table: the index (.ndx: field count, record count, column offsets,
// type and plot flags) and the data (.dat: every column as NUL-terminated CP1253 values). Both
// are checked before anything is used, so that a damaged disc never leads a read astray.
namespace vantorel::dravix {

// A file read at offsets; readers take it so that tests and fuzzers can hand them bytes.
class ByteFile {
 public:
  virtual ~ByteFile();
  [[nodiscard]] virtual uint64_t size() const = 0;
  // Reads up to `count` bytes at `offset`; returns how many were read.
  virtual size_t readAt(uint64_t offset, char* out, size_t count) = 0;
};

class MemoryFile final : public ByteFile {
 public:
  explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
  [[nodiscard]] uint64_t size() const override { return bytes_.size(); }
  size_t readAt(uint64_t offset, char* out, size_t count) override;

 private:
  std::string bytes_;
};

// Opens a file by full path; null when it cannot be opened.
using FileOpener = std::function<std::unique_ptr<ByteFile>(const std::string& path)>;
// Regular files on disk only (no folders, pipes or devices).
[[nodiscard]] FileOpener diskOpener();

struct TableIndex {
  int fieldCount = 0;
  int32_t recordCount = 0;
  std::vector<int64_t> offsets;  // fieldCount + 1, never decreasing
  std::string typeFlags;         // 'N': numeric field
  std::string plotFlags;         // 'Y': may be a graph axis

  [[nodiscard]] bool isNumeric(int field) const { return flag(typeFlags, field) == 'N'; }
  [[nodiscard]] bool isPlottable(int field) const { return flag(plotFlags, field) == 'Y'; }

 private:
  [[nodiscard]] static char flag(const std::string& flags, int field) {
    return field >= 0 && static_cast<size_t>(field) < flags.size() ? flags[static_cast<size_t>(field)] : '\0';
  }
};

enum class TableError {
  None,
  IndexMissing,   // the .ndx cannot be opened
  BadFieldCount,  // its field count is not the table's
  DamagedIndex,   // too short, negative count, offsets out of order or beyond the data
  DataMissing,    // the .dat cannot be opened
  DamagedData,    // a column does not hold its records' terminated values
  OutOfMemory,
};

struct IndexRead {
  std::optional<TableIndex> index;
  TableError error = TableError::None;
};

// Parses and checks an index file that must describe `expectedFields` fields.
[[nodiscard]] IndexRead parseIndex(std::string_view bytes, int expectedFields);

// One column's values. The bytes are kept once; values are views into them.
class Column {
 public:
  Column() = default;
  [[nodiscard]] size_t size() const { return starts_.size(); }
  // Value of record `r` (no terminator); empty for a record that does not exist.
  [[nodiscard]] std::string_view value(size_t r) const {
    if (r >= starts_.size()) return {};
    const size_t begin = starts_[r];
    const size_t end = r + 1 < starts_.size() ? starts_[r + 1] - 1 : bytes_.size() - 1;
    return std::string_view(bytes_).substr(begin, end - begin);
  }
  // All values with their terminators.
  [[nodiscard]] size_t byteSize() const { return bytes_.size(); }
  // Hints for a reader about to walk records out of file order: first where record `r` starts
  // is fetched into the cache, a little later its text.
  void prefetchStart(size_t r) const {
    if (r < starts_.size()) __builtin_prefetch(starts_.data() + r);
  }
  void prefetchValue(size_t r) const {
    if (r < starts_.size()) __builtin_prefetch(bytes_.data() + starts_[r]);
  }

  // Splits `bytes` into exactly `records` NUL-terminated values; nothing when they are not.
  [[nodiscard]] static std::optional<Column> split(std::string bytes, int32_t records);
  // Whether `bytes` holds exactly `records` NUL-terminated values, as split requires.
  [[nodiscard]] static bool holdsExactly(std::string_view bytes, int32_t records);

 private:
  std::string bytes_;
  std::vector<uint32_t> starts_;
};

struct ColumnRead {
  std::optional<Column> column;
  TableError error = TableError::None;
};

// Reads column `field` in one read at its offset. The index must have been checked against the
// file's size (loadTable does that); the read is checked again, since a file can change.
[[nodiscard]] ColumnRead readColumn(ByteFile& data, const TableIndex& index, int field);

// A loaded table: its checked index, its data file kept open, and the filter's exclusion flags.
struct LoadedTable {
  int table = 0;
  TableIndex index;
  std::unique_ptr<ByteFile> data;
  std::vector<uint8_t> excluded;  // per record: 1 = removed by the filter
  size_t shownCount = 0;

  [[nodiscard]] size_t recordCount() const { return excluded.size(); }
  // Record numbers of the shown records, in file order.
  [[nodiscard]] std::vector<uint32_t> shownRecords() const;
};

struct TableLoad {
  std::unique_ptr<LoadedTable> table;
  TableError error = TableError::None;
  std::string path;  // the file at fault
};

// Loads table `table` (0-6) from `folder` (names are appended to it as they are). Every column
// is checked before the table is handed out; on any fault nothing is returned but the error.
[[nodiscard]] TableLoad loadTable(int table, const std::string& folder, const FileOpener& open);

// File names of a table's two files in `folder`.
[[nodiscard]] std::string indexPath(int table, const std::string& folder);
[[nodiscard]] std::string dataPath(int table, const std::string& folder);

}  // namespace vantorel::dravix
