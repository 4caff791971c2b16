#include "kestrin/KestrinCtrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "kestrin/Bitmaps.h"
#include "kestrin/WindowSearch.h"
#include "platform/messages/WindowMessages.h"

namespace vantorel::kestrin {
namespace {

QRect toQRect(const Rect& r) {
  return QRect(r.x, r.y, r.width, r.height);
}

QRegion regionOf(unsigned parts) {
  QRegion region;
  for (const Placement& placement : kLayout) {
    if (placement.part & parts) region += toQRect(placement.rect);
  }
  return region;
}

}  // namespace

CKestrinCtrl::CKestrinCtrl(std::unique_ptr<WindowTimer> timer) : timer_(std::move(timer)) {
  dispatch().property(1, "Version", com::Variant::Type::String,
                      [] { return com::Variant::fromString(QString::fromUtf16(kVersion)); });
  setAttribute(Qt::WA_OpaquePaintEvent);
}

CKestrinCtrl::~CKestrinCtrl() {
  if (timer_) timer_->stop();
}

void CKestrinCtrl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (background_.size() != size()) {
    background_ = bitmapImage(bitmap::kBackground)
                      .copy(0, 0, 10, 10)
                      .scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  p.drawImage(0, 0, background_);
  for (const Placement& placement : kLayout) {
    p.drawImage(placement.rect.x, placement.rect.y, bitmapImage(bitmapFor(placement.element, state_)));
  }
  if (firstPaintPending_) {
    firstPaintPending_ = false;
    // Once this paint has finished: the viewer may repaint itself when it gets the command.
    QTimer::singleShot(0, this, [this] { afterFirstPaint(); });
  }
}

void CKestrinCtrl::mousePressEvent(QMouseEvent* event) {
  Control::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  event->accept();
  const QPoint at = event->position().toPoint();
  apply(click(state_, at.x(), at.y()));
}

void CKestrinCtrl::apply(const ClickOutcome& outcome) {
  if (outcome.redraw != kNoPart) repaint(regionOf(outcome.redraw));
  if (outcome.command == 0) return;
  // The viewer answers synchronously and might tear the page down while it does.
  QPointer<CKestrinCtrl> self(this);
  sendToViewer(outcome.command);
  if (!self || !outcome.notifyHost) return;
  if (QWidget* view = hostViewBelowTitled(this, QString::fromUtf16(kHostTitlePrefix))) {
    messages::postMessage(view, messages::kCommand, 1, kRefreshRequest);
  }
}

void CKestrinCtrl::afterFirstPaint() {
  QPointer<CKestrinCtrl> self(this);
  apply(chooseThreeD(state_));
  if (!self) return;
  // The viewer may still be loading its model; say 3D once more a second later.
  timer_->start(kFollowUpMilliseconds, [this] { onTimer(); });
}

void CKestrinCtrl::onTimer() {
  timer_->stop();
  sendToViewer(command::kThreeD);
}

void CKestrinCtrl::sendToViewer(int commandId) {
  if (QWidget* viewer = findViewer(this)) messages::sendMessage(viewer, messages::kCommand, commandId, 0);
}

}  // namespace vantorel::kestrin
