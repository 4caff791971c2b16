#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "host/bookmarks/CFolderNameDlg.h"

// Acting on the bookmark dialogs as a person does: clicks, typing, keys.
namespace vantorel::bookmarks::fixtures {

inline QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text) {
  const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.front();
}

inline void clickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
  tree->scrollToItem(item);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

// Typing text of any alphabet, one key a character.
inline void typeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    const Qt::Key key =
        ch.unicode() < 0x80 && ch.isLetterOrNumber() ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Press, widget, key, QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, key, QString(ch), Qt::NoModifier);
  }
}

inline void click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

// The mouse moved to `to` in the tree with the left button held.
inline void dragMove(QWidget* viewport, QPoint to) {
  QMouseEvent event(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(viewport, &event);
}

// Answers the name dialog once it opens: replaces its text by typing `text`, then OK (or
// Cancel). `seen` gets the caption and the text it opened with.
struct NameAnswer {
  QString caption;
  QString opening;
  bool selectedAll = false;
};

inline void answerNameDialog(const QString& text, NameAnswer* seen = nullptr, bool ok = true) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [=] {
    auto* dialog = dynamic_cast<CFolderNameDlg*>(QApplication::activeModalWidget());
    if (!dialog) {
      if (++*tries > 400) timer->deleteLater();
      return;
    }
    timer->stop();
    timer->deleteLater();
    if (seen) {
      seen->caption = dialog->windowTitle();
      seen->opening = dialog->edit()->text();
      seen->selectedAll = dialog->edit()->selectedText() == dialog->edit()->text();
    }
    // The opening text is all selected: typing replaces it.
    typeText(dialog->edit(), text);
    QTest::mouseClick(dialog->findChild<QPushButton*>(ok ? u"ok"_qs : u"cancel"_qs), Qt::LeftButton);
  });
  timer->start();
}

}  // namespace vantorel::bookmarks::fixtures
