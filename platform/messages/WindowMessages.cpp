#include "platform/messages/WindowMessages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace vantorel::messages {
namespace {
constexpr const char* kChildIdProperty = "vantorelChildId";
}

QEvent::Type WindowMessageEvent::eventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

intptr_t sendMessage(QObject* target, uint32_t message, intptr_t wParam, intptr_t lParam) {
  if (!target) return 0;
  WindowMessageEvent event(message, wParam, lParam);
  QCoreApplication::sendEvent(target, &event);
  return event.result();
}

bool postMessage(QObject* target, uint32_t message, intptr_t wParam, intptr_t lParam) {
  if (!target) return false;
  QCoreApplication::postEvent(target, new WindowMessageEvent(message, wParam, lParam));
  return true;
}

void setChildId(QWidget* widget, int id) {
  if (widget) widget->setProperty(kChildIdProperty, id);
}

int childId(const QWidget* widget) {
  return widget ? widget->property(kChildIdProperty).toInt() : 0;
}

QWidget* findChildById(const QWidget* parent, int id) {
  if (!parent) return nullptr;
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && childId(w) == id) return w;
  }
  return nullptr;
}

intptr_t handleOf(const QWidget* widget) {
  return reinterpret_cast<intptr_t>(widget);
}

QWidget* fromHandle(intptr_t handle) {
  if (!handle) return nullptr;
  for (QWidget* w : QApplication::allWidgets()) {
    if (reinterpret_cast<intptr_t>(w) == handle) return w;
  }
  return nullptr;
}

}  // namespace vantorel::messages
