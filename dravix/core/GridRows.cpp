#include "dravix/core/GridRows.h"

#include <algorithm>

namespace vantorel::dravix {

void GridRows::assign(std::vector<Column> columns, std::vector<uint32_t> order, bool transposed) {
  columns_ = std::move(columns);
  order_ = std::move(order);
  transposed_ = transposed;
}

std::string_view GridRows::cell(size_t row, size_t cell) const {
  if (transposed_) {
    if (row >= columns_.size() || cell == 0 || cell > order_.size()) return {};
    return columns_[row].value(order_[cell - 1]);
  }
  if (row >= order_.size() || cell >= columns_.size()) return {};
  return columns_[cell].value(order_[row]);
}

std::string GridRows::rowText(size_t row, std::string_view caption) const {
  std::string text;
  const size_t cells = cellCount();
  for (size_t c = 0; c < cells; ++c) {
    text += (transposed_ && c == 0) ? caption : cell(row, c);
    text += '\t';
  }
  return text;
}

ScrollRange normalScroll(int64_t totalWidth, int viewWidth) {
  ScrollRange range;
  range.page = std::max(1, viewWidth / kPixelsPerScrollUnit);
  const int64_t over = totalWidth - std::max(0, viewWidth);
  // Rounded up, so that the last pixels of the last column can be reached.
  if (over > 0) range.maximum = static_cast<int>((over + kPixelsPerScrollUnit - 1) / kPixelsPerScrollUnit);
  return range;
}

ScrollRange transposedScroll(size_t shownRecords, int viewWidth) {
  ScrollRange range;
  range.page = std::max(1, viewWidth / kTransposedCellWidth);
  const int64_t cells = static_cast<int64_t>(shownRecords) + 1;  // the caption and the values
  range.maximum = static_cast<int>(std::clamp<int64_t>(cells - range.page, 0, INT32_MAX));
  return range;
}

std::string statusText(size_t shownRecords, std::string_view suffix) {
  std::string text = std::to_string(shownRecords);
  text += suffix;
  return text;
}

}  // namespace vantorel::dravix
