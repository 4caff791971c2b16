#include "host/pages/widgets/CPopupNote.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include "host/pages/widgets/core/NoteRules.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/files/RegularFile.h"
#include "platform/ui/Graphics.h"

namespace vantorel::host {

namespace {

constexpr int kFontPixels = 11;
constexpr int kSideMargin = 5;
// A glossary entry is a paragraph or two; more than this is not a glossary file.
constexpr size_t kLargestFile = 4 * 1024 * 1024;

std::string readSmallFile(const QString& path, bool& ok) {
  ok = false;
  const files::FilePtr file = files::openRegularFile(QFile::encodeName(path).toStdString());
  if (!file) return {};
  std::string bytes;
  char chunk[16384];
  for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) {
    bytes.append(chunk, got);
    if (bytes.size() > kLargestFile) return {};
  }
  ok = true;
  return bytes;
}

}  // namespace

CPopupNote::CPopupNote(QWidget* view) : QTextEdit(view) {
  setObjectName(u"popupNote"_qs);
  setProperty("childId", kChildId);
  hide();
  setReadOnly(true);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFont(ui::fontByFace(u"Arial Greek"_qs, kFontPixels));
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::ArrowCursor);
  // Light yellow under dark text, a dark olive border: a note laid on the page.
  setStyleSheet(
      u"QTextEdit#popupNote { background: rgb(255,255,224); color: rgb(32,32,32);"
      " border: 1px solid rgb(128,120,72); }"_qs);
  document()->setDocumentMargin(0);
  setViewportMargins(kSideMargin, 0, kSideMargin - 1, 0);
}

bool CPopupNote::showGlossary(const QString& path, QPoint pointer) {
  if (isVisible()) dismiss();
  if (!pages::isGlossaryFileName(QFile::encodeName(QFileInfo(path).fileName()).toStdString())) return false;
  bool ok = false;
  const std::string bytes = readSmallFile(path, ok);
  if (!ok) return false;
  return showText(codepage::toQString(pages::glossaryNoteText(bytes)), pointer);
}

bool CPopupNote::showText(const QString& text, QPoint pointer) {
  if (isVisible()) dismiss();
  if (static_cast<size_t>(text.size()) < pages::kShortestNote) return false;
  QString shown = text;
  shown.replace(u"\r\n"_qs, u"\n"_qs);
  setPlainText(shown);
  // Every line 15 pixels high, so that the note's height follows from its line count.
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  QTextBlockFormat lines;
  lines.setLineHeight(pages::kNoteLineHeight, QTextBlockFormat::FixedHeight);
  all.mergeBlockFormat(lines);
  resize(pages::kNoteWidth, 1000);
  const QWidget* view = parentWidget();
  const pages::NoteRect r =
      pages::placeNote(pointer.x(), pointer.y(), lineCount(), view ? view->width() : 0, view ? view->height() : 0);
  setGeometry(r.x, r.y, r.width, r.height);
  verticalScrollBar()->setValue(0);
  show();
  raise();
  setFocus(Qt::PopupFocusReason);
  grabMouse();
  return true;
}

int CPopupNote::lineCount() const {
  // The text as laid out at the note's width without a scroll bar.
  const int textWidth = pages::kNoteWidth - 2 * frameWidth() - (2 * kSideMargin - 1);
  document()->setTextWidth(textWidth);
  (void)document()->documentLayout()->documentSize();
  int lines = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
    lines += block.layout() ? std::max(1, block.layout()->lineCount()) : 1;
  return lines;
}

void CPopupNote::dismiss() {
  if (QWidget::mouseGrabber() == this) releaseMouse();
  hide();
}

void CPopupNote::focusInEvent(QFocusEvent* event) {
  QTextEdit::focusInEvent(event);
  viewport()->setCursor(Qt::ArrowCursor);
}

void CPopupNote::focusOutEvent(QFocusEvent* event) {
  QTextEdit::focusOutEvent(event);
  dismiss();
}

void CPopupNote::mousePressEvent(QMouseEvent*) {
  dismiss();
}

void CPopupNote::keyPressEvent(QKeyEvent*) {
  dismiss();
}

}  // namespace vantorel::host
