#include "kestrin/WindowTimer.h"

#include <QTimer>

namespace vantorel::kestrin {
namespace {

class QtWindowTimer final : public WindowTimer {
 public:
  QtWindowTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      // The handler may stop or restart the timer; keep the callback alive while it runs.
      if (std::function<void()> call = onTimeout_) call();
    });
  }
  void start(int milliseconds, std::function<void()> onTimeout) override {
    onTimeout_ = std::move(onTimeout);
    timer_.start(milliseconds);
  }
  void stop() override { timer_.stop(); }

 private:
  QTimer timer_;
  std::function<void()> onTimeout_;
};

}  // namespace

std::unique_ptr<WindowTimer> makeQtWindowTimer() {
  return std::make_unique<QtWindowTimer>();
}

}  // namespace vantorel::kestrin
