#include "host/view/core/StripGeometry.h"

namespace vantorel::host::view {

int stripHitTest(int x, int y, int clientWidth) {
  const int r = rightButtonsX(clientWidth);
  if (y < 0 || y > 45 || x <= 0 || x >= r + 110) return -1;
  if (x < 9 * kButtonWidth) return x / kButtonWidth;
  if (x >= r + kButtonWidth) return kToolsButton;
  if (x >= r) return kMainMenuButton;
  return -1;
}

StripBlit stripElement(int element, bool pressed, int clientWidth) {
  const int r = rightButtonsX(clientWidth);
  if (element == kMainMenuButton) return {520, 52, r, 52};
  if (element == kToolsButton) return {572, 58, r + 52, 58};
  if (element == kFiller) {
    const int start = 9 * kButtonWidth;
    return {472, 40, start, r > start ? r - start : 0};
  }
  const int x = element * kButtonWidth;
  // A pressed button sits one pixel in, so that its sunken edge shows; a raised one overlaps
  // its right neighbour's first column.
  if (pressed) return {x + 1, kButtonWidth - 1, x + 1, kButtonWidth - 1};
  return {x, kButtonWidth + 1, x, kButtonWidth + 1};
}

int rightNeighbour(int button) {
  if (button >= 0 && button < kDataAnalyserButton) return button + 1;
  if (button == kDataAnalyserButton) return kFiller;
  if (button == kMainMenuButton) return kToolsButton;
  return -1;
}

int shadowX(int pressedButton, int clientWidth) {
  const int r = rightButtonsX(clientWidth);
  if (pressedButton == kMainMenuButton) return r + 52;
  if (pressedButton == kToolsButton) return r + 110;
  return (pressedButton + 1) * kButtonWidth;
}

}  // namespace vantorel::host::view
