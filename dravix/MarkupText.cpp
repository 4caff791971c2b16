#include "dravix/MarkupText.h"

#include <QFontMetrics>
#include <QPainter>

#include "dravix/core/Markup.h"

namespace vantorel::dravix {
namespace {

std::u16string_view view(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

}  // namespace

void drawMarkup(QPainter& p, const QRect& rect, const QString& text, const MarkupFonts& fonts, const QColor& colour) {
  const QFontMetrics normal(fonts.normal);
  const QFontMetrics small(fonts.small);
  const int top = rect.top() + (rect.height() - normal.height()) / 2;
  int x = rect.left();
  p.save();
  p.setClipRect(rect, Qt::IntersectClip);
  p.setPen(colour);
  for (const MarkupRun& run : markupRuns(view(text))) {
    if (x > rect.right()) break;
    const QString part = text.mid(static_cast<qsizetype>(run.begin), static_cast<qsizetype>(run.length));
    if (run.kind == MarkupRun::Kind::Normal) {
      p.setFont(fonts.normal);
      p.drawText(x, top + normal.ascent(), part);
      x += normal.horizontalAdvance(part);
    } else {
      const int shift = run.kind == MarkupRun::Kind::Subscript ? 4 : -1;
      p.setFont(fonts.small);
      p.drawText(x, top + shift + small.ascent(), part);
      x += small.horizontalAdvance(part);
    }
  }
  p.restore();
}

int markupWidth(const QString& text, const MarkupFonts& fonts) {
  const QFontMetrics normal(fonts.normal);
  const QFontMetrics small(fonts.small);
  int width = 0;
  for (const MarkupRun& run : markupRuns(view(text))) {
    const QString part = text.mid(static_cast<qsizetype>(run.begin), static_cast<qsizetype>(run.length));
    width += run.kind == MarkupRun::Kind::Normal ? normal.horizontalAdvance(part) : small.horizontalAdvance(part);
  }
  return width;
}

QString captionText(const QString& caption) {
  return caption.startsWith(u'W') ? u' ' + caption : caption;
}

}  // namespace vantorel::dravix
