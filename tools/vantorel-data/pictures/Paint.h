#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "tools/vantorel-data/core/Raster.h"

// What the drawings of the disc share: the fonts, labels with chemical formulas, shaded balls,
// glassware, and the hand-over of a painted image to the compiler's pixel buffer.
namespace vantorel::data::paint {

// "Arial" (the program's face; fontconfig gives Liberation Sans) at a pixel size.
[[nodiscard]] QFont font(double pixels, bool bold = false);

// Text with chemical markup: "H_2O" writes the 2 lowered and small, "Na^+" the + raised; a
// minus after ^ is drawn as a true minus sign. Returns the width drawn.
double formula(QPainter& p, QPointF baselineLeft, const QString& text, const QFont& f, const QColor& colour);
[[nodiscard]] double formulaWidth(const QString& text, const QFont& f);

// A label centred on `centre` (its middle), on a pale rounded plate so it reads on any background.
void label(QPainter& p, QPointF centre, const QString& text, double pixels = 11, const QColor& ink = QColor(30, 34, 48),
           bool plate = true, bool bold = false);
// A label without a plate.
void caption(QPainter& p, QPointF centre, const QString& text, double pixels, const QColor& ink, bool bold = false);

// A ball lit from the upper left.
void ball(QPainter& p, QPointF centre, double radius, const QColor& colour);
void verticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
// A beaker seen from the side, with its liquid up to `level` (0-1) and scale marks.
void beaker(QPainter& p, const QRectF& r, const QColor& liquid, double level);
// An arrow from a to b with a filled head.
void arrow(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width = 1.5);

// A painter on a fresh image of the size asked, with the drawing's own coordinates mapped onto it
// (design width x design height, kept in proportion and centred), antialiased.
class Sheet {
 public:
  Sheet(int width, int height, double designWidth, double designHeight, const QColor& fill = Qt::white);
  QPainter& painter() { return painter_; }
  // Ends the painting and gives the pixels.
  [[nodiscard]] Canvas finish();

 private:
  QImage image_;
  QPainter painter_;
};

[[nodiscard]] Canvas toCanvas(const QImage& image);

}  // namespace vantorel::data::paint
