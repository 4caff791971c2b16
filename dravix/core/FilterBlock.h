#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dravix/core/FilterConditions.h"

// The serialised filter that data-analyser bookmarks keep: the conditions one after another,
// little-endian, no header, no padding. Each condition: type, field number, join, element (one
// byte each), A = caption length + 1 and B = value length + 1 (16 bits each), then the caption
// and the value, each with its NUL.
namespace vantorel::dravix {

inline constexpr size_t kConditionFixedBytes = 8;

[[nodiscard]] std::string serialiseFilter(const Filter& filter);

// What the block may name: the loaded table's field count, whether it is the elements table
// (group and period conditions), and how many elements the periodic table holds.
struct FilterLimits {
  int fieldCount = 0;
  bool elementsTable = false;
  int elementCount = 0;
};

struct FilterDecode {
  std::optional<Filter> filter;
  std::string error;  // why the block was refused
};

// Decodes `count` conditions from `block`, reading nothing outside it. Every condition must fit
// whole, with both texts ending in their NUL at the stated length; the field numbers, element
// bytes, types and group or period numbers must make sense for `limits`. Anything else is
// refused as a whole. Joins are recomputed.
[[nodiscard]] FilterDecode decodeFilter(std::string_view block, int count, const FilterLimits& limits);

}  // namespace vantorel::dravix
