#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QStringList>
#include <functional>

#include "brovik/core/Browser.h"

// The owner-drawn windows of the browser: the topic tree, the resource list and the go/next
// button. They draw the browser's state and hand clicks back to it.
namespace vantorel::brovik {

class TopicTreeView : public QAbstractScrollArea {
 public:
  TopicTreeView(Browser& browser, QWidget* parent);
  // Called with the row under a left click (top row + y / 16), shown or not.
  std::function<void(int row)> onClick;
  // Scroll bars and picture from the browser's state.
  void sync();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void paintRow(QPainter& p, int row, int y);
  Browser& browser_;
  bool syncing_ = false;
};

class ResourceListView : public QAbstractScrollArea {
 public:
  ResourceListView(Browser& browser, QWidget* parent);
  // Called with the row the user selects.
  std::function<void(int row)> onSelect;
  void sync();
  [[nodiscard]] int topRow() const { return top_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  [[nodiscard]] int pageRows() const;
  void updateScrollBars();
  Browser& browser_;
  unsigned generation_ = ~0u;
  int shownSelection_ = -1;
  QStringList texts_;
  int extent_ = 122;
  int top_ = 0;
  bool syncing_ = false;
};

class GoButton : public QAbstractButton {
 public:
  explicit GoButton(QWidget* parent);
  void setLook(ButtonLook look);
  [[nodiscard]] ButtonLook look() const { return look_; }
  [[nodiscard]] QSize sizeHint() const override { return {62, 19}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ButtonLook look_ = ButtonLook::Go;
};

}  // namespace vantorel::brovik
