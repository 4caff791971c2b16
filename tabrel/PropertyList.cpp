#include "tabrel/PropertyList.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "platform/ui/Graphics.h"
#include "tabrel/Bitmaps.h"
#include "tabrel/Caption.h"

namespace vantorel::tabrel {
namespace {

constexpr int kItemHeight = 12;
constexpr int kClosedFieldWidth = 190;
constexpr int kWidth = 210;
constexpr int kFieldHeight = 18;
constexpr int kDroppedHeight = 100;

void drawItem(QPainter& p, const QRect& rect, const QString& caption, const QFont& font, bool inverted) {
  p.fillRect(rect, inverted ? Qt::black : Qt::white);
  p.setPen(inverted ? Qt::white : Qt::black);
  // Text starts 4 pixels in and keeps 3 clear at the end, off the field's black strip.
  drawCaption(p, rect.adjusted(4, 0, -3, 0), caption, font);
}

class ItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    p->save();
    const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    drawItem(*p, option.rect, index.data().toString(), option.font,
             selected || option.rect.width() < kClosedFieldWidth);
    p->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
  }
};

// Styles that drop a list as a menu over the field (Fusion among them) show every item and
// scroll with arrows; this list drops below its field and scrolls with a bar in every style.
class DropBelowStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

PropertyList::PropertyList(QWidget* parent) : QComboBox(parent) {
  auto* style = new DropBelowStyle;
  style->setParent(this);
  setStyle(style);
  const QFont font = ui::fontByFace(u"Arial Greek"_qs, 10, true);
  setFont(font);
  setEditable(false);
  setFixedSize(kWidth, kFieldHeight);
  setMaxVisibleItems((kDroppedHeight - kFieldHeight) / kItemHeight);
  setItemDelegate(new ItemDelegate(this));
  view()->setFont(font);
  view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view()->setStyleSheet(u"QAbstractItemView { background: white; border: 1px solid black; margin: 0; }"_qs);
}

void PropertyList::addCaption(const QString& caption) {
  addItem(caption);
  setItemData(count() - 1, captionRichText(caption), Qt::ToolTipRole);
}

void PropertyList::showPopup() {
  emit droppedDown();
  QComboBox::showPopup();
  // The drop-down window is the view's; it hangs below the field at the list's own size.
  QWidget* popup = view()->window();
  if (popup == window() || !popup->isVisible()) return;
  popup->setGeometry(QRect(mapToGlobal(QPoint(0, height())), QSize(kWidth, kDroppedHeight - kFieldHeight)));
  if (currentIndex() >= 0) view()->scrollTo(view()->model()->index(currentIndex(), 0));
}

void PropertyList::hidePopup() {
  QComboBox::hidePopup();
  emit closedUp();
}

bool PropertyList::event(QEvent* event) {
  // The closed field tells the whole caption of the property it shows.
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (currentIndex() >= 0)
      QToolTip::showText(help->globalPos(), itemData(currentIndex(), Qt::ToolTipRole).toString(), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QComboBox::event(event);
}

void PropertyList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.setPen(Qt::white);
  p.drawRect(0, 0, 209, 17);
  p.setPen(QColor(67, 67, 67));
  p.drawRect(1, 1, 207, 15);
  drawItem(p, QRect(2, 2, 188, 14), currentIndex() >= 0 ? currentText() : QString(), font(), true);
  p.fillRect(QRect(190, 2, 7, 14), Qt::black);
  p.drawPixmap(197, 2, tabrelBitmap(227));
}

}  // namespace vantorel::tabrel
