#include "tabrel/Bitmaps.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <initializer_list>
#include <map>

#include "platform/ui/Graphics.h"

namespace vantorel::tabrel {
namespace {

// A pixmap painted all over with one gradient.
QPixmap filled(int w, int h, const QGradient& gradient) {
  QPixmap pixmap(w, h);
  QPainter p(&pixmap);
  p.fillRect(pixmap.rect(), gradient);
  return pixmap;
}

// A strip one pixel high, a colour to each column: stretched down, it shades a round bar.
QPixmap strip(std::initializer_list<QColor> colours) {
  QPixmap pixmap(static_cast<int>(colours.size()), 1);
  QPainter p(&pixmap);
  int x = 0;
  for (const QColor& c : colours) p.fillRect(x++, 0, 1, 1, c);
  return pixmap;
}

// A mode tab: a rounded folder tab with its caption; the selected one lit in amber.
QPixmap tab(int w, const QString& caption, bool selected) {
  QPixmap pixmap = ui::transparentPixmap(w, 15);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, 0.5, w - 1, 14), 5, 5);
  QLinearGradient fill(0, 0, 0, 15);
  if (selected) {
    fill.setColorAt(0, QColor(255, 232, 150));
    fill.setColorAt(0.5, QColor(246, 196, 72));
    fill.setColorAt(1, QColor(214, 148, 30));
  } else {
    fill.setColorAt(0, QColor(104, 122, 160));
    fill.setColorAt(0.5, QColor(66, 82, 116));
    fill.setColorAt(1, QColor(40, 50, 74));
  }
  p.fillPath(path, fill);
  p.setPen(QPen(selected ? QColor(120, 70, 0) : QColor(18, 24, 38), 1));
  p.drawPath(path);
  p.setPen(QColor(255, 255, 255, selected ? 170 : 70));
  p.drawLine(QPointF(4, 1.5), QPointF(w - 5, 1.5));
  p.setFont(ui::fontByFace(u"Arial Greek"_qs, 10, true));
  p.setPen(selected ? QColor(40, 26, 0) : QColor(228, 234, 245));
  p.drawText(QRect(0, 0, w, 15), Qt::AlignCenter, caption);
  return pixmap;
}

// A rail of the outline: dark edges round a lighter core, across `length` pixels.
QPixmap outlinePiece(int w, int h) {
  const bool vertical = h > w;
  QLinearGradient g(0, 0, vertical ? w : 0, vertical ? 0 : h);
  g.setColorAt(0, QColor(22, 30, 48));
  g.setColorAt(0.4, QColor(112, 134, 176));
  g.setColorAt(0.6, QColor(84, 104, 144));
  g.setColorAt(1, QColor(22, 30, 48));
  return filled(w, h, g);
}

QPixmap outlineCorner() {
  QRadialGradient g(2, 2, 2.5);
  g.setColorAt(0, QColor(112, 134, 176));
  g.setColorAt(1, QColor(22, 30, 48));
  return filled(4, 4, g);
}

// The frame a legend colour patch sits in: a raised white card with a soft shadow.
QPixmap swatchFrame() {
  QPixmap pixmap = ui::transparentPixmap(25, 22);
  QPainter p(&pixmap);
  p.fillRect(QRect(3, 3, 22, 19), QColor(0, 0, 0, 70));
  p.fillRect(QRect(0, 0, 23, 20), QColor(236, 236, 236));
  p.setPen(QColor(40, 40, 40));
  p.drawRect(QRect(0, 0, 22, 19));
  p.setPen(QColor(150, 150, 150));
  p.drawLine(2, 2, 20, 2);
  p.drawLine(2, 2, 2, 17);
  return pixmap;
}

QLinearGradient glass(double x0, double x1) {
  QLinearGradient g(x0, 0, x1, 0);
  g.setColorAt(0, QColor(120, 134, 160));
  g.setColorAt(0.25, QColor(236, 242, 250));
  g.setColorAt(0.7, QColor(206, 216, 232));
  g.setColorAt(1, QColor(96, 108, 134));
  return g;
}

// Thermometer tube: the glass lies at x 11-24 so that the column at x 15-20 runs inside it.
QPixmap tubeSection() {
  QPixmap pixmap = ui::transparentPixmap(39, 20);
  QPainter p(&pixmap);
  p.fillRect(QRect(11, 0, 14, 20), glass(11, 25));
  return pixmap;
}

QPixmap tubeTop() {
  QPixmap pixmap = ui::transparentPixmap(36, 56);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addRoundedRect(QRectF(11, 0, 14, 70), 7, 7);
  p.fillPath(path, glass(11, 25));
  p.setPen(QPen(QColor(80, 92, 118), 1));
  p.drawPath(path);
  return pixmap;
}

QPixmap bulb() {
  QPixmap pixmap = ui::transparentPixmap(58, 52);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addRect(QRectF(22, 0, 14, 14));
  outline.addEllipse(QPointF(28.5, 29), 17, 17);
  outline = outline.simplified();
  p.fillPath(outline, glass(11, 46));
  p.setPen(QPen(QColor(80, 92, 118), 1));
  p.drawPath(outline);
  QRadialGradient mercury(QPointF(24, 24), 16);
  mercury.setColorAt(0, QColor(255, 150, 140));
  mercury.setColorAt(0.45, QColor(226, 36, 30));
  mercury.setColorAt(1, QColor(140, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(mercury);
  p.drawEllipse(QPointF(28.5, 29), 13, 13);
  p.fillRect(QRectF(26, 0, 5, 18), QColor(214, 30, 30));
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(QPointF(23, 24), 3.5, 2.5);
  return pixmap;
}

QPixmap columnBackground() {
  QLinearGradient g(0, 0, 4, 0);
  g.setColorAt(0, QColor(200, 208, 222));
  g.setColorAt(0.5, QColor(250, 252, 255));
  g.setColorAt(1, QColor(190, 198, 214));
  return filled(4, 190, g);
}

QPixmap mercury() {
  return strip({QColor(150, 0, 0), QColor(236, 52, 44), QColor(255, 120, 110), QColor(176, 8, 8)});
}

// The background: stretched over the whole window it becomes a soft slate-blue wash.
QPixmap backgroundTile() {
  QLinearGradient g(0, 0, 16, 14);
  g.setColorAt(0, QColor(104, 122, 156));
  g.setColorAt(0.45, QColor(138, 154, 184));
  g.setColorAt(1, QColor(160, 172, 198));
  return filled(17, 15, g);
}

void drawRail(QPainter& p, const QRectF& body, double channelX) {
  QLinearGradient g(body.left(), 0, body.right(), 0);
  g.setColorAt(0, QColor(58, 44, 26));
  g.setColorAt(0.3, QColor(168, 128, 78));
  g.setColorAt(0.7, QColor(132, 96, 54));
  g.setColorAt(1, QColor(52, 38, 22));
  p.fillRect(body, g);
  p.fillRect(QRectF(channelX, body.top(), 8, body.height()), QColor(34, 26, 18));
}

// Year scale: a wooden rail with a groove at x 8-16 for the bar.
QPixmap scaleSection() {
  QPixmap pixmap = ui::transparentPixmap(25, 23);
  QPainter p(&pixmap);
  drawRail(p, QRectF(3, 0, 19, 23), 8);
  return pixmap;
}

QPixmap scaleEndCap() {
  QPixmap pixmap = ui::transparentPixmap(30, 26);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addRoundedRect(QRectF(1, -12, 28, 37), 10, 10);
  p.setClipPath(path);
  drawRail(p, QRectF(1, 0, 28, 26), 10);
  p.setClipping(false);
  p.setPen(QPen(QColor(40, 28, 14), 1));
  p.drawPath(path);
  return pixmap;
}

QPixmap scaleBar() {
  return strip({QColor(150, 96, 10), QColor(214, 156, 36), QColor(250, 206, 92), QColor(255, 236, 160),
                QColor(252, 218, 110), QColor(230, 176, 54), QColor(196, 132, 24), QColor(130, 80, 6)});
}

QPixmap dropArrow() {
  QPixmap pixmap(11, 14);
  pixmap.fill(Qt::black);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawPolygon(QPolygonF({QPointF(1.5, 5), QPointF(9.5, 5), QPointF(5.5, 10)}));
  return pixmap;
}

QPixmap draw(int id) {
  switch (id) {
    case 207: return tab(68, u"Κατηγορίες"_qs, false);
    case 208: return tab(68, u"Κατηγορίες"_qs, true);
    case 209: return tab(73, u"Κατάσταση"_qs, false);
    case 210: return tab(73, u"Κατάσταση"_qs, true);
    case 211: return tab(68, u"Ιδιότητες"_qs, false);
    case 212: return tab(68, u"Ιδιότητες"_qs, true);
    case 213: return tab(68, u"Ανακάλυψη"_qs, false);
    case 214: return tab(68, u"Ανακάλυψη"_qs, true);
    case 215: return outlinePiece(4, 20);
    case 216: return outlinePiece(20, 4);
    case 217: return swatchFrame();
    case 218: return bulb();
    case 219: return tubeSection();
    case 220: return tubeTop();
    case 221: return backgroundTile();
    case 222: return columnBackground();
    case 223: return mercury();
    case 224: return scaleSection();
    case 225: return scaleEndCap();
    case 226: return scaleBar();
    case 227: return dropArrow();
    case 228: return outlineCorner();
    default: return {};
  }
}

}  // namespace

const QPixmap& tabrelBitmap(int id) {
  // Kept for the life of the process: pixmaps must not outlive the application object's teardown.
  static auto* cache = new std::map<int, QPixmap>;
  auto it = cache->find(id);
  if (it == cache->end()) it = cache->emplace(id, draw(id)).first;
  return it->second;
}

}  // namespace vantorel::tabrel
