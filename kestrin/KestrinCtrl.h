#pragma once

#include <QImage>
#include <memory>

#include "kestrin/WindowTimer.h"
#include "kestrin/core/Switches.h"
#include "platform/com/Control.h"

namespace vantorel::kestrin {

inline constexpr char16_t kVersion[] = u"1.0.012";
// The host's frame title begins with this; the refresh request goes to the window below it.
inline constexpr char16_t kHostTitlePrefix[] = u"Vantorel";
inline constexpr int kRefreshRequest = 9822;
inline constexpr int kFollowUpMilliseconds = 1000;

// The molecule controller: a strip of switches that drive the molecule viewer beside it in a page.
class CKestrinCtrl : public com::Control {
 public:
  explicit CKestrinCtrl(std::unique_ptr<WindowTimer> timer = makeQtWindowTimer());
  ~CKestrinCtrl() override;

  [[nodiscard]] const SwitchState& switches() const { return state_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void apply(const ClickOutcome& outcome);
  void afterFirstPaint();
  void onTimer();
  void sendToViewer(int commandId);

  SwitchState state_;
  bool firstPaintPending_ = true;
  std::unique_ptr<WindowTimer> timer_;
  QImage background_;  // bitmap 218's corner stretched to the current size
};

}  // namespace vantorel::kestrin
