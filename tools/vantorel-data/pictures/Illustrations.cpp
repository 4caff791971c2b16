#include "tools/vantorel-data/pictures/Illustrations.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <map>

#include "tools/vantorel-data/pictures/Paint.h"

namespace vantorel::data {
namespace {

using namespace paint;
using Draw = void (*)(QPainter&, bool labels);

constexpr double kPi = 3.14159265358979;
const QColor kInk(30, 34, 48);

void drawFlame(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(20, 22, 45), QColor(60, 42, 32));
  p.setPen(QPen(QColor(180, 170, 140), 1));
  p.setBrush(QColor(240, 234, 208));
  p.drawRoundedRect(QRectF(104, 108, 32, 66), 3, 3);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(QPointF(120, 108), QPointF(120, 98));
  QRadialGradient glow(QPointF(120, 72), 60);
  glow.setColorAt(0, QColor(255, 200, 90, 120));
  glow.setColorAt(1, QColor(255, 200, 90, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(120, 72), 60, 60);
  QPainterPath flame;
  flame.moveTo(120, 22);
  flame.cubicTo(138, 52, 138, 92, 120, 100);
  flame.cubicTo(102, 92, 102, 52, 120, 22);
  QLinearGradient g(QPointF(120, 22), QPointF(120, 100));
  g.setColorAt(0, QColor(255, 250, 210));
  g.setColorAt(0.55, QColor(255, 190, 60));
  g.setColorAt(1, QColor(230, 90, 20));
  p.setBrush(g);
  p.drawPath(flame);
  p.setBrush(QColor(80, 120, 235));
  p.drawEllipse(QPointF(120, 92), 5, 8);
  if (!labels) return;
  arrow(p, QPointF(172, 38), QPointF(136, 58), QColor(250, 210, 130));
  label(p, QPointF(192, 30), QStringLiteral("φλόγα"), 12, QColor(200, 80, 20));
  arrow(p, QPointF(176, 150), QPointF(140, 140), QColor(220, 210, 180));
  label(p, QPointF(192, 156), QStringLiteral("κερί (παραφίνη)"), 11, QColor(90, 80, 60));
}

void drawBeaker(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(236, 241, 248), QColor(200, 210, 226));
  p.fillRect(QRectF(0, 160, 240, 20), QColor(150, 112, 72));
  beaker(p, QRectF(70, 52, 100, 108), QColor(70, 140, 220), 0.6);
  p.setPen(QPen(Qt::white, 1.2));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 14; ++i)
    p.drawEllipse(QPointF(86 + (i * 37) % 72, 152 - (i * 23) % 52), 1.5 + i % 3, 1.5 + i % 3);
  if (!labels) return;
  label(p, QPointF(120, 26), QStringLiteral("Ποτήρι ζέσεως"), 12);
  arrow(p, QPointF(204, 108), QPointF(166, 120), QColor(30, 70, 140));
  label(p, QPointF(210, 98), QStringLiteral("διάλυμα"), 11, QColor(30, 70, 140));
}

void drawLattice(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(246, 246, 251), QColor(214, 220, 236));
  // Rock salt: a face-centred cube of Cl⁻ with Na⁺ between; the chloride ion is the larger.
  const QPointF origin(62, 42), dx(34, 0), dy(0, 34), dz(15, -12);
  auto at = [&](int i, int j, int k) { return origin + dx * i + dy * j + dz * k; };
  p.setPen(QPen(QColor(120, 122, 145), 1));
  for (int k = 0; k < 3; ++k)
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) {
        if (i < 2) p.drawLine(at(i, j, k), at(i + 1, j, k));
        if (j < 2) p.drawLine(at(i, j, k), at(i, j + 1, k));
        if (k < 2) p.drawLine(at(i, j, k), at(i, j, k + 1));
      }
  for (int k = 2; k >= 0; --k)
    for (int j = 0; j < 3; ++j)
      for (int i = 0; i < 3; ++i) {
        const bool chloride = (i + j + k) % 2 == 0;
        ball(p, at(i, j, k), chloride ? 11 : 6.5, chloride ? QColor(60, 185, 72) : QColor(150, 92, 205));
      }
  if (!labels) return;
  ball(p, QPointF(28, 162), 6.5, QColor(150, 92, 205));
  label(p, QPointF(58, 162), QStringLiteral("Na^+"), 12, QColor(110, 50, 160), false);
  ball(p, QPointF(112, 162), 11, QColor(60, 185, 72));
  label(p, QPointF(144, 162), QStringLiteral("Cl^-"), 12, QColor(30, 120, 40), false);
  label(p, QPointF(200, 162), QStringLiteral("NaCl"), 12, kInk, false, true);
}

void drawRust(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(226, 231, 221), QColor(182, 192, 176));
  QPainterPath nail;
  nail.moveTo(30, 84);
  nail.lineTo(190, 84);
  nail.lineTo(216, 94);
  nail.lineTo(190, 104);
  nail.lineTo(30, 104);
  nail.closeSubpath();
  QLinearGradient metal(QPointF(0, 84), QPointF(0, 104));
  metal.setColorAt(0, QColor(190, 194, 200));
  metal.setColorAt(0.5, QColor(130, 135, 142));
  metal.setColorAt(1, QColor(95, 100, 108));
  p.setPen(Qt::NoPen);
  p.setBrush(metal);
  p.drawPath(nail);
  p.fillRect(QRectF(20, 72, 12, 44), QColor(120, 124, 130));
  for (int i = 0; i < 10; ++i) {
    p.setBrush(QColor(165, 78 + i * 4, 28, 220));
    p.drawEllipse(QPointF(50 + i * 15, 90 + (i % 3) * 4), 7 + i % 4, 5);
  }
  for (int i = 0; i < 4; ++i) ball(p, QPointF(64 + i * 38, 132), 5, QColor(110, 165, 230));
  if (!labels) return;
  label(p, QPointF(120, 30), QStringLiteral("σκουριά: Fe_2O_3·xH_2O"), 12, QColor(150, 60, 20));
  label(p, QPointF(120, 158), QStringLiteral("νερό + οξυγόνο του αέρα"), 11, QColor(40, 90, 160));
}

void drawMine(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 62), QColor(130, 180, 230), QColor(200, 225, 245));
  QPolygonF hill;
  hill << QPointF(0, 62) << QPointF(70, 20) << QPointF(140, 56) << QPointF(190, 30) << QPointF(240, 62)
       << QPointF(240, 180) << QPointF(0, 180);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(122, 96, 70));
  p.drawPolygon(hill);
  p.fillRect(QRectF(0, 100, 240, 26), QColor(100, 80, 60));
  p.fillRect(QRectF(0, 140, 240, 40), QColor(80, 65, 50));
  for (int i = 0; i < 12; ++i) {
    p.setBrush(QColor(205, 172, 62));
    p.drawEllipse(QPointF(16 + i * 19, 113 + (i % 2) * 4), 6, 3);
  }
  p.fillRect(QRectF(150, 58, 12, 58), QColor(60, 45, 30));
  p.fillRect(QRectF(150, 110, 72, 12), QColor(60, 45, 30));
  if (!labels) return;
  label(p, QPointF(76, 156), QStringLiteral("φλέβα μεταλλεύματος"), 11, QColor(120, 80, 10));
  label(p, QPointF(186, 92), QStringLiteral("στοά"), 11, QColor(40, 30, 20));
}

void drawFactory(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(150, 190, 230), QColor(232, 236, 242));
  p.fillRect(QRectF(0, 150, 240, 30), QColor(112, 142, 82));
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(40, 95, 150, 55), QColor(170, 82, 62));
  QPolygonF roof;
  roof << QPointF(40, 95) << QPointF(70, 75) << QPointF(70, 95) << QPointF(100, 75) << QPointF(100, 95)
       << QPointF(130, 75) << QPointF(130, 95);
  p.setBrush(QColor(150, 70, 50));
  p.drawPolygon(roof);
  p.fillRect(QRectF(150, 40, 14, 55), QColor(120, 60, 50));
  p.fillRect(QRectF(172, 55, 12, 40), QColor(120, 60, 50));
  for (int i = 0; i < 5; ++i) {
    p.setBrush(QColor(215 + i * 6, 215 + i * 6, 215 + i * 6, 220));
    p.drawEllipse(QPointF(160 + i * 12, 32 - i * 5), 8 + i * 2, 8 + i * 2);
  }
  for (int i = 0; i < 5; ++i) p.fillRect(QRectF(52 + i * 26, 112, 14, 14), QColor(250, 230, 150));
  if (!labels) return;
  label(p, QPointF(100, 164), QStringLiteral("χημική βιομηχανία"), 12, QColor(40, 60, 30));
}

void drawVolcano(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(60, 60, 92), QColor(202, 150, 120));
  QPolygonF mountain;
  mountain << QPointF(10, 170) << QPointF(100, 60) << QPointF(140, 60) << QPointF(230, 170);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(92, 72, 62));
  p.drawPolygon(mountain);
  QPolygonF lava;
  lava << QPointF(105, 62) << QPointF(135, 62) << QPointF(150, 120) << QPointF(128, 100) << QPointF(110, 130);
  p.setBrush(QColor(232, 92, 22));
  p.drawPolygon(lava);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(QColor(150, 150, 150, 210));
    p.drawEllipse(QPointF(120 + (i % 3 - 1) * 15, 45 - i * 6), 8 + i, 8 + i);
  }
  p.setBrush(QColor(240, 222, 40));
  p.drawEllipse(QPointF(60, 150), 14, 6);
  if (!labels) return;
  label(p, QPointF(60, 164), QStringLiteral("θείο"), 11, QColor(120, 100, 0));
  label(p, QPointF(196, 22), QStringLiteral("ηφαίστειο"), 12, kInk);
}

void drawElectrolysis(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(241, 245, 251), QColor(210, 218, 232));
  beaker(p, QRectF(50, 72, 140, 90), QColor(150, 200, 240), 0.78);
  p.fillRect(QRectF(80, 52, 8, 100), QColor(90, 90, 96));
  p.fillRect(QRectF(152, 52, 8, 100), QColor(90, 90, 96));
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(QPointF(84, 52), QPointF(84, 26));
  p.drawLine(QPointF(156, 52), QPointF(156, 26));
  p.drawLine(QPointF(84, 26), QPointF(105, 26));
  p.drawLine(QPointF(135, 26), QPointF(156, 26));
  p.fillRect(QRectF(105, 15, 30, 22), QColor(60, 60, 70));
  caption(p, QPointF(112, 26), QStringLiteral("−"), 12, Qt::white, true);
  caption(p, QPointF(128, 26), QStringLiteral("+"), 12, QColor(255, 120, 110), true);
  p.setPen(QPen(Qt::white, 1.2));
  p.setBrush(Qt::NoBrush);
  // Twice as much hydrogen at the cathode as oxygen at the anode.
  for (int i = 0; i < 10; ++i) p.drawEllipse(QPointF(74 - (i % 2) * 5, 146 - i * 7), 2.6, 2.6);
  for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(166 + (i % 2) * 4, 146 - i * 13), 2.2, 2.2);
  if (!labels) return;
  label(p, QPointF(40, 46), QStringLiteral("κάθοδος: H_2"), 11, QColor(40, 60, 160));
  label(p, QPointF(202, 46), QStringLiteral("άνοδος: O_2"), 11, QColor(160, 40, 40));
  label(p, QPointF(120, 170), QStringLiteral("ηλεκτρόλυση του νερού"), 11, kInk);
}

void drawDistillation(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(246, 246, 241), QColor(220, 220, 210));
  // Flask with liquid, thermometer, sloping condenser, receiving flask.
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(200, 225, 240, 120));
  p.drawEllipse(QPointF(55, 104), 28, 28);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 120, 160, 200));
  p.drawChord(QRectF(27, 76, 56, 56), 200 * 16, 140 * 16);
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(50, 77), QPointF(50, 52));
  p.drawLine(QPointF(60, 77), QPointF(60, 52));
  p.setPen(QPen(QColor(200, 40, 40), 2));
  p.drawLine(QPointF(55, 66), QPointF(55, 30));
  p.setPen(QPen(QColor(90, 150, 200), 10, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(75, 60), QPointF(178, 104));
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(QPointF(60, 56), QPointF(184, 110));
  QLinearGradient heat(QPointF(55, 140), QPointF(55, 172));
  heat.setColorAt(0, QColor(90, 130, 240));
  heat.setColorAt(1, QColor(240, 140, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(heat);
  p.drawEllipse(QPointF(55, 156), 8, 14);
  QPolygonF flask;
  flask << QPointF(170, 168) << QPointF(206, 168) << QPointF(192, 118) << QPointF(184, 118);
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(230, 240, 255));
  p.drawPolygon(flask);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 200, 220));
  p.drawRect(QRectF(175, 152, 26, 15));
  if (!labels) return;
  label(p, QPointF(120, 18), QStringLiteral("απόσταξη"), 12, kInk, true, true);
  label(p, QPointF(144, 62), QStringLiteral("ψυκτήρας"), 11, QColor(40, 90, 150));
  label(p, QPointF(92, 32), QStringLiteral("θερμόμετρο"), 10, QColor(160, 40, 40));
  label(p, QPointF(138, 156), QStringLiteral("απόσταγμα"), 10, kInk);
}

void drawPhScale(QPainter& p, bool labels) {
  p.fillRect(QRectF(0, 0, 240, 180), QColor(250, 250, 245));
  const QColor colours[15] = {{220, 30, 30},  {235, 70, 40},  {245, 120, 40}, {250, 170, 40}, {250, 210, 40},
                              {230, 230, 40}, {170, 210, 50}, {90, 180, 60},  {40, 160, 110}, {40, 140, 170},
                              {50, 110, 190}, {60, 80, 190},  {80, 60, 170},  {100, 50, 150}, {90, 40, 120}};
  const double w = 210.0 / 15;
  for (int i = 0; i < 15; ++i) {
    p.fillRect(QRectF(15 + i * w, 70, w + 0.5, 40), colours[i]);
    caption(p, QPointF(15 + i * w + w / 2, 120), QString::number(i), 9, kInk);
  }
  if (!labels) return;
  label(p, QPointF(46, 50), QStringLiteral("όξινο"), 12, QColor(200, 30, 30));
  label(p, QPointF(120, 50), QStringLiteral("ουδέτερο"), 12, QColor(60, 140, 60));
  label(p, QPointF(194, 50), QStringLiteral("βασικό"), 12, QColor(80, 50, 160));
  label(p, QPointF(120, 150), QStringLiteral("κλίμακα pH (25 °C)"), 12, kInk, true, true);
}

void bonds(QPainter& p, const std::vector<std::pair<QPointF, QPointF>>& lines) {
  p.setPen(QPen(QColor(120, 120, 124), 6, Qt::SolidLine, Qt::RoundCap));
  for (const auto& [a, b] : lines) p.drawLine(a, b);
}

void atomBall(QPainter& p, QPointF c, double r, const QColor& colour, const QString& symbol) {
  ball(p, c, r, colour);
  caption(p, c, symbol, r * 0.8, colour.lightness() > 160 ? kInk : QColor(Qt::white), true);
}

void drawWater(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(236, 245, 255), QColor(190, 215, 240));
  const QPointF o(120, 84), h1(64, 126), h2(176, 126);
  bonds(p, {{o, h1}, {o, h2}});
  atomBall(p, o, 28, QColor(220, 40, 40), QStringLiteral("O"));
  atomBall(p, h1, 18, QColor(236, 236, 236), QStringLiteral("H"));
  atomBall(p, h2, 18, QColor(236, 236, 236), QStringLiteral("H"));
  if (!labels) return;
  p.setPen(QPen(kInk, 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(90, 54, 60, 60), 216 * 16, 108 * 16);
  label(p, QPointF(120, 152), QStringLiteral("104,5°"), 12, kInk);
  label(p, QPointF(120, 20), QStringLiteral("μόριο νερού, H_2O"), 12, kInk, true, true);
}

void drawMethane(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(246, 246, 236), QColor(216, 216, 196));
  const QPointF c(120, 95), top(120, 38), left(66, 122), right(174, 122), front(136, 150);
  bonds(p, {{c, top}, {c, left}, {c, right}, {c, front}});
  atomBall(p, top, 15, QColor(236, 236, 236), QStringLiteral("H"));
  atomBall(p, left, 15, QColor(236, 236, 236), QStringLiteral("H"));
  atomBall(p, right, 15, QColor(236, 236, 236), QStringLiteral("H"));
  atomBall(p, c, 24, QColor(70, 70, 74), QStringLiteral("C"));
  atomBall(p, front, 15, QColor(236, 236, 236), QStringLiteral("H"));
  if (!labels) return;
  label(p, QPointF(120, 172), QStringLiteral("μεθάνιο, CH_4: τετράεδρο, 109,5°"), 11, kInk);
}

void drawPeriodic(QPainter& p, bool labels) {
  p.fillRect(QRectF(0, 0, 240, 180), QColor(250, 250, 250));
  const QColor s(230, 120, 110), d(240, 200, 110), pblock(140, 200, 140), f(200, 160, 220);
  auto cell = [&](int col, int row, const QColor& c) { p.fillRect(QRectF(12 + col * 12, 30 + row * 14, 11, 13), c); };
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 18; ++col) {
      if (row == 0 && col > 0 && col < 17) continue;
      if ((row == 1 || row == 2) && col > 1 && col < 12) continue;
      const bool helium = row == 0 && col == 17;
      cell(col, row, col < 2 || helium ? s : col < 12 ? d : pblock);
    }
  for (int row = 0; row < 2; ++row)
    for (int col = 2; col < 16; ++col) p.fillRect(QRectF(12 + col * 12, 136 + row * 14, 11, 13), f);
  if (!labels) return;
  caption(p, QPointF(24, 20), QStringLiteral("s"), 13, QColor(180, 60, 50), true);
  caption(p, QPointF(96, 20), QStringLiteral("d"), 13, QColor(170, 120, 20), true);
  caption(p, QPointF(192, 20), QStringLiteral("p"), 13, QColor(50, 130, 50), true);
  caption(p, QPointF(8, 150), QStringLiteral("f"), 13, QColor(130, 70, 160), true);
}

void drawScroll(QPainter& p, bool labels) {
  p.fillRect(QRectF(0, 0, 240, 180), QColor(92, 62, 42));
  verticalGradient(p, QRectF(30, 20, 180, 140), QColor(241, 226, 182), QColor(221, 196, 142));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 170, 120));
  p.drawEllipse(QPointF(30, 90), 8, 72);
  p.drawEllipse(QPointF(210, 90), 8, 72);
  const QColor brown(120, 60, 30);
  // Alchemical signs: gold (circle with a dot), fire (triangle), water (triangle downwards).
  p.setPen(QPen(brown, 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(78, 62), 16, 16);
  p.setBrush(brown);
  p.drawEllipse(QPointF(78, 62), 3, 3);
  QPolygonF fire, water;
  fire << QPointF(126, 46) << QPointF(144, 78) << QPointF(108, 78);
  water << QPointF(160, 46) << QPointF(196, 46) << QPointF(178, 78);
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(fire);
  p.drawPolygon(water);
  p.setPen(QPen(QColor(140, 100, 70), 1));
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(60, 100 + i * 12), QPointF(180 - i * 12, 100 + i * 12));
  if (!labels) return;
  label(p, QPointF(120, 146), QStringLiteral("αλχημεία"), 12, brown, false, true);
}

void drawStates(QPainter& p, bool labels) {
  p.fillRect(QRectF(0, 0, 240, 180), QColor(248, 248, 252));
  const QString names[] = {QStringLiteral("στερεό"), QStringLiteral("υγρό"), QStringLiteral("αέριο")};
  for (int b = 0; b < 3; ++b) {
    const double x = 12 + b * 77;
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, 40, 68, 90));
    for (int i = 0; i < 16; ++i) {
      double px, py;
      if (b == 0) {
        px = x + 13 + (i % 4) * 14;
        py = 78 + (i / 4) * 14;
      } else if (b == 1) {
        px = x + 11 + (i * 29) % 48;
        py = 84 + (i * 13) % 40;
      } else if (i < 7) {
        px = x + 9 + (i * 37) % 52;
        py = 50 + (i * 31) % 74;
      } else {
        continue;
      }
      ball(p, QPointF(px, py), 6, QColor(70, 120, 210));
    }
    if (labels) label(p, QPointF(x + 34, 146), names[b], 12, kInk, false);
  }
  if (labels) label(p, QPointF(120, 18), QStringLiteral("οι καταστάσεις της ύλης"), 12, kInk, false, true);
}

void drawGraph(QPainter& p, bool labels) {
  p.fillRect(QRectF(0, 0, 240, 180), Qt::white);
  p.setPen(QPen(QColor(226, 226, 236), 1));
  for (int i = 1; i < 8; ++i) p.drawLine(QPointF(34 + i * 24, 20), QPointF(34 + i * 24, 148));
  arrow(p, QPointF(34, 148), QPointF(224, 148), kInk, 1.5);
  arrow(p, QPointF(34, 148), QPointF(34, 14), kInk, 1.5);
  QPainterPath curve;
  curve.moveTo(34, 146);
  for (int i = 1; i <= 38; ++i) curve.lineTo(34 + i * 5, 146 - 118 * (1 - std::exp(-i / 9.0)));
  p.setPen(QPen(QColor(200, 50, 50), 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  if (!labels) return;
  caption(p, QPointF(130, 166), QStringLiteral("χρόνος"), 12, kInk);
  caption(p, QPointF(96, 12), QStringLiteral("ποσότητα προϊόντος"), 12, QColor(200, 50, 50));
}

void drawFireworks(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(5, 5, 26), QColor(30, 30, 72));
  struct Burst {
    QPointF at;
    QColor colour;
    const char* symbol;
  };
  // Flame colours: sodium yellow, strontium crimson, barium yellow-green, copper blue-green.
  const Burst bursts[] = {{{50, 58}, {250, 205, 40}, "Na"},
                          {{122, 42}, {230, 40, 50}, "Sr"},
                          {{192, 62}, {150, 230, 80}, "Ba"},
                          {{122, 114}, {40, 200, 200}, "Cu"}};
  for (const auto& b : bursts) {
    for (int k = 0; k < 16; ++k) {
      const double a = k * kPi / 8;
      const QPointF dir(std::cos(a), std::sin(a));
      p.setPen(QPen(b.colour, 1.5));
      p.drawLine(b.at + dir * 8, b.at + dir * 28);
      ball(p, b.at + dir * 30, 2, b.colour.lighter(140));
    }
    caption(p, b.at, QString::fromLatin1(b.symbol), 11, Qt::white, true);
  }
  if (labels) label(p, QPointF(120, 164), QStringLiteral("χρώματα φλόγας"), 12, QColor(250, 230, 150), false, true);
}

void drawEarth(QPainter& p, bool labels) {
  p.fillRect(QRectF(0, 0, 240, 180), QColor(10, 15, 40));
  const QPointF c(92, 96);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 110, 200));
  p.drawEllipse(c, 80, 80);
  // A quarter cut away shows the layers.
  p.setBrush(QColor(120, 90, 60));
  p.drawPie(QRectF(c.x() - 80, c.y() - 80, 160, 160), 0, 90 * 16);
  p.setBrush(QColor(212, 112, 42));
  p.drawPie(QRectF(c.x() - 74, c.y() - 74, 148, 148), 0, 90 * 16);
  p.setBrush(QColor(240, 180, 52));
  p.drawPie(QRectF(c.x() - 40, c.y() - 40, 80, 80), 0, 90 * 16);
  p.setBrush(QColor(255, 240, 182));
  p.drawPie(QRectF(c.x() - 20, c.y() - 20, 40, 40), 0, 90 * 16);
  if (!labels) return;
  p.setPen(QPen(Qt::white, 1));
  p.drawLine(QPointF(180, 30), QPointF(150, 42));
  p.drawLine(QPointF(180, 62), QPointF(140, 70));
  p.drawLine(QPointF(180, 94), QPointF(120, 86));
  p.drawLine(QPointF(180, 126), QPointF(104, 92));
  label(p, QPointF(206, 30), QStringLiteral("φλοιός"), 11, kInk);
  label(p, QPointF(206, 62), QStringLiteral("μανδύας"), 11, kInk);
  label(p, QPointF(206, 94), QStringLiteral("εξωτερικός"), 10, kInk);
  label(p, QPointF(206, 107), QStringLiteral("πυρήνας"), 10, kInk);
  label(p, QPointF(206, 126), QStringLiteral("εσωτερικός"), 10, kInk);
  label(p, QPointF(206, 139), QStringLiteral("πυρήνας"), 10, kInk);
}

void drawSaltPans(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 70), QColor(120, 170, 230), QColor(220, 235, 250));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 230, 120));
  p.drawEllipse(QPointF(200, 30), 14, 14);
  verticalGradient(p, QRectF(0, 70, 240, 110), QColor(50, 120, 180), QColor(30, 80, 140));
  for (int i = 0; i < 3; ++i) {
    const double t = i / 2.0;
    p.setPen(QPen(QColor(160, 140, 110), 2));
    p.setBrush(QColor(static_cast<int>(90 + 150 * t), static_cast<int>(160 + 80 * t), static_cast<int>(200 + 40 * t)));
    p.drawRect(QRectF(20 + i * 72, 100, 60, 40));
  }
  QPolygonF heap;
  heap << QPointF(170, 98) << QPointF(190, 74) << QPointF(210, 98);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 250, 250));
  p.drawPolygon(heap);
  if (!labels) return;
  label(p, QPointF(120, 160), QStringLiteral("αλυκή: το νερό εξατμίζεται, το αλάτι μένει"), 10, kInk);
}

void drawBalance(QPainter& p, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(246, 241, 231), QColor(216, 206, 186));
  const QColor wood(120, 100, 60);
  p.fillRect(QRectF(115, 40, 10, 110), wood);
  p.fillRect(QRectF(80, 150, 80, 10), wood);
  p.setPen(QPen(wood, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(40, 50), QPointF(200, 50));
  for (double side : {40.0, 200.0}) {
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(side, 50), QPointF(side - 25, 100));
    p.drawLine(QPointF(side, 50), QPointF(side + 25, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(182, 150, 80));
    p.drawEllipse(QPointF(side, 102), 30, 6);
  }
  beaker(p, QRectF(28, 76, 22, 24), QColor(220, 90, 90), 0.6);
  beaker(p, QRectF(190, 76, 22, 24), QColor(90, 90, 220), 0.6);
  if (!labels) return;
  label(p, QPointF(120, 20), QStringLiteral("διατήρηση της μάζας"), 12, kInk, true, true);
  label(p, QPointF(40, 128), QStringLiteral("αντιδρώντα"), 10, kInk);
  label(p, QPointF(200, 128), QStringLiteral("προϊόντα"), 10, kInk);
}

// ---------------------------------------------------------------- crystal systems

struct CrystalShape {
  const char* title;
  const char* axes;    // lengths of the axes
  const char* angles;  // angles between them
  // The three edge vectors of the cell in the picture (x right, y down).
  QPointF a, b, c;
  bool hexagonal = false;
  QColor colour;
};

void drawCrystal(QPainter& p, const CrystalShape& s, bool labels) {
  verticalGradient(p, QRectF(0, 0, 240, 180), QColor(247, 247, 252), QColor(214, 220, 236));
  // The cell's centre on the middle of the picture, a little above it when there are labels.
  const QPointF middle(120, labels ? 88 : 90);
  const QPointF o = s.hexagonal ? middle - s.c * 0.5 : middle - (s.a + s.b + s.c) * 0.5;
  QColor face = s.colour;
  auto polygon = [&](const QPolygonF& poly, int shade) {
    p.setBrush(shade == 0 ? face : shade == 1 ? face.lighter(125) : face.darker(125));
    p.setPen(QPen(face.darker(200), 1.5, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.drawPolygon(poly);
  };
  if (s.hexagonal) {
    // A hexagonal prism: the bottom and top hexagons seen from above at a slant.
    QPolygonF bottom, top;
    for (int i = 0; i < 6; ++i) {
      const double a = kPi / 3 * i;
      const QPointF v(std::cos(a) * 46, std::sin(a) * 16);
      bottom << o + v;
      top << o + v + s.c;
    }
    for (int i = 0; i < 6; ++i) {
      const int j = (i + 1) % 6;
      if (std::sin(kPi / 3 * i + kPi / 6) > 0)
        polygon(QPolygonF() << bottom[i] << bottom[j] << top[j] << top[i], i % 2 ? 0 : 2);
    }
    polygon(top, 1);
  } else {
    const QPointF a = s.a, b = s.b, c = s.c;
    polygon(QPolygonF() << o << o + a << o + a + c << o + c, 0);                  // front
    polygon(QPolygonF() << o + a << o + a + b << o + a + b + c << o + a + c, 2);  // side
    polygon(QPolygonF() << o + c << o + a + c << o + a + b + c << o + b + c, 1);  // top
    if (labels) {
      p.setPen(QPen(QColor(180, 40, 40), 1.2, Qt::DashLine));
      p.drawLine(o, o + b);
      caption(p, o + a * 0.5 + QPointF(0, 10), QStringLiteral("a"), 12, QColor(180, 40, 40), true);
      caption(p, o + a + b * 0.5 + QPointF(10, 4), QStringLiteral("b"), 12, QColor(180, 40, 40), true);
      caption(p, o + c * 0.5 + QPointF(-10, 0), QStringLiteral("c"), 12, QColor(180, 40, 40), true);
    }
  }
  if (!labels) return;
  label(p, QPointF(120, 16), QString::fromUtf8(s.title), 12, kInk, true, true);
  label(p, QPointF(120, 158), QString::fromUtf8(s.axes), 11, kInk, false);
  label(p, QPointF(120, 172), QString::fromUtf8(s.angles), 11, kInk, false);
}

const std::map<std::string, CrystalShape, std::less<>>& crystals() {
  static const std::map<std::string, CrystalShape, std::less<>> shapes = {
      {"crystal-cubic",
       {"Κυβικό σύστημα", "a = b = c", "όλες οι γωνίες 90°", {64, 0}, {26, -20}, {0, -64}, false, {120, 170, 220}}},
      {"crystal-tetragonal",
       {"Τετραγωνικό σύστημα",
        "a = b ≠ c",
        "όλες οι γωνίες 90°",
        {50, 0},
        {22, -17},
        {0, -86},
        false,
        {150, 200, 140}}},
      {"crystal-orthorhombic",
       {"Ορθορομβικό σύστημα",
        "a ≠ b ≠ c",
        "όλες οι γωνίες 90°",
        {72, 0},
        {16, -12},
        {0, -54},
        false,
        {220, 190, 120}}},
      {"crystal-monoclinic",
       {"Μονοκλινές σύστημα",
        "a ≠ b ≠ c",
        "δύο γωνίες 90°, η τρίτη όχι",
        {70, 0},
        {18, -14},
        {20, -62},
        false,
        {200, 150, 200}}},
      {"crystal-triclinic",
       {"Τρικλινές σύστημα", "a ≠ b ≠ c", "καμία γωνία 90°", {66, 8}, {20, -14}, {18, -60}, false, {230, 160, 130}}},
      {"crystal-trigonal",
       {"Τριγωνικό σύστημα",
        "a = b = c (ρομβόεδρο)",
        "ίσες γωνίες, όχι 90°",
        {56, 14},
        {30, -20},
        {24, -56},
        false,
        {170, 210, 220}}},
      {"crystal-hexagonal",
       {"Εξαγωνικό σύστημα", "a = b ≠ c", "γωνίες 90° και 120°", {0, 0}, {0, 0}, {0, -70}, true, {160, 190, 230}}},
  };
  return shapes;
}

const std::map<std::string, Draw, std::less<>>& drawings() {
  static const std::map<std::string, Draw, std::less<>> list = {{"flame", drawFlame},
                                                                {"beaker", drawBeaker},
                                                                {"lattice", drawLattice},
                                                                {"rust", drawRust},
                                                                {"mine", drawMine},
                                                                {"factory", drawFactory},
                                                                {"volcano", drawVolcano},
                                                                {"electrolysis", drawElectrolysis},
                                                                {"distillation", drawDistillation},
                                                                {"phscale", drawPhScale},
                                                                {"water", drawWater},
                                                                {"methane", drawMethane},
                                                                {"periodic", drawPeriodic},
                                                                {"scroll", drawScroll},
                                                                {"states", drawStates},
                                                                {"graph", drawGraph},
                                                                {"fireworks", drawFireworks},
                                                                {"earth", drawEarth},
                                                                {"saltpans", drawSaltPans},
                                                                {"balance", drawBalance}};
  return list;
}

}  // namespace

std::vector<std::string> illustrationNames() {
  std::vector<std::string> names;
  for (const auto& [name, draw] : drawings()) names.push_back(name);
  for (const auto& [name, shape] : crystals()) names.push_back(name);
  return names;
}

bool paintIllustration(QPainter& p, std::string_view name, bool labels) {
  if (auto it = drawings().find(name); it != drawings().end()) {
    it->second(p, labels);
    return true;
  }
  if (auto it = crystals().find(name); it != crystals().end()) {
    drawCrystal(p, it->second, labels);
    return true;
  }
  return false;
}

}  // namespace vantorel::data
