#include "brovik/BrowseViews.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "brovik/Bitmaps.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/Graphics.h"

namespace vantorel::brovik {
namespace {

constexpr int kRow = kTreeRowHeight;
const QColor kTreeBackground(232, 232, 222);
const QColor kOpenNode(169, 74, 0);
const QColor kListFill(122, 120, 160);
const QColor kListEmpty(145, 145, 145);

// Black dots every other pixel down a column, in step with the row's top.
void dottedColumn(QPainter& p, int x, int rowTop, int from, int to) {
  for (int y = from; y < to; ++y) {
    if ((y - rowTop) % 2 == 0) p.drawPoint(x, y);
  }
}

// Both views: frameless, in the browser's font, with scroll bars when needed.
void setUpView(QAbstractScrollArea& view, Qt::FocusPolicy focus) {
  view.setFrameShape(QFrame::NoFrame);
  view.setFont(ui::fontByFace(u"Arial Greek"_qs, 11));
  view.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view.setFocusPolicy(focus);
}

}  // namespace

TopicTreeView::TopicTreeView(Browser& browser, QWidget* parent) : QAbstractScrollArea(parent), browser_(browser) {
  setUpView(*this, Qt::ClickFocus);
  viewport()->setAutoFillBackground(false);
}

void TopicTreeView::sync() {
  syncing_ = true;
  TopicTree& tree = browser_.tree();
  tree.setPageRows(viewport()->height() / kRow);
  verticalScrollBar()->setRange(0, tree.maxTop());
  verticalScrollBar()->setPageStep(tree.pageRows());
  verticalScrollBar()->setValue(tree.top());
  const int extent = tree.extent();
  horizontalScrollBar()->setRange(0, std::max(0, extent - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(8);
  syncing_ = false;
  viewport()->update();
}

void TopicTreeView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  sync();
}

void TopicTreeView::scrollContentsBy(int, int) {
  if (syncing_) return;
  browser_.tree().setTop(verticalScrollBar()->value());
  viewport()->update();
}

void TopicTreeView::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), kTreeBackground);
  p.setFont(font());
  p.translate(-horizontalScrollBar()->value(), 0);
  const TopicTree& tree = browser_.tree();
  const int rows = static_cast<int>(tree.rows().size());
  for (int row = tree.top(), y = 0; row < rows && y < viewport()->height(); ++row, y += kRow) paintRow(p, row, y);
}

void TopicTreeView::paintRow(QPainter& p, int row, int y) {
  const TopicTree& tree = browser_.tree();
  const int node = tree.rowNode(row);
  const TopicNode& n = tree.node(node);
  const int level = n.level;
  const bool open = tree.isOpen(node);
  p.setPen(Qt::black);
  const int own = 7 + 18 * level;
  dottedColumn(p, own, y, y, y + kRow / 2);
  if (tree.hasLaterSibling(node)) dottedColumn(p, own, y, y + kRow / 2, y + kRow);
  for (int k = 0; k < level; ++k) {
    const int ancestor = tree.openNode(k);
    if (ancestor >= 0 && tree.hasLaterSibling(ancestor)) dottedColumn(p, 7 + 18 * k, y, y, y + kRow);
  }
  if (tree.hasChildren(node)) {
    p.drawPixmap(18 * level + 3, y + 3, bitmap(open ? 220 : 219));
  } else {
    for (int x = 9; x <= 15; x += 2) p.drawPoint(18 * level + x, y + kRow / 2);
  }
  p.setPen(open ? kOpenNode : QColor(Qt::black));
  p.drawText(QRect(18 * level + 20, y, 10000, kRow), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             codepage::toQString(n.title));
}

void TopicTreeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int row = browser_.tree().top() + static_cast<int>(event->position().y()) / kRow;
  if (onClick) onClick(row);
}

void TopicTreeView::keyPressEvent(QKeyEvent* event) {
  event->ignore();
}

ResourceListView::ResourceListView(Browser& browser, QWidget* parent) : QAbstractScrollArea(parent), browser_(browser) {
  setUpView(*this, Qt::StrongFocus);
}

int ResourceListView::pageRows() const {
  return std::max(1, viewport()->height() / kRow);
}

void ResourceListView::sync() {
  const auto& rows = browser_.resources();
  if (generation_ != browser_.listGeneration()) {
    generation_ = browser_.listGeneration();
    texts_.clear();
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const auto& r : rows) {
      texts_.push_back(codepage::toQString(r.title));
      widest = std::max(widest, metrics.horizontalAdvance(texts_.back()));
    }
    // An emptied list has the narrow extent; a filled one fits its widest text.
    extent_ = rows.empty() ? 50 : std::max(122, widest + 22);
    top_ = 0;
    shownSelection_ = -1;
  }
  const int selected = browser_.selectedResource();
  if (selected != shownSelection_ && selected >= 0) {
    // A selection made for the user is scrolled into view.
    if (selected < top_) top_ = selected;
    if (selected >= top_ + pageRows()) top_ = selected - pageRows() + 1;
  }
  shownSelection_ = selected;
  updateScrollBars();
  viewport()->update();
}

void ResourceListView::updateScrollBars() {
  syncing_ = true;
  const int count = static_cast<int>(texts_.size());
  top_ = std::clamp(top_, 0, std::max(0, count - pageRows()));
  verticalScrollBar()->setRange(0, std::max(0, count - pageRows()));
  verticalScrollBar()->setPageStep(pageRows());
  verticalScrollBar()->setValue(top_);
  horizontalScrollBar()->setRange(0, std::max(0, extent_ - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  syncing_ = false;
}

void ResourceListView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void ResourceListView::scrollContentsBy(int, int) {
  if (syncing_) return;
  top_ = verticalScrollBar()->value();
  viewport()->update();
}

void ResourceListView::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  const int count = static_cast<int>(texts_.size());
  p.fillRect(viewport()->rect(), count ? kListFill : kListEmpty);
  p.setFont(font());
  const int left = -horizontalScrollBar()->value();
  const auto& rows = browser_.resources();
  for (int row = top_, y = 0; row < count && y < viewport()->height(); ++row, y += kRow) {
    const QRect r(left, y, std::max(viewport()->width(), extent_), kRow);
    p.fillRect(r, kListFill);
    p.drawPixmap(r.left() + 2, r.top() + 1, bitmap(resourceIconId(assetType(rows[static_cast<size_t>(row)].assetId))));
    p.setPen(row == browser_.selectedResource() ? Qt::white : Qt::black);
    p.drawText(QRect(r.left() + 20, r.top(), r.width() - 20, kRow),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, texts_[row]);
  }
}

void ResourceListView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int row = top_ + static_cast<int>(event->position().y()) / kRow;
  if (row < static_cast<int>(texts_.size()) && onSelect) onSelect(row);
}

void ResourceListView::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(texts_.size());
  const int selected = browser_.selectedResource();
  int row = -1;
  switch (event->key()) {
    case Qt::Key_Up: row = std::max(0, selected - 1); break;
    case Qt::Key_Down: row = std::min(count - 1, selected + 1); break;
    case Qt::Key_Home: row = 0; break;
    case Qt::Key_End: row = count - 1; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  if (row >= 0 && row < count && onSelect) onSelect(row);
}

GoButton::GoButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::TabFocus);
}

void GoButton::setLook(ButtonLook look) {
  if (look_ == look) return;
  look_ = look;
  update();
}

void GoButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  int id = 221;
  if (!isEnabled()) {
    id = 223;
  } else if (look_ == ButtonLook::Next) {
    id = isDown() ? 225 : 224;
  } else {
    id = isDown() ? 222 : 221;
  }
  p.drawPixmap(0, 0, bitmap(id));
}

}  // namespace vantorel::brovik
