#pragma once

#include <QWidget>

namespace vantorel::host::view {

// The splitter bar between the topic browser and the page pane: a 7-pixel child window that the
// user drags. It keeps its position inside [minimum, maximum] and tells its parent where it
// stopped by the layout command (a command message: first parameter the position, second 7801).
class ESGSplit : public QWidget {
 public:
  ESGSplit();

  // Becomes a child of `parent`: a vertical bar at x = position (clamped) from `top` over
  // `length` pixels, or a horizontal one at y = position from `top` (then the left edge).
  void Create(int position, int top, int length, bool horizontal, int minimum, int maximum, QWidget* parent);
  // Moves the bar into the new range if it lies outside, then sends the layout command.
  void SetRange(int minimum, int maximum);
  [[nodiscard]] int GetPosition() const { return position_; }
  // A new length along the bar (after the parent was resized).
  void setLength(int length);

  [[nodiscard]] bool dragging() const { return dragging_; }
  [[nodiscard]] int minimum() const { return minimum_; }
  [[nodiscard]] int maximum() const { return maximum_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void place();
  void sendLayout();
  [[nodiscard]] int along(const QPoint& parentPoint) const;

  bool horizontal_ = false;
  int position_ = 0;
  int top_ = 0;
  int length_ = 0;
  int minimum_ = 0;
  int maximum_ = 0;
  int grabOffset_ = 0;
  bool dragging_ = false;
};

}  // namespace vantorel::host::view
