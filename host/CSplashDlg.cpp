#include "host/CSplashDlg.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "platform/ui/Graphics.h"

namespace vantorel::host {
namespace {

// Colours of the element families on the picture's small periodic table.
QColor familyColour(int row, int column) {
  if (column == 0) return row == 0 ? QColor(120, 200, 255) : QColor(255, 120, 100);  // H, alkali metals
  if (column == 1) return QColor(255, 190, 90);                                      // alkaline earths
  if (column >= 2 && column <= 11) return QColor(240, 220, 120);                     // transition metals
  if (column == 17) return QColor(190, 140, 255);                                    // noble gases
  if (column == 16) return QColor(130, 230, 170);                                    // halogens
  const int staircase = column - 11;                                                 // metalloids along the diagonal
  if (staircase == row) return QColor(180, 220, 110);
  return staircase > row ? QColor(120, 200, 255) : QColor(200, 200, 210);
}

bool hasCell(int row, int column) {
  if (row == 0) return column == 0 || column == 17;
  if (row <= 2) return column <= 1 || column >= 12;
  return true;
}

void drawAtom(QPainter& p, QPointF centre, double radius, QColor colour) {
  QRadialGradient g(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
  g.setColorAt(0, colour.lighter(170));
  g.setColorAt(0.5, colour);
  g.setColorAt(1, colour.darker(220));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
}

}  // namespace

QImage CSplashDlg::titlePicture() {
  QImage image(640, 480, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient sky(0, 0, 0, 480);
  sky.setColorAt(0, QColor(10, 28, 70));
  sky.setColorAt(0.6, QColor(18, 60, 120));
  sky.setColorAt(1, QColor(6, 18, 44));
  p.fillRect(image.rect(), sky);

  // A faint hexagonal lattice behind everything.
  p.setPen(QPen(QColor(255, 255, 255, 18), 1));
  for (int y = -20; y < 500; y += 36) {
    for (int x = -20; x < 680; x += 42) {
      const double ox = x + ((y / 36) % 2) * 21;
      QPolygonF hex;
      for (int k = 0; k < 6; ++k) hex << QPointF(ox + 14 * std::cos(k * M_PI / 3), y + 14 * std::sin(k * M_PI / 3));
      p.drawPolygon(hex);
    }
  }

  // The periodic table, small, lower right.
  const double cell = 14, gap = 2, left = 318, top = 270;
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 18; ++column) {
      if (!hasCell(row, column)) continue;
      const QRectF r(left + column * (cell + gap), top + row * (cell + gap), cell, cell);
      p.setPen(Qt::NoPen);
      p.setBrush(familyColour(row, column));
      p.drawRoundedRect(r, 2.5, 2.5);
    }
  }
  for (int row = 0; row < 2; ++row) {
    for (int column = 2; column < 16; ++column) {
      const QRectF r(left + (column + 0.5) * (cell + gap), top + (7.4 + row) * (cell + gap), cell, cell);
      p.setBrush(row == 0 ? QColor(255, 160, 200) : QColor(240, 130, 170));
      p.drawRoundedRect(r, 2.5, 2.5);
    }
  }

  // A water molecule and a carbon dioxide molecule, left.
  p.setPen(QPen(QColor(230, 230, 240), 7, Qt::SolidLine, Qt::RoundCap));
  const QPointF o(140, 300), h1(92, 350), h2(192, 352);
  p.drawLine(o, h1);
  p.drawLine(o, h2);
  drawAtom(p, o, 34, QColor(220, 40, 40));
  drawAtom(p, h1, 20, QColor(235, 235, 240));
  drawAtom(p, h2, 20, QColor(235, 235, 240));
  p.setPen(QPen(QColor(230, 230, 240), 5, Qt::SolidLine, Qt::RoundCap));
  const QPointF c(120, 420), oa(72, 420), ob(168, 420);
  p.drawLine(oa, ob);
  drawAtom(p, c, 18, QColor(60, 60, 66));
  drawAtom(p, oa, 16, QColor(220, 40, 40));
  drawAtom(p, ob, 16, QColor(220, 40, 40));

  // Title and subtitle.
  QFont title = ui::fontByFace(u"Arial"_qs, 78, true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(QRect(4, 64, 640, 100), Qt::AlignHCenter | Qt::AlignVCenter, u"Vantorel"_qs);
  QLinearGradient gold(0, 70, 0, 160);
  gold.setColorAt(0, QColor(255, 245, 200));
  gold.setColorAt(1, QColor(255, 190, 60));
  p.setPen(QPen(QBrush(gold), 1));
  p.drawText(QRect(0, 60, 640, 100), Qt::AlignHCenter | Qt::AlignVCenter, u"Vantorel"_qs);
  p.setFont(ui::fontByFace(u"Arial"_qs, 24));
  p.setPen(QColor(220, 235, 255));
  p.drawText(QRect(0, 160, 640, 36), Qt::AlignHCenter | Qt::AlignVCenter, u"Διαδραστική Χημεία για το Σχολείο"_qs);
  p.setPen(QPen(QColor(255, 200, 90, 160), 2));
  p.drawLine(QPointF(170, 204), QPointF(470, 204));
  p.setFont(ui::fontByFace(u"Arial"_qs, 13));
  p.setPen(QColor(170, 190, 220));
  p.drawText(QRect(0, 446, 624, 24), Qt::AlignRight | Qt::AlignVCenter, u"Ostrevan Edition"_qs);
  return image;
}

CSplashDlg::CSplashDlg(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), picture_(titlePicture()) {
  setFixedSize(644, 484);
}

void CSplashDlg::showCentred(const QSize& screen) {
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
  show();
  repaint();
  QCoreApplication::processEvents();
}

void CSplashDlg::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.drawImage(QPoint(0, 0), picture_);
}

}  // namespace vantorel::host
