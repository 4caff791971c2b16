#include "outside/video/ControlBar.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

#include "platform/ui/Graphics.h"

namespace vantorel::video {
namespace {

const QColor kFace(212, 208, 200);
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDark(64, 64, 64);
const QColor kFill(40, 90, 170);

void raised(QPainter& p, const QRect& r, bool pressed) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, pressed ? kFace.darker(112) : kFace.lighter(108));
  g.setColorAt(1, pressed ? kFace : kFace.darker(108));
  p.fillRect(r, g);
  p.setPen(pressed ? kShadow : kLight);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(pressed ? kLight : kDark);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

BarLayout BarLayout::forSize(QSize size) {
  BarLayout l;
  const int w = std::max(size.width(), 1);
  const int barHeight = std::min(kBarHeight, std::max(size.height() / 3, 1));
  l.picture = QRect(0, 0, w, std::max(size.height() - barHeight, 0));
  l.bar = QRect(0, l.picture.bottom() + 1, w, barHeight);
  l.button = QRect(1, l.bar.top() + 1, std::max(barHeight - 2, 1) + 6, std::max(barHeight - 2, 1));
  // The time needs about "0:00 / 0:00" in the bar's font; narrow players give it up.
  const int timeWidth = w >= 200 ? 74 : 0;
  l.time = QRect(w - timeWidth - 4, l.bar.top(), timeWidth, barHeight);
  const int trackLeft = l.button.right() + 9;
  const int trackRight = (timeWidth ? l.time.left() : w) - 8;
  l.track = QRect(trackLeft, l.bar.top() + barHeight / 2 - 3, std::max(trackRight - trackLeft, 1), 6);
  return l;
}

int64_t BarLayout::timeAt(int x, int64_t duration) const {
  if (duration <= 0 || track.width() <= 1) return 0;
  const double share = std::clamp(double(x - track.left()) / (track.width() - 1), 0.0, 1.0);
  return static_cast<int64_t>(share * static_cast<double>(duration));
}

int BarLayout::knobCentre(int64_t position, int64_t duration) const {
  if (duration <= 0) return track.left();
  const double share = std::clamp(double(position) / double(duration), 0.0, 1.0);
  return track.left() + static_cast<int>(share * (track.width() - 1) + 0.5);
}

QString clockText(int64_t micros) {
  const int64_t seconds = std::max<int64_t>(micros, 0) / 1000000;
  const auto two = [](int64_t v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
  if (seconds >= 3600)
    return QString::number(seconds / 3600) + u':' + two(seconds / 60 % 60) + u':' + two(seconds % 60);
  return QString::number(seconds / 60) + u':' + two(seconds % 60);
}

void paintControlBar(QPainter& p, const BarLayout& l, const BarState& s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  QLinearGradient face(l.bar.topLeft(), l.bar.bottomLeft());
  face.setColorAt(0, kFace.lighter(104));
  face.setColorAt(1, kFace.darker(106));
  p.fillRect(l.bar, face);
  p.setPen(kLight);
  p.drawLine(l.bar.topLeft(), l.bar.topRight());

  // Play or pause button.
  raised(p, l.button, s.buttonDown);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink = s.enabled ? QColor(20, 20, 20) : kShadow;
  const QPointF c = QRectF(l.button).center() + (s.buttonDown ? QPointF(1, 1) : QPointF(0, 0));
  const double h = std::max(3.0, l.button.height() * 0.28);
  p.setPen(Qt::NoPen);
  if (s.playing) {
    p.setBrush(ink);
    p.drawRect(QRectF(c.x() - h * 0.9, c.y() - h, h * 0.65, 2 * h));
    p.drawRect(QRectF(c.x() + h * 0.25, c.y() - h, h * 0.65, 2 * h));
  } else {
    p.setBrush(s.enabled ? QColor(20, 110, 40) : kShadow);
    p.drawPolygon(QPolygonF(
        {QPointF(c.x() - h * 0.7, c.y() - h), QPointF(c.x() + h * 1.0, c.y()), QPointF(c.x() - h * 0.7, c.y() + h)}));
  }

  // Sunken groove, filled up to the position, and the knob.
  p.setRenderHint(QPainter::Antialiasing, false);
  const QRect groove = l.track;
  p.fillRect(groove, s.enabled ? QColor(250, 250, 246) : kFace);
  p.setPen(kShadow);
  p.drawLine(groove.topLeft(), groove.topRight());
  p.drawLine(groove.topLeft(), groove.bottomLeft());
  p.setPen(kLight);
  p.drawLine(groove.bottomLeft(), groove.bottomRight());
  p.drawLine(groove.topRight(), groove.bottomRight());
  if (s.enabled) {
    const int knob = l.knobCentre(s.position, s.duration);
    if (knob > groove.left() + 1)
      p.fillRect(QRect(groove.left() + 1, groove.top() + 1, knob - groove.left() - 1, groove.height() - 2), kFill);
    const int knobHeight = std::max(l.bar.height() - 6, 4);
    raised(p, QRect(knob - 4, l.bar.top() + (l.bar.height() - knobHeight) / 2, 9, knobHeight), false);
  }

  if (!l.time.isEmpty()) {
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(ui::fontByFace(u"Arial"_qs, 11));
    p.setPen(s.enabled ? QColor(20, 20, 20) : kShadow);
    const QString text = !s.enabled       ? u"-:-- / -:--"_qs
                         : s.duration > 0 ? clockText(s.position) + u" / "_qs + clockText(s.duration)
                                          : clockText(s.position);
    p.drawText(l.time, Qt::AlignRight | Qt::AlignVCenter, text);
  }
  p.restore();
}

}  // namespace vantorel::video
