#include "kestrin/WindowSearch.h"

#include <QWidget>

namespace vantorel::kestrin {
namespace {

constexpr QSize kViewerClientSize{340, 290};
constexpr int kTitleLimit = 99;

QWidget* firstViewerBelow(const QWidget* parent) {
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    // Separate top-level windows are owned, not children: the platform's enumeration skips them.
    if (!child || child->isWindow()) continue;
    if (child->size() == kViewerClientSize) return child;
    if (QWidget* found = firstViewerBelow(child)) return found;
  }
  return nullptr;
}

}  // namespace

QWidget* findViewer(const QWidget* control) {
  const QWidget* parent = control ? control->parentWidget() : nullptr;
  const QWidget* grandparent = parent ? parent->parentWidget() : nullptr;
  return grandparent ? firstViewerBelow(grandparent) : nullptr;
}

QWidget* hostViewBelowTitled(QWidget* control, const QString& prefix) {
  QWidget* below = control;
  for (QWidget* window = control ? control->parentWidget() : nullptr; window; window = window->parentWidget()) {
    if (window->windowTitle().left(kTitleLimit).startsWith(prefix)) return below;
    below = window;
  }
  return nullptr;
}

}  // namespace vantorel::kestrin
