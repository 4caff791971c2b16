#include "dravix/PageWidgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "dravix/Bitmaps.h"

namespace vantorel::dravix {
namespace {

constexpr QColor kListBack(122, 120, 160);
constexpr QColor kListSelectedBack(43, 76, 113);
constexpr int kListIndent = 6;
constexpr int kChooserIndent = 4;

class FieldDelegate : public QStyledItemDelegate {
 public:
  FieldDelegate(const MarkupFonts& fonts, QObject* parent) : QStyledItemDelegate(parent), fonts_(fonts) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, selected ? kListSelectedBack : kListBack);
    const QRect text = option.rect.adjusted(kListIndent, 0, 0, 0);
    drawMarkup(*p, text, captionText(index.data().toString()), fonts_, selected ? Qt::white : Qt::black);
    if ((option.state & QStyle::State_HasFocus) && selected) {
      p->setPen(QPen(QColor(255, 255, 255, 140), 1, Qt::DotLine));
      p->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
    return {kListIndent + markupWidth(captionText(index.data().toString()), fonts_) + 6,
            QFontMetrics(fonts_.normal).height() + 3};
  }

 private:
  MarkupFonts fonts_;
};

class ChooserDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool lit = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    p->fillRect(option.rect, lit ? Qt::black : Qt::white);
    p->setPen(lit ? Qt::white : Qt::black);
    p->setFont(option.font);
    p->drawText(option.rect.adjusted(kChooserIndent, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                index.data().toString());
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QFontMetrics(option.font).horizontalAdvance(index.data().toString()) + 2 * kChooserIndent, 16};
  }
};

}  // namespace

BitmapButton::BitmapButton(int bitmapId, const QString& accessibleName, QWidget* parent)
    : QAbstractButton(parent), bitmapId_(bitmapId) {
  setAccessibleName(accessibleName);
  setToolTip(accessibleName);
  setFocusPolicy(Qt::TabFocus);
  setFixedSize(sizeHint());
}

QSize BitmapButton::sizeHint() const {
  return dravixBitmap(bitmapId_).size();
}

void BitmapButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int id = !isEnabled() ? bitmapId_ + 2 : isDown() ? bitmapId_ + 1 : bitmapId_;
  p.drawPixmap(0, 0, dravixBitmap(id));
  if (hasFocus()) {
    p.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
    p.drawRoundedRect(QRectF(2.5, 2.5, width() - 5, height() - 5), 2, 2);
  }
}

TableChooser::TableChooser(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new ChooserDelegate(this));
  setMaxVisibleItems(7);
  setFocusPolicy(Qt::StrongFocus);
}

void TableChooser::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, Qt::black);
  p.setPen(Qt::white);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setPen(QColor(67, 67, 67));
  p.drawRect(r.adjusted(1, 1, -2, -2));
  p.drawPixmap(101, 2, dravixBitmap(bitmaps::kChooserArrow));
  p.setPen(Qt::white);
  p.setFont(font());
  p.drawText(QRect(kChooserIndent, 0, 101 - kChooserIndent, r.height()),
             Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, currentText());
  if (hasFocus()) {
    p.setPen(QPen(QColor(140, 140, 140), 1, Qt::DotLine));
    p.drawLine(kChooserIndent, r.height() - 4, 97, r.height() - 4);
  }
}

FieldList::FieldList(const MarkupFonts& fonts, QWidget* parent) : QListWidget(parent), fonts_(fonts) {
  setItemDelegate(new FieldDelegate(fonts, this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setUniformItemSizes(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Base, kListBack);
  setPalette(palette);
}

void FieldList::setFields(const std::vector<int>& fields, const std::function<QString(int)>& caption) {
  const int current = currentRow();
  clear();
  for (int field : fields) {
    auto* item = new QListWidgetItem(caption(field), this);
    item->setData(Qt::UserRole, field);
  }
  if (count() > 0) setCurrentRow(std::clamp(current, 0, count() - 1));
}

int FieldList::fieldAt(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->data(Qt::UserRole).toInt() : -1;
}

void FieldList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (currentRow() >= 0) emit moveRequested();
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

void FieldList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  if (itemAt(event->position().toPoint())) emit moveRequested();
}

GridHeader::GridHeader(const MarkupFonts& fonts, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), fonts_(fonts) {
  setModel(&model_);
  setSectionsClickable(true);
  setSectionResizeMode(QHeaderView::Interactive);
  setMinimumSectionSize(50);
  setMaximumSectionSize(4000);
  setStretchLastSection(false);
  setHighlightSections(false);
  setSortIndicatorShown(false);
  setFocusPolicy(Qt::NoFocus);
}

void GridHeader::setColumns(const QStringList& captions, const std::vector<int>& widths) {
  captions_ = captions;
  model_.setColumnCount(static_cast<int>(captions.size()));
  const QSignalBlocker block(this);
  for (int i = 0; i < captions.size() && static_cast<size_t>(i) < widths.size(); ++i)
    resizeSection(i, widths[static_cast<size_t>(i)]);
  viewport()->update();
}

void GridHeader::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const {
  QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
  fill.setColorAt(0, QColor(238, 232, 222));
  fill.setColorAt(1, QColor(204, 194, 178));
  p->fillRect(rect, fill);
  p->setPen(QColor(169, 74, 0));
  p->drawLine(rect.topRight(), rect.bottomRight());
  p->drawLine(rect.bottomLeft(), rect.bottomRight());
  p->setPen(QColor(255, 255, 255, 160));
  p->drawLine(rect.topLeft(), rect.topRight() - QPoint(1, 0));
  if (logicalIndex >= 0 && logicalIndex < captions_.size())
    drawMarkup(*p, rect.adjusted(4, 0, -3, 0), captionText(captions_[logicalIndex]), fonts_, QColor(60, 22, 0));
}

}  // namespace vantorel::dravix
