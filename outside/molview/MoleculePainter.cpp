#include "outside/molview/MoleculePainter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace vantorel::molview {
namespace {

QColor towardsWhite(const QColor& c, double amount) {
  return QColor::fromRgbF(static_cast<float>(c.redF() + (1 - c.redF()) * amount),
                          static_cast<float>(c.greenF() + (1 - c.greenF()) * amount),
                          static_cast<float>(c.blueF() + (1 - c.blueF()) * amount));
}

QColor scaled(const QColor& c, double factor) {
  return QColor::fromRgbF(static_cast<float>(c.redF() * factor), static_cast<float>(c.greenF() * factor),
                          static_cast<float>(c.blueF() * factor));
}

}  // namespace

QColor itemColour(uint32_t rgb, double light) {
  const QColor c(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                 static_cast<int>(rgb & 0xFF));
  return scaled(c, std::clamp(light, 0.0, 1.0));
}

void MoleculePainter::paint(QPainter& painter, const Model& model, const Scene& scene, const QFont& labelFont) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(labelFont);
  for (const SceneItem& item : scene.items) {
    switch (item.kind) {
      // Flat sticks join their joints without a seam: neither has an outline.
      case ItemKind::Sphere: sphere(painter, item, scene.shaded, scene.style != Style::Sticks); break;
      case ItemKind::Stick: stick(painter, item, scene.shaded); break;
      case ItemKind::Line: line(painter, item); break;
      case ItemKind::Label:
        label(painter, item, QString::fromStdString(model.atoms()[static_cast<size_t>(item.atom)].label));
        break;
    }
  }
  painter.restore();
}

void MoleculePainter::sphere(QPainter& p, const SceneItem& item, bool shaded, bool outlined) const {
  const QColor base = itemColour(item.colour, item.light);
  const QPointF centre(item.x1, item.y1);
  const double r = std::max(item.r1, 0.5);
  if (!shaded) {
    if (outlined) {
      p.setPen(QPen(scaled(base, 0.45), std::clamp(r * 0.12, 1.0, 2.0)));
    } else {
      p.setPen(Qt::NoPen);
    }
    p.setBrush(base);
    p.drawEllipse(centre, r, r);
    return;
  }
  // Light from the upper left and in front: a bright spot off the centre, darker towards the rim.
  QRadialGradient g(centre, r, centre + QPointF(-0.38 * r, -0.42 * r));
  g.setColorAt(0.0, towardsWhite(base, 0.85));
  g.setColorAt(0.22, towardsWhite(base, 0.3));
  g.setColorAt(0.62, base);
  g.setColorAt(1.0, scaled(base, 0.28));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, r, r);
}

void MoleculePainter::stick(QPainter& p, const SceneItem& item, bool shaded) const {
  const QPointF a(item.x1, item.y1), b(item.x2, item.y2);
  const QPointF d = b - a;
  const double length = std::hypot(d.x(), d.y());
  const double r1 = std::max(item.r1, 0.5), r2 = std::max(item.r2, 0.5);
  const QColor base = itemColour(item.colour, item.light);
  if (length < 1e-3) {
    // Seen end-on: only the round face shows.
    SceneItem face = item;
    face.r1 = std::max(r1, r2);
    sphere(p, face, shaded, false);
    return;
  }
  // The side of the cylinder that faces the upper left catches the light.
  QPointF across(-d.y() / length, d.x() / length);
  if (across.x() + across.y() > 0) across = -across;
  const QPolygonF body({a + across * r1, b + across * r2, b - across * r2, a - across * r1});
  if (!shaded) {
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawPolygon(body);
    return;
  }
  const double r = std::max(r1, r2);
  const QPointF middle = (a + b) / 2;
  QLinearGradient g(middle + across * r, middle - across * r);
  g.setColorAt(0.0, scaled(base, 0.7));
  g.setColorAt(0.28, towardsWhite(base, 0.55));
  g.setColorAt(0.55, base);
  g.setColorAt(1.0, scaled(base, 0.25));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPolygon(body);
}

void MoleculePainter::line(QPainter& p, const SceneItem& item) const {
  p.setPen(QPen(itemColour(item.colour, item.light), item.r1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2));
}

void MoleculePainter::label(QPainter& p, const SceneItem& item, const QString& text) const {
  const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
  const QImage& image = labelImage(text, p.font(), ratio);
  const QSizeF size = QSizeF(image.size()) / ratio;
  p.drawImage(QPointF(std::round(item.x1 - size.width() / 2), std::round(item.y1 - size.height() / 2)), image);
}

const QImage& MoleculePainter::labelImage(const QString& text, const QFont& font, qreal pixelRatio) const {
  if (font != labelsFont_ || pixelRatio != labelsRatio_) {
    labels_.clear();
    labelsFont_ = font;
    labelsRatio_ = pixelRatio;
  }
  auto it = labels_.find(text);
  if (it != labels_.end()) return *it;
  const QFontMetricsF metrics(font);
  const QSize size(static_cast<int>(std::ceil(metrics.horizontalAdvance(text))) + 4,
                   static_cast<int>(std::ceil(metrics.ascent() + metrics.descent())) + 4);
  QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  const QPointF origin(2, 2 + metrics.ascent());
  // A dark rim keeps white letters readable on white hydrogen and on light backgrounds.
  p.setPen(QColor(0, 0, 0, 230));
  for (const QPointF off : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1), QPointF(1, 1)})
    p.drawText(origin + off, text);
  p.setPen(QColor(255, 255, 255));
  p.drawText(origin, text);
  p.end();
  return *labels_.insert(text, image);
}

}  // namespace vantorel::molview
