// Table index and data files of any content. Input: one byte choosing the table, four bytes
// giving the index file's length (little-endian), the index file, then the data file.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "dravix/core/NumberRule.h"
#include "dravix/core/RowOrder.h"
#include "dravix/core/TableCatalogue.h"
#include "dravix/core/TableFiles.h"

using namespace vantorel::dravix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  const int table = data[0] % kTableCount;
  uint32_t indexLength = 0;
  std::memcpy(&indexLength, data + 1, 4);
  const std::string rest(reinterpret_cast<const char*>(data + 5), size - 5);
  const size_t split = std::min<size_t>(indexLength, rest.size());
  const std::string index = rest.substr(0, split);
  const std::string bytes = rest.substr(split);
  const FileOpener open = [&](const std::string& path) -> std::unique_ptr<ByteFile> {
    return std::make_unique<MemoryFile>(path.ends_with(".ndx") ? index : bytes);
  };
  TableLoad load = loadTable(table, "disc/", open);
  if (!load.table) return 0;
  LoadedTable& loaded = *load.table;
  const std::vector<uint32_t> rows = loaded.shownRecords();
  for (int k = 0; k < loaded.index.fieldCount; ++k) {
    ColumnRead read = readColumn(*loaded.data, loaded.index, k);
    if (!read.column || read.column->size() != rows.size()) __builtin_trap();
    const std::vector<uint32_t> order = orderByNumber(*read.column, rows);
    if (order.size() != rows.size()) __builtin_trap();
    const DistinctValues distinct = distinctValues(*read.column, rows);
    const std::vector<uint32_t> byRank =
        orderByRank(rows, distinct.valueOfRow, static_cast<uint32_t>(distinct.values.size()));
    if (byRank.size() != rows.size()) __builtin_trap();
    const std::string joined = joinedValues(*read.column, order);
    if (joined.size() < rows.size()) __builtin_trap();
    for (uint32_t r : rows) (void)numberFromText(read.column->value(r));
  }
  return 0;
}
