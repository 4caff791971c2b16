#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QStandardItemModel>
#include <functional>
#include <vector>

#include "dravix/MarkupText.h"

// The owner-drawn child windows of the table page: bitmap buttons, the table chooser, the two
// field lists and the grid's header.
namespace vantorel::dravix {

// A button drawn from three bitmaps: normal at `bitmapId`, pressed at +1, disabled at +2.
class BitmapButton : public QAbstractButton {
 public:
  BitmapButton(int bitmapId, const QString& accessibleName, QWidget* parent);
  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int bitmapId_;
};

// The table chooser: black face in a white frame, the drop-down arrow bitmap, white text.
class TableChooser : public QComboBox {
 public:
  explicit TableChooser(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A field list: captions with markup, the current entry white on dark blue. Enter and a
// double-click ask for the current entry to move to the other list.
class FieldList : public QListWidget {
  Q_OBJECT
 public:
  FieldList(const MarkupFonts& fonts, QWidget* parent);
  void setFields(const std::vector<int>& fields, const std::function<QString(int)>& caption);
  [[nodiscard]] int fieldAt(int row) const;

 signals:
  void moveRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  MarkupFonts fonts_;
};

// The grid's header: captions with markup, draggable dividers (columns at least 50 wide).
class GridHeader : public QHeaderView {
 public:
  GridHeader(const MarkupFonts& fonts, QWidget* parent);
  // One section per caption, with the given widths.
  void setColumns(const QStringList& captions, const std::vector<int>& widths);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  QStandardItemModel model_;
  QStringList captions_;
  MarkupFonts fonts_;
};

}  // namespace vantorel::dravix
