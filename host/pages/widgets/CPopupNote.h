#pragma once

#include <QPoint>
#include <QString>
#include <QTextEdit>

namespace vantorel::host {

// The view's popup text window (child id 185): a bordered, read-only note on light yellow that
// shows a glossary text near the pointer. It hides itself, and lets the mouse go, on the next
// click, key press or loss of focus.
class CPopupNote : public QTextEdit {
 public:
  static constexpr int kChildId = 185;

  explicit CPopupNote(QWidget* view);

  // Shows the glossary file at `path` for the pointer at `pointer` (view coordinates). Nothing
  // is shown for a file that is missing, is not a regular file, is not named by a glossary key or
  // holds fewer than five characters after its first line. True when the note shows.
  bool showGlossary(const QString& path, QPoint pointer);
  // Shows `text` (lines joined by CR LF) placed for the pointer at `pointer`; false for a text
  // under five characters.
  bool showText(const QString& text, QPoint pointer);

  // The number of lines the text takes at the note's width.
  [[nodiscard]] int lineCount() const;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void dismiss();
};

}  // namespace vantorel::host
