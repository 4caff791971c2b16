#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <array>

namespace vantorel::host {

// "Πληροφορίες για Vantorel": the program's version and the versions of the five components. A
// click on the program's name shows the source of the most recently generated page in a
// read-only text window, for whoever looks after the pages.
class CAboutDlg : public QDialog {
 public:
  // `versions` in the application's order: Kestrin, Fennick, Tabrel, Brovik, Dravix.
  CAboutDlg(QWidget* parent, const std::array<QString, 5>& versions, QString lastGeneratedPage);

  // The hidden click area, in client coordinates (inclusive).
  static constexpr QRect kSourceClickArea{218, 11, 97, 29};

  // The window that shows the page source; null until it was opened.
  [[nodiscard]] QPlainTextEdit* sourceWindow() const { return sourceWindow_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString lastGeneratedPage_;
  QPointer<QPlainTextEdit> sourceWindow_;
};

}  // namespace vantorel::host
