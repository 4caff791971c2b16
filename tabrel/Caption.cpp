#include "tabrel/Caption.h"

#include <QFontMetrics>
#include <QPainter>

namespace vantorel::tabrel {
namespace {

QFont subscriptFont(const QFont& font) {
  QFont small = font;
  small.setPixelSize(std::max(1, font.pixelSize() * 4 / 5));
  return small;
}

int runsWidth(const std::vector<CaptionRun>& runs, const QFontMetrics& normal, const QFontMetrics& small) {
  int width = 0;
  for (const CaptionRun& run : runs) width += (run.subscript ? small : normal).horizontalAdvance(run.text);
  return width;
}

// Characters [from, to) of the caption, with the run each belongs to.
std::vector<CaptionRun> slice(const std::vector<CaptionRun>& runs, qsizetype from, qsizetype to) {
  std::vector<CaptionRun> out;
  qsizetype at = 0;
  for (const CaptionRun& run : runs) {
    const qsizetype begin = std::max(from, at);
    const qsizetype end = std::min(to, at + run.text.size());
    if (begin < end) out.push_back({run.text.mid(begin - at, end - begin), run.subscript});
    at += run.text.size();
  }
  return out;
}

}  // namespace

std::vector<CaptionRun> captionRuns(const QString& caption) {
  std::vector<CaptionRun> runs;
  qsizetype at = 0;
  while (at < caption.size()) {
    const qsizetype open = caption.indexOf(u'{', at);
    const qsizetype close = open < 0 ? -1 : caption.indexOf(u'}', open);
    if (close < 0) {
      runs.push_back({caption.mid(at), false});
      break;
    }
    if (open > at) runs.push_back({caption.mid(at, open - at), false});
    if (close > open + 1) runs.push_back({caption.mid(open + 1, close - open - 1), true});
    at = close + 1;
  }
  return runs;
}

QString captionRichText(const QString& caption) {
  QString html;
  for (const CaptionRun& run : captionRuns(caption))
    html += run.subscript ? u"<sub>"_qs + run.text.toHtmlEscaped() + u"</sub>"_qs : run.text.toHtmlEscaped();
  // A tooltip shows rich text only when it looks like some.
  return u"<span>"_qs + html + u"</span>"_qs;
}

std::vector<CaptionRun> fittedCaption(const QString& caption, const QFont& font, int width) {
  const std::vector<CaptionRun> runs = captionRuns(caption);
  const QFontMetrics normal(font);
  const QFontMetrics small(subscriptFont(font));
  if (runsWidth(runs, normal, small) <= width) return runs;
  QString plain;
  for (const CaptionRun& run : runs) plain += run.text;
  const qsizetype length = plain.size();
  const QString ellipsis(QChar(0x2026));
  // The beginning says what the property is, the end keeps the unit in view; "…" stands for
  // what lies between them.
  auto joined = [&](qsizetype headEnd, qsizetype tailStart) {
    std::vector<CaptionRun> fitted = slice(runs, 0, headEnd);
    fitted.push_back({ellipsis, false});
    const std::vector<CaptionRun> tail = slice(runs, tailStart, length);
    fitted.insert(fitted.end(), tail.begin(), tail.end());
    return fitted;
  };
  // Cut at spaces, keeping them around the mark, where a whole word at each end still fits;
  // the most text kept wins: "Μέση εμφάνιση … σώμα (g/70kg)".
  std::vector<CaptionRun> best;
  qsizetype kept = 0;
  for (qsizetype headEnd = 1; headEnd < length; ++headEnd) {
    if (plain[headEnd] != u' ') continue;
    for (qsizetype tailStart = length - 1; tailStart > headEnd + 1; --tailStart) {
      if (plain[tailStart - 1] != u' ') continue;
      if (headEnd + (length - tailStart) <= kept) continue;
      std::vector<CaptionRun> fitted = joined(headEnd + 1, tailStart - 1);
      if (runsWidth(fitted, normal, small) > width) break;  // a longer tail fits no better
      best = std::move(fitted);
      kept = headEnd + (length - tailStart);
    }
  }
  if (!best.empty()) return best;
  for (qsizetype keep = length - 1; keep > 0; --keep) {
    std::vector<CaptionRun> fitted = joined(keep - keep / 2, length - keep / 2);
    if (runsWidth(fitted, normal, small) <= width) return fitted;
  }
  return {{ellipsis, false}};
}

void drawCaption(QPainter& painter, const QRect& rect, const QString& caption, const QFont& font) {
  const QFontMetrics normal(font);
  const QFont smallFont = subscriptFont(font);
  const int baseline = rect.top() + (rect.height() - normal.height()) / 2 + normal.ascent();
  // A subscript sits a third of its own height below the line.
  const int drop = QFontMetrics(smallFont).ascent() / 3;
  int x = rect.left();
  painter.save();
  painter.setClipRect(rect);
  for (const CaptionRun& run : fittedCaption(caption, font, rect.width())) {
    painter.setFont(run.subscript ? smallFont : font);
    painter.drawText(QPoint(x, baseline + (run.subscript ? drop : 0)), run.text);
    x += painter.fontMetrics().horizontalAdvance(run.text);
  }
  painter.restore();
}

}  // namespace vantorel::tabrel
