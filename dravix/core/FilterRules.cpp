#include "dravix/core/FilterRules.h"

namespace vantorel::dravix {

AllowedTypes allowedTypes(const Filter& filter, int field, bool numericField) {
  AllowedTypes allowed{false, true, true, true, true};
  if (!filter.isSet()) return allowed;
  bool any = false, hasEquals = false, hasGreater = false, hasLess = false;
  for (const FilterCondition& c : filter.conditions()) {
    if (c.field != field) continue;
    any = true;
    hasEquals |= c.type == kTypeContains;
    hasGreater |= c.type == kTypeGreater;
    hasLess |= c.type == kTypeLess;
  }
  if (!any) return allowed;
  if (field == 0) {
    // Alternatives on the key are joined by "or"; they do not mix with other kinds.
    if (hasEquals) return {false, true, false, false, false};
    allowed[kTypeContains] = false;
    return allowed;
  }
  if (numericField) {
    if (hasEquals) return {false, false, false, false, false};
    allowed[kTypeContains] = false;
    allowed[kTypeGreater] = !hasGreater;
    allowed[kTypeLess] = !hasLess;
  }
  return allowed;
}

ValueCheck checkValue(std::string_view typed, bool numericField) {
  size_t begin = 0, end = typed.size();
  while (begin < end && typed[begin] == ' ') ++begin;
  while (end > begin && typed[end - 1] == ' ') --end;
  std::string value(typed.substr(begin, end - begin));
  if (value.empty()) return {{}, kMessageNoData};
  if (!numericField) return {std::move(value), 0};
  if (value.size() > kMaxNumericLength) return {{}, kMessageTooLong};
  bool mark = false, digit = false;
  for (size_t i = 0; i < value.size(); ++i) {
    char& ch = value[i];
    if (ch >= '0' && ch <= '9') {
      digit = true;
    } else if ((ch == '.' || ch == ',') && !mark) {
      mark = true;
      ch = '.';
    } else if (!(ch == '-' && i == 0)) {
      return {{}, kMessageNotNumeric};
    }
  }
  if (!digit) return {{}, kMessageNotNumeric};
  return {std::move(value), 0};
}

}  // namespace vantorel::dravix
