#include "dravix/GraphPage.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "dravix/DravixCtrl.h"
#include "dravix/PageWidgets.h"
#include "dravix/core/TableCatalogue.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/StringTable.h"

namespace vantorel::dravix {
namespace {

constexpr QColor kBackground(115, 115, 115);
constexpr QColor kAxis(169, 74, 0);
constexpr QColor kBars(70, 124, 185);
constexpr QColor kPoints(31, 55, 83);
constexpr QColor kLine(47, 84, 125);
constexpr QColor kFrameDark(64, 64, 64);
constexpr QColor kFrameLight(166, 166, 166);

constexpr int kFirstErrorString = 185;  // the message of error e is string 185 + e

QString face() {
  return u"Arial Greek"_qs;
}

QString dravixText(int id) {
  return ui::resourceString(u"dravix"_qs, id);
}

// A caption without its subscript and superscript marks, for the axis titles.
QString plainCaption(const QString& caption) {
  QString out;
  for (QChar c : caption)
    if (c != u'[' && c != u']' && c != u'{' && c != u'}') out += c;
  return out;
}

PixelRect pixelRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

// Buttons ---------------------------------------------------------------------------------------

GraphButton::GraphButton(const QString& caption, QSize size, QWidget* parent, QColor swatch)
    : QAbstractButton(parent), swatch_(swatch) {
  setText(caption);
  setAccessibleName(caption);
  setFixedSize(size);
  setFont(ui::fontByFace(face(), 11, true));
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
}

void GraphButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const bool down = isDown() || isChecked();
  if (swatch_.isValid()) {
    // Type buttons: white, the chosen one framed in its colour and lightly tinted.
    p.fillRect(rect(), Qt::white);
    if (down) {
      QColor tint = swatch_;
      tint.setAlpha(40);
      p.fillRect(rect(), tint);
    }
    p.setPen(QPen(down ? swatch_ : QColor(190, 190, 190), down ? 2 : 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.fillRect(QRect(5, height() / 2 - 4, 8, 8), swatch_);
    p.setPen(QColor(20, 20, 20));
    p.drawText(rect().adjusted(17, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
    return;
  }
  QPainterPath path;
  path.addRoundedRect(r, 4, 4);
  QLinearGradient fill(0, 0, 0, height());
  if (!isEnabled()) {
    fill.setColorAt(0, QColor(150, 150, 156));
    fill.setColorAt(1, QColor(112, 112, 118));
  } else if (down) {
    fill.setColorAt(0, QColor(30, 52, 82));
    fill.setColorAt(1, QColor(70, 104, 146));
  } else {
    fill.setColorAt(0, QColor(104, 138, 180));
    fill.setColorAt(0.5, QColor(58, 92, 134));
    fill.setColorAt(1, QColor(36, 62, 96));
  }
  p.fillPath(path, fill);
  p.setPen(QColor(16, 26, 44));
  p.drawPath(path);
  p.setPen(isEnabled() ? Qt::white : QColor(196, 196, 200));
  p.drawText(rect().translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
}

// The page --------------------------------------------------------------------------------------

GraphPage::GraphPage(CDravixCtrl* control) : QWidget(control), control_(control) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  screenFonts_ = {ui::fontByFace(face(), 11, true), ui::fontByFace(face(), 10), ui::fontByFace(face(), 10, true)};
  listFonts_ = {ui::fontByFace(face(), 11), ui::fontByFace(face(), 9)};

  auto* xList = new FieldList(listFonts_, this);
  auto* yList = new FieldList(listFonts_, this);
  xList_ = xList;
  yList_ = yList;
  xList_->setAccessibleName(u"Άξονας Χ"_qs);
  yList_->setAccessibleName(u"Άξονας Υ"_qs);
  xList_->setGeometry(6, 93, 192, 114);
  yList_->setGeometry(6, 232, 192, 114);
  for (QListWidget* list : {xList_, yList_}) {
    QObject::connect(list, &QListWidget::currentRowChanged, this, [this] {
      if (!isOpen()) return;
      recompute();
      update();
    });
  }

  back_ = new GraphButton(u"Επιστροφή"_qs, {129, 19}, this);
  back_->move(6, 6);
  QObject::connect(back_, &QAbstractButton::clicked, this, [this] { close(); });
  labelsButton_ = new GraphButton(u"Ετικέτες"_qs, {68, 19}, this);
  labelsButton_->move(19, 356);
  labelsButton_->setCheckable(true);
  QObject::connect(labelsButton_, &QAbstractButton::clicked, this, [this] { setLabels(!labels_, true); });
  zoomButton_ = new GraphButton(u"Μεγέθυνση"_qs, {68, 19}, this);
  zoomButton_->move(106, 356);
  QObject::connect(zoomButton_, &QAbstractButton::clicked, this, [this] { zoomButton(); });

  struct TypeSpec {
    const char16_t* caption;
    QPoint at;
    QSize size;
    QColor colour;
  };
  const TypeSpec types[] = {{u"Ράβδοι", {208, 19}, {64, 16}, kBars},
                            {u"Σημεία", {287, 19}, {100, 16}, kPoints},
                            {u"Γραμμή", {402, 19}, {89, 16}, kLine}};
  for (int t = 0; t < 3; ++t) {
    auto* b = new GraphButton(QString::fromUtf16(types[t].caption), types[t].size, this, types[t].colour);
    b->setFont(ui::fontByFace(face(), 10, true));
    b->move(types[t].at);
    b->setCheckable(true);
    QObject::connect(b, &QAbstractButton::clicked, this, [this, t] { setGraphType(t + 1, true); });
    typeButtons_[t] = b;
  }

  // The page covers the control whatever its size.
  setGeometry(control->rect());
  control->installEventFilter(this);
  hide();
  refreshButtons();
}

bool GraphPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == control_ && event->type() == QEvent::Resize) setGeometry(control_->rect());
  return QWidget::eventFilter(watched, event);
}

GraphButton* GraphPage::typeButton(int type) const {
  return type >= 1 && type <= 3 ? typeButtons_[type - 1] : nullptr;
}

QRect GraphPage::graphRect() const {
  return QRect(QPoint(211, 41), QPoint(width() - 6, height() - 6));
}

void GraphPage::fillLists() {
  const LoadedTable* table = control_->table();
  std::vector<int> plottable;
  if (table) {
    for (int field : control_->selection().selected())
      if (table->index.isPlottable(field)) plottable.push_back(field);
  }
  auto caption = [this](int field) { return control_->caption(field); };
  const QSignalBlocker bx(xList_), by(yList_);
  static_cast<FieldList*>(xList_)->setFields(plottable, caption);
  static_cast<FieldList*>(yList_)->setFields(plottable, caption);
  const int count = static_cast<int>(plottable.size());
  if (remembered_ && remembered_->first < count && remembered_->second < count) {
    xList_->setCurrentRow(remembered_->first);
    yList_->setCurrentRow(remembered_->second);
    return;
  }
  int y = 0;
  for (int i = 0; i < count; ++i) {
    if (table->index.isNumeric(plottable[static_cast<size_t>(i)])) {
      y = i;
      break;
    }
  }
  if (y == 0 && count > 1) y = 1;
  xList_->setCurrentRow(count > 0 ? 0 : -1);
  yList_->setCurrentRow(count > 0 ? y : -1);
}

void GraphPage::open() {
  fillLists();
  resetZoom();
  recompute();
  if (!isVisible()) {
    hidden_.clear();
    for (QObject* child : control_->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (w && w != this && !w->isHidden()) {
        hidden_.push_back(w);
        w->hide();
      }
    }
    setGeometry(control_->rect());
    show();
    raise();
  }
  update();
}

void GraphPage::close() {
  if (!isVisible()) return;
  remembered_ = std::make_pair(xList_->currentRow(), yList_->currentRow());
  hide();
  for (QWidget* w : hidden_) w->show();
  hidden_.clear();
  control_->update();
}

void GraphPage::setGraphType(int type, bool redraw) {
  type_ = type;
  refreshButtons();
  if (redraw) {
    ui::WaitCursor wait;
    update();
  }
}

void GraphPage::setLabels(bool on, bool redraw) {
  labels_ = on;
  refreshButtons();
  if (redraw) {
    ui::WaitCursor wait;
    update();
  }
}

int32_t GraphPage::fields() const {
  const auto x = static_cast<uint16_t>(std::max(0, xList_->currentRow()));
  const auto y = static_cast<uint16_t>(std::max(0, yList_->currentRow()));
  return static_cast<int32_t>(static_cast<uint32_t>(y) << 16 | x);
}

void GraphPage::setFields(int32_t packed) {
  const int x = static_cast<int16_t>(packed & 0xFFFF);
  const int y = static_cast<int16_t>((static_cast<uint32_t>(packed) >> 16) & 0xFFFF);
  {
    const QSignalBlocker bx(xList_), by(yList_);
    if (x >= 0 && x < xList_->count()) xList_->setCurrentRow(x);
    if (y >= 0 && y < yList_->count()) yList_->setCurrentRow(y);
  }
  if (isOpen()) {
    recompute();
    update();
  } else if (x >= 0 && y >= 0) {
    remembered_ = std::make_pair(x, y);
  }
}

void GraphPage::resetZoom() {
  zoom_ = {};
  zoomed_ = false;
  drag_.reset();
  dragging_ = false;
  refreshButtons();
}

void GraphPage::zoomButton() {
  if (zoomed_) {
    resetZoom();
  } else if (drag_) {
    const PixelRect screen = pixelRect(graphRect());
    const GraphScale s = computeScale(points_, xNumeric_, screen);
    const PixelRect dragged{drag_->left(), drag_->top(), drag_->right(), drag_->bottom()};
    if (error_ != Error::None || !zoomTo(s, screen, dragged, zoom_)) return;
    zoomed_ = true;
    drag_.reset();
    refreshButtons();
  } else {
    return;
  }
  ui::WaitCursor wait;
  update();
}

void GraphPage::refreshButtons() {
  for (int t = 0; t < 3; ++t) typeButtons_[t]->setChecked(t + 1 == (type_ >= 1 && type_ <= 3 ? type_ : 1));
  labelsButton_->setChecked(labels_);
  zoomButton_->setText(zoomed_ ? u"Ολόκληρο"_qs : u"Μεγέθυνση"_qs);
  zoomButton_->setEnabled(zoomed_ || drag_.has_value());
}

QString GraphPage::listCaption(const QListWidget* list) const {
  const QListWidgetItem* item = list->currentItem();
  return item ? plainCaption(item->text()) : QString();
}

void GraphPage::recompute() {
  ui::WaitCursor wait;
  const int xRow = xList_->currentRow(), yRow = yList_->currentRow();
  const LoadedTable* table = control_->table();
  if (!table || xRow < 0 || yRow < 0) {
    error_ = Error::BothText;
    points_ = {};
    return;
  }
  const int xField = static_cast<FieldList*>(xList_)->fieldAt(xRow);
  const int yField = static_cast<FieldList*>(yList_)->fieldAt(yRow);
  if (xRow == yRow) {
    error_ = Error::SameField;
    return;
  }
  xNumeric_ = table->index.isNumeric(xField);
  yNumeric_ = table->index.isNumeric(yField);
  if (!xNumeric_ && !yNumeric_) {
    error_ = Error::BothText;
    return;
  }
  const std::vector<int>& selected = control_->selection().selected();
  const auto xAt = std::find(selected.begin(), selected.end(), xField);
  const auto yAt = std::find(selected.begin(), selected.end(), yField);
  if (xAt == selected.end() || yAt == selected.end()) {
    QApplication::beep();
    return;
  }
  error_ = Error::None;
  const GridRows& rows = control_->rows();
  const auto xPos = static_cast<size_t>(xAt - selected.begin());
  const auto yPos = static_cast<size_t>(yAt - selected.begin());
  const bool transposed = rows.transposed();
  auto valueAt = [&rows, transposed](size_t position) {
    return [&rows, transposed, position](size_t row) {
      return transposed ? rows.cell(position, row + 1) : rows.cell(row, position);
    };
  };
  std::function<std::string_view(size_t)> key;
  if (control_->GetTable() == kElementsTable) key = valueAt(0);
  points_ = collectPoints(rows.order().size(), {valueAt(xPos), xNumeric_}, {valueAt(yPos), yNumeric_}, key,
                          control_->labelColumn());
}

// Drawing ---------------------------------------------------------------------------------------

void GraphPage::drawGraph(QPainter& p, const QRect& r, bool printer, int dpiX, int dpiY, const Fonts& fonts,
                          const ZoomPan& zoom) {
  // Pens and marks keep their on-screen weight on a printer's finer pixels.
  const int unit = printer ? std::max(1, (dpiX + 48) / 96) : 1;
  const int right = r.left() + r.width(), bottom = r.top() + r.height();
  if (!printer) {
    p.fillRect(r, Qt::white);
    p.setPen(kFrameDark);
    p.drawLine(r.left(), r.top(), right - 1, r.top());
    p.drawLine(right - 1, r.top(), right - 1, bottom - 1);
    p.setPen(kFrameLight);
    p.drawLine(r.left(), bottom - 1, right - 1, bottom - 1);
    p.drawLine(r.left(), r.top(), r.left(), bottom - 1);
  }
  if (error_ != Error::None) {
    p.setFont(fonts.message);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, dravixText(kFirstErrorString + static_cast<int>(error_)));
    return;
  }

  // Axis titles: Y at the top left, X at the bottom right.
  p.setFont(fonts.title);
  p.setPen(QColor(20, 20, 20));
  const QRect titles = r.adjusted(3, 3, -10, -3);
  p.drawText(titles, Qt::AlignLeft | Qt::AlignTop, listCaption(yList_));
  p.drawText(titles, Qt::AlignRight | Qt::AlignBottom, listCaption(xList_));

  // The plot's frame of reference; a printer widens the title band.
  PixelRect area = pixelRect(r);
  if (printer) {
    area.top += dpiY / 8;
    area.bottom -= dpiY / 4;
  }
  const GraphScale s = computeScale(points_, xNumeric_, area);
  if (!s.drawable) return;
  const int plotLeft = area.left + kPlotLeft, plotTop = area.top + kPlotTop;
  const int plotRight = area.right - kPlotRight, plotBottom = area.bottom - kPlotBottom;
  const ScreenPoint origin = screenOrigin(s, area, zoom);
  const int ax = std::clamp(origin.x, std::min(area.left + 45, plotRight), plotRight);
  const int ay = std::clamp(origin.y, plotTop, std::max(plotTop, area.bottom - 35));

  // Axes, held at the edge when the origin lies outside, with a break mark beside them.
  p.setPen(QPen(kAxis, unit));
  p.drawLine(ax, plotTop, ax, plotBottom);
  p.drawLine(plotLeft, ay, plotRight, ay);
  auto breakMark = [&](bool onXAxis, int direction) {
    const int u = unit;
    QPolygon zig;
    if (onXAxis) {
      p.fillRect(
          QRect(QPoint(ax + direction * 3 * u, ay - 3 * u), QPoint(ax + direction * 12 * u, ay + 3 * u)).normalized(),
          Qt::white);
      zig << QPoint(ax + direction * 3 * u, ay) << QPoint(ax + direction * 6 * u, ay - 3 * u)
          << QPoint(ax + direction * 9 * u, ay + 3 * u) << QPoint(ax + direction * 12 * u, ay);
    } else {
      p.fillRect(
          QRect(QPoint(ax - 3 * u, ay + direction * 3 * u), QPoint(ax + 3 * u, ay + direction * 12 * u)).normalized(),
          Qt::white);
      zig << QPoint(ax, ay + direction * 3 * u) << QPoint(ax - 3 * u, ay + direction * 6 * u)
          << QPoint(ax + 3 * u, ay + direction * 9 * u) << QPoint(ax, ay + direction * 12 * u);
    }
    p.drawPolyline(zig);
  };
  if (ax != origin.x) breakMark(true, origin.x < ax ? +1 : -1);
  if (ay != origin.y) breakMark(false, origin.y > ay ? -1 : +1);

  // Ticks and their labels.
  p.setFont(fonts.tick);
  const QFontMetrics tm(fonts.tick, p.device());
  const int raise = 5 * unit;
  auto drawLabel = [&](const LabelText& t, const QString& times, QPoint at, Qt::Alignment align) {
    // `at` is the anchor: its x is the left, centre or right of the text, its y the top.
    const QString body = QString::fromStdString(t.mantissa) + (t.exponent.empty() ? QString() : times);
    const QString exponent = QString::fromStdString(t.exponent);
    const int width = tm.horizontalAdvance(body) + tm.horizontalAdvance(exponent);
    int left = at.x();
    if (align & Qt::AlignHCenter) left -= width / 2;
    if (align & Qt::AlignRight) left -= width;
    p.drawText(left, at.y() + tm.ascent(), body);
    if (!exponent.isEmpty()) p.drawText(left + tm.horizontalAdvance(body), at.y() + tm.ascent() - raise, exponent);
  };
  p.setPen(QPen(kAxis, unit));
  const auto xTicks = axisTicks(s.x, origin.x, plotLeft, plotRight, dpiX, zoom.zx, +1);
  for (const Tick& t : xTicks) p.drawLine(t.position, ay + unit, t.position, ay + 4 * unit);
  const auto yTicks = axisTicks(s.y, origin.y, plotTop, plotBottom, dpiY, zoom.zy, -1);
  for (const Tick& t : yTicks) p.drawLine(ax - (t.position < origin.y ? 3 : 5) * unit, t.position, ax, t.position);
  p.setPen(QColor(20, 20, 20));
  if (xNumeric_) {
    for (const Tick& t : xTicks)
      drawLabel(labelText(t.value, s.x.exponent), u"x10 "_qs, {t.position, ay + 5 * unit}, Qt::AlignHCenter);
  }
  if (yNumeric_) {
    for (const Tick& t : yTicks) {
      const LabelText label = labelText(t.value, s.y.exponent);
      const int top = t.position < origin.y ? t.position - tm.height() / 2 : t.position - 5 * unit;
      if (!label.exponent.empty() && s.y.exponent > 3) {
        const int left = printer ? ax - dpiX - 2 : r.left() + 2;
        drawLabel(label, u"x10"_qs, {left, top}, Qt::AlignLeft);
      } else {
        drawLabel(label, u"x10"_qs, {ax - 4 * unit, top}, Qt::AlignRight);
      }
    }
  }

  // The plot, clipped to its area on the screen.
  p.save();
  if (!printer) p.setClipRect(QRect(QPoint(plotLeft, plotTop), QPoint(plotRight, plotBottom)));
  const size_t n = points_.x.size();
  std::vector<ScreenPoint> at(n);
  for (size_t i = 0; i < n; ++i) at[i] = mapPoint(s, area, zoom, points_.x[i], points_.y[i]);
  const int type = type_ >= 1 && type_ <= 3 ? type_ : 1;
  if (type == 1) {
    std::vector<QLine> bars(n);
    for (size_t i = 0; i < n; ++i) bars[i] = QLine(at[i].x, ay, at[i].x, at[i].y);
    p.setPen(QPen(kBars, unit));
    p.drawLines(bars.data(), static_cast<int>(n));
  } else if (type == 2) {
    if (printer) {
      p.setPen(Qt::NoPen);
      p.setBrush(kPoints);
      for (const ScreenPoint& q : at)
        for (const QPoint d : {QPoint(0, 0), QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1)})
          p.drawRect(q.x + d.x() * unit - unit / 2, q.y + d.y() * unit - unit / 2, unit, unit);
    } else {
      std::vector<QPoint> dots;
      dots.reserve(n * 5);
      for (const ScreenPoint& q : at)
        for (const QPoint d : {QPoint(0, 0), QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1)})
          dots.emplace_back(q.x + d.x(), q.y + d.y());
      p.setPen(kPoints);
      p.drawPoints(dots.data(), static_cast<int>(dots.size()));
    }
  } else {
    QPolygon line;
    line.reserve(static_cast<qsizetype>(n));
    for (size_t i : lineOrder(at)) line << QPoint(at[i].x, at[i].y);
    p.setPen(QPen(kLine, unit));
    p.drawPolyline(line);
  }
  if (labels_ && points_.labels.size() == n) {
    p.setFont(fonts.tick);
    p.setPen(QColor(20, 20, 20));
    const int band = 600 * unit;
    for (size_t i = 0; i < n; ++i) {
      const QString text = codepage::toQString(points_.labels[i]);
      if (points_.y[i] >= 0)
        p.drawText(QRect(at[i].x - band / 2, at[i].y - 2 * unit - tm.height(), band, tm.height()),
                   Qt::AlignHCenter | Qt::AlignBottom, text);
      else
        p.drawText(QRect(at[i].x - band / 2, at[i].y + unit, band, tm.height()), Qt::AlignHCenter | Qt::AlignTop, text);
    }
  }
  p.restore();
}

void GraphPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kBackground);
  p.setPen(Qt::white);
  p.setFont(ui::fontByFace(face(), 11, true));
  p.drawText(QRect(QPoint(6, 50), QPoint(118, 66)), Qt::AlignCenter, control_->chooser()->currentText());
  p.setFont(ui::fontByFace(face(), 11));
  p.drawText(8, 89, u"Άξονας Χ"_qs);
  p.drawText(8, 228, u"Άξονας Υ"_qs);
  const QRect graph = graphRect();
  if (graph.width() <= 0 || graph.height() <= 0) return;
  drawGraph(p, graph, false, logicalDpiX(), logicalDpiY(), screenFonts_, zoom_);
  if (drag_ && !zoomed_) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(drag_->adjusted(0, 0, -1, -1));
  }
}

void GraphPage::resizeEvent(QResizeEvent*) {
  update();
}

void GraphPage::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() != Qt::LeftButton || zoomed_ || !graphRect().contains(at)) return;
  dragging_ = true;
  dragStart_ = at;
  drag_ = QRect(at, QSize(0, 0));
  refreshButtons();
  update();
}

void GraphPage::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPoint at = event->position().toPoint();
  const QRect bounds = graphRect();
  const QPoint end(std::clamp(at.x(), bounds.left(), bounds.right() + 1),
                   std::clamp(at.y(), bounds.top(), bounds.bottom() + 1));
  drag_ = QRect(QPoint(std::min(dragStart_.x(), end.x()), std::min(dragStart_.y(), end.y())),
                QSize(std::abs(end.x() - dragStart_.x()), std::abs(end.y() - dragStart_.y())));
  update();
}

void GraphPage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  mouseMoveEvent(event);
  dragging_ = false;
  refreshButtons();
}

bool GraphPage::print(QPagedPaintDevice& device) {
  const int dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
  const int mx = dpiX * 3 / 4, my = dpiY * 3 / 4;
  const QRect area(mx, my, device.width() - 2 * mx, device.height() - 2 * my);
  if (area.width() <= 0 || area.height() <= 0) return false;
  QPainter p;
  if (!p.begin(&device)) return false;
  const Fonts fonts{ui::fontByFace(face(), std::max(1, dpiY / 7), true), ui::fontByFace(face(), std::max(1, dpiY / 8)),
                    ui::fontByFace(face(), std::max(1, dpiY / 7), true)};
  drawGraph(p, area, true, dpiX, dpiY, fonts, {});
  const bool ok = p.end();
  // The points are read again, as after any change of the grid.
  recompute();
  update();
  return ok;
}

}  // namespace vantorel::dravix
