#include "tabrel/PropertyList.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/ui/Graphics.h"
#include "tabrel/Bitmaps.h"

namespace vantorel::tabrel {
namespace {

constexpr int kItemHeight = 12;
constexpr int kClosedFieldWidth = 190;

void drawItem(QPainter& p, const QRect& rect, const QString& text, bool inverted) {
  p.fillRect(rect, inverted ? Qt::black : Qt::white);
  p.setPen(inverted ? Qt::white : Qt::black);
  p.drawText(rect.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

class ItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    p->save();
    p->setFont(option.font);
    const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    drawItem(*p, option.rect, index.data().toString(), selected || option.rect.width() < kClosedFieldWidth);
    p->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
  }
};

}  // namespace

PropertyList::PropertyList(QWidget* parent) : QComboBox(parent) {
  const QFont font = ui::fontByFace(u"Arial Greek"_qs, 10, true);
  setFont(font);
  setEditable(false);
  setFixedSize(210, 18);
  // Dropped, the list is 100 pixels high with its closed field.
  setMaxVisibleItems((100 - 18) / kItemHeight);
  setItemDelegate(new ItemDelegate(this));
  view()->setFont(font);
  view()->setStyleSheet(u"QAbstractItemView { background: white; border: 1px solid black; margin: 0; }"_qs);
}

void PropertyList::showPopup() {
  emit droppedDown();
  QComboBox::showPopup();
}

void PropertyList::hidePopup() {
  QComboBox::hidePopup();
  emit closedUp();
}

void PropertyList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  p.fillRect(rect(), Qt::black);
  p.setPen(Qt::white);
  p.drawRect(0, 0, 209, 17);
  p.setPen(QColor(67, 67, 67));
  p.drawRect(1, 1, 207, 15);
  drawItem(p, QRect(2, 2, 188, 14), currentIndex() >= 0 ? currentText() : QString(), true);
  p.fillRect(QRect(190, 2, 7, 14), Qt::black);
  p.drawPixmap(197, 2, tabrelBitmap(227));
}

}  // namespace vantorel::tabrel
