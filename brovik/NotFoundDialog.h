#pragma once

#include <QDialog>
#include <QFont>
#include <QString>

class QLabel;

// The box that tells the user a word leads nowhere: a short dialog whose message stands centred
// and word-wrapped beside its OK button. The message names the word typed between quotation
// marks; a word too long for the box loses its middle, never its ends or its closing mark.
namespace vantorel::brovik {

class NotFoundDialog : public QDialog {
 public:
  // The message is `before` + the word + `after`; `font` is the control's.
  NotFoundDialog(const QString& before, const QString& word, const QString& after, const QFont& font, QWidget* parent);
  [[nodiscard]] static QString title();

  // The message as it fits a `width` × `height` area in `font`, with line breaks where it wraps.
  [[nodiscard]] static QString fittedMessage(const QString& before, const QString& word, const QString& after,
                                             const QFont& font, int width, int height);

 private:
  QLabel* label_ = nullptr;
};

}  // namespace vantorel::brovik
