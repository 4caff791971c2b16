#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/elements/ElementData.h"

// The rules behind the four modes: states, discovery classes, the thermometer and the year
// scale, the edit-box correction and the detail box.
namespace vantorel::tabrel {

// The table works on the shared element records.
using namespace elements;

enum class TableMode { Categories = 0, State = 1, Discovery = 2, Property = 3 };

inline constexpr int kMinTemperature = -273;
inline constexpr int kMaxTemperature = 5727;
inline constexpr int kMinYear = -8000;
inline constexpr int kMaxYear = 2000;

enum class PhysicalState { Solid = 0, Liquid = 1, Gas = 2, Unknown = 3 };
// State of `record` at `temperature` (°C): solid at exactly its melting point, liquid at
// exactly its boiling point.
[[nodiscard]] PhysicalState stateAt(const ElementTable& table, int record, int temperature);

enum class DiscoveryClass { NoDate = 0, Known = 1, NotYetKnown = 2 };
[[nodiscard]] DiscoveryClass discoveryClass(const ElementTable& table, int record, int year);

// Thermometer: the temperature for a click at design-surface y, clamped to -273..5727.
[[nodiscard]] int thermometerTemperature(int y);
// Height of the mercury column for a temperature, kept inside the tube.
[[nodiscard]] int mercuryHeight(int temperature);

// Year scale: the y of a year (logarithmic in the distance from 2000; years after 2000 sit at
// the top), and the year for a click at y: clamped to -8000..2000 and rounded to tens.
[[nodiscard]] int yearScaleY(int year);
[[nodiscard]] int yearFromScaleY(int y);
[[nodiscard]] int roundToTens(int year);

// The edit box's correction: keeps digits and a leading "-", turns an empty text into "0" and
// a value outside minimum..maximum into that limit. `value` is what the corrected text means.
struct EditCorrection {
  std::string text;
  int value = 0;
};
[[nodiscard]] EditCorrection correctEditText(std::string_view text, int minimum, int maximum);

// Where the detail box of the element in grid cell (column, row) stands, in client coordinates.
struct BoxRect {
  int left = 0, top = 0, width = 108, height = 53;
  friend bool operator==(const BoxRect&, const BoxRect&) = default;
};
[[nodiscard]] BoxRect detailBoxPlacement(int column, int row, int originX, int originY, int clientWidth,
                                         int clientHeight);

// The lines of a detail box. Texts are CP1253.
enum class DetailFont { Normal11, Bold11, Bold15 };
enum class DetailAlign { Centre, Left, Right };
struct DetailLine {
  int top = 0;
  std::string text;
  DetailFont font = DetailFont::Normal11;
  DetailAlign align = DetailAlign::Centre;
  friend bool operator==(const DetailLine&, const DetailLine&) = default;
};
// Labels from the component's string table (CP1253).
struct DetailLabels {
  std::string melting;      // 102 "Τήξη :"
  std::string boiling;      // 101 "Βρασμός :"
  std::string unknown;      // 103 "άγνωστο"
  std::string yearOf;       // 118 "Έτος"
  std::string discoveryOf;  // 119 "ανακάλυψης:"
};
[[nodiscard]] std::vector<DetailLine> detailBoxLines(const ElementTable& table, int record, TableMode mode,
                                                     int property, const DetailLabels& labels);

}  // namespace vantorel::tabrel
