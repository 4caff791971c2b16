#pragma once

#include <QAbstractButton>
#include <QListWidget>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "dravix/MarkupText.h"
#include "dravix/core/GraphScale.h"

class QPagedPaintDevice;

namespace vantorel::dravix {

class CDravixCtrl;

// A push button of the graph page: a slate-blue face with a white caption, or, for the type
// buttons, a white face with a swatch of the graph's colour that stays down while its type is
// drawn.
class GraphButton : public QAbstractButton {
 public:
  GraphButton(const QString& caption, QSize size, QWidget* parent, QColor swatch = {});

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor swatch_;
};

// The graph page: it covers the control while it shows, with the two axis lists, the back,
// labels, zoom and type buttons, and the graph rectangle that plots one selected field against
// another for the grid's rows in the grid's order. The same drawing serves the screen and the
// printer.
class GraphPage : public QWidget {
 public:
  enum class Error { None = 0, BothText = 1, SameField = 2 };

  explicit GraphPage(CDravixCtrl* control);

  // Fills the axis lists from the selected fields, selects the remembered positions or the
  // first field against the first numeric one, resets the zoom, computes and shows the page.
  void open();
  // Remembers both positions and shows the table page again.
  void close();
  [[nodiscard]] bool isOpen() const { return isVisible(); }
  // The field selection changed: the remembered positions no longer mean anything.
  void forgetPositions() { remembered_.reset(); }

  // The graph type as set (1 bars, 2 points, 3 line); any other value is drawn as bars.
  [[nodiscard]] int graphType() const { return type_; }
  void setGraphType(int type, bool redraw);
  [[nodiscard]] bool labels() const { return labels_; }
  void setLabels(bool on, bool redraw);
  // X position in the low 16 bits, Y in the high 16 bits; positions outside the lists are
  // ignored one by one.
  [[nodiscard]] int32_t fields() const;
  void setFields(int32_t packed);

  void resetZoom();
  [[nodiscard]] bool zoomed() const { return zoomed_; }
  [[nodiscard]] const ZoomPan& zoom() const { return zoom_; }
  // The zoom button: zooms to the dragged rectangle, or back to the whole graph.
  void zoomButton();

  // The graph rectangle in the page's (and the control's) coordinates.
  [[nodiscard]] QRect graphRect() const;
  [[nodiscard]] Error error() const { return error_; }
  [[nodiscard]] const GraphPoints& points() const { return points_; }
  [[nodiscard]] std::optional<QRect> dragRect() const { return drag_; }

  // Prints the graph on one page of `device` inside margins of three quarters of an inch.
  bool print(QPagedPaintDevice& device);

  [[nodiscard]] QListWidget* xList() const { return xList_; }
  [[nodiscard]] QListWidget* yList() const { return yList_; }
  [[nodiscard]] GraphButton* backButton() const { return back_; }
  [[nodiscard]] GraphButton* labelsButton() const { return labelsButton_; }
  [[nodiscard]] GraphButton* zoomButtonWidget() const { return zoomButton_; }
  [[nodiscard]] GraphButton* typeButton(int type) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Fonts {
    QFont title, tick, message;
  };
  void fillLists();
  void recompute();
  void refreshButtons();
  void drawGraph(QPainter& p, const QRect& rect, bool printer, int dpiX, int dpiY, const Fonts& fonts,
                 const ZoomPan& zoom);
  [[nodiscard]] QString listCaption(const QListWidget* list) const;

  CDravixCtrl* control_;
  int type_ = 1;
  bool labels_ = false;
  Error error_ = Error::BothText;
  bool xNumeric_ = true;
  bool yNumeric_ = true;
  GraphPoints points_;
  ZoomPan zoom_;
  bool zoomed_ = false;
  std::optional<QRect> drag_;
  bool dragging_ = false;
  QPoint dragStart_;
  std::optional<std::pair<int, int>> remembered_;
  std::vector<QWidget*> hidden_;

  Fonts screenFonts_;
  MarkupFonts listFonts_;
  QListWidget* xList_;
  QListWidget* yList_;
  GraphButton* back_;
  GraphButton* labelsButton_;
  GraphButton* zoomButton_;
  GraphButton* typeButtons_[3];
};

}  // namespace vantorel::dravix
