#pragma once

#include <array>
#include <vector>

// The main menu picture: where it stands in the view, its nine clickable regions and the bars
// that frame a lit region and the central panel.
namespace vantorel::host::view {

struct Point {
  int x, y;
};

// Left, top, right, bottom.
struct Box {
  int left, top, right, bottom;
};

inline constexpr int kRegionCount = 9;
inline constexpr int kPeriodicTableRegion = 7;
inline constexpr int kDataAnalyserRegion = 8;
// Where a highlight picture goes, from the main menu picture's top-left corner.
inline constexpr Point kHighlightOffset{131, 101};
// Colour of the bars, RGB.
inline constexpr std::array<int, 3> kBarColour{58, 122, 160};

// Screen position of a picture of the given size in a client area (below the 50-pixel strip).
[[nodiscard]] Point mainMenuOrigin(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);

// Region bounds in picture coordinates, inclusive on every side.
[[nodiscard]] const std::array<Box, kRegionCount>& regionBounds();

// The region under a point in picture coordinates, or -1. Region 7 is tested first (it meets
// region 6's bounds), then 0 to 6, then 8.
[[nodiscard]] int regionAt(int x, int y);

// The filled rectangles that frame a lit region, in picture coordinates with right and bottom
// exclusive: the bar beside the region, its connector, then the panel's four sides. Empty for
// anything but 0..8.
[[nodiscard]] std::vector<Box> highlightBars(int region);

}  // namespace vantorel::host::view
