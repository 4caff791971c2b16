#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/Raster.h"

// The drawn pictures of the disc: the main menu and its nine highlight pictures, the illustrations
// of the pages (named drawings), the shell diagrams of the atoms and the frames of the video clips.
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
[[nodiscard]] const std::vector<MenuRegion>& menuRegions();

[[nodiscard]] Canvas drawMainMenu();
[[nodiscard]] Canvas drawHighlight(int region);

// Illustrations by name; `names()` lists them. Unknown names give nothing (an empty canvas).
[[nodiscard]] const std::vector<std::string_view>& illustrationNames();
[[nodiscard]] Canvas drawIllustration(std::string_view name, int width = 240, int height = 180);

// Shells of an atom, electrons per shell from the inside out.
[[nodiscard]] std::vector<int> shellOccupancy(int atomicNumber);
[[nodiscard]] Canvas drawAtom(int atomicNumber, std::string_view symbolCp1253);

// Video clips: uncompressed 24-bit AVI of a short animated diagram.
[[nodiscard]] const std::vector<std::string_view>& animationNames();
[[nodiscard]] Canvas drawAnimationFrame(std::string_view name, int frame, int frames);
[[nodiscard]] std::string makeAvi(const std::vector<Canvas>& frames, int framesPerSecond);

}  // namespace vantorel::data
