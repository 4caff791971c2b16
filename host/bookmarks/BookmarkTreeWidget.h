#pragma once

#include <QPoint>
#include <QPointer>
#include <QTreeWidget>
#include <functional>

namespace vantorel::bookmarks {

// The bookmark dialog's tree: folders at the root, bookmarks under them. A bookmark can be
// dragged onto another folder with the mouse; holding the pointer above or below the tree scrolls
// it one item per mouse move. Everything runs on plain mouse events, so a test drives it as a
// person would.
class BookmarkTreeWidget : public QTreeWidget {
 public:
  explicit BookmarkTreeWidget(QWidget* parent = nullptr);

  // Called when a drag ends over a target: the dragged item and the target folder's item.
  std::function<void(QTreeWidgetItem* dragged, QTreeWidgetItem* folder)> onDrop;
  // Enter pressed, or an item double-clicked.
  std::function<void()> onChoose;
  // The Delete key.
  std::function<void()> onDelete;

  [[nodiscard]] bool dragging() const { return dragging_; }
  [[nodiscard]] QTreeWidgetItem* dropTarget() const { return dropTarget_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void beginDrag(QTreeWidgetItem* item);
  void dragTo(const QPoint& pos);
  void endDrag();
  void moveDropTarget(QTreeWidgetItem* item);

  bool dragging_ = false;
  QTreeWidgetItem* pressedItem_ = nullptr;
  QPoint pressPos_;
  QTreeWidgetItem* dragItem_ = nullptr;
  QTreeWidgetItem* dropTarget_ = nullptr;
};

}  // namespace vantorel::bookmarks
