#include "host/view/ESGSplit.h"

#include <QMouseEvent>
#include <QPainter>

#include "host/view/core/SplitterRules.h"
#include "platform/messages/WindowMessages.h"

namespace vantorel::host::view {

namespace {
constexpr int kWindowId = 7801;
}

ESGSplit::ESGSplit() {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ESGSplit::Create(int position, int top, int length, bool horizontal, int minimum, int maximum, QWidget* parent) {
  horizontal_ = horizontal;
  minimum_ = minimum;
  maximum_ = maximum;
  position_ = clampSplitter(position, minimum, maximum);
  top_ = top;
  length_ = length;
  setParent(parent);
  messages::setChildId(this, kWindowId);
  setCursor(horizontal ? Qt::SplitVCursor : Qt::SplitHCursor);
  place();
  show();
}

void ESGSplit::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  const int clamped = clampSplitter(position_, minimum, maximum);
  if (clamped != position_) {
    position_ = clamped;
    place();
  }
  sendLayout();
}

void ESGSplit::setLength(int length) {
  length_ = length;
  place();
}

void ESGSplit::place() {
  if (horizontal_) {
    setGeometry(top_, position_, length_, kSplitterWidth);
  } else {
    setGeometry(position_, top_, kSplitterWidth, length_);
  }
}

void ESGSplit::sendLayout() {
  if (parentWidget()) messages::sendMessage(parentWidget(), messages::kCommand, position_, kSplitterCommand);
}

int ESGSplit::along(const QPoint& parentPoint) const {
  return horizontal_ ? parentPoint.y() : parentPoint.x();
}

void ESGSplit::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  grabOffset_ = horizontal_ ? event->position().toPoint().y() : event->position().toPoint().x();
  grabMouse();
  update();
}

void ESGSplit::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !parentWidget()) return;
  const QPoint inParent = mapToParent(event->position().toPoint());
  const int next = clampSplitter(along(inParent) - grabOffset_, minimum_, maximum_);
  if (next == position_) return;
  position_ = next;
  place();
  parentWidget()->update();
}

void ESGSplit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  releaseMouse();
  update();
  sendLayout();
}

void ESGSplit::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  if (dragging_) {
    // White under a fine pattern, a one-pixel margin left on the long sides.
    p.fillRect(r, Qt::white);
    const QRect inner = horizontal_ ? r.adjusted(0, 1, 0, -1) : r.adjusted(1, 0, -1, 0);
    p.fillRect(inner, QBrush(QColor(128, 128, 128), Qt::Dense4Pattern));
    return;
  }
  p.fillRect(r, QColor(192, 192, 192));
  const int last = horizontal_ ? r.height() - 1 : r.width() - 1;
  auto line = [&](int at, const QColor& colour) {
    p.setPen(colour);
    if (horizontal_) {
      p.drawLine(0, at, r.width() - 1, at);
    } else {
      p.drawLine(at, 0, at, r.height() - 1);
    }
  };
  // A raised bar: light on the leading edge, shaded on the trailing one.
  line(0, QColor(192, 192, 192));
  line(1, Qt::white);
  line(last - 1, QColor(128, 128, 128));
  line(last, Qt::black);
}

}  // namespace vantorel::host::view
