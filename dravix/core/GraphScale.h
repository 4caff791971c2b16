#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The arithmetic of the graph page, free of any drawing: which records become points, how the
// ranges give the origin, the reference ticks and the scales, where a value lands on the screen
// with zoom and pan, where ticks go and what their labels read. The widget only paints what
// these functions return.
namespace vantorel::dravix {

// One axis of the graph as the points are collected: the value of each grid row, and whether
// the field is numeric (a text field gives each point its ordinal instead).
struct AxisSource {
  std::function<std::string_view(size_t row)> value;
  bool numeric = true;
};

struct GraphPoints {
  std::vector<double> x, y;
  std::vector<std::string> labels;  // one per point when the table has labels, else empty
};

// Collects the points over `rows` grid rows in display order. `key` (may be empty) gives a
// row's key text, and rows that describe a second form of an element are skipped; `labels` holds
// the rows' label texts separated by TABs (empty: no labels). A numeric value without digits
// drops the point.
[[nodiscard]] GraphPoints collectPoints(size_t rows, const AxisSource& x, const AxisSource& y,
                                        const std::function<std::string_view(size_t row)>& key,
                                        std::string_view labels);

// A rectangle in device pixels, right and bottom exclusive as the control's geometry gives them.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  [[nodiscard]] int width() const { return right - left; }
  [[nodiscard]] int height() const { return bottom - top; }
};

// The plot area lies 35 pixels in from the left, 18 from the top, 10 from the right and 25 from
// the bottom of the graph rectangle.
inline constexpr int kPlotLeft = 35;
inline constexpr int kPlotTop = 18;
inline constexpr int kPlotRight = 10;
inline constexpr int kPlotBottom = 25;

struct AxisScale {
  double min = 0, max = 0;  // the range, 0 included
  int plot = 0;             // plot width or height in pixels
  int origin = 0;           // OX: pixels from the plot's left edge; OY: from its top edge
  int exponent = 0;         // digits of the integer range, minus 1
  double top = 0, bottom = 0;
  bool positiveSide = true;  // the reference tick is `top` (else `bottom`)
  int length = 0;            // pixels from the origin to the reference tick
  double scale = 0;          // pixels per unit
  [[nodiscard]] double reference() const { return positiveSide ? top : bottom; }
};

struct GraphScale {
  bool drawable = false;  // false: the plot area is empty or the numbers are out of reach
  AxisScale x, y;
};

// Ranges, origin offsets, exponents, reference ticks, side flags and scales for `points` drawn
// in `rect`. `xNumeric` tells whether X holds numbers or ordinals.
[[nodiscard]] GraphScale computeScale(const GraphPoints& points, bool xNumeric, const PixelRect& rect);

// Zoom factors and pan offsets; ZX = ZY = 1 and PX = PY = 0 is the whole graph.
struct ZoomPan {
  float zx = 1, zy = 1;
  float px = 0, py = 0;
  [[nodiscard]] bool identity() const { return zx == 1 && zy == 1 && px == 0 && py == 0; }
};

// Where the axes' origin and a point land in device pixels. Values beyond reach are held at
// a far coordinate instead of overflowing an int.
struct ScreenPoint {
  int x = 0, y = 0;
};
[[nodiscard]] ScreenPoint screenOrigin(const GraphScale& s, const PixelRect& rect, const ZoomPan& z);
[[nodiscard]] ScreenPoint mapPoint(const GraphScale& s, const PixelRect& rect, const ZoomPan& z, double x, double y);

// The zoom that a dragged rectangle (device pixels, the origin as drawn unzoomed) gives; sides
// below 10 pixels count as 10. Nothing when the plot area is empty.
[[nodiscard]] bool zoomTo(const GraphScale& s, const PixelRect& rect, const PixelRect& dragged, ZoomPan& out);

// One tick: its pixel position along the axis, and its value (for the label) in whole units.
struct Tick {
  int position = 0;
  double value = 0;
};

// Ticks along one axis from the true origin position `origin` (device pixels, may lie outside
// [low, high]), for a device with `dpi` pixels per inch along the axis. `forward` is +1 when
// values grow with the coordinate (X) and -1 when they shrink (Y). None when the axis has no
// length, when its reference cannot be divided into steps of at least a pixel, or when the
// plot area is empty.
[[nodiscard]] std::vector<Tick> axisTicks(const AxisScale& axis, int origin, int low, int high, int dpi, float zoom,
                                          int forward);

// A tick label: plain digits ("25000", "-300", "0"), or, when the axis exponent is above 3,
// mantissa and exponent ("2.5" and 4 for 25000, "-2.5" and 4 for -25000).
struct LabelText {
  std::string mantissa;
  std::string exponent;  // empty: plain form
};
[[nodiscard]] LabelText labelText(double value, int axisExponent);

// The order in which the line joins the points: by screen X, equal X in insertion order.
[[nodiscard]] std::vector<size_t> lineOrder(const std::vector<ScreenPoint>& points);

}  // namespace vantorel::dravix
