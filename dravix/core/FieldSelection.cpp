#include "dravix/core/FieldSelection.h"

#include <algorithm>
#include <numeric>

namespace vantorel::dravix {

void FieldSelection::reset(int offeredFields) {
  available_.clear();
  selected_.clear();
  widths_.clear();
  sortColumn_ = 0;
  if (offeredFields <= 0) return;
  for (int k = 1; k < offeredFields; ++k) available_.push_back(k);
  selected_.push_back(0);
  widths_.push_back(kNewColumnWidth);
}

int FieldSelection::totalWidth() const {
  return std::accumulate(widths_.begin(), widths_.end(), 0);
}

bool FieldSelection::add(size_t availableIndex) {
  if (availableIndex >= available_.size()) return false;
  selected_.push_back(available_[availableIndex]);
  widths_.push_back(kNewColumnWidth);
  available_.erase(available_.begin() + static_cast<std::ptrdiff_t>(availableIndex));
  return true;
}

FieldSelection::Removal FieldSelection::remove(size_t selectedIndex) {
  if (selectedIndex >= selected_.size()) return Removal::NoSuchEntry;
  if (selectedIndex == 0) return Removal::KeyField;
  available_.push_back(selected_[selectedIndex]);
  selected_.erase(selected_.begin() + static_cast<std::ptrdiff_t>(selectedIndex));
  if (selectedIndex < widths_.size()) widths_.erase(widths_.begin() + static_cast<std::ptrdiff_t>(selectedIndex));
  if (static_cast<size_t>(sortColumn_) == selectedIndex) sortColumn_ = 0;
  return Removal::Removed;
}

bool FieldSelection::addAll() {
  if (available_.empty()) return false;
  for (int field : available_) {
    selected_.push_back(field);
    widths_.push_back(kNewColumnWidth);
  }
  available_.clear();
  return true;
}

bool FieldSelection::removeAll() {
  if (selected_.size() <= 1) return false;
  available_.insert(available_.end(), selected_.begin() + 1, selected_.end());
  selected_.resize(1);
  widths_.assign(1, kNewColumnWidth);
  sortColumn_ = 0;
  return true;
}

bool FieldSelection::setWidth(int index, int64_t width) {
  if (index < 0 || static_cast<size_t>(index) >= widths_.size()) return false;
  widths_[static_cast<size_t>(index)] = static_cast<int>(std::clamp<int64_t>(width, kMinColumnWidth, kMaxColumnWidth));
  return true;
}

int FieldSelection::width(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= widths_.size()) return kMinColumnWidth;
  return widths_[static_cast<size_t>(index)];
}

int FieldSelection::sortPosition() const {
  return sortColumn_ >= 0 && static_cast<size_t>(sortColumn_) < selected_.size() ? sortColumn_ : 0;
}

std::vector<int32_t> FieldSelection::toBlock() const {
  std::vector<int32_t> block;
  block.reserve(selected_.size() + 1);
  block.push_back(static_cast<int32_t>(selected_.size() + 1));
  block.insert(block.end(), selected_.begin(), selected_.end());
  return block;
}

int FieldSelection::addFromBlock(std::span<const int32_t> block) {
  if (block.empty() || block[0] < 0) return 0;
  // Element 0 counts the elements; a block never reads past either its count or its size.
  const size_t end = std::min(block.size(), static_cast<size_t>(block[0]));
  int added = 0;
  for (size_t i = 2; i < end; ++i) {
    const auto it = std::find(available_.begin(), available_.end(), block[i]);
    if (it == available_.end()) continue;
    add(static_cast<size_t>(it - available_.begin()));
    ++added;
  }
  return added;
}

}  // namespace vantorel::dravix
