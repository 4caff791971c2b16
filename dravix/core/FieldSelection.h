#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Which fields of the loaded table the grid shows: the available list, the selected list (entry
// 0 is always field 0, the table's key), one column width per selected field and the sort column
// as a position in the selected list.
namespace vantorel::dravix {

inline constexpr int kNewColumnWidth = 108;
inline constexpr int kMinColumnWidth = 50;
inline constexpr int kMaxColumnWidth = 4000;

class FieldSelection {
 public:
  // Fields 1 .. offeredFields-1 available in field order, field 0 selected, one column of 108,
  // sort column 0. Zero offered fields: both lists empty (no table).
  void reset(int offeredFields);
  void clear() { reset(0); }

  [[nodiscard]] const std::vector<int>& available() const { return available_; }
  [[nodiscard]] const std::vector<int>& selected() const { return selected_; }
  [[nodiscard]] const std::vector<int>& widths() const { return widths_; }
  [[nodiscard]] int totalWidth() const;

  // Moves available entry `index` to the end of the selected list with a new column; false when
  // there is no such entry.
  bool add(size_t availableIndex);
  enum class Removal { Removed, KeyField, NoSuchEntry };
  // Moves selected entry `index` back to the end of the available list; its column goes. The
  // key field stays. When it was the sort column, the sort column becomes 0.
  Removal remove(size_t selectedIndex);
  // Every available field, in list order; false when there was none.
  bool addAll();
  // Every selected field but the key back; one column of 108 and sort column 0. False (and
  // nothing changes) when only the key was selected.
  bool removeAll();

  // Sets column `index` to `width` raised to 50 and kept below 4000; false when no such column.
  bool setWidth(int index, int64_t width);
  // The column's width; 50 when there is no such column.
  [[nodiscard]] int width(int index) const;

  // The sort column as given (by the user, a header click or a bookmark)...
  void setSortColumn(int position) { sortColumn_ = position; }
  [[nodiscard]] int sortColumn() const { return sortColumn_; }
  // ...and as used: a position outside the selected list counts as 0.
  [[nodiscard]] int sortPosition() const;

  // The block that bookmarks keep: count + 1, then the selected field numbers.
  [[nodiscard]] std::vector<int32_t> toBlock() const;
  // Selects, in block order, every field of elements 2 onward that is still available; unknown
  // and repeated numbers are skipped. Returns how many were added.
  int addFromBlock(std::span<const int32_t> block);

 private:
  std::vector<int> available_;
  std::vector<int> selected_;
  std::vector<int> widths_;
  int sortColumn_ = 0;
};

}  // namespace vantorel::dravix
