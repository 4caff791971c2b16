#include "dravix/core/PeriodicPicker.h"

#include <algorithm>
#include <span>

#include "platform/elements/ElementData.h"

namespace vantorel::dravix {
namespace {

// Group and period conditions hold their number before the first TAB.
int leadingNumber(std::string_view value) {
  const std::string_view head = value.substr(0, value.find('\t'));
  if (head.empty() || head.size() > 2) return 0;
  int n = 0;
  for (char ch : head) {
    if (ch < '0' || ch > '9') return 0;
    n = n * 10 + (ch - '0');
  }
  return n;
}

// Elements whose cells a restored group condition selects in its column.
bool inGroupRange(int number) {
  return (number >= 1 && number <= 58) || (number >= 72 && number <= 90);
}

}  // namespace

std::vector<PickerElement> readPickerElements(std::string_view bytes) {
  elements::ElementTable table;
  const size_t wanted = std::min(bytes.size() / kElementRecordSize, static_cast<size_t>(kMaxPickerElements));
  table.assign(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), wanted * kElementRecordSize));
  std::vector<PickerElement> out;
  out.reserve(static_cast<size_t>(table.recordCount()));
  for (int i = 0; i < table.recordCount(); ++i) {
    PickerElement e;
    e.name = table.name(i);
    e.symbol = table.symbol(i);
    const int column = table.column(i), row = table.row(i);
    if (column >= 0 && column < elements::kGridColumns && row >= 0 && row < elements::kGridRows) {
      e.column = column + 2;
      e.row = row + 2;
    }
    const int number = i + 1;
    if (number == 16) e.name = "\xC8\xE5\xDF\xEF";  // Θείο
    static const char* const kProvisional[] = {"Unq", "Unp", "Unh", "Uns", "Uno"};
    if (number >= 104 && number <= 108 && e.symbol.empty()) e.symbol = kProvisional[number - 104];
    out.push_back(std::move(e));
  }
  return out;
}

std::optional<std::vector<PickerElement>> readElementFile(const std::string& folder, const FileOpener& open) {
  const std::unique_ptr<ByteFile> file = open(folder + "element.dat");
  if (!file) return std::nullopt;
  const uint64_t wanted =
      std::min<uint64_t>(file->size() / kElementRecordSize, kMaxPickerElements) * kElementRecordSize;
  std::string bytes(static_cast<size_t>(wanted), '\0');
  if (wanted > 0 && file->readAt(0, bytes.data(), bytes.size()) != bytes.size()) return std::nullopt;
  return readPickerElements(bytes);
}

int groupValueOfHead(int head) {
  if (head == 1 || head == 2) return head;
  if (head >= 13 && head <= 18) return head - 10;
  return 0;
}

int headOfGroupValue(int value) {
  if (value == 1 || value == 2) return value;
  if (value >= 3 && value <= 8) return value + 10;
  return 0;
}

PeriodicPicker::PeriodicPicker(std::vector<PickerElement> elements)
    : elements_(std::move(elements)), selected_(elements_.size(), false) {
  cells_.fill(-1);
  for (size_t i = 0; i < elements_.size(); ++i) {
    const PickerElement& e = elements_[i];
    if (e.column >= 0 && e.column < kPickerColumns && e.row >= 0 && e.row < kPickerRows)
      cells_[static_cast<size_t>(e.row * kPickerColumns + e.column)] = static_cast<int16_t>(i);
  }
}

int PeriodicPicker::elementAt(int column, int row) const {
  if (column < 0 || column >= kPickerColumns || row < 0 || row >= kPickerRows) return -1;
  return cells_[static_cast<size_t>(row * kPickerColumns + column)];
}

int PeriodicPicker::groupHeadAt(int column, int row) {
  return row == 0 && column >= 2 && column <= 19 ? column - 1 : 0;
}

int PeriodicPicker::periodHeadAt(int column, int row) {
  if (column != 0) return 0;
  if (row >= 2 && row <= 8) return row - 1;
  if (row == 10 || row == 11) return row - 2;
  return 0;
}

std::string PeriodicPicker::groupHeadLabel(int head) {
  if (head == 18) return "0";
  const int value = groupValueOfHead(head);
  return value ? std::to_string(value) : std::string();
}

bool PeriodicPicker::elementSelected(int index) const {
  return index >= 0 && static_cast<size_t>(index) < selected_.size() && selected_[static_cast<size_t>(index)];
}

void PeriodicPicker::clearElements() {
  std::fill(selected_.begin(), selected_.end(), false);
}

void PeriodicPicker::clearAll() {
  clearElements();
  groups_.fill(false);
  periods_.fill(false);
  pickedGroup_ = pickedPeriod_ = 0;
}

void PeriodicPicker::show(const Filter& filter) {
  clearAll();
  for (const FilterCondition& c : filter.conditions()) {
    if (c.type == kTypeNone) continue;
    if (c.field == kGroupField && c.element == kGroupOrPeriodElement) {
      const int head = headOfGroupValue(leadingNumber(c.value));
      if (!head) continue;
      groups_[static_cast<size_t>(head - 1)] = true;
      pickedGroup_ = head;
      for (size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i].column == head + 1 && inGroupRange(static_cast<int>(i) + 1)) selected_[i] = true;
    } else if (c.field == kPeriodField && c.element == kGroupOrPeriodElement) {
      const int period = leadingNumber(c.value);
      if (!periodHeadShown(period)) continue;
      periods_[static_cast<size_t>(period - 1)] = true;
      pickedPeriod_ = period;
      for (size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i].row == period + 1) selected_[i] = true;
    } else if (c.element >= 1 && c.element <= elements_.size()) {
      selected_[c.element - 1u] = true;
    }
  }
}

bool PeriodicPicker::click(int column, int row) {
  if (const int head = groupHeadAt(column, row); head && groupHeadShown(head)) {
    clickGroup(head);
    return true;
  }
  if (const int head = periodHeadAt(column, row); head && periodHeadShown(head)) {
    clickPeriod(head);
    return true;
  }
  if (const int index = elementAt(column, row); index >= 0) {
    clickElement(index);
    return true;
  }
  return false;
}

void PeriodicPicker::clickElement(int index) {
  selected_[static_cast<size_t>(index)] = !selected_[static_cast<size_t>(index)];
  groups_.fill(false);
  periods_.fill(false);
  pickedGroup_ = pickedPeriod_ = 0;
}

void PeriodicPicker::clickGroup(int head) {
  clearElements();
  periods_.fill(false);
  pickedPeriod_ = 0;
  const bool on = !groups_[static_cast<size_t>(head - 1)];
  groups_.fill(false);
  groups_[static_cast<size_t>(head - 1)] = on;
  pickedGroup_ = on ? head : 0;
  // Periods 1-7 are element rows 0-6, grid rows 2-8.
  for (size_t i = 0; i < elements_.size(); ++i)
    if (elements_[i].column == head + 1 && elements_[i].row >= 2 && elements_[i].row <= 8) selected_[i] = on;
}

void PeriodicPicker::clickPeriod(int head) {
  clearElements();
  groups_.fill(false);
  pickedGroup_ = 0;
  const bool on = !periods_[static_cast<size_t>(head - 1)];
  periods_.fill(false);
  periods_[static_cast<size_t>(head - 1)] = on;
  pickedPeriod_ = on ? head : 0;
  for (size_t i = 0; i < elements_.size(); ++i)
    if (elements_[i].row == head + 1) selected_[i] = on;
}

void PeriodicPicker::applyTo(Filter& filter, const std::string& nameCaption, const std::string& groupCaption,
                             const std::string& periodCaption, const FilterTexts& texts,
                             const NumericField& numeric) const {
  filter.removeIf([](const FilterCondition& c) { return c.element != 0; });
  std::vector<FilterCondition> added;
  auto headCondition = [&](int field, const std::string& caption, int number) {
    FilterCondition c{caption,   std::to_string(number), kTypeContains, static_cast<int8_t>(field),
                      kJoinLast, kGroupOrPeriodElement};
    for (size_t i = 0; i < elements_.size(); ++i)
      if (selected_[i]) c.value += '\t' + elements_[i].name;
    added.push_back(std::move(c));
  };
  if (pickedGroup_) headCondition(kGroupField, groupCaption, groupValueOfHead(pickedGroup_));
  if (pickedPeriod_) headCondition(kPeriodField, periodCaption, pickedPeriod_);
  if (!pickedGroup_ && !pickedPeriod_) {
    for (size_t i = 0; i < elements_.size(); ++i)
      if (selected_[i])
        added.push_back({nameCaption, elements_[i].name, kTypeContains, 0, kJoinLast, static_cast<uint8_t>(i + 1)});
  }
  if (added.empty()) return;
  filter.removeIf([](const FilterCondition& c) { return c.field == 0 || c.field == 7 || c.field == 8; });
  for (FilterCondition& c : added) filter.add(std::move(c), texts, numeric);
}

}  // namespace vantorel::dravix
