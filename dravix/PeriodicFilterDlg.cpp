#include "dravix/PeriodicFilterDlg.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StringTable.h"

namespace vantorel::dravix {
namespace {

constexpr QColor kPicked(172, 125, 208);
constexpr QColor kUnpicked(0, 190, 190);
constexpr int kCellStep = 24;
constexpr int kCellSize = 25;
constexpr int kOrigin = 10;

QString dravixString(int id) {
  return ui::resourceString(u"dravix"_qs, id);
}

QFont pickerFont() {
  return ui::fontByFace(u"Arial Greek"_qs, 11, true);
}

}  // namespace

std::optional<std::vector<PickerElement>> loadPickerElements(const QString& folder, QWidget* parent) {
  auto elements = readElementFile(QFile::encodeName(folder).toStdString(), diskOpener());
  if (!elements) ui::messageBox(folder + u"element.dat"_qs, dravixString(153), ui::Buttons::Ok, ui::Icon::None, parent);
  return elements;
}

PeriodicTableView::PeriodicTableView(PeriodicPicker& picker, QWidget* parent) : QWidget(parent), picker_(picker) {
  setFont(pickerFont());
  setFixedSize(sizeHint());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PeriodicTableView::sizeHint() const {
  return {kOrigin + kCellStep * kPickerColumns + 1 + kOrigin, kOrigin + kCellStep * kPickerRows + 1 + kOrigin};
}

QRect PeriodicTableView::cellRect(int column, int row) {
  return {kOrigin + kCellStep * column, kOrigin + kCellStep * row, kCellSize, kCellSize};
}

void PeriodicTableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  p.setFont(font());
  p.setPen(Qt::black);
  p.drawText(QRect(QPoint(11, 13), QPoint(51, 37)), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
             dravixString(176));
  p.drawText(QRect(QPoint(3, 40), QPoint(51, 64)), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
             dravixString(177));

  auto cell = [&](int column, int row, const QString& label, bool picked) {
    const QRect r = cellRect(column, row);
    p.fillRect(r, picked ? kPicked : kUnpicked);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawText(r, Qt::AlignCenter, label);
  };
  for (int head = 1; head <= kGroupHeads; ++head)
    if (PeriodicPicker::groupHeadShown(head))
      cell(head + 1, 0, QString::fromStdString(PeriodicPicker::groupHeadLabel(head)), picker_.groupSelected(head));
  for (int head = 1; head <= kPeriodHeads; ++head)
    if (PeriodicPicker::periodHeadShown(head))
      cell(0, head <= 7 ? head + 1 : head + 2, QString::number(head), picker_.periodSelected(head));
  const auto& elements = picker_.elements();
  for (int row = 0; row < kPickerRows; ++row) {
    for (int column = 0; column < kPickerColumns; ++column) {
      const int index = picker_.elementAt(column, row);
      if (index < 0) continue;
      cell(column, row, codepage::toQString(elements[static_cast<size_t>(index)].symbol),
           picker_.elementSelected(index));
    }
  }
}

void PeriodicTableView::clickAt(const QPoint& pos) {
  if (pos.x() < kOrigin || pos.y() < kOrigin) return;
  if (picker_.click((pos.x() - kOrigin) / kCellStep, (pos.y() - kOrigin) / kCellStep)) update();
}

void PeriodicTableView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickAt(event->position().toPoint());
}

void PeriodicTableView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) clickAt(event->position().toPoint());
}

bool PeriodicTableView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint pos = help->pos();
    const int index = pos.x() < kOrigin || pos.y() < kOrigin
                          ? -1
                          : picker_.elementAt((pos.x() - kOrigin) / kCellStep, (pos.y() - kOrigin) / kCellStep);
    if (index >= 0)
      QToolTip::showText(
          help->globalPos(),
          QString::number(index + 1) + u' ' + codepage::toQString(picker_.elements()[static_cast<size_t>(index)].name),
          this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

PeriodicFilterDlg::PeriodicFilterDlg(std::vector<PickerElement> elements, const Filter& filter, QWidget* parent)
    : QDialog(parent), picker_(std::move(elements)) {
  setWindowTitle(u"Περιοδικός Πίνακας Φίλτρο"_qs);
  setFont(pickerFont());
  picker_.show(filter);
  table_ = new PeriodicTableView(picker_, this);
  auto* hint = new QLabel(u"Επιλέξτε στοιχεία, μία ομάδα ή μία περίοδο."_qs, this);
  clear_ = new QPushButton(u"Διαγραφή"_qs, this);
  ok_ = new QPushButton(u"OK"_qs, this);
  cancel_ = new QPushButton(u"Ακύρωση"_qs, this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(hint, 1);
  buttons->addWidget(clear_);
  buttons->addSpacing(12);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  QObject::connect(clear_, &QPushButton::clicked, this, [this] {
    picker_.clearAll();
    table_->update();
  });
  QObject::connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  QObject::connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vantorel::dravix
