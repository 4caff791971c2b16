#pragma once

// The button strip across the top of the main view: where each element of the 631 x 50 strip
// images goes in a client area of a given width, and which button a point falls on.
namespace vantorel::host::view {

inline constexpr int kStripHeight = 50;
inline constexpr int kStripImageWidth = 631;
inline constexpr int kButtonWidth = 52;
inline constexpr int kPeriodicTableButton = 7;
inline constexpr int kDataAnalyserButton = 8;
inline constexpr int kMainMenuButton = 9;
inline constexpr int kToolsButton = 10;
inline constexpr int kFiller = 11;  // the stretched space between button 8 and button 9
inline constexpr int kShadowWidth = 5;
inline constexpr int kShadowHeight = 44;

// x of button 9; buttons 9 and 10 stand against the right edge, 110 pixels together.
[[nodiscard]] constexpr int rightButtonsX(int clientWidth) {
  return clientWidth - 110;
}

// The strip button under a client point, or -1 (the filler and anything below y 45 is none).
[[nodiscard]] int stripHitTest(int x, int y, int clientWidth);

// One element copied from a strip image: the source columns and where they land (full height).
struct StripBlit {
  int sourceX, sourceWidth;
  int destX, destWidth;
};
[[nodiscard]] StripBlit stripElement(int element, bool pressed, int clientWidth);

// The element drawn just right of a button (the filler after button 8), or -1 after button 10.
[[nodiscard]] int rightNeighbour(int button);

// Left edge of the shadow drawn after a pressed button.
[[nodiscard]] int shadowX(int pressedButton, int clientWidth);

}  // namespace vantorel::host::view
