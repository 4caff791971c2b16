#include "tools/vantorel-data/pictures/AtomAndClips.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "tools/vantorel-data/pictures/Illustrations.h"
#include "tools/vantorel-data/pictures/Paint.h"

namespace vantorel::data {
namespace {

using namespace paint;
constexpr double kPi = 3.14159265358979;

}  // namespace

Canvas paintAtom(std::string_view symbol, const std::vector<int>& shells) {
  Sheet sheet(200, 200, 200, 200);
  auto& p = sheet.painter();
  verticalGradient(p, QRectF(0, 0, 200, 200), QColor(250, 250, 255), QColor(220, 228, 245));
  const int n = static_cast<int>(shells.size());
  const double step = n > 0 ? std::min(11.0, 66.0 / n) : 11;
  for (int s = 0; s < n; ++s) {
    const double r = 22 + step * (s + 1);
    p.setPen(QPen(QColor(120, 130, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(100, 96), r, r);
    const int count = std::max(shells[s], 0);
    for (int e = 0; e < count; ++e) {
      const double a = 2 * kPi * e / count - kPi / 2 + s * 0.3;
      ball(p, QPointF(100 + r * std::cos(a), 96 + r * std::sin(a)), 2.6, QColor(40, 90, 220));
    }
  }
  ball(p, QPointF(100, 96), 18, QColor(210, 60, 50));
  caption(p, QPointF(100, 96), QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size())), 15, Qt::white,
          true);
  QStringList counts;
  for (int s : shells) counts << QString::number(s);
  caption(p, QPointF(100, 189), counts.join(QStringLiteral(", ")), 12, QColor(30, 34, 48));
  p.setPen(QPen(QColor(90, 90, 110), 1));
  p.drawRect(QRectF(0.5, 0.5, 199, 199));
  return sheet.finish();
}

const std::vector<std::string>& clipNames() {
  static const std::vector<std::string> names = {"bubbles", "electrolysis", "orbits", "dissolve"};
  return names;
}

Canvas paintClipFrame(std::string_view name, int frame, int frames) {
  const double t = frames > 0 ? double(frame) / frames : 0;
  Sheet sheet(160, 120, 240, 180);
  auto& p = sheet.painter();
  if (name == "electrolysis") {
    paintIllustration(p, "electrolysis", false);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i) {
      // Hydrogen rises at the cathode twice as fast as oxygen at the anode.
      p.drawEllipse(QPointF(74, 150 - std::fmod(t * 120 + i * 11, 80)), 2.6, 2.6);
      if (i % 2 == 0) p.drawEllipse(QPointF(166, 150 - std::fmod(t * 60 + i * 11, 80)), 2.2, 2.2);
    }
  } else if (name == "orbits") {
    p.fillRect(QRectF(0, 0, 240, 180), QColor(10, 15, 40));
    const double radii[] = {34, 58, 80};
    const int count[] = {2, 8, 1};
    for (int s = 0; s < 3; ++s) {
      p.setPen(QPen(QColor(80, 90, 140), 1));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(120, 88), radii[s], radii[s]);
      for (int e = 0; e < count[s]; ++e) {
        const double a = 2 * kPi * (e / double(count[s]) + t * (3 - s) / 3.0);
        ball(p, QPointF(120 + radii[s] * std::cos(a), 88 + radii[s] * std::sin(a)), 4, QColor(90, 150, 250));
      }
    }
    ball(p, QPointF(120, 88), 18, QColor(210, 60, 50));
    caption(p, QPointF(120, 88), QStringLiteral("Na"), 15, Qt::white, true);
    caption(p, QPointF(40, 170), QStringLiteral("2, 8, 1"), 14, Qt::white);
  } else if (name == "dissolve") {
    verticalGradient(p, QRectF(0, 0, 240, 180), QColor(236, 241, 248), QColor(210, 220, 236));
    beaker(p, QRectF(40, 30, 160, 130), QColor(170, 210, 245), 0.8);
    const int left = static_cast<int>(9 * (1 - t));
    for (int i = 0; i < left; ++i) p.fillRect(QRectF(100 + (i % 3) * 11, 124 + (i / 3) * 11, 10, 10), Qt::white);
    for (int i = 0; i < 9 - left; ++i) {
      const double a = i * 2.1 + t * 3;
      ball(p, QPointF(120 + 60 * std::cos(a) * t, 110 + 26 * std::sin(a * 1.3) * t), 4,
           i % 2 ? QColor(60, 190, 70) : QColor(150, 90, 200));
    }
  } else {
    paintIllustration(p, "beaker", false);
    // A piece of zinc at the bottom gives off hydrogen.
    p.fillRect(QRectF(108, 146, 26, 12), QColor(150, 155, 165));
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 10; ++i)
      p.drawEllipse(QPointF(112 + (i * 17) % 20, 144 - std::fmod(t * 120 + i * 11, 64)), 2 + i % 2, 2 + i % 2);
  }
  return sheet.finish();
}

}  // namespace vantorel::data
