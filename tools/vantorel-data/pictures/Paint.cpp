#include "tools/vantorel-data/pictures/Paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace vantorel::data::paint {

QFont font(double pixels, bool bold) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

namespace {

struct Run {
  QString text;
  int shift = 0;  // -1 lowered, +1 raised
};

std::vector<Run> runs(const QString& text) {
  std::vector<Run> out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if ((c == u'_' || c == u'^') && i + 1 < text.size()) {
      const int shift = c == u'_' ? -1 : 1;
      QString part;
      qsizetype j = i + 1;
      while (j < text.size() && (text[j].isDigit() || text[j] == u'+' || (shift > 0 && text[j] == u'-'))) {
        part += text[j] == u'-' ? QChar(0x2212) : text[j];
        ++j;
      }
      if (!part.isEmpty()) {
        out.push_back({part, shift});
        i = j - 1;
        continue;
      }
    }
    if (out.empty() || out.back().shift != 0) out.push_back({QString(), 0});
    out.back().text += c;
  }
  return out;
}

QFont smaller(const QFont& f) {
  QFont s = f;
  s.setPixelSize(std::max(1, f.pixelSize() * 7 / 10));
  return s;
}

}  // namespace

double formulaWidth(const QString& text, const QFont& f) {
  double w = 0;
  for (const auto& r : runs(text)) w += QFontMetricsF(r.shift ? smaller(f) : f).horizontalAdvance(r.text);
  return w;
}

double formula(QPainter& p, QPointF at, const QString& text, const QFont& f, const QColor& colour) {
  p.save();
  p.setPen(colour);
  double x = at.x();
  for (const auto& r : runs(text)) {
    const QFont used = r.shift ? smaller(f) : f;
    p.setFont(used);
    const double dy = r.shift < 0 ? f.pixelSize() * 0.25 : r.shift > 0 ? -f.pixelSize() * 0.4 : 0;
    p.drawText(QPointF(x, at.y() + dy), r.text);
    x += QFontMetricsF(used).horizontalAdvance(r.text);
  }
  p.restore();
  return x - at.x();
}

void caption(QPainter& p, QPointF centre, const QString& text, double pixels, const QColor& ink, bool bold) {
  const QFont f = font(pixels, bold);
  const QFontMetricsF m(f);
  const double w = formulaWidth(text, f);
  formula(p, QPointF(centre.x() - w / 2, centre.y() + (m.ascent() - m.descent()) / 2), text, f, ink);
}

void label(QPainter& p, QPointF centre, const QString& text, double pixels, const QColor& ink, bool plate, bool bold) {
  if (plate) {
    const QFont f = font(pixels, bold);
    const QFontMetricsF m(f);
    const double w = formulaWidth(text, f) + pixels * 0.8, h = m.height() + pixels * 0.2;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(centre.x() - w / 2, centre.y() - h / 2, w, h), h / 3, h / 3);
    p.restore();
  }
  caption(p, centre, text, pixels, ink, bold);
}

void ball(QPainter& p, QPointF c, double r, const QColor& colour) {
  QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.35), r * 1.3);
  g.setColorAt(0, colour.lighter(190));
  g.setColorAt(0.45, colour);
  g.setColorAt(1, colour.darker(170));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r, r);
  p.restore();
}

void verticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(r, g);
}

void beaker(QPainter& p, const QRectF& r, const QColor& liquid, double level) {
  p.save();
  const double top = r.bottom() - r.height() * level;
  QColor l = liquid;
  l.setAlpha(190);
  p.setPen(Qt::NoPen);
  p.setBrush(l);
  p.drawRect(QRectF(r.left(), top, r.width(), r.bottom() - top));
  p.setBrush(QColor(255, 255, 255, 60));
  p.drawRect(QRectF(r.left() + r.width() * 0.08, r.top(), r.width() * 0.08, r.height()));
  QPen glass(QColor(40, 50, 70), 2);
  glass.setJoinStyle(Qt::RoundJoin);
  p.setPen(glass);
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(r.left() - 4, r.top());
  path.lineTo(r.left(), r.top() + 4);
  path.lineTo(r.left(), r.bottom());
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.right(), r.top());
  p.drawPath(path);
  p.setPen(QPen(QColor(40, 50, 70), 1));
  for (int i = 1; i <= 4; ++i) {
    const double y = r.bottom() - r.height() * i / 5.0;
    p.drawLine(QPointF(r.right() - 10, y), QPointF(r.right() - 2, y));
  }
  p.restore();
}

void arrow(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width) {
  p.save();
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  const double angle = std::atan2(b.y() - a.y(), b.x() - a.x());
  const double s = 4 + width * 2;
  QPolygonF head;
  head << b << b - QPointF(std::cos(angle - 0.45) * s, std::sin(angle - 0.45) * s)
       << b - QPointF(std::cos(angle + 0.45) * s, std::sin(angle + 0.45) * s);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(head);
  p.restore();
}

Sheet::Sheet(int width, int height, double designWidth, double designHeight, const QColor& fill)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
  image_.fill(fill);
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
  const double scale = std::min(width / designWidth, height / designHeight);
  painter_.translate((width - designWidth * scale) / 2, (height - designHeight * scale) / 2);
  painter_.scale(scale, scale);
}

Canvas Sheet::finish() {
  painter_.end();
  return toCanvas(image_);
}

Canvas toCanvas(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  Canvas c(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      c.set(x, y,
            {static_cast<uint8_t>(qRed(line[x])), static_cast<uint8_t>(qGreen(line[x])),
             static_cast<uint8_t>(qBlue(line[x]))});
  }
  return c;
}

}  // namespace vantorel::data::paint
