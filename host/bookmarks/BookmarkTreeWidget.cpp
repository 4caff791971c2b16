#include "host/bookmarks/BookmarkTreeWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vantorel::bookmarks {

BookmarkTreeWidget::BookmarkTreeWidget(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragDropMode(QAbstractItemView::NoDragDrop);
  setExpandsOnDoubleClick(true);
}

void BookmarkTreeWidget::mousePressEvent(QMouseEvent* event) {
  QTreeWidget::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  pressedItem_ = itemAt(event->position().toPoint());
  pressPos_ = event->position().toPoint();
}

void BookmarkTreeWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (dragging_) {
    dragTo(pos);
    return;
  }
  if ((event->buttons() & Qt::LeftButton) && pressedItem_ &&
      (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    QTreeWidgetItem* item = pressedItem_;
    pressedItem_ = nullptr;
    if (item->parent()) {
      beginDrag(item);
      dragTo(pos);
    } else {
      setCurrentItem(item);  // a folder is only selected
    }
    return;
  }
  // No rubber-band or drag selection of Qt's own while the button is held.
  if (!(event->buttons() & Qt::LeftButton)) QTreeWidget::mouseMoveEvent(event);
}

void BookmarkTreeWidget::mouseReleaseEvent(QMouseEvent* event) {
  pressedItem_ = nullptr;
  if (dragging_ && event->button() == Qt::LeftButton) {
    endDrag();
    return;
  }
  QTreeWidget::mouseReleaseEvent(event);
}

void BookmarkTreeWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeWidget::mouseDoubleClickEvent(event);
  if (itemAt(event->position().toPoint()) && onChoose) onChoose();
}

void BookmarkTreeWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter chooses here and goes no further: the dialog's default button must not take it.
    if (onChoose) onChoose();
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Delete && !dragging_) {
    if (onDelete) onDelete();
    event->accept();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

void BookmarkTreeWidget::beginDrag(QTreeWidgetItem* item) {
  setFocus();
  dragItem_ = item;
  dropTarget_ = nullptr;
  dragging_ = true;
  viewport()->setCursor(Qt::DragMoveCursor);
}

void BookmarkTreeWidget::moveDropTarget(QTreeWidgetItem* item) {
  if (!item || item == dropTarget_) return;
  setCurrentItem(item);
  dropTarget_ = item;
}

void BookmarkTreeWidget::dragTo(const QPoint& pos) {
  // Rows cut off at the edges answer a hit test beyond the viewport too: outside it, there is
  // no item under the pointer.
  QTreeWidgetItem* item = viewport()->rect().contains(pos) ? itemAt(pos) : nullptr;
  if (item) {
    viewport()->setCursor(Qt::DragMoveCursor);
    moveDropTarget(item);
    return;
  }
  viewport()->setCursor(Qt::ForbiddenCursor);
  // Beyond the top or bottom edge: one item further each move, scrolled into view.
  QTreeWidgetItem* next = nullptr;
  if (pos.y() >= viewport()->height())
    next = itemBelow(currentItem());
  else if (pos.y() < 0)
    next = itemAbove(currentItem());
  if (!next) return;
  scrollToItem(next);
  setCurrentItem(next);
  dropTarget_ = next;
}

void BookmarkTreeWidget::endDrag() {
  dragging_ = false;
  viewport()->unsetCursor();
  QTreeWidgetItem* dragged = std::exchange(dragItem_, nullptr);
  QTreeWidgetItem* target = std::exchange(dropTarget_, nullptr);
  if (!dragged || !target) return;
  QTreeWidgetItem* folder = target->parent() ? target->parent() : target;
  if (folder == dragged->parent()) return;
  if (onDrop) onDrop(dragged, folder);
}

}  // namespace vantorel::bookmarks
