#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

// Property captions carry a little markup: "{...}" is written as a subscript, so that
// "A{r}" shows the relative atomic mass symbol, A with a small r below the line.
namespace vantorel::tabrel {

struct CaptionRun {
  QString text;
  bool subscript = false;
  friend bool operator==(const CaptionRun&, const CaptionRun&) = default;
};

// The caption in runs of plain and subscript text; an unclosed "{" is plain text.
[[nodiscard]] std::vector<CaptionRun> captionRuns(const QString& caption);
// The caption as rich text (subscripts as <sub>), for tooltips.
[[nodiscard]] QString captionRichText(const QString& caption);

// The runs that fit `width` in `font`: all of them when the caption fits, else its beginning and
// its end (where the unit stands) with "…" between them.
[[nodiscard]] std::vector<CaptionRun> fittedCaption(const QString& caption, const QFont& font, int width);
// Writes the caption left-aligned and vertically centred in `rect`, fitted to its width.
void drawCaption(QPainter& painter, const QRect& rect, const QString& caption, const QFont& font);

}  // namespace vantorel::tabrel
