#pragma once

#include <QScrollBar>
#include <QWidget>
#include <vector>

#include "dravix/MarkupText.h"
#include "dravix/core/GridRows.h"

// The record grid: an owner-drawn list of 16-pixel rows with extended selection. It draws only
// the rows in view, straight from the grid's column buffers, so a page costs the same whatever
// the number of records. Horizontal scrolling is set from outside (the page's scroll bar).
namespace vantorel::dravix {

inline constexpr int kRowHeight = 16;

class RecordGrid : public QWidget {
 public:
  explicit RecordGrid(QWidget* parent);

  // Shows `rows` (not owned; it must outlive its use here) with normal-orientation column widths
  // or, transposed, the captions of the rows' first cells. Selection clears, the view goes to the
  // top unless `keepTop`.
  void setRows(const GridRows* rows, std::vector<int> widths, QStringList captions, bool keepTop);
  void setWidths(std::vector<int> widths);
  // Normal orientation: pixels; transposed: whole cells.
  void setHorizontalPosition(int position);
  [[nodiscard]] int horizontalPosition() const { return horizontal_; }

  [[nodiscard]] int topRow() const { return top_; }
  [[nodiscard]] int currentRow() const { return current_; }
  [[nodiscard]] bool isSelected(int row) const;
  [[nodiscard]] std::vector<int> selectedRows() const;
  [[nodiscard]] int rowsPerPage() const;
  [[nodiscard]] QScrollBar* verticalBar() const { return vertical_; }
  // Paint work of the last paint, for the benchmark: rows drawn.
  [[nodiscard]] int rowsPaintedLast() const { return rowsPainted_; }

  void setEmptyText(const QString& text) { emptyText_ = text; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  [[nodiscard]] int rowCount() const;
  [[nodiscard]] int rowAt(int y) const;
  void moveCurrent(int row, Qt::KeyboardModifiers modifiers);
  void selectRange(int from, int to);
  void ensureVisible(int row);
  void setTop(int top);
  void syncBar();
  void paintRow(QPainter& p, int row, const QRect& rect, bool selected);

  const GridRows* rows_ = nullptr;
  std::vector<int> widths_;
  QStringList captions_;
  std::vector<uint8_t> selected_;
  int current_ = -1;
  int anchor_ = 0;
  int top_ = 0;
  int horizontal_ = 0;
  int rowsPainted_ = 0;
  QString emptyText_;
  MarkupFonts fonts_;
  QScrollBar* vertical_;
};

}  // namespace vantorel::dravix
