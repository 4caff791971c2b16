#pragma once

#include <QEvent>
#include <QObject>
#include <cstdint>

class QWidget;

// Numbered window messages with two parameters between widgets, in place of the platform's
// message queue: sendMessage delivers at once and returns the receiver's result, postMessage
// queues the message for the event loop (dropped if the receiver is gone by then).
namespace vantorel::messages {

inline constexpr uint32_t kCommand = 0x0111;   // first parameter: command id, second: sender detail
inline constexpr uint32_t kBrowseGo = 0x49B7;  // Enter in the topic browser's word box

class WindowMessageEvent : public QEvent {
 public:
  WindowMessageEvent(uint32_t message, intptr_t wParam, intptr_t lParam)
      : QEvent(eventType()), message_(message), wParam_(wParam), lParam_(lParam) {}

  [[nodiscard]] static QEvent::Type eventType();
  [[nodiscard]] uint32_t message() const { return message_; }
  [[nodiscard]] intptr_t wParam() const { return wParam_; }
  [[nodiscard]] intptr_t lParam() const { return lParam_; }
  void setResult(intptr_t result) { result_ = result; }
  [[nodiscard]] intptr_t result() const { return result_; }

 private:
  uint32_t message_;
  intptr_t wParam_;
  intptr_t lParam_;
  intptr_t result_ = 0;
};

// The message carried by an event, or null when it is not a window message.
[[nodiscard]] inline const WindowMessageEvent* asWindowMessage(QEvent* event) {
  return event && event->type() == WindowMessageEvent::eventType() ? static_cast<WindowMessageEvent*>(event) : nullptr;
}

intptr_t sendMessage(QObject* target, uint32_t message, intptr_t wParam = 0, intptr_t lParam = 0);
bool postMessage(QObject* target, uint32_t message, intptr_t wParam = 0, intptr_t lParam = 0);

// Child window ids, as dialogs and containers give them.
void setChildId(QWidget* widget, int id);
[[nodiscard]] int childId(const QWidget* widget);  // 0 when none
[[nodiscard]] QWidget* findChildById(const QWidget* parent, int id);

// Window handles as numbers, for members that pass a window; fromHandle checks that the number
// names a live widget and gives null otherwise.
[[nodiscard]] intptr_t handleOf(const QWidget* widget);
[[nodiscard]] QWidget* fromHandle(intptr_t handle);

}  // namespace vantorel::messages
