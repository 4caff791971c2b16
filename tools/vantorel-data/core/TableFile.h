#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The reference tables: an index file (.ndx) describing the table and a data file (.dat) holding
// every value as NUL-terminated text, column after column.
namespace vantorel::data {

struct TableField {
  const char* key;  // column name in the source file and in dumps
};

struct TableInfo {
  const char* base;  // file name without extension, e.g. "dacomp"
  std::span<const TableField> fields;
  int firstCaptionId;
};

// The seven tables in chooser order.
[[nodiscard]] std::span<const TableInfo> tables();
[[nodiscard]] const TableInfo* findTable(std::string_view base);

struct TableIndex {
  uint16_t fieldCount = 0;
  int32_t recordCount = 0;
  std::vector<int32_t> offsets;  // fieldCount + 1 entries
  std::string typeFlags;         // 'N' numeric
  std::string plotFlags;         // 'Y' may be a graph axis
};

[[nodiscard]] inline size_t indexFileSize(size_t fieldCount) {
  return 6 + 4 * (fieldCount + 1) + 2 * fieldCount;
}

// Parses an index file; nothing when it is too short for its own field count.
[[nodiscard]] std::optional<TableIndex> parseIndex(std::string_view bytes);

struct TableFiles {
  std::string index;
  std::string data;
};

// Encodes a table. `columns[k][r]` is the CP1253 value of field k in record r; every column must
// hold the same number of values and no value may contain a NUL.
[[nodiscard]] TableFiles encodeTable(const std::vector<std::vector<std::string>>& columns, std::string_view typeFlags,
                                     std::string_view plotFlags);

// Splits column k of a data file into its values, as the reader walks it from NUL to NUL.
// Nothing when the offsets lie outside the data or the column does not hold R terminated values.
[[nodiscard]] std::optional<std::vector<std::string_view>> readColumn(const TableIndex& index, std::string_view data,
                                                                      size_t k);

}  // namespace vantorel::data
