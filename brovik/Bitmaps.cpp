#include "brovik/Bitmaps.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "platform/ui/Graphics.h"

namespace vantorel::brovik {
namespace {

// 219 / 220: a small tab with a pointer, right for closed, down (and warm) for open.
QPixmap marker(bool open) {
  QPixmap pm = ui::transparentPixmap(13, 9);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(open ? QColor(140, 62, 0) : QColor(72, 70, 112), 1));
  p.setBrush(open ? QColor(255, 232, 200) : QColor(250, 250, 244));
  p.drawRoundedRect(QRectF(0.5, 0.5, 12, 8), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(open ? QColor(169, 74, 0) : QColor(72, 70, 112));
  QPainterPath arrow;
  if (open) {
    arrow.moveTo(3.5, 3);
    arrow.lineTo(9.5, 3);
    arrow.lineTo(6.5, 6.5);
  } else {
    arrow.moveTo(5, 1.8);
    arrow.lineTo(8.8, 4.5);
    arrow.lineTo(5, 7.2);
  }
  arrow.closeSubpath();
  p.drawPath(arrow);
  return pm;
}

// 221..225: the go/next button.
QPixmap button(const QString& caption, bool next, bool down, bool disabled) {
  QPixmap pm = ui::transparentPixmap(62, 19);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(0.5, 0.5, 61, 18);
  QLinearGradient fill(0, 0, 0, 19);
  if (disabled) {
    fill.setColorAt(0, QColor(236, 236, 236));
    fill.setColorAt(1, QColor(206, 206, 206));
  } else if (next) {
    fill.setColorAt(0, down ? QColor(196, 110, 40) : QColor(246, 196, 140));
    fill.setColorAt(1, down ? QColor(230, 150, 80) : QColor(206, 116, 40));
  } else {
    fill.setColorAt(0, down ? QColor(92, 90, 136) : QColor(190, 188, 222));
    fill.setColorAt(1, down ? QColor(132, 130, 172) : QColor(104, 102, 148));
  }
  p.setPen(QPen(disabled ? QColor(160, 160, 160) : QColor(52, 50, 84), 1));
  p.setBrush(fill);
  p.drawRoundedRect(frame, 4, 4);
  if (!disabled && !down) {
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(4, 1.5), QPointF(58, 1.5));
  }
  const int shift = down ? 1 : 0;
  QFont font = ui::fontByFace(u"Arial Greek"_qs, 10, true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, -0.2);
  p.setFont(font);
  p.setPen(disabled ? QColor(150, 150, 150) : down ? QColor(255, 255, 255) : QColor(20, 18, 40));
  p.drawText(QRect(2 + shift, shift, 46, 19), Qt::AlignCenter, caption);
  // The arrow: one for go, two for next.
  p.setPen(Qt::NoPen);
  p.setBrush(p.pen().color());
  p.setBrush(disabled ? QColor(150, 150, 150) : down ? QColor(255, 255, 255) : QColor(20, 18, 40));
  auto arrow = [&](double x) {
    QPainterPath a;
    a.moveTo(x + shift, 6 + shift);
    a.lineTo(x + 4 + shift, 9.5 + shift);
    a.lineTo(x + shift, 13 + shift);
    a.closeSubpath();
    p.drawPath(a);
  };
  arrow(next ? 49 : 51);
  if (next) arrow(54);
  return pm;
}

QPixmap molecule() {
  QPixmap pm = ui::transparentPixmap(14, 14);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 60, 60), 1.4));
  p.drawLine(QPointF(4, 9), QPointF(7.5, 4.5));
  p.drawLine(QPointF(7.5, 4.5), QPointF(11, 9.5));
  auto ball = [&](QPointF c, double r, QColor colour) {
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(160), 0.6));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
  };
  ball(QPointF(7.5, 4.5), 3.4, QColor(220, 30, 30));
  ball(QPointF(3.5, 9.8), 2.5, QColor(235, 235, 235));
  ball(QPointF(11, 10), 2.5, QColor(235, 235, 235));
  return pm;
}

// A sheet of `paper` with a folded corner, the ground of the page icons.
void drawPage(QPainter& p, const QColor& paper) {
  QPainterPath page;
  page.moveTo(2.5, 0.5);
  page.lineTo(9.5, 0.5);
  page.lineTo(12.5, 3.5);
  page.lineTo(12.5, 13.5);
  page.lineTo(2.5, 13.5);
  page.closeSubpath();
  p.setPen(QPen(QColor(60, 60, 80), 1));
  p.setBrush(paper);
  p.drawPath(page);
  p.drawLine(QPointF(9.5, 0.5), QPointF(9.5, 3.5));
  p.drawLine(QPointF(9.5, 3.5), QPointF(12.5, 3.5));
}

QPixmap pageWithPicture() {
  QPixmap pm = ui::transparentPixmap(14, 14);
  QPainter p(&pm);
  drawPage(p, Qt::white);
  p.fillRect(QRect(4, 5, 7, 5), QColor(120, 180, 235));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 150, 60));
  p.drawPolygon(QPolygonF({QPointF(4, 10), QPointF(7, 6.5), QPointF(11, 10)}));
  p.setBrush(QColor(250, 210, 40));
  p.drawEllipse(QPointF(9.3, 6.3), 1, 1);
  p.setPen(QPen(QColor(150, 150, 160), 1));
  p.drawLine(4, 11, 10, 11);
  return pm;
}

QPixmap globe() {
  QPixmap pm = ui::transparentPixmap(14, 14);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient sea(QPointF(5, 5), 9);
  sea.setColorAt(0, QColor(150, 200, 255));
  sea.setColorAt(1, QColor(30, 90, 190));
  p.setPen(QPen(QColor(20, 50, 120), 0.8));
  p.setBrush(sea);
  p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 170, 70));
  p.drawEllipse(QRectF(3, 3, 4, 3));
  p.drawEllipse(QRectF(7.5, 6, 3.5, 4.5));
  p.drawEllipse(QRectF(4, 8.5, 2.5, 2.5));
  p.setPen(QPen(QColor(255, 255, 255, 110), 0.7));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(4, 0.5, 6, 13));
  p.drawLine(QPointF(1, 7), QPointF(13, 7));
  return pm;
}

QPixmap film() {
  QPixmap pm = ui::transparentPixmap(14, 14);
  QPainter p(&pm);
  p.fillRect(QRect(1, 1, 12, 12), QColor(40, 40, 48));
  for (int y = 2; y < 13; y += 3) {
    p.fillRect(QRect(2, y, 1, 2), QColor(230, 230, 230));
    p.fillRect(QRect(11, y, 1, 2), QColor(230, 230, 230));
  }
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 60));
  p.drawPolygon(QPolygonF({QPointF(5, 4), QPointF(9.5, 7), QPointF(5, 10)}));
  return pm;
}

QPixmap document() {
  QPixmap pm = ui::transparentPixmap(14, 14);
  QPainter p(&pm);
  drawPage(p, QColor(255, 253, 235));
  p.setPen(QPen(QColor(90, 90, 150), 1));
  for (int y = 5; y <= 11; y += 2) p.drawLine(4, y, y == 11 ? 8 : 10, y);
  return pm;
}

QPixmap make(int id) {
  switch (id) {
    case 219: return marker(false);
    case 220: return marker(true);
    case 221: return button(u"Μετάβαση"_qs, false, false, false);
    case 222: return button(u"Μετάβαση"_qs, false, true, false);
    case 223: return button(u"Μετάβαση"_qs, false, false, true);
    case 224: return button(u"Επόμενο"_qs, true, false, false);
    case 225: return button(u"Επόμενο"_qs, true, true, false);
    case 226: return molecule();
    case 227: return pageWithPicture();
    case 228: return globe();
    case 229: return film();
    case 231: return document();
    default: return {};
  }
}

}  // namespace

const QPixmap& bitmap(int id) {
  static QHash<int, QPixmap> cache;
  auto it = cache.find(id);
  if (it == cache.end()) it = cache.insert(id, make(id));
  return *it;
}

}  // namespace vantorel::brovik
