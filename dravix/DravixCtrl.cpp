#include "dravix/DravixCtrl.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <numeric>

#include "dravix/Bitmaps.h"
#include "dravix/PageWidgets.h"
#include "dravix/RecordGrid.h"
#include "dravix/core/RowOrder.h"
#include "dravix/core/TableCatalogue.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/com/Blocks.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StringTable.h"

namespace vantorel::dravix {
namespace {

using com::Variant;

constexpr QColor kBackground(115, 115, 115);
constexpr QColor kGridFrame(91, 0, 18);
constexpr QColor kBoxDark(49, 49, 49);
constexpr QColor kBoxLight(181, 181, 181);

// String ids.
constexpr int kOutOfMemory = 108;
constexpr int kNoFilterSuffix = 117;
constexpr int kProductCaption = 153;
constexpr int kFilteredSuffix = 157;
constexpr int kCannotRemove = 173;
constexpr int kTablesTitle = 188;
constexpr int kAvailableTitle = 189;
constexpr int kSelectedTitle = 190;

constexpr int kListTop = 56;
constexpr int kListHeight = 120;
constexpr int kHeaderTop = 229;
constexpr int kHeaderHeight = 18;

}  // namespace

CDravixCtrl::CDravixCtrl() : collator_(QLocale(QLocale::Greek, QLocale::Greece)) {
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
  const QString face = u"Arial Greek"_qs;
  listFonts_ = {ui::fontByFace(face, 11), ui::fontByFace(face, 9)};
  labelFont_ = ui::fontByFace(face, 10);

  dispatch().property(1, "Version", Variant::Type::String,
                      [] { return Variant::fromString(QString::fromLatin1(kDravixVersion)); });
  dispatch().property(
      6, "Axis", Variant::Type::Bool, [this] { return Variant::fromBool(axis()); },
      [this](const Variant& v) { setAxis(v.toBool()); });
  dispatch().property(
      7, "SortColumn", Variant::Type::Short, [this] { return Variant::fromShort(static_cast<int16_t>(sortColumn())); },
      [this](const Variant& v) { setSortColumn(v.toShort()); });
  dispatch().method(10, "InitData", {Variant::Type::String}, Variant::Type::Empty, [this](const auto& a) {
    InitData(a[0].toString());
    return Variant();
  });
  dispatch().method(13, "GetTable", {}, Variant::Type::Short,
                    [this](const auto&) { return Variant::fromShort(static_cast<int16_t>(GetTable())); });
  dispatch().method(14, "GetSelectedFields", {}, Variant::Type::Address,
                    [this](const auto&) { return Variant::fromAddress(GetSelectedFields()); });
  dispatch().method(15, "SetTable", {Variant::Type::Short}, Variant::Type::Empty, [this](const auto& a) {
    SetTable(a[0].toShort());
    return Variant();
  });
  dispatch().method(16, "SetSelectedFields", {Variant::Type::Address}, Variant::Type::Empty, [this](const auto& a) {
    SetSelectedFields(a[0].toAddress());
    return Variant();
  });
  dispatch().method(20, "SetColumnWidth", {Variant::Type::Short, Variant::Type::Long}, Variant::Type::Empty,
                    [this](const auto& a) {
                      SetColumnWidth(a[0].toShort(), a[1].toLong());
                      return Variant();
                    });
  dispatch().method(21, "GetColumnWidth", {Variant::Type::Short}, Variant::Type::Long,
                    [this](const auto& a) { return Variant::fromLong(GetColumnWidth(a[0].toShort())); });
  registerFilterMembers();

  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);

  chooser_ = new TableChooser(this);
  chooser_->setFont(labelFont_);
  for (int t = 0; t < kTableCount; ++t) chooser_->addItem(text(tableSpec(t).chooserCaptionId));
  chooser_->setCurrentIndex(tableNumber_);
  QObject::connect(chooser_, &QComboBox::activated, this, [this](int index) {
    if (initialised_ && (index != tableNumber_ || !table_))
      loadTable(index);
    else if (!initialised_)
      tableNumber_ = index;
  });

  availableList_ = new FieldList(listFonts_, this);
  selectedList_ = new FieldList(listFonts_, this);
  availableList_->setAccessibleName(text(kAvailableTitle));
  selectedList_->setAccessibleName(text(kSelectedTitle));
  QObject::connect(availableList_, &FieldList::moveRequested, this, [this] { addField(); });
  QObject::connect(selectedList_, &FieldList::moveRequested, this, [this] { removeField(); });

  struct ButtonSpec {
    int bitmap;
    const char16_t* name;
    void (CDravixCtrl::*command)();
  };
  static const ButtonSpec kButtons[] = {
      {bitmaps::kAdd, u"Προσθήκη", &CDravixCtrl::addField},
      {bitmaps::kRemove, u"Αφαίρεση", &CDravixCtrl::removeField},
      {bitmaps::kAddAll, u"Προσθήκη όλων", &CDravixCtrl::addAllFields},
      {bitmaps::kRemoveAll, u"Αφαίρεση όλων", &CDravixCtrl::removeAllFields},
      {bitmaps::kTranspose, u"Αντιστροφή", &CDravixCtrl::transpose},
      {bitmaps::kFilter, u"Φίλτρο", &CDravixCtrl::openFilterDialog},
      // The export and graph pages come with their own commands.
      {bitmaps::kExport, u"Εξαγωγή", nullptr},
      {bitmaps::kGraph, u"Γράφημα", nullptr},
  };
  for (const ButtonSpec& spec : kButtons) {
    auto* b = new BitmapButton(spec.bitmap, QString::fromUtf16(spec.name), this);
    if (spec.command) QObject::connect(b, &QAbstractButton::clicked, this, [this, c = spec.command] { (this->*c)(); });
    buttons_.push_back(b);
  }

  header_ = new GridHeader({ui::fontByFace(face, 10, true), ui::fontByFace(face, 9)}, this);
  QObject::connect(header_, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
    selection_.setWidth(column, width);
    grid_->setWidths(selection_.widths());
    updateScroll(true);
  });
  QObject::connect(header_, &QHeaderView::sectionClicked, this, [this](int column) { sortOn(column); });

  grid_ = new RecordGrid(this);
  grid_->setEmptyText(u"Δε διατίθεται"_qs);
  scrollBar_ = new QScrollBar(Qt::Horizontal, this);
  scrollBar_->setEnabled(false);
  QObject::connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) { applyScroll(value); });

  // Tab goes through the page as it reads: chooser, left list, its buttons, right list, the
  // row of buttons, the grid.
  QWidget* order[] = {chooser_,      availableList_, buttons_[0], buttons_[1], buttons_[2], buttons_[3],
                      selectedList_, buttons_[4],    buttons_[5], buttons_[6], buttons_[7], grid_};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  scrollBar_->setFocusPolicy(Qt::NoFocus);

  updateGraphButton();
  rebuild(false);
  registerGraphMembers();
}

CDravixCtrl::~CDravixCtrl() = default;

QString CDravixCtrl::text(int id) const {
  return ui::resourceString(u"dravix"_qs, id);
}

QString CDravixCtrl::caption(int field) const {
  return text(tableSpec(tableNumber_).firstCaptionId + field);
}

BitmapButton* CDravixCtrl::button(int bitmapId) const {
  // The buttons were made in the order of their bitmaps, three bitmaps apart.
  const int index = (bitmapId - bitmaps::kAdd) / 3;
  if (bitmapId < bitmaps::kAdd || index >= static_cast<int>(buttons_.size())) return nullptr;
  return buttons_[static_cast<size_t>(index)];
}

void CDravixCtrl::showMessage(const QString& message) {
  ui::messageBox(message, text(kProductCaption), ui::Buttons::Ok, ui::Icon::None, this);
}

// Members ---------------------------------------------------------------------------------------

void CDravixCtrl::InitData(const QString& dataPath) {
  folder_ = dataPath;
  initialised_ = true;
  loadTable(tableNumber_);
}

void CDravixCtrl::SetTable(int index) {
  if (!isTableNumber(index)) return;
  graphBeforeSetTable();
  if (!initialised_) {
    // No data folder yet: the chooser shows the table, which InitData loads.
    tableNumber_ = index;
    const QSignalBlocker block(chooser_);
    chooser_->setCurrentIndex(index);
    return;
  }
  loadTable(index);
  graphAfterSetTable();
}

intptr_t CDravixCtrl::GetSelectedFields() const {
  const std::vector<int32_t> block = selection_.toBlock();
  return com::newIntBlock(block);
}

void CDravixCtrl::SetSelectedFields(intptr_t block) {
  const auto values = com::readIntBlock(block);
  if (!values || !table_) return;
  selection_.addFromBlock(*values);
  refreshLists();
  updateGraphButton();
  applyFilter();
  rebuild(false);
  graphAfterSetSelectedFields();
}

void CDravixCtrl::SetColumnWidth(int index, int64_t width) {
  if (!selection_.setWidth(index, width)) return;
  refreshHeader();
  grid_->setWidths(selection_.widths());
  updateScroll(true);
}

void CDravixCtrl::setAxis(bool transposed) {
  if (transposed != transposed_) transpose();
}

// Commands --------------------------------------------------------------------------------------

void CDravixCtrl::addField() {
  const int row = availableList_->currentRow();
  if (row < 0 || !selection_.add(static_cast<size_t>(row))) return;
  refreshLists();
  updateGraphButton();
  rebuild(false);
}

void CDravixCtrl::removeField() {
  const int row = selectedList_->currentRow();
  if (row < 0) return;
  const int field = selectedList_->fieldAt(row);
  switch (selection_.remove(static_cast<size_t>(row))) {
    case FieldSelection::Removal::KeyField: showMessage(text(kCannotRemove)); return;
    case FieldSelection::Removal::NoSuchEntry: return;
    case FieldSelection::Removal::Removed: break;
  }
  refreshLists();
  updateGraphButton();
  if (filterState_.filter.removeField(field) > 0) applyFilter();
  rebuild(false);
}

void CDravixCtrl::addAllFields() {
  if (!selection_.addAll()) return;
  refreshLists();
  updateGraphButton();
  rebuild(false);
}

void CDravixCtrl::removeAllFields() {
  if (!selection_.removeAll()) return;
  filterState_.filter.clear();
  applyFilter();
  refreshLists();
  updateGraphButton();
  rebuild(false);
}

void CDravixCtrl::transpose() {
  transposed_ = !transposed_;
  layoutChildren();
  rebuild(false);
}

void CDravixCtrl::sortOn(int column) {
  selection_.setSortColumn(column);
  rebuild(true);
}

// Loading and rebuilding ------------------------------------------------------------------------

bool CDravixCtrl::loadTable(int table) {
  tableNumber_ = table;
  {
    const QSignalBlocker block(chooser_);
    chooser_->setCurrentIndex(table);
  }
  TableLoad load;
  {
    ui::WaitCursor wait;
    load = dravix::loadTable(table, QFile::encodeName(folder_).toStdString(), diskOpener());
  }
  if (!load.table) {
    dropTable();
    const QString path = QFile::decodeName(QByteArray::fromStdString(load.path));
    switch (load.error) {
      case TableError::BadFieldCount: showMessage(u"Bad field count"_qs); break;
      case TableError::OutOfMemory: showMessage(text(kOutOfMemory)); break;
      default: showMessage(path); break;
    }
    return false;
  }
  table_ = std::move(load.table);
  selection_.reset(tableSpec(table).offeredFields);
  filterState_.filter.clear();
  refreshLists();
  updateGraphButton();
  rebuild(false);
  return true;
}

void CDravixCtrl::dropTable() {
  table_.reset();
  selection_.clear();
  filterState_.filter.clear();
  refreshLists();
  updateGraphButton();
  rebuild(false);
}

std::vector<uint32_t> CDravixCtrl::textOrder(const Column& column, const std::vector<uint32_t>& rows) const {
  const DistinctValues distinct = distinctValues(column, rows);
  std::vector<QCollatorSortKey> keys;
  keys.reserve(distinct.values.size());
  for (std::string_view v : distinct.values) keys.push_back(collator_.sortKey(codepage::toQString(v)));
  std::vector<uint32_t> byKey(keys.size());
  std::iota(byKey.begin(), byKey.end(), 0u);
  std::sort(byKey.begin(), byKey.end(), [&](uint32_t a, uint32_t b) { return keys[a].compare(keys[b]) < 0; });
  std::vector<uint32_t> rankOfValue(keys.size());
  uint32_t rank = 0;
  for (size_t i = 0; i < byKey.size(); ++i) {
    if (i > 0 && keys[byKey[i - 1]].compare(keys[byKey[i]]) != 0) ++rank;
    rankOfValue[byKey[i]] = rank;
  }
  std::vector<uint32_t> rankOfRow(distinct.valueOfRow.size());
  for (size_t i = 0; i < rankOfRow.size(); ++i) rankOfRow[i] = rankOfValue[distinct.valueOfRow[i]];
  return orderByRank(rows, rankOfRow, rank + 1);
}

void CDravixCtrl::rebuild(bool keepScroll) {
  if (!table_) {
    rows_.clear();
    labels_.clear();
    grid_->setRows(&rows_, {}, {}, false);
    refreshHeader();
    updateScroll(false);
    update();
    return;
  }
  ui::WaitCursor wait;
  const TableSpec& spec = tableSpec(tableNumber_);
  std::vector<Column> columns;
  const Column* label = nullptr;
  Column labelColumn;
  for (int field : selection_.selected()) {
    ColumnRead read = readColumn(*table_->data, table_->index, field);
    if (!read.column) {
      if (read.error == TableError::OutOfMemory) {
        showMessage(text(kOutOfMemory));
        return;  // the grid keeps what it had
      }
      // The file changed under us since it was checked.
      const QString path = QFile::decodeName(
          QByteArray::fromStdString(dataPath(tableNumber_, QFile::encodeName(folder_).toStdString())));
      dropTable();
      showMessage(path);
      return;
    }
    columns.push_back(std::move(*read.column));
  }
  const std::vector<uint32_t> shown = table_->shownRecords();
  std::vector<uint32_t> order;
  if (transposed_) {
    order = shown;
  } else {
    const auto position = static_cast<size_t>(selection_.sortPosition());
    const int field = selection_.selected()[position];
    order =
        table_->index.isNumeric(field) ? orderByNumber(columns[position], shown) : textOrder(columns[position], shown);
  }
  if (spec.labelField != kNoLabelField) {
    const auto& selected = selection_.selected();
    const auto it = std::find(selected.begin(), selected.end(), spec.labelField);
    if (it != selected.end()) {
      label = &columns[static_cast<size_t>(it - selected.begin())];
    } else if (auto read = readColumn(*table_->data, table_->index, spec.labelField); read.column) {
      labelColumn = std::move(*read.column);
      label = &labelColumn;
    }
  }
  labels_ = label ? joinedValues(*label, order) : std::string();
  rows_.assign(std::move(columns), std::move(order), transposed_);

  QStringList captions;
  for (int field : selection_.selected()) captions << caption(field);
  grid_->setRows(&rows_, selection_.widths(), captions, keepScroll);
  refreshHeader();
  updateScroll(keepScroll);
  update();
}

void CDravixCtrl::refreshLists() {
  graphFieldsChanged();
  auto captionOf = [this](int field) { return caption(field); };
  availableList_->setFields(selection_.available(), captionOf);
  selectedList_->setFields(selection_.selected(), captionOf);
}

void CDravixCtrl::refreshHeader() {
  QStringList captions;
  for (int field : selection_.selected()) captions << caption(field);
  header_->setColumns(captions, selection_.widths());
}

void CDravixCtrl::updateScroll(bool keepPosition) {
  const int view = grid_->width() - (grid_->verticalBar()->isVisible() ? grid_->verticalBar()->width() : 0);
  const ScrollRange range = transposed_ ? transposedScroll(table_ ? table_->shownCount : 0, view)
                                        : normalScroll(selection_.totalWidth(), view);
  const int position = keepPosition ? std::min(scrollBar_->value(), range.maximum) : 0;
  {
    const QSignalBlocker block(scrollBar_);
    scrollBar_->setRange(0, range.maximum);
    scrollBar_->setPageStep(range.page);
    scrollBar_->setSingleStep(1);
    scrollBar_->setValue(position);
  }
  scrollBar_->setEnabled(range.maximum > 0);
  applyScroll(position);
}

void CDravixCtrl::applyScroll(int position) {
  if (transposed_) {
    grid_->setHorizontalPosition(position);
  } else {
    grid_->setHorizontalPosition(position * kPixelsPerScrollUnit);
    header_->setOffset(position * kPixelsPerScrollUnit);
  }
}

void CDravixCtrl::updateGraphButton() {
  int plottable = 0, numeric = 0;
  if (table_) {
    for (int field : selection_.selected()) {
      if (table_->index.isPlottable(field)) ++plottable;
      if (table_->index.isNumeric(field)) ++numeric;
    }
  }
  buttons_.back()->setEnabled(plottable >= 2 && numeric >= 1);
}

// Layout and painting ---------------------------------------------------------------------------

int CDravixCtrl::listWidth() const {
  return std::max(0, (width() - 126) / 2);
}

void CDravixCtrl::resizeEvent(QResizeEvent*) {
  layoutChildren();
  updateScroll(true);
}

void CDravixCtrl::layoutChildren() {
  const int w = width(), h = height();
  const int lw = listWidth();
  chooser_->setGeometry(14, 16, 114, 18);
  availableList_->setGeometry(14, kListTop, lw, kListHeight);
  selectedList_->setGeometry(w - lw - 14, kListTop, lw, kListHeight);
  const int listButtonsY[] = {68, 91, 121, 145};
  for (int i = 0; i < 4; ++i) buttons_[static_cast<size_t>(i)]->move(lw + 39, listButtonsY[i]);
  buttons_[4]->move(11, 200);
  buttons_[5]->move(127, 200);
  buttons_[6]->move(216, 200);
  buttons_[7]->move(367, 200);
  const int barHeight = scrollBar_->sizeHint().height();
  const int barTop = h - barHeight - 21;
  header_->setGeometry(11, kHeaderTop, std::max(0, w - 22), kHeaderHeight);
  header_->setVisible(!transposed_);
  const int gridTop = transposed_ ? kHeaderTop : kHeaderTop + kHeaderHeight;
  grid_->setGeometry(11, gridTop, std::max(0, w - 22), std::max(0, barTop - gridTop));
  scrollBar_->setGeometry(11, barTop, std::max(0, w - 22), barHeight);
}

QString CDravixCtrl::statusLine() const {
  if (!table_) return {};
  const QString suffix = text(filterState_.filter.isSet() ? kFilteredSuffix : kNoFilterSuffix);
  return QString::fromStdString(statusText(table_->shownCount, suffix.toStdString()));
}

void CDravixCtrl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width(), h = height();
  const int lw = listWidth();
  p.fillRect(rect(), kBackground);

  p.setFont(labelFont_);
  p.setPen(Qt::white);
  const QFontMetrics metrics(labelFont_);
  p.drawText(14, 2 + metrics.ascent(), text(kTablesTitle));
  p.drawText(14, 40 + metrics.ascent(), text(kAvailableTitle));
  p.drawText(w - lw - 14, 40 + metrics.ascent(), text(kSelectedTitle));

  // The lists' sunken frames.
  for (const QWidget* list :
       {static_cast<const QWidget*>(availableList_), static_cast<const QWidget*>(selectedList_)}) {
    const QRect r = list->geometry().adjusted(-3, -3, 3, 3);
    p.drawTiledPixmap(QRect(r.left(), r.top(), r.width(), 3), dravixBitmap(bitmaps::kFrameStrip));
    p.drawTiledPixmap(QRect(r.left(), r.top(), 3, r.height()), dravixBitmap(bitmaps::kFrameSide));
    const QTransform flip = QTransform().rotate(180);
    p.drawTiledPixmap(QRect(r.left(), r.bottom() - 2, r.width(), 3),
                      dravixBitmap(bitmaps::kFrameStrip).transformed(flip));
    p.drawTiledPixmap(QRect(r.right() - 2, r.top(), 3, r.height()),
                      dravixBitmap(bitmaps::kFrameSide).transformed(flip));
    p.drawPixmap(r.topLeft(), dravixBitmap(bitmaps::kFrameCorner));
  }

  // The box round the list buttons: dark top and right edges, light bottom and left.
  const QRect box(lw + 29, 55, 68, 173 - 55);
  p.setPen(kBoxDark);
  p.drawLine(box.topLeft(), box.topRight());
  p.drawLine(box.topRight(), box.bottomRight());
  p.setPen(kBoxLight);
  p.drawLine(box.bottomLeft(), box.bottomRight());
  p.drawLine(box.topLeft(), box.bottomLeft());

  // The frame round header and grid.
  p.setPen(kGridFrame);
  p.drawRect(QRect(QPoint(10, 228), QPoint(w - 11, h - 21)));

  // The status line.
  const QRect status(11, h - 17, 400 - 11, 17);
  p.fillRect(status, kBackground);
  p.setPen(Qt::white);
  p.drawText(status, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, statusLine());
}

}  // namespace vantorel::dravix
