#include "dravix/core/FilterBlock.h"

#include <vector>

namespace vantorel::dravix {
namespace {

void putU16(std::string& out, size_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

size_t u16At(std::string_view b, size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<size_t>(static_cast<unsigned char>(b[at + 1])) << 8);
}

// The number before the first TAB of a group or period value, when it is a plain 1-2 digit one.
int leadingNumber(std::string_view value) {
  const std::string_view head = value.substr(0, value.find('\t'));
  if (head.empty() || head.size() > 2) return -1;
  int n = 0;
  for (char ch : head) {
    if (ch < '0' || ch > '9') return -1;
    n = n * 10 + (ch - '0');
  }
  return n;
}

FilterDecode refuse(std::string why) {
  return {std::nullopt, std::move(why)};
}

}  // namespace

std::string serialiseFilter(const Filter& filter) {
  std::string out;
  for (const FilterCondition& c : filter.conditions()) {
    // The 16-bit lengths cannot say more; the dialog never makes texts near that long.
    const std::string_view caption = std::string_view(c.caption).substr(0, 0xFFFE);
    const std::string_view value = std::string_view(c.value).substr(0, 0xFFFE);
    out.push_back(static_cast<char>(c.type));
    out.push_back(static_cast<char>(c.field));
    out.push_back(static_cast<char>(c.join));
    out.push_back(static_cast<char>(c.element));
    putU16(out, caption.size() + 1);
    putU16(out, value.size() + 1);
    out.append(caption).push_back('\0');
    out.append(value).push_back('\0');
  }
  return out;
}

FilterDecode decodeFilter(std::string_view block, int count, const FilterLimits& limits) {
  if (count < 1) return refuse("condition count below 1");
  if (static_cast<size_t>(count) > block.size() / (kConditionFixedBytes + 2))
    return refuse("more conditions than the block can hold");
  std::vector<FilterCondition> conditions;
  conditions.reserve(static_cast<size_t>(count));
  size_t at = 0;
  for (int i = 0; i < count; ++i) {
    if (block.size() - at < kConditionFixedBytes) return refuse("condition " + std::to_string(i) + " cut short");
    FilterCondition c;
    c.type = static_cast<uint8_t>(block[at]);
    c.field = static_cast<int8_t>(block[at + 1]);
    c.join = static_cast<uint8_t>(block[at + 2]);
    c.element = static_cast<uint8_t>(block[at + 3]);
    const size_t a = u16At(block, at + 4);
    const size_t b = u16At(block, at + 6);
    at += kConditionFixedBytes;
    if (a == 0 || b == 0) return refuse("a text without room for its NUL");
    if (block.size() - at < a || block.size() - at - a < b) return refuse("texts run past the block");
    const std::string_view caption = block.substr(at, a);
    const std::string_view value = block.substr(at + a, b);
    if (caption.find('\0') != a - 1 || value.find('\0') != b - 1) return refuse("a text whose NUL is not at its end");
    c.caption = caption.substr(0, a - 1);
    c.value = value.substr(0, b - 1);
    at += a + b;

    if (c.type > kTypeLess) return refuse("unknown condition type");
    if (c.type == kTypeNone && count != 1) return refuse("an empty condition among others");
    const int field = c.field;
    const bool groupOrPeriod = field == kGroupField || field == kPeriodField;
    if (groupOrPeriod) {
      if (!limits.elementsTable) return refuse("a periodic-table condition outside the elements table");
      if (c.element != kGroupOrPeriodElement || c.type != kTypeContains)
        return refuse("a group or period condition without its marker");
      const int n = leadingNumber(c.value);
      if (n < 1 || n > (field == kGroupField ? 8 : 7)) return refuse("group or period number out of range");
    } else {
      if (field < 0 || field >= limits.fieldCount) return refuse("field number out of range");
      if (c.element != 0) {
        if (!limits.elementsTable || field != 0 || c.element > limits.elementCount || c.type != kTypeContains)
          return refuse("element byte out of range");
      }
    }
    conditions.push_back(std::move(c));
  }
  Filter filter;
  filter.assign(std::move(conditions));
  return {std::move(filter), {}};
}

}  // namespace vantorel::dravix
