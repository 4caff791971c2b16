#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dravix/core/FilterConditions.h"
#include "dravix/core/TableFiles.h"
#include "platform/elements/ElementData.h"

// The periodic-table filter: the name, symbol and cell of each element of element.dat, and the
// picker's rules: which cells and heads are chosen, and how OK
// turns them into conditions.
namespace vantorel::dravix {

inline constexpr size_t kElementRecordSize = elements::kRecordSize;
// Element numbers travel in one byte whose 255 marks a group or period condition; 254 elements
// at most, so that a number never wraps into that marker.
inline constexpr int kMaxPickerElements = 254;
// The picker's grid: element cells at (column + 2, row + 2), group heads in row 0, period heads
// in column 0.
inline constexpr int kPickerColumns = 20;
inline constexpr int kPickerRows = 12;
inline constexpr int kGroupHeads = 18;
inline constexpr int kPeriodHeads = 9;

struct PickerElement {
  std::string name;    // CP1253
  std::string symbol;  // CP1253
  int column = -1;     // grid column of its cell, or -1 when the file places it off the table
  int row = -1;
};

// Reads the records of an element.dat image: at most 254, whole records only; texts end at
// their NUL or their field's end; cells outside the 18 x 10 table are not placed. Element 16 is
// named "Θείο"; elements 104-108 without a symbol of their own get the provisional ones.
[[nodiscard]] std::vector<PickerElement> readPickerElements(std::string_view bytes);
// Reads folder + "element.dat" (no more than its first 254 records); nothing when it cannot be
// opened or read.
[[nodiscard]] std::optional<std::vector<PickerElement>> readElementFile(const std::string& folder,
                                                                        const FileOpener& open);

class PeriodicPicker {
 public:
  explicit PeriodicPicker(std::vector<PickerElement> elements);

  [[nodiscard]] const std::vector<PickerElement>& elements() const { return elements_; }
  // Element index (0-based) in grid cell (column, row), or -1.
  [[nodiscard]] int elementAt(int column, int row) const;
  // Head number at a grid cell: group head 1-18 in row 0, period head 1-9 in column 0; 0 else.
  [[nodiscard]] static int groupHeadAt(int column, int row);
  [[nodiscard]] static int periodHeadAt(int column, int row);
  // Only these heads are drawn and answer clicks.
  [[nodiscard]] static bool groupHeadShown(int head) { return head == 1 || head == 2 || (head >= 13 && head <= 18); }
  [[nodiscard]] static bool periodHeadShown(int head) { return head >= 1 && head <= 7; }
  // The label of a drawn group head: 1, 2, then 3-7 and 0 for heads 13-18.
  [[nodiscard]] static std::string groupHeadLabel(int head);

  [[nodiscard]] bool elementSelected(int index) const;
  [[nodiscard]] bool groupSelected(int head) const { return head >= 1 && head <= kGroupHeads && groups_[head - 1]; }
  [[nodiscard]] bool periodSelected(int head) const { return head >= 1 && head <= kPeriodHeads && periods_[head - 1]; }
  [[nodiscard]] int pickedGroup() const { return pickedGroup_; }
  [[nodiscard]] int pickedPeriod() const { return pickedPeriod_; }

  // Shows the conditions of `filter`: picked elements, a group or a period.
  void show(const Filter& filter);
  // A click on grid cell (column, row); false when nothing there answers.
  bool click(int column, int row);
  // "Διαγραφή": every cell and head cleared.
  void clearAll();

  // OK: replaces the periodic-table conditions of `filter` by what is picked.
  void applyTo(Filter& filter, const std::string& nameCaption, const std::string& groupCaption,
               const std::string& periodCaption, const FilterTexts& texts, const NumericField& numeric) const;

 private:
  void clickElement(int index);
  void clickGroup(int head);
  void clickPeriod(int head);
  void clearElements();

  std::vector<PickerElement> elements_;
  std::array<int16_t, kPickerColumns * kPickerRows> cells_{};
  std::vector<bool> selected_;
  std::array<bool, kGroupHeads> groups_{};
  std::array<bool, kPeriodHeads> periods_{};
  int pickedGroup_ = 0;
  int pickedPeriod_ = 0;
};

// The group value of a head (1, 2, or head - 10) and back; 0 for no such group.
[[nodiscard]] int groupValueOfHead(int head);
[[nodiscard]] int headOfGroupValue(int value);

}  // namespace vantorel::dravix
