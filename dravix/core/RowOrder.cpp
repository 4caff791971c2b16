#include "dravix/core/RowOrder.h"

#include <algorithm>
#include <unordered_map>

#include "dravix/core/NumberRule.h"

namespace vantorel::dravix {

std::vector<uint32_t> orderByNumber(const Column& sortColumn, const std::vector<uint32_t>& rows) {
  struct Keyed {
    double value;
    uint32_t row;
  };
  std::vector<uint32_t> words;
  std::vector<Keyed> numbers;
  numbers.reserve(rows.size());
  for (uint32_t row : rows) {
    if (const auto value = numberFromText(sortColumn.value(row)))
      numbers.push_back({*value, row});
    else
      words.push_back(row);
  }
  std::stable_sort(numbers.begin(), numbers.end(), [](const Keyed& a, const Keyed& b) { return a.value < b.value; });
  std::vector<uint32_t> order = std::move(words);
  order.reserve(rows.size());
  for (const Keyed& k : numbers) order.push_back(k.row);
  return order;
}

DistinctValues distinctValues(const Column& column, const std::vector<uint32_t>& rows) {
  DistinctValues out;
  out.valueOfRow.reserve(rows.size());
  std::unordered_map<std::string_view, uint32_t> ids;
  ids.reserve(rows.size() / 2 + 1);
  for (uint32_t row : rows) {
    const std::string_view v = column.value(row);
    const auto [it, added] = ids.try_emplace(v, static_cast<uint32_t>(out.values.size()));
    if (added) out.values.push_back(v);
    out.valueOfRow.push_back(it->second);
  }
  return out;
}

std::vector<uint32_t> orderByRank(const std::vector<uint32_t>& rows, const std::vector<uint32_t>& rankOfRow,
                                  uint32_t rankCount) {
  if (rankCount == 0) return rows;
  // A counting sort: stable, and linear in the rows.
  std::vector<uint32_t> start(static_cast<size_t>(rankCount) + 1, 0);
  const size_t n = std::min(rows.size(), rankOfRow.size());
  for (size_t i = 0; i < n; ++i) ++start[std::min(rankOfRow[i], rankCount - 1) + 1];
  for (size_t r = 1; r < start.size(); ++r) start[r] += start[r - 1];
  std::vector<uint32_t> order(n);
  for (size_t i = 0; i < n; ++i) order[start[std::min(rankOfRow[i], rankCount - 1)]++] = rows[i];
  return order;
}

std::string joinedValues(const Column& column, const std::vector<uint32_t>& rows) {
  size_t length = 0;
  for (uint32_t row : rows) length += column.value(row).size() + 1;
  std::string out;
  out.reserve(length);
  for (uint32_t row : rows) {
    out += column.value(row);
    out += '\t';
  }
  return out;
}

}  // namespace vantorel::dravix
