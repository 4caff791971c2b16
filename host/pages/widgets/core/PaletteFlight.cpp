#include "host/pages/widgets/core/PaletteFlight.h"

#include <cmath>

namespace vantorel::host::pages {

std::vector<FlightRect> flightSteps(const FlightRect& from, const FlightRect& to) {
  const double dx = static_cast<double>(to.x) - from.x;
  const double dy = static_cast<double>(to.y) - from.y;
  const int steps = static_cast<int>(std::sqrt(dx * dx + dy * dy) * kStepsPerPixel);
  std::vector<FlightRect> out;
  if (steps < 1) return out;
  const FlightRect delta{(to.x - from.x) / steps, (to.y - from.y) / steps, (to.width - from.width) / steps,
                         (to.height - from.height) / steps};
  out.reserve(static_cast<size_t>(steps));
  FlightRect r = from;
  for (int i = 0; i < steps; ++i) {
    out.push_back(r);
    r.x += delta.x;
    r.y += delta.y;
    r.width += delta.width;
    r.height += delta.height;
  }
  return out;
}

bool overlaps(const FlightRect& a, const FlightRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace vantorel::host::pages
