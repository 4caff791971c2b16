// Serialised filters of any content, as a bookmark file might hand them over. Input: the
// condition count (16 bits, little-endian), a byte choosing the table's shape, then the block.
// A block that decodes must serialise back to the same bytes and apply without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dravix/core/FilterBlock.h"
#include "dravix/core/PeriodicPicker.h"

using namespace vantorel::dravix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const auto count = static_cast<int16_t>(data[0] | (data[1] << 8));
  const bool elements = data[2] & 1;
  const FilterLimits limits{elements ? 83 : 4, elements, data[2] >> 1};
  const std::string_view block(reinterpret_cast<const char*>(data + 3), size - 3);
  const FilterDecode decoded = decodeFilter(block, count, limits);
  if (!decoded.filter) return 0;
  // Joins are recomputed and bytes past the conditions ignored; the conditions come back whole.
  const std::string again = serialiseFilter(*decoded.filter);
  const FilterDecode twice = decodeFilter(again, count, limits);
  if (!twice.filter || !(*twice.filter == *decoded.filter) || again.size() > block.size()) std::abort();

  // Apply it to a small table of every field.
  std::string column;
  for (const char* v : {"Σίδηρος", "-38,83 (x)", "", "12,5"}) column += std::string(v) + '\0';
  std::vector<Column> columns;
  std::vector<int> selected;
  LoadedTable table;
  table.index.fieldCount = limits.fieldCount;
  table.index.typeFlags = std::string(static_cast<size_t>(limits.fieldCount), 'T');
  for (int f = 0; f < limits.fieldCount; f += 2) table.index.typeFlags[static_cast<size_t>(f)] = 'N';
  for (int f = 0; f < limits.fieldCount; ++f) {
    columns.push_back(*Column::split(column, 4));
    selected.push_back(f);
  }
  std::vector<const Column*> pointers;
  for (const Column& c : columns) pointers.push_back(&c);
  table.excluded.assign(4, 0);
  applyFilter(*decoded.filter, selected, pointers, table);
  PeriodicPicker picker({});
  picker.show(*decoded.filter);
  return 0;
}
