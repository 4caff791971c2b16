#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dravix/core/TableFiles.h"

// What the record grid shows, as a view over the selected fields' columns: rows are never
// joined into text, so drawing a page costs the same for ten records and a million.
namespace vantorel::dravix {

inline constexpr int kPixelsPerScrollUnit = 10;
inline constexpr int kTransposedCellWidth = 108;

class GridRows {
 public:
  // Normal orientation: one row per entry of `order` (record numbers in display order), one cell
  // per column. Transposed: one row per column; cell 0 is the field's caption (drawn by the
  // widget), cells 1.. the values of `order` (the shown records in file order).
  void assign(std::vector<Column> columns, std::vector<uint32_t> order, bool transposed);
  void clear() { assign({}, {}, false); }

  [[nodiscard]] bool transposed() const { return transposed_; }
  [[nodiscard]] size_t rowCount() const { return transposed_ ? columns_.size() : order_.size(); }
  [[nodiscard]] size_t cellCount() const { return transposed_ ? order_.size() + 1 : columns_.size(); }
  // The value in a cell; empty outside the grid and for a transposed row's caption cell.
  [[nodiscard]] std::string_view cell(size_t row, size_t cell) const;
  // Record number shown in normal row `row` (or at transposed cell `row` + 1).
  [[nodiscard]] const std::vector<uint32_t>& order() const { return order_; }
  [[nodiscard]] const std::vector<Column>& columns() const { return columns_; }

  // A row as the clipboard and exports write it: each cell followed by a TAB.
  [[nodiscard]] std::string rowText(size_t row, std::string_view caption = {}) const;

 private:
  std::vector<Column> columns_;
  std::vector<uint32_t> order_;
  bool transposed_ = false;
};

// A horizontal scroll range in positions 0..maximum, `page` positions to a view.
struct ScrollRange {
  int maximum = 0;
  int page = 1;
};

// Normal orientation: 10-pixel units over the columns' total width.
[[nodiscard]] ScrollRange normalScroll(int64_t totalWidth, int viewWidth);
// Transposed: whole 108-pixel cells; the last position shows the last value whole.
[[nodiscard]] ScrollRange transposedScroll(size_t shownRecords, int viewWidth);

// The status line: the shown-record count in decimal followed by the filter's suffix.
[[nodiscard]] std::string statusText(size_t shownRecords, std::string_view suffix);

}  // namespace vantorel::dravix
