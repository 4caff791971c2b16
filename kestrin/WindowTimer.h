#pragma once

#include <functional>
#include <memory>

// A repeating window timer, as the control's one-second timer needs; behind an interface so that
// tests can fire it without waiting.
namespace vantorel::kestrin {

class WindowTimer {
 public:
  virtual ~WindowTimer() = default;
  // Calls `onTimeout` every `milliseconds` until stopped; starting again restarts it.
  virtual void start(int milliseconds, std::function<void()> onTimeout) = 0;
  virtual void stop() = 0;
};

[[nodiscard]] std::unique_ptr<WindowTimer> makeQtWindowTimer();

}  // namespace vantorel::kestrin
