#include "dravix/core/GraphScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "dravix/core/NumberRule.h"
#include "dravix/core/TableCatalogue.h"

namespace vantorel::dravix {
namespace {

// Far enough outside any device to be clipped, near enough to stay an int after arithmetic.
constexpr double kFar = 1e8;

int heldPixel(double v) {
  if (!std::isfinite(v)) return v < 0 ? static_cast<int>(-kFar) : static_cast<int>(kFar);
  return static_cast<int>(std::clamp(std::round(v), -kFar, kFar));
}

int roundToInt(double v) {
  return static_cast<int>(std::lround(v));
}

// Digits of the integer part of a non-negative finite number, minus 1.
int exponentOf(double range) {
  const double whole = std::floor(range);
  if (whole < 10) return 0;
  int e = static_cast<int>(std::floor(std::log10(whole)));
  if (std::pow(10.0, e) > whole) --e;
  if (std::pow(10.0, e + 1) <= whole) ++e;
  return e;
}

// Range, origin, exponent and reference ticks of one axis. False when the numbers are beyond
// what a screen can show.
bool rangeAndReference(AxisScale& a, bool vertical) {
  if (a.min > 0) a.min = 0;
  if (a.max < 0) a.max = 0;
  if (a.min == a.max) a.max += 1;
  const double span = a.max - a.min;
  if (!std::isfinite(span)) return false;

  const double share = vertical ? 1 - a.min / (a.min - a.max) : a.min / (a.min - a.max);
  a.origin = roundToInt(a.plot * share);
  if (a.origin == 0)
    a.origin = 10;
  else if (a.origin == a.plot)
    a.origin = a.plot - 10;

  a.exponent = exponentOf(span);
  const double step = std::pow(10.0, a.exponent);
  double topFactor = std::trunc(a.max / step);
  if (topFactor == 0) topFactor = 1;
  double bottomFactor = std::trunc(a.min / step);
  // A minimum within one step below 0 takes the step below 0 as its reference, so that the
  // reference never stands on the empty side of the origin.
  if (bottomFactor == 0) bottomFactor = a.min < 0 ? -1 : 1;
  a.top = step * topFactor;
  a.bottom = step * bottomFactor;
  a.positiveSide = !(a.bottom < 0 && a.top > 0 && (a.max - a.top) < (a.bottom - a.min));
  return std::isfinite(a.top) && std::isfinite(a.bottom);
}

bool finishScale(AxisScale& a, double pixels) {
  if (!std::isfinite(pixels) || std::abs(pixels) > kFar) return false;
  a.length = std::abs(roundToInt(pixels));
  const double reference = a.reference();
  if (reference == 0) return false;
  a.scale = std::abs(a.length / reference);
  return std::isfinite(a.scale);
}

}  // namespace

GraphPoints collectPoints(size_t rows, const AxisSource& x, const AxisSource& y,
                          const std::function<std::string_view(size_t row)>& key, std::string_view labels) {
  std::vector<std::string_view> labelOfRow;
  if (!labels.empty()) {
    labelOfRow.reserve(rows);
    size_t start = 0;
    while (start < labels.size()) {
      const size_t tab = labels.find('\t', start);
      const size_t end = tab == std::string_view::npos ? labels.size() : tab;
      labelOfRow.push_back(labels.substr(start, end - start));
      start = end + 1;
    }
  }
  GraphPoints points;
  points.x.reserve(rows);
  points.y.reserve(rows);
  for (size_t row = 0; row < rows; ++row) {
    if (key && isSecondaryRow(key(row))) continue;
    const double ordinal = static_cast<double>(points.x.size() + 1);
    double xv = ordinal, yv = ordinal;
    if (x.numeric) {
      const auto v = numberFromText(x.value(row));
      if (!v) continue;
      xv = *v;
    }
    if (y.numeric) {
      const auto v = numberFromText(y.value(row));
      if (!v) continue;
      yv = *v;
    }
    points.x.push_back(xv);
    points.y.push_back(yv);
    if (!labelOfRow.empty()) points.labels.emplace_back(row < labelOfRow.size() ? labelOfRow[row] : std::string_view());
  }
  return points;
}

GraphScale computeScale(const GraphPoints& points, bool xNumeric, const PixelRect& rect) {
  GraphScale s;
  if (!points.x.empty()) {
    const auto [xMin, xMax] = std::minmax_element(points.x.begin(), points.x.end());
    const auto [yMin, yMax] = std::minmax_element(points.y.begin(), points.y.end());
    s.x.min = *xMin;
    s.x.max = *xMax;
    s.y.min = *yMin;
    s.y.max = *yMax;
  }
  s.x.plot = rect.width() - (kPlotLeft + kPlotRight);
  s.y.plot = rect.height() - (kPlotTop + kPlotBottom);
  // The origin keeps 10 pixels from either edge: a narrower plot area has nothing to draw in.
  if (s.x.plot <= 20 || s.y.plot <= 20) return s;
  if (!rangeAndReference(s.x, false) || !rangeAndReference(s.y, true)) return s;

  const AxisScale& x = s.x;
  const double share = xNumeric ? 0.9 : 1.0;
  double xPixels;
  if (x.positiveSide)
    xPixels = share * (x.plot - x.origin) * x.top / x.max;
  else
    xPixels = share * x.origin * x.bottom / x.min;
  const AxisScale& y = s.y;
  const double yPixels = y.positiveSide ? 0.9 * y.origin * y.top / y.max : 0.9 * (y.plot - y.origin) * y.bottom / y.min;
  s.drawable = finishScale(s.x, xPixels) && finishScale(s.y, yPixels);
  return s;
}

ScreenPoint screenOrigin(const GraphScale& s, const PixelRect& rect, const ZoomPan& z) {
  return {heldPixel(rect.left + kPlotLeft + s.x.origin - std::trunc(double{z.px} * z.zx)),
          heldPixel(rect.top + kPlotTop + s.y.origin + std::trunc(double{z.py} * z.zy))};
}

ScreenPoint mapPoint(const GraphScale& s, const PixelRect& rect, const ZoomPan& z, double x, double y) {
  return {heldPixel(rect.left + kPlotLeft + s.x.origin + (x * s.x.scale - z.px) * z.zx),
          heldPixel(rect.top + kPlotTop + s.y.origin - (y * s.y.scale - z.py) * z.zy)};
}

bool zoomTo(const GraphScale& s, const PixelRect& rect, const PixelRect& dragged, ZoomPan& out) {
  if (!s.drawable) return false;
  const int ox = rect.left + kPlotLeft + s.x.origin;
  const int oy = rect.top + kPlotTop + s.y.origin;
  out.zx = static_cast<float>(s.x.plot) / static_cast<float>(std::max(10, dragged.width()));
  out.zy = static_cast<float>(s.y.plot) / static_cast<float>(std::max(10, dragged.height()));
  out.px = static_cast<float>(dragged.right < ox ? dragged.right - ox : dragged.left - ox);
  out.py = static_cast<float>(dragged.top > oy ? oy - dragged.top : oy - dragged.bottom);
  return true;
}

std::vector<Tick> axisTicks(const AxisScale& axis, int origin, int low, int high, int dpi, float zoom, int forward) {
  std::vector<Tick> ticks;
  const double reference = std::abs(axis.reference());
  if (axis.length <= 0 || !(reference >= 1) || high <= low || !(zoom > 0)) return ticks;
  // Divide the reference into 5, then 2, then 5 ... parts until one part, as drawn with the
  // zoom, is a quarter inch; a zoomed graph so keeps ticks of whole units between its edges.
  const double quarter = std::max(1, dpi / 4);
  double divisions = std::trunc(reference);
  bool byFive = true;
  while (divisions > 0 && axis.length / divisions * zoom < quarter) {
    divisions = std::trunc(divisions / (byFive ? 5 : 2));
    byFive = !byFive;
  }
  if (divisions <= 0) return ticks;
  const double step = axis.length / divisions * zoom;
  if (!(step >= 1)) return ticks;
  const double first = std::ceil((low - origin) / step);
  const double last = std::floor((high - origin) / step);
  if (!(last >= first) || last - first > 100000) return ticks;
  for (double k = first; k <= last; ++k) {
    const double distance = k * step;
    const double value = std::round(forward * distance / axis.length * reference / zoom);
    ticks.push_back({heldPixel(origin + distance), value == 0 ? 0.0 : value});
  }
  return ticks;
}

LabelText labelText(double value, int axisExponent) {
  LabelText label;
  value = std::trunc(value);
  if (value == 0 || !std::isfinite(value)) {
    label.mantissa = "0";
    return label;
  }
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.0f", std::abs(value));
  const std::string d(digits);
  const std::string sign = value < 0 ? "-" : "";
  if (axisExponent <= 3 || d.size() < 2) {
    label.mantissa = sign + d;
    return label;
  }
  label.mantissa = sign + d[0] + '.' + d[1];
  label.exponent = std::to_string(d.size() - 1);
  return label;
}

std::vector<size_t> lineOrder(const std::vector<ScreenPoint>& points) {
  std::vector<size_t> order(points.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return points[a].x < points[b].x; });
  return order;
}

}  // namespace vantorel::dravix
