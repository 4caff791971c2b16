#pragma once

#include <vector>

// The palette's flight: a bar that shrinks towards the palette's strip button when the palette
// closes, and grows from it when the palette opens again.
namespace vantorel::host::pages {

struct FlightRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const FlightRect&, const FlightRect&) = default;
};

inline constexpr int kFlightBox = 20;     // the bar's size at the strip button
inline constexpr int kFlightStepMs = 20;  // each position stays this long
inline constexpr double kStepsPerPixel = 0.025;

// The bar's rectangles on the way from `from` to `to`: one per step, the number of steps being
// the distance between the two top-left corners × 0.025 (cut to a whole number); each step moves
// every coordinate by (to − from) / steps. Empty when the distance is under 40 pixels.
[[nodiscard]] std::vector<FlightRect> flightSteps(const FlightRect& from, const FlightRect& to);

// True when the two rectangles share a pixel.
[[nodiscard]] bool overlaps(const FlightRect& a, const FlightRect& b);

}  // namespace vantorel::host::pages
