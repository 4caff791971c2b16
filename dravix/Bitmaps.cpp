#include "dravix/Bitmaps.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <map>

#include "platform/ui/Graphics.h"

namespace vantorel::dravix {
namespace {

enum class Face { Normal, Pressed, Disabled };
enum class Glyph { None, Right, Left, RightRight, LeftLeft, Swap, Funnel, Sheet, Bars };

// A rounded button face in the page's slate blue, lit from above; pressed faces are lit from
// below and their contents sit one pixel lower and to the right.
QPixmap buttonFace(int w, int h, Face face, Glyph glyph, const QString& caption) {
  QPixmap pixmap = ui::transparentPixmap(w, h);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
  QLinearGradient fill(0, 0, 0, h);
  if (face == Face::Disabled) {
    fill.setColorAt(0, QColor(150, 150, 156));
    fill.setColorAt(1, QColor(112, 112, 118));
  } else if (face == Face::Pressed) {
    fill.setColorAt(0, QColor(30, 52, 82));
    fill.setColorAt(1, QColor(70, 104, 146));
  } else {
    fill.setColorAt(0, QColor(104, 138, 180));
    fill.setColorAt(0.5, QColor(58, 92, 134));
    fill.setColorAt(1, QColor(36, 62, 96));
  }
  p.fillPath(path, fill);
  p.setPen(QPen(face == Face::Disabled ? QColor(90, 90, 96) : QColor(16, 26, 44), 1));
  p.drawPath(path);
  if (face == Face::Normal) {
    p.setPen(QColor(255, 255, 255, 90));
    p.drawLine(QPointF(4, 1.5), QPointF(w - 5, 1.5));
  }
  const QColor ink = face == Face::Disabled ? QColor(196, 196, 200) : QColor(255, 255, 255);
  const qreal shift = face == Face::Pressed ? 1 : 0;
  p.translate(shift, shift);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  const qreal cy = h / 2.0;
  auto triangle = [&](qreal x, bool right) {
    QPainterPath t;
    if (right) {
      t.moveTo(x, cy - 5);
      t.lineTo(x + 7, cy);
      t.lineTo(x, cy + 5);
    } else {
      t.moveTo(x + 7, cy - 5);
      t.lineTo(x, cy);
      t.lineTo(x + 7, cy + 5);
    }
    t.closeSubpath();
    p.drawPath(t);
  };
  qreal textLeft = 0;
  switch (glyph) {
    case Glyph::Right: triangle(w / 2.0 - 3.5, true); break;
    case Glyph::Left: triangle(w / 2.0 - 3.5, false); break;
    case Glyph::RightRight:
      triangle(w / 2.0 - 8, true);
      triangle(w / 2.0 + 1, true);
      break;
    case Glyph::LeftLeft:
      triangle(w / 2.0 - 8, false);
      triangle(w / 2.0 + 1, false);
      break;
    case Glyph::Swap: {
      QPen pen(ink, 1.6);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(7, cy - 3), QPointF(17, cy - 3));
      p.drawLine(QPointF(14, cy - 6), QPointF(17, cy - 3));
      p.drawLine(QPointF(7, cy + 3), QPointF(17, cy + 3));
      p.drawLine(QPointF(7, cy + 3), QPointF(10, cy + 6));
      textLeft = 21;
      break;
    }
    case Glyph::Funnel: {
      QPainterPath f;
      f.moveTo(6, cy - 5);
      f.lineTo(17, cy - 5);
      f.lineTo(13, cy);
      f.lineTo(13, cy + 5);
      f.lineTo(10, cy + 6);
      f.lineTo(10, cy);
      f.closeSubpath();
      p.drawPath(f);
      textLeft = 20;
      break;
    }
    case Glyph::Sheet:
      p.drawRect(QRectF(7, cy - 6, 9, 12));
      p.setPen(QPen(QColor(36, 62, 96), 1));
      for (int i = -3; i <= 3; i += 3) p.drawLine(QPointF(9, cy + i), QPointF(14, cy + i));
      textLeft = 20;
      break;
    case Glyph::Bars:
      p.drawRect(QRectF(6, cy + 1, 3, 5));
      p.drawRect(QRectF(10, cy - 3, 3, 9));
      p.drawRect(QRectF(14, cy - 6, 3, 12));
      textLeft = 20;
      break;
    case Glyph::None: break;
  }
  if (!caption.isEmpty()) {
    p.setPen(ink);
    p.setFont(ui::fontByFace(u"Arial Greek"_qs, 11, true));
    p.drawText(QRectF(textLeft, 0, w - textLeft - 2, h), Qt::AlignCenter, caption);
  }
  return pixmap;
}

QPixmap frameStrip(int w, int h, bool horizontal) {
  QPixmap pixmap(w, h);
  QPainter p(&pixmap);
  // Dark outside, a light inner line: a sunken edge.
  const QColor shades[3] = {QColor(49, 49, 49), QColor(84, 84, 92), QColor(196, 196, 210)};
  for (int i = 0; i < 3; ++i) {
    p.setPen(shades[i]);
    if (horizontal)
      p.drawLine(0, i, w - 1, i);
    else
      p.drawLine(i, 0, i, h - 1);
  }
  return pixmap;
}

QPixmap arrow() {
  QPixmap pixmap(11, 14);
  pixmap.fill(Qt::black);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  QPainterPath t;
  t.moveTo(1.5, 5);
  t.lineTo(9.5, 5);
  t.lineTo(5.5, 10);
  t.closeSubpath();
  p.drawPath(t);
  return pixmap;
}

QPixmap draw(int id) {
  struct Button {
    int id, w, h;
    Glyph glyph;
    const char16_t* caption;
  };
  static const Button kButtons[] = {
      {bitmaps::kAdd, 47, 18, Glyph::Right, u""},
      {bitmaps::kRemove, 47, 18, Glyph::Left, u""},
      {bitmaps::kAddAll, 47, 18, Glyph::RightRight, u""},
      {bitmaps::kRemoveAll, 47, 18, Glyph::LeftLeft, u""},
      {bitmaps::kTranspose, 95, 19, Glyph::Swap, u"Αντιστροφή"},
      {bitmaps::kFilter, 68, 19, Glyph::Funnel, u"Φίλτρο"},
      {bitmaps::kExport, 107, 19, Glyph::Sheet, u"Εξαγωγή"},
      {bitmaps::kGraph, 105, 19, Glyph::Bars, u"Γράφημα"},
  };
  for (const Button& b : kButtons) {
    if (id >= b.id && id <= b.id + 2) {
      const Face face = id == b.id ? Face::Normal : id == b.id + 1 ? Face::Pressed : Face::Disabled;
      return buttonFace(b.w, b.h, face, b.glyph, QString::fromUtf16(b.caption));
    }
  }
  switch (id) {
    case bitmaps::kFrameStrip: return frameStrip(8, 3, true);
    case bitmaps::kFrameSide: return frameStrip(3, 8, false);
    case bitmaps::kFrameCorner: {
      QPixmap corner(3, 3);
      corner.fill(QColor(49, 49, 49));
      return corner;
    }
    case bitmaps::kChooserArrow: return arrow();
    default: return {};
  }
}

}  // namespace

const QPixmap& dravixBitmap(int id) {
  // Kept for the life of the process: pixmaps must not outlive the application object's teardown.
  static auto* cache = new std::map<int, QPixmap>;
  auto it = cache->find(id);
  if (it == cache->end()) it = cache->emplace(id, draw(id)).first;
  return it->second;
}

}  // namespace vantorel::dravix
