#pragma once

#include <vector>

// Where the nine regions of the main menu picture lie, and the names of their highlight pictures
// (images/NAME.bmp). The host's click regions and the drawings both follow these.
namespace vantorel::data {

inline constexpr int kMenuWidth = 630;
inline constexpr int kMenuHeight = 330;
inline constexpr int kHighlightX = 131;
inline constexpr int kHighlightY = 101;
inline constexpr int kHighlightWidth = 369;   // the panel's inside, x 131 to 499
inline constexpr int kHighlightHeight = 191;  // y 101 to 291

struct MenuRegion {
  int left, top, right, bottom;  // inclusive, in picture coordinates
  const char* picture;           // highlight picture name
};

[[nodiscard]] inline const std::vector<MenuRegion>& menuRegions() {
  static const std::vector<MenuRegion> regions = {
      {40, 239, 98, 291, "cm"},        {40, 161, 98, 213, "struct"}, {39, 84, 98, 136, "ec"},
      {166, 20, 225, 72, "ca"},        {285, 20, 344, 72, "source"}, {395, 20, 454, 72, "history"},
      {530, 85, 588, 136, "concepts"}, {529, 162, 587, 213, "pte"},  {529, 240, 588, 291, "da"}};
  return regions;
}

}  // namespace vantorel::data
