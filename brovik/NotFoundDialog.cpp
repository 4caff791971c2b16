#include "brovik/NotFoundDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTextLayout>

namespace vantorel::brovik {
namespace {

// The message area: from (6, 16) to x 160 and the bottom of the 80-pixel client area.
const QRect kMessageArea(QPoint(6, 16), QPoint(160, 79));

// `text` broken into lines of at most `width` pixels: at spaces where it can, inside a word
// that is longer than a line.
QStringList wrapped(const QString& text, const QFont& font, int width) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines << text.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}

}  // namespace

NotFoundDialog::NotFoundDialog(const QString& before, const QString& word, const QString& after, const QFont& font,
                               QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title());
  setModal(true);
  setFont(font);
  // The template is taller; the client area is cut down to 80 pixels, width unchanged.
  setFixedSize(236, 80);
  label_ = new QLabel(this);
  label_->setGeometry(kMessageArea);
  label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label_->setTextFormat(Qt::PlainText);
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label_->setPalette(palette);
  label_->setText(fittedMessage(before, word, after, font, kMessageArea.width(), kMessageArea.height()));
  auto* ok = new QPushButton(u"OK"_qs, this);
  ok->setGeometry(170, 16, 58, 23);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString NotFoundDialog::title() {
  return u"Μετάβαση"_qs;
}

QString NotFoundDialog::fittedMessage(const QString& before, const QString& word, const QString& after,
                                      const QFont& font, int width, int height) {
  const int lineHeight = QFontMetrics(font).lineSpacing();
  const QString ellipsis(QChar(0x2026));
  // The whole word when it fits; else as much of its beginning and its end as fits.
  for (qsizetype keep = word.size(); keep >= 0; --keep) {
    const QString shown = keep == word.size() ? word : word.left(keep - keep / 2) + ellipsis + word.right(keep / 2);
    const QStringList lines = wrapped(before + shown + after, font, width);
    if (lines.size() * lineHeight <= height || keep == 0) return lines.join(u'\n');
  }
  return {};
}

}  // namespace vantorel::brovik
