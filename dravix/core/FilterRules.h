#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dravix/core/FilterConditions.h"

// The filter dialog's rules: which condition types the current field still allows, and how a
// typed value becomes a condition's value.
namespace vantorel::dravix {

// Allowed[t] for the types 1-4 (index 0 unused) on `field` given the conditions already there.
using AllowedTypes = std::array<bool, 5>;
[[nodiscard]] AllowedTypes allowedTypes(const Filter& filter, int field, bool numericField);

// String ids of the value messages.
inline constexpr int kMessageNoData = 137;
inline constexpr int kMessageTooLong = 138;
inline constexpr int kMessageNotNumeric = 139;
inline constexpr size_t kMaxValueLength = 50;
inline constexpr size_t kMaxNumericLength = 10;

struct ValueCheck {
  std::string value;  // what the condition stores
  int message = 0;    // string id of the refusal; 0 when the value is good
};

// Checks a typed value (CP1253), trimmed of spaces on both sides. A numeric value is digits with
// at most one decimal mark and a minus sign only in front, and needs a digit; a decimal comma
// is stored as a point, so that the value reads as a C number.
[[nodiscard]] ValueCheck checkValue(std::string_view typed, bool numericField);

}  // namespace vantorel::dravix
