#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/browser/PageContainer.h"

namespace vantorel::browser {

// The page itself: a widget as large as the laid-out page, inside the browser's scroll area, so
// that the child windows of embedded objects scroll and clip with it. It paints the visible part,
// follows the mouse over links, reports link clicks and keeps the text the user selects by
// dragging.
class PageCanvas : public QWidget {
 public:
  PageCanvas(PageContainer& container, QWidget* parent);
  ~PageCanvas() override;

  // Shows `doc` laid out for a viewport `width` wide (the page is never narrower than that).
  void setDocument(std::shared_ptr<litehtml::document> doc, int width, int viewportHeight);
  // Lays the page out again for another viewport width.
  void relayout(int width, int viewportHeight);
  [[nodiscard]] litehtml::document* document() const { return doc_.get(); }

  // A click on a link, with the address as the page writes it. Called from the event loop, never
  // from inside the layout engine, so the receiver may replace the page.
  std::function<void(const std::string& href)> onLink;
  // After each layout: embedded windows follow their elements.
  std::function<void()> onLayout;

  // Every piece of text of the page in drawing order, with its place.
  [[nodiscard]] const std::vector<TextRun>& textRuns();
  // The selected characters, words on one line joined by spaces and lines by line feeds.
  [[nodiscard]] QString selectedText();
  [[nodiscard]] bool hasSelection() const { return selection_.has_value(); }
  // The place of the element the page names `name` (an A NAME or an ID), in page coordinates.
  [[nodiscard]] std::optional<QPoint> anchorPlace(const QString& name) const;
  void clearSelection();

  // Draws the part `clip` (page coordinates) of the page: canvas colour, then the page. For
  // paper, `onlyInside` leaves out what merely touches the clip's top or bottom edge: a line
  // that ends where a printed page ends is not drawn again, clipped, on the next one.
  void paintPage(QPainter& painter, const QRect& clip, bool onlyInside = false);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void repaintBoxes(const litehtml::position::vector& boxes);
  // A place between two characters of the page: before character `offset` of text run `run`.
  struct Caret {
    int run = -1;
    int offset = 0;
    auto operator<=>(const Caret&) const = default;
  };
  [[nodiscard]] int nearestRun(const QPoint& at);
  // The place between characters nearest to `at`.
  [[nodiscard]] Caret caretAt(const QPoint& at);
  // Where, across the page, the place before character `offset` of `run` lies.
  [[nodiscard]] static int xOf(const TextRun& run, int offset);
  // The part [from, to) of each run the selection covers, in drawing order.
  template <typename Visit>
  void forSelectedParts(Visit&& visit);
  void updateSelection(const QPoint& at);

  PageContainer& container_;
  std::shared_ptr<litehtml::document> doc_;
  std::vector<TextRun> runs_;
  bool runsValid_ = false;
  std::optional<std::pair<Caret, Caret>> selection_;  // where it starts and ends, in drawing order
  Caret selectionStart_;
  QPoint pressAt_;
  bool pressed_ = false;
  bool selecting_ = false;
};

}  // namespace vantorel::browser
