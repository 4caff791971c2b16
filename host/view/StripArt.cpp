#include "host/view/StripArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "host/view/core/StripGeometry.h"
#include "platform/ui/Graphics.h"

namespace vantorel::host::view {
namespace {

enum class Look { Normal, Hover, Pressed };

struct Palette {
  QColor top, bottom, ink, caption, accent;
};

Palette paletteOf(Look look) {
  switch (look) {
    case Look::Pressed:
      return {QColor(24, 58, 86), QColor(44, 96, 130), QColor(255, 236, 150), QColor(255, 255, 255),
              QColor(255, 204, 64)};
    case Look::Hover:
      return {QColor(52, 86, 140), QColor(28, 52, 96), QColor(255, 255, 255), QColor(255, 236, 150),
              QColor(120, 200, 255)};
    case Look::Normal: break;
  }
  return {QColor(36, 56, 98), QColor(14, 24, 52), QColor(206, 222, 240), QColor(226, 234, 246), QColor(98, 170, 220)};
}

// The pictogram of each button, drawn in a 22 x 18 box.
void drawPictogram(QPainter& p, int button, const QRectF& box, const Palette& c) {
  p.save();
  p.translate(box.topLeft());
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(c.ink, 1.4);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (button) {
    case 0: {  // a flask with a bubbling liquid: matter that changes
      QPainterPath flask;
      flask.moveTo(8.5, 1);
      flask.lineTo(8.5, 7);
      flask.lineTo(3, 16);
      flask.lineTo(19, 16);
      flask.lineTo(13.5, 7);
      flask.lineTo(13.5, 1);
      p.drawPath(flask);
      QPainterPath liquid;
      liquid.moveTo(5.4, 12);
      liquid.lineTo(16.6, 12);
      liquid.lineTo(18.4, 15.2);
      liquid.lineTo(3.6, 15.2);
      liquid.closeSubpath();
      p.fillPath(liquid, c.accent);
      p.setBrush(c.accent);
      p.drawEllipse(QPointF(11, 9.5), 1.0, 1.0);
      break;
    }
    case 1: {  // a crystal lattice
      for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(4, 3 + 6 * i), QPointF(18, 3 + 6 * i));
        p.drawLine(QPointF(4 + 7 * i, 3), QPointF(4 + 7 * i, 15));
      }
      p.setBrush(c.accent);
      p.setPen(Qt::NoPen);
      for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) p.drawEllipse(QPointF(4 + 7 * i, 3 + 6 * j), 1.8, 1.8);
      break;
    }
    case 2: {  // a molecule: three atoms joined
      p.drawLine(QPointF(11, 9), QPointF(4, 4));
      p.drawLine(QPointF(11, 9), QPointF(18, 4));
      p.drawLine(QPointF(11, 9), QPointF(11, 16));
      p.setBrush(c.accent);
      p.drawEllipse(QPointF(11, 9), 3.4, 3.4);
      p.setBrush(c.ink);
      p.drawEllipse(QPointF(4, 4), 2.2, 2.2);
      p.drawEllipse(QPointF(18, 4), 2.2, 2.2);
      p.drawEllipse(QPointF(11, 16), 2.2, 2.2);
      break;
    }
    case 3: {  // a works with chimneys
      QPainterPath works;
      works.moveTo(2, 17);
      works.lineTo(2, 9);
      works.lineTo(7, 12);
      works.lineTo(7, 9);
      works.lineTo(12, 12);
      works.lineTo(12, 3);
      works.lineTo(15, 3);
      works.lineTo(15, 9);
      works.lineTo(20, 9);
      works.lineTo(20, 17);
      works.closeSubpath();
      p.drawPath(works);
      p.fillRect(QRectF(4, 13, 3, 2), c.accent);
      p.fillRect(QRectF(9, 13, 3, 2), c.accent);
      p.fillRect(QRectF(15, 13, 3, 2), c.accent);
      break;
    }
    case 4: {  // a hill with ore in it
      QPainterPath hill;
      hill.moveTo(1, 17);
      hill.lineTo(8, 5);
      hill.lineTo(12, 10);
      hill.lineTo(15, 7);
      hill.lineTo(21, 17);
      hill.closeSubpath();
      p.drawPath(hill);
      p.setBrush(c.accent);
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(9, 13), 1.6, 1.6);
      p.drawEllipse(QPointF(14, 14), 1.6, 1.6);
      p.drawEllipse(QPointF(12, 12), 1.2, 1.2);
      break;
    }
    case 5: {  // a scroll
      p.drawRoundedRect(QRectF(4, 3, 14, 13), 1.5, 1.5);
      p.drawLine(QPointF(2, 3), QPointF(20, 3));
      p.drawLine(QPointF(2, 16), QPointF(20, 16));
      p.setPen(QPen(c.accent, 1.2));
      for (int i = 0; i < 3; ++i) p.drawLine(QPointF(7, 7 + 3 * i), QPointF(15, 7 + 3 * i));
      break;
    }
    case 6: {  // a balance
      p.drawLine(QPointF(11, 2), QPointF(11, 16));
      p.drawLine(QPointF(6, 16), QPointF(16, 16));
      p.drawLine(QPointF(3, 5), QPointF(19, 5));
      p.setBrush(c.accent);
      QPainterPath left;
      left.moveTo(1, 11);
      left.lineTo(5, 11);
      left.lineTo(3, 5);
      left.closeSubpath();
      QPainterPath right = left.translated(16, 0);
      p.drawPath(left);
      p.drawPath(right);
      break;
    }
    case 7: {  // the outline of a periodic table
      p.setPen(Qt::NoPen);
      p.setBrush(c.ink);
      auto cell = [&](int col, int row, const QColor& colour) {
        p.fillRect(QRectF(1 + col * 2.6, 1 + row * 3.2, 2.1, 2.6), colour);
      };
      cell(0, 0, c.accent);
      cell(7, 0, c.ink);
      for (int row = 1; row < 4; ++row) {
        cell(0, row, c.accent);
        cell(1, row, c.accent);
        for (int col = (row == 1 ? 5 : 2); col < 8; ++col) cell(col, row, row == 3 && col < 5 ? c.accent : c.ink);
      }
      for (int col = 2; col < 8; ++col) cell(col, 4, c.accent);
      break;
    }
    case 8: {  // a graph on two axes
      p.drawLine(QPointF(3, 2), QPointF(3, 16));
      p.drawLine(QPointF(3, 16), QPointF(20, 16));
      p.setPen(QPen(c.accent, 1.6));
      QPainterPath curve;
      curve.moveTo(4, 15);
      curve.cubicTo(8, 4, 12, 4, 19, 3);
      p.drawPath(curve);
      break;
    }
    case 9: {  // home: the main menu
      QPainterPath house;
      house.moveTo(2, 9);
      house.lineTo(11, 2);
      house.lineTo(20, 9);
      p.drawPath(house);
      p.drawRect(QRectF(5, 9, 12, 8));
      p.fillRect(QRectF(9.5, 12, 3, 5), c.accent);
      break;
    }
    case 10: {  // tools: a spanner and a pencil
      p.setPen(QPen(c.ink, 2.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(5, 15), QPointF(15, 5));
      p.setPen(QPen(c.accent, 2.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(7, 4), QPointF(17, 14));
      p.setPen(pen);
      p.drawEllipse(QPointF(16.5, 3.5), 2.5, 2.5);
      break;
    }
    default: break;
  }
  p.restore();
}

void drawButton(QPainter& p, int button, const QRect& cell, Look look) {
  const Palette c = paletteOf(look);
  QLinearGradient fill(cell.topLeft(), cell.bottomLeft());
  fill.setColorAt(0, c.top);
  fill.setColorAt(1, c.bottom);
  p.fillRect(cell, fill);
  // Raised buttons catch the light on their top-left edges; a pressed one is sunk.
  const QRect edge = cell.adjusted(0, 0, -1, -1);
  const QColor light = look == Look::Pressed ? QColor(8, 20, 36) : QColor(120, 150, 200);
  const QColor dark = look == Look::Pressed ? QColor(90, 140, 180) : QColor(4, 8, 20);
  p.setPen(light);
  p.drawLine(edge.topLeft(), edge.topRight());
  p.drawLine(edge.topLeft(), edge.bottomLeft());
  p.setPen(dark);
  p.drawLine(edge.bottomLeft(), edge.bottomRight());
  p.drawLine(edge.topRight(), edge.bottomRight());

  const int shift = look == Look::Pressed ? 1 : 0;
  drawPictogram(p, button, QRectF(cell.center().x() - 10 + shift, cell.top() + 3 + shift, 22, 18), c);
  p.setPen(c.caption);
  // One weight for every look: a bold caption would need a third line on the narrow buttons.
  p.setFont(ui::fontByFace(u"Arial"_qs, 9));
  const QRect text(cell.left() + 1 + shift, cell.top() + 22 + shift, cell.width() - 2, 26);
  p.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, stripCaptions()[static_cast<size_t>(button)]);
}

QImage drawStrip(Look look) {
  QImage image(kStripImageWidth, kStripHeight, QImage::Format_RGB32);
  QPainter p(&image);
  // The filler: a plain vertical gradient, so that stretching it sideways shows no seam.
  const Palette c = paletteOf(Look::Normal);
  QLinearGradient filler(0, 0, 0, kStripHeight);
  filler.setColorAt(0, c.top.darker(112));
  filler.setColorAt(1, c.bottom);
  p.fillRect(image.rect(), filler);
  p.setPen(QColor(70, 100, 150));
  p.drawLine(0, 0, kStripImageWidth, 0);
  p.setPen(QColor(0, 0, 0));
  p.drawLine(0, kStripHeight - 1, kStripImageWidth, kStripHeight - 1);
  for (int i = 0; i < 9; ++i) drawButton(p, i, QRect(i * kButtonWidth, 0, kButtonWidth, kStripHeight), look);
  drawButton(p, kMainMenuButton, QRect(520, 0, 52, kStripHeight), look);
  drawButton(p, kToolsButton, QRect(572, 0, 58, kStripHeight), look);
  return image;
}

QImage drawShadow() {
  QImage image(kShadowWidth, kShadowHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  QLinearGradient shade(0, 0, kShadowWidth, 0);
  shade.setColorAt(0, QColor(0, 0, 0, 200));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(image.rect(), shade);
  return image;
}

}  // namespace

const std::array<QString, 11>& stripCaptions() {
  static const std::array<QString, 11> captions{
      u"Αλλαγή των υλικών"_qs, u"Δομές"_qs,   u"Στοιχεία και ενώσεις"_qs, u"Η χημεία στην πράξη"_qs, u"Πηγές"_qs,
      u"Ιστορία"_qs,           u"Έννοιες"_qs, u"Περιοδικός Πίνακας"_qs,   u"Αναλυτής δεδομένων"_qs,  u"Κύριο μενού"_qs,
      u"Εργαλεία"_qs};
  return captions;
}

const StripImages& stripImages() {
  static const StripImages images{drawStrip(Look::Pressed), drawStrip(Look::Hover), drawStrip(Look::Normal),
                                  drawShadow()};
  return images;
}

}  // namespace vantorel::host::view
