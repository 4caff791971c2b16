#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dravix/core/TableFiles.h"

// The grid's row order: which records it shows, in which order, and the label column that
// follows that order.
namespace vantorel::dravix {

// `rows` (record numbers) ordered by the sort column's values read as numbers (the number
// rule): values that are not numbers first, then numbers by value; equal values keep their
// order in `rows`.
[[nodiscard]] std::vector<uint32_t> orderByNumber(const Column& sortColumn, const std::vector<uint32_t>& rows);

// The distinct values of a text column among `rows`, and which one each row holds. Texts are
// ranked once per distinct value (collation is costly) rather than once per row.
struct DistinctValues {
  std::vector<std::string_view> values;
  std::vector<uint32_t> valueOfRow;  // parallel to rows
};
[[nodiscard]] DistinctValues distinctValues(const Column& column, const std::vector<uint32_t>& rows);

// `rows` ordered by the rank of each row's value (parallel to rows; equal ranks keep their
// order in `rows`). Ranks must be below rankCount.
[[nodiscard]] std::vector<uint32_t> orderByRank(const std::vector<uint32_t>& rows,
                                                const std::vector<uint32_t>& rankOfRow, uint32_t rankCount);

// The values of `rows` in that order, each followed by a TAB: the label column in display order,
// or a column compacted to the shown records.
[[nodiscard]] std::string joinedValues(const Column& column, const std::vector<uint32_t>& rows);

}  // namespace vantorel::dravix
