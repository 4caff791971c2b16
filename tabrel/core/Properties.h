#pragma once

#include <string>
#include <vector>

#include "platform/elements/ElementData.h"

// The 24 element properties the table can shade by, their unknown rules and their formats.
namespace vantorel::tabrel {

// The table works on the shared element records.
using namespace elements;

inline constexpr int kPropertyCount = 24;
inline constexpr int kFirstPropertyCaption = 120;  // string ids 120-143
inline constexpr double kUnknownValue = -20000;

[[nodiscard]] constexpr bool isKnown(double value) {
  return value > -19999;
}

// Property `property` of `record`: the atomic number for 0, kUnknownValue when the field is
// unknown (NaN and infinities included), 0 for a property outside 0-23.
[[nodiscard]] double propertyValue(const ElementTable& table, int record, int property);

// The detail-box text of a property value: "%d", "%d °C", year with era, n decimals trimmed,
// or "άγνωστο" for an unknown value. CP1253.
[[nodiscard]] std::string formatPropertyValue(const ElementTable& table, int record, int property);

// `value` with exactly `decimals` digits after the point, trailing zeros and then a lone
// point removed ("2.5", "12").
[[nodiscard]] std::string trimmedDecimals(double value, int decimals);

// The Greek decimal comma of the property detail: every "." becomes "," except in the era
// abbreviations "π.Χ." and "μ.Χ.". CP1253 in and out.
[[nodiscard]] std::string withDecimalCommas(std::string text);

// "άγνωστο" in CP1253.
[[nodiscard]] const std::string& unknownText();

// Rank shading of mode 3.
struct PropertyRanking {
  std::vector<uint8_t> sortOrder;  // record numbers, ascending value, stable; unknown first
  std::vector<int> rank;           // per record: 1 for the smallest known value, 0 when unknown
  int knownCount = 0;
};
[[nodiscard]] PropertyRanking rankByProperty(const ElementTable& table, int property);

struct Rgb {
  int red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Shade for a position x in 0..1: (0, 180, 255) at the smallest, (246, 100, 0) at the largest.
[[nodiscard]] Rgb shadeColour(double x);
inline constexpr Rgb kUnknownShade{223, 213, 162};
// The colour a record is filled with in mode 3.
[[nodiscard]] Rgb recordShade(const PropertyRanking& ranking, int record);

}  // namespace vantorel::tabrel
