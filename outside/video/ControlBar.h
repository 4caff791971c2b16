#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

namespace vantorel::video {

// The strip under the picture: a play/pause button, the position track with its knob, and the
// time. It is drawn by the player itself, inside its one window.
inline constexpr int kBarHeight = 18;

struct BarLayout {
  QRect picture;  // above the bar
  QRect bar;
  QRect button;
  QRect track;  // the groove the knob runs along
  QRect time;

  [[nodiscard]] static BarLayout forSize(QSize size);
  // The time in the clip that a point of the track stands for, 0 to `duration`.
  [[nodiscard]] int64_t timeAt(int x, int64_t duration) const;
  [[nodiscard]] int knobCentre(int64_t position, int64_t duration) const;
};

struct BarState {
  bool enabled = false;  // a clip is loaded
  bool playing = false;
  bool buttonDown = false;
  int64_t position = 0;  // microseconds
  int64_t duration = 0;  // 0 when unknown
};

void paintControlBar(QPainter& painter, const BarLayout& layout, const BarState& state);

// "m:ss", or "h:mm:ss" from an hour on.
[[nodiscard]] QString clockText(int64_t micros);

}  // namespace vantorel::video
