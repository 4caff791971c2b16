#include "host/view/core/MainMenuLayout.h"

#include <algorithm>

namespace vantorel::host::view {

Point mainMenuOrigin(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
  return {(clientWidth - pictureWidth) / 2, std::max(50, (clientHeight - pictureHeight - 50) / 2 + 50)};
}

const std::array<Box, kRegionCount>& regionBounds() {
  static constexpr std::array<Box, kRegionCount> bounds{{
      {40, 239, 98, 291},
      {40, 161, 98, 213},
      {39, 84, 98, 136},
      {166, 20, 225, 72},
      {285, 20, 344, 72},
      {395, 20, 454, 72},
      {530, 85, 588, 136},
      {529, 162, 587, 213},
      {529, 240, 588, 291},
  }};
  return bounds;
}

int regionAt(int x, int y) {
  static constexpr std::array<int, kRegionCount> order{7, 0, 1, 2, 3, 4, 5, 6, 8};
  for (int region : order) {
    const Box& b = regionBounds()[static_cast<size_t>(region)];
    if (x >= b.left && x <= b.right && y >= b.top && y <= b.bottom) return region;
  }
  return -1;
}

std::vector<Box> highlightBars(int region) {
  static constexpr std::array<std::array<Box, 2>, kRegionCount> bars{{
      {{{99, 239, 102, 292}, {102, 260, 129, 264}}},
      {{{99, 161, 102, 214}, {102, 182, 129, 187}}},
      {{{99, 84, 102, 137}, {102, 118, 129, 122}}},
      {{{166, 73, 226, 76}, {193, 76, 197, 99}}},
      {{{285, 73, 345, 76}, {314, 76, 318, 99}}},
      {{{395, 73, 455, 76}, {423, 76, 427, 99}}},
      {{{527, 85, 530, 137}, {502, 118, 527, 122}}},
      {{{526, 162, 529, 214}, {502, 182, 526, 186}}},
      {{{526, 241, 529, 292}, {502, 261, 526, 265}}},
  }};
  if (region < 0 || region >= kRegionCount) return {};
  const auto& own = bars[static_cast<size_t>(region)];
  return {own[0], own[1], {129, 99, 502, 101}, {500, 101, 502, 292}, {129, 101, 131, 292}, {129, 292, 502, 294}};
}

}  // namespace vantorel::host::view
