#pragma once

#include <algorithm>

// The rules of the topic screen's splitter bar, apart from the widget that draws it.
namespace vantorel::host::view {

inline constexpr int kSplitterWidth = 7;
inline constexpr int kSplitterCommand = 7801;
inline constexpr int kSplitterFirstMinimum = 120;   // range when the topic screen opens
inline constexpr int kSplitterResizeMinimum = 150;  // range after the view was resized
inline constexpr int kSplitterRightMargin = 150;

// The position kept inside [minimum, maximum]. On a view too narrow for the range the maximum
// wins, so that the page pane keeps its width; the bar never leaves the view on the left.
[[nodiscard]] constexpr int clampSplitter(int position, int minimum, int maximum) {
  return std::max(0, std::min(std::max(position, minimum), maximum));
}

// Where the bar goes when the topic screen opens with a saved value: one clamped position, used
// for the bar, the browse pane and the page pane alike.
[[nodiscard]] constexpr int openingSplitter(int saved, int clientWidth) {
  return clampSplitter(saved, kSplitterFirstMinimum, clientWidth - kSplitterRightMargin);
}

// A position below the first minimum is laid out but never kept for the next run.
[[nodiscard]] constexpr bool splitterWorthSaving(int position) {
  return position >= kSplitterFirstMinimum;
}

}  // namespace vantorel::host::view
