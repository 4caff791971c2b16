#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QTimer>
#include <memory>

#include "outside/video/ControlBar.h"
#include "outside/video/core/VideoClip.h"
#include "platform/com/Control.h"

namespace vantorel::video {

inline constexpr char16_t kVersion[] = u"1.0.001";
// Later than this behind the clip's clock (a busy or hidden window): start counting afresh
// rather than race through the frames missed.
inline constexpr int kLateResetMs = 250;

// The video player that video pages embed: the picture on top, a control bar under it, frames
// shown at the clip's own times.
class CVideoPlayerCtrl : public com::Control {
 public:
  CVideoPlayerCtrl();
  ~CVideoPlayerCtrl() override;

  // Dispatch member 2: opens the clip at `path` with the page's attributes (AUTOPLAY, LOOP).
  // False, with a message in the picture, when it cannot be played.
  bool Load(const QString& path, const QString& attributes);

  void play();
  void pause();
  [[nodiscard]] bool playing() const { return wantPlay_; }
  [[nodiscard]] int64_t positionMicros() const { return shownPosition_; }
  [[nodiscard]] const QString& message() const { return message_; }
  [[nodiscard]] BarLayout layout() const { return BarLayout::forSize(size()); }
  [[nodiscard]] int framesShown() const { return framesShown_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void fail(const QString& text, const QString& detail);
  void showHeldFrame();
  void decodeAhead();
  void onFrameDue();
  void seekTo(int64_t micros);
  void updateClock();
  [[nodiscard]] QRect frameRect() const;
  [[nodiscard]] QImage convertHeld() const;
  void paintMessage(QPainter& painter, const QRect& area);

  std::unique_ptr<VideoClip> clip_;
  bool loop_ = false;
  bool wantPlay_ = false;
  bool scrubbing_ = false;
  bool resumeAfterScrub_ = false;
  bool buttonDown_ = false;
  QImage shown_;  // the frame on screen, at the size of its place
  QImage next_;   // decoded ahead, waiting for its time
  int64_t shownPosition_ = 0;
  int64_t nextPosition_ = 0;
  bool hasNext_ = false;
  bool atEnd_ = false;
  int framesShown_ = 0;
  QTimer frameTimer_;
  QElapsedTimer clock_;     // runs while playing
  int64_t anchorClip_ = 0;  // the clip time at the clock's start
  QString message_;
  QString messageDetail_;
};

}  // namespace vantorel::video
