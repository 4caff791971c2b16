#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QRect;

// Captions and values with "[..]" subscripts and "{..}" superscripts, drawn left to right: a
// subscript in the small font 4 pixels lower, a superscript 1 pixel higher; the marks themselves
// are not drawn. No prefix processing: "&" is an ordinary character.
namespace vantorel::dravix {

struct MarkupFonts {
  QFont normal;
  QFont small;
};

// Draws `text` from the left of `rect`, vertically centred in it, clipped to it.
void drawMarkup(QPainter& p, const QRect& rect, const QString& text, const MarkupFonts& fonts, const QColor& colour);
// The width the text takes when drawn.
[[nodiscard]] int markupWidth(const QString& text, const MarkupFonts& fonts);
// A caption as the lists and the header draw it: one leading space before a "W".
[[nodiscard]] QString captionText(const QString& caption);

}  // namespace vantorel::dravix
