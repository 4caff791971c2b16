#include "host/pages/widgets/PalettePictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vantorel::host {

namespace {

constexpr int kSize = 16;
const QColor kInk(40, 40, 48);
const QColor kPaper(255, 255, 255);
const QColor kTextLine(70, 110, 190);

// A sheet of paper with a turned corner and a few lines of writing.
void sheet(QPainter& p, QRectF r, bool writing) {
  QPainterPath outline;
  const qreal fold = 3;
  outline.moveTo(r.left(), r.top());
  outline.lineTo(r.right() - fold, r.top());
  outline.lineTo(r.right(), r.top() + fold);
  outline.lineTo(r.right(), r.bottom());
  outline.lineTo(r.left(), r.bottom());
  outline.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawPath(outline);
  p.setBrush(QColor(214, 214, 222));
  p.drawPolygon(
      QPolygonF{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}});
  if (!writing) return;
  p.setPen(QPen(kTextLine, 1));
  for (qreal y = r.top() + 5; y < r.bottom() - 1; y += 2)
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2 - (static_cast<int>(y) % 4 == 0 ? 2 : 0), y));
}

void copyPicture(QPainter& p) {
  sheet(p, {1.5, 0.5, 8, 10}, true);
  sheet(p, {6.5, 5.5, 8, 10}, true);
}

void pastePicture(QPainter& p) {
  // The clipboard: a brown board, a metal clip, a sheet on it.
  QLinearGradient wood(0, 1, 0, 15);
  wood.setColorAt(0, QColor(196, 142, 78));
  wood.setColorAt(1, QColor(140, 92, 40));
  p.setPen(QPen(QColor(92, 58, 24), 1));
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12.5), 1.5, 1.5);
  QLinearGradient metal(0, 0, 0, 4);
  metal.setColorAt(0, QColor(236, 236, 240));
  metal.setColorAt(1, QColor(150, 150, 160));
  p.setPen(QPen(QColor(80, 80, 90), 1));
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(4.5, 0.5, 4, 4), 1, 1);
  sheet(p, {6.5, 5.5, 8, 10}, true);
}

void printPicture(QPainter& p) {
  // Paper going in at the top, the printer's body, the printed sheet coming out.
  sheet(p, {4.5, 0.5, 7, 6}, false);
  QLinearGradient body(0, 6, 0, 12);
  body.setColorAt(0, QColor(226, 226, 232));
  body.setColorAt(1, QColor(140, 140, 152));
  p.setPen(QPen(kInk, 1));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(0.5, 5.5, 15, 6.5), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 190, 80));
  p.drawEllipse(QRectF(12, 7, 2, 2));
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawRect(QRectF(3.5, 10.5, 9, 5));
  p.setPen(QPen(kTextLine, 1));
  p.drawLine(QPointF(5, 13.5), QPointF(11, 13.5));
}

// A broad arrow pointing left (`left`) or right, blue with a lighter top.
void arrowPicture(QPainter& p, bool left) {
  QPolygonF arrow{{1.5, 8}, {8, 1.5}, {8, 5}, {14.5, 5}, {14.5, 11}, {8, 11}, {8, 14.5}};
  if (!left) {
    for (QPointF& point : arrow) point.setX(kSize - point.x());
  }
  QLinearGradient fill(0, 1, 0, 15);
  fill.setColorAt(0, QColor(120, 176, 246));
  fill.setColorAt(0.5, QColor(40, 110, 210));
  fill.setColorAt(1, QColor(20, 70, 160));
  p.setPen(QPen(QColor(14, 44, 110), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPolygon(arrow);
}

void searchPicture(QPainter& p) {
  // A magnifying glass: a dark handle, a rim, a light glass with a shine.
  p.setPen(QPen(QColor(70, 44, 20), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 10), QPointF(14, 14));
  QRadialGradient glass(QPointF(5, 5), 6);
  glass.setColorAt(0, QColor(255, 255, 255));
  glass.setColorAt(1, QColor(150, 200, 240));
  p.setPen(QPen(QColor(40, 60, 90), 1.6));
  p.setBrush(glass);
  p.drawEllipse(QPointF(6.5, 6.5), 5, 5);
  p.setPen(QPen(QColor(255, 255, 255, 220), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(3.5, 3.5, 6, 6), 100 * 16, 70 * 16);
}

}  // namespace

QImage palettePicture(int id) {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  switch (id) {
    case 166: copyPicture(p); break;
    case 167: pastePicture(p); break;
    case 168: printPicture(p); break;
    case 169: arrowPicture(p, false); break;
    case 170: arrowPicture(p, true); break;
    case 200: searchPicture(p); break;
    default: return {};
  }
  return image;
}

}  // namespace vantorel::host
