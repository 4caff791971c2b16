#pragma once

#include <QDialog>
#include <QString>

// The box that tells the user a word leads nowhere: a short dialog whose message is painted
// centred and word-wrapped beside its OK button.
namespace vantorel::brovik {

class NotFoundDialog : public QDialog {
 public:
  NotFoundDialog(QString message, QWidget* parent);
  [[nodiscard]] const QString& message() const { return message_; }
  [[nodiscard]] static QString title();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString message_;
};

}  // namespace vantorel::brovik
