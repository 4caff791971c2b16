#include "dravix/RecordGrid.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/Graphics.h"

namespace vantorel::dravix {
namespace {

constexpr QColor kInk(169, 74, 0);
constexpr QColor kCaptionBack(192, 192, 192);
constexpr int kCellPadding = 3;

// A value as a cell shows it: one line, whatever TABs or line breaks the file put in it.
QString cellText(std::string_view value, const QString& emptyText) {
  if (value.empty()) return emptyText;
  QString text = codepage::toQString(value);
  for (QChar& c : text) {
    if (c.unicode() < 0x20) c = u' ';
  }
  return text;
}

}  // namespace

RecordGrid::RecordGrid(QWidget* parent) : QWidget(parent), vertical_(new QScrollBar(Qt::Vertical, this)) {
  fonts_.normal = ui::fontByFace(u"Arial Greek"_qs, 10, true);
  fonts_.small = ui::fontByFace(u"Arial Greek"_qs, 9, false);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  vertical_->setSingleStep(1);
  QObject::connect(vertical_, &QScrollBar::valueChanged, this, [this](int value) {
    if (value != top_) {
      top_ = value;
      update();
    }
  });
}

void RecordGrid::setRows(const GridRows* rows, std::vector<int> widths, QStringList captions, bool keepTop) {
  rows_ = rows;
  widths_ = std::move(widths);
  captions_ = std::move(captions);
  selected_.assign(static_cast<size_t>(rowCount()), 0);
  current_ = rowCount() > 0 ? 0 : -1;
  anchor_ = 0;
  if (!keepTop) top_ = 0;
  syncBar();
  update();
}

void RecordGrid::setWidths(std::vector<int> widths) {
  widths_ = std::move(widths);
  update();
}

void RecordGrid::setHorizontalPosition(int position) {
  if (position == horizontal_) return;
  horizontal_ = position;
  update();
}

int RecordGrid::rowCount() const {
  return rows_ ? static_cast<int>(std::min<size_t>(rows_->rowCount(), INT32_MAX)) : 0;
}

bool RecordGrid::isSelected(int row) const {
  return row >= 0 && static_cast<size_t>(row) < selected_.size() && selected_[static_cast<size_t>(row)];
}

std::vector<int> RecordGrid::selectedRows() const {
  std::vector<int> out;
  for (size_t i = 0; i < selected_.size(); ++i)
    if (selected_[i]) out.push_back(static_cast<int>(i));
  return out;
}

int RecordGrid::rowsPerPage() const {
  return std::max(1, height() / kRowHeight);
}

void RecordGrid::syncBar() {
  const int page = rowsPerPage();
  const int maximum = std::max(0, rowCount() - page);
  top_ = std::clamp(top_, 0, maximum);
  const QSignalBlocker block(vertical_);
  vertical_->setRange(0, maximum);
  vertical_->setPageStep(page);
  vertical_->setValue(top_);
  vertical_->setVisible(maximum > 0);
}

void RecordGrid::setTop(int top) {
  top = std::clamp(top, 0, std::max(0, rowCount() - rowsPerPage()));
  if (top == top_) return;
  top_ = top;
  const QSignalBlocker block(vertical_);
  vertical_->setValue(top_);
  update();
}

void RecordGrid::ensureVisible(int row) {
  if (row < top_)
    setTop(row);
  else if (row >= top_ + rowsPerPage())
    setTop(row - rowsPerPage() + 1);
}

void RecordGrid::selectRange(int from, int to) {
  std::fill(selected_.begin(), selected_.end(), 0);
  const int a = std::min(from, to), b = std::max(from, to);
  for (int r = std::max(0, a); r <= b && r < rowCount(); ++r) selected_[static_cast<size_t>(r)] = 1;
}

void RecordGrid::moveCurrent(int row, Qt::KeyboardModifiers modifiers) {
  if (rowCount() == 0) return;
  row = std::clamp(row, 0, rowCount() - 1);
  current_ = row;
  if (modifiers & Qt::ShiftModifier) {
    selectRange(anchor_, row);
  } else if (!(modifiers & Qt::ControlModifier)) {
    anchor_ = row;
    selectRange(row, row);
  }
  ensureVisible(row);
  update();
}

void RecordGrid::keyPressEvent(QKeyEvent* event) {
  const int n = rowCount();
  const auto mods = event->modifiers();
  if (event->matches(QKeySequence::SelectAll)) {
    std::fill(selected_.begin(), selected_.end(), 1);
    update();
    return;
  }
  if (n == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int page = rowsPerPage();
  switch (event->key()) {
    case Qt::Key_Up: moveCurrent(current_ - 1, mods); break;
    case Qt::Key_Down: moveCurrent(current_ + 1, mods); break;
    case Qt::Key_PageUp: moveCurrent(current_ - page + 1, mods); break;
    case Qt::Key_PageDown: moveCurrent(current_ + page - 1, mods); break;
    case Qt::Key_Home: moveCurrent(0, mods); break;
    case Qt::Key_End: moveCurrent(n - 1, mods); break;
    case Qt::Key_Space:
      if (current_ >= 0) {
        if (mods & Qt::ControlModifier)
          selected_[static_cast<size_t>(current_)] ^= 1;
        else
          selected_[static_cast<size_t>(current_)] = 1;
        anchor_ = current_;
        update();
      }
      break;
    default: QWidget::keyPressEvent(event); return;
  }
}

int RecordGrid::rowAt(int y) const {
  const int row = top_ + y / kRowHeight;
  return y >= 0 && row < rowCount() ? row : -1;
}

void RecordGrid::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const int row = rowAt(event->position().toPoint().y());
  if (row < 0 || event->button() != Qt::LeftButton) return;
  const auto mods = event->modifiers();
  if (mods & Qt::ControlModifier && !(mods & Qt::ShiftModifier)) {
    selected_[static_cast<size_t>(row)] ^= 1;
    current_ = anchor_ = row;
    update();
    return;
  }
  moveCurrent(row, mods);
}

void RecordGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || rowCount() == 0) return;
  const int y = event->position().toPoint().y();
  const int row = std::clamp(top_ + (y < 0 ? -1 : y / kRowHeight), 0, rowCount() - 1);
  current_ = row;
  selectRange(anchor_, row);
  ensureVisible(row);
  update();
}

void RecordGrid::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 40;  // three rows a notch
  setTop(top_ - steps);
  event->accept();
}

void RecordGrid::focusInEvent(QFocusEvent*) {
  update();
}

void RecordGrid::focusOutEvent(QFocusEvent*) {
  update();
}

void RecordGrid::resizeEvent(QResizeEvent*) {
  const int barWidth = vertical_->sizeHint().width();
  vertical_->setGeometry(width() - barWidth, 0, barWidth, height());
  syncBar();
}

void RecordGrid::paintRow(QPainter& p, int row, const QRect& rect, bool selected) {
  const QColor back = selected ? kInk : Qt::white;
  const QColor ink = selected ? Qt::white : kInk;
  p.fillRect(rect, back);
  p.setPen(kInk);
  const auto r = static_cast<size_t>(row);
  const size_t cells = rows_->cellCount();
  if (rows_->transposed()) {
    const int visible = rect.width() / kTransposedCellWidth + 1;
    for (int i = 0; i < visible; ++i) {
      const size_t c = static_cast<size_t>(horizontal_) + static_cast<size_t>(i);
      if (c >= cells) break;
      const QRect cell(rect.left() + i * kTransposedCellWidth, rect.top(), kTransposedCellWidth, rect.height());
      QString text;
      if (c == 0) {
        if (!selected) p.fillRect(cell, kCaptionBack);
        text = row < captions_.size() ? captionText(captions_[row]) : QString();
      } else {
        text = cellText(rows_->cell(r, c), emptyText_);
      }
      drawMarkup(p, cell.adjusted(kCellPadding, 0, -1, 0), text, fonts_, ink);
      p.setPen(kInk);
      p.drawLine(cell.topRight(), cell.bottomRight());
    }
  } else {
    int x = rect.left() - horizontal_;
    for (size_t c = 0; c < cells && c < widths_.size(); ++c) {
      const int w = widths_[c];
      if (x + w > rect.left() && x <= rect.right()) {
        const QRect cell(x, rect.top(), w, rect.height());
        drawMarkup(p, cell.adjusted(kCellPadding, 0, -1, 0), cellText(rows_->cell(r, c), emptyText_), fonts_, ink);
        p.setPen(kInk);
        p.drawLine(cell.topRight(), cell.bottomRight());
      }
      x += w;
    }
  }
  p.setPen(kInk);
  p.drawLine(rect.bottomLeft(), rect.bottomRight());
}

void RecordGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int right = vertical_->isVisible() ? width() - vertical_->width() : width();
  p.fillRect(rect(), Qt::white);
  rowsPainted_ = 0;
  const int n = rowCount();
  for (int i = 0; top_ + i < n && i * kRowHeight < height(); ++i) {
    const int row = top_ + i;
    const QRect rect(0, i * kRowHeight, right, kRowHeight);
    paintRow(p, row, rect, isSelected(row));
    if (row == current_ && hasFocus()) {
      p.setPen(QPen(isSelected(row) ? QColor(255, 230, 200) : kInk, 1, Qt::DotLine));
      p.drawRect(rect.adjusted(0, 0, -1, -2));
    }
    ++rowsPainted_;
  }
}

}  // namespace vantorel::dravix
