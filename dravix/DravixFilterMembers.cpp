// The filter members of the data analyser: the dialog command, applying the filter to the loaded
// table, and the serialised filter that bookmarks keep.
#include <QFile>
#include <QFileInfo>

#include "dravix/DravixCtrl.h"
#include "dravix/FilterDlg.h"
#include "dravix/core/FilterBlock.h"
#include "dravix/core/PeriodicPicker.h"
#include "dravix/core/TableCatalogue.h"
#include "platform/com/Blocks.h"
#include "platform/ui/Graphics.h"

namespace vantorel::dravix {

using com::Variant;

constexpr int kFilterOutOfMemory = 108;

void CDravixCtrl::registerFilterMembers() {
  dispatch().property(8, "FilterLength", Variant::Type::Long, [this] { return Variant::fromLong(FilterLength()); });
  dispatch().property(9, "FilterNum", Variant::Type::Short,
                      [this] { return Variant::fromShort(static_cast<int16_t>(FilterNum())); });
  dispatch().method(17, "FilterMemory", {}, Variant::Type::Address,
                    [this](const auto&) { return Variant::fromAddress(FilterMemory()); });
  dispatch().method(18, "SetFilter", {Variant::Type::Long, Variant::Type::Short, Variant::Type::Address},
                    Variant::Type::Empty, [this](const auto& a) {
                      SetFilter(a[0].toLong(), a[1].toShort(), a[2].toAddress());
                      return Variant();
                    });
}

int32_t CDravixCtrl::FilterLength() {
  const std::string bytes = serialiseFilter(filterState_.filter);
  filterState_.block.reset(com::newByteBlock(bytes));
  filterState_.blockCount = static_cast<int>(filterState_.filter.size());
  return static_cast<int32_t>(bytes.size());
}

intptr_t CDravixCtrl::FilterMemory() {
  return filterState_.block.release();
}

void CDravixCtrl::SetFilter(int32_t length, int num, intptr_t memory) {
  // Only a live block handed out through the block service is read, and only within Length.
  const std::optional<std::string> bytes = com::readByteBlock(memory);
  std::optional<Filter> decoded;
  if (bytes && length >= 0 && static_cast<size_t>(length) <= bytes->size()) {
    FilterLimits limits;
    limits.fieldCount = table_ ? table_->index.fieldCount : 0;
    limits.elementsTable = tableNumber_ == kElementsTable;
    if (limits.elementsTable) {
      // Element numbers name records of element.dat; the picker uses at most 254 of them.
      const QFileInfo info(folder_ + u"element.dat"_qs);
      limits.elementCount =
          info.isFile() ? static_cast<int>(std::min<qint64>(info.size() / kElementRecordSize, kMaxPickerElements)) : 0;
    }
    decoded = decodeFilter(std::string_view(*bytes).substr(0, static_cast<size_t>(length)), num, limits).filter;
  }
  if (decoded)
    filterState_.filter = std::move(*decoded);
  else
    filterState_.filter.clear();
}

bool CDravixCtrl::applyFilter() {
  if (!table_) return false;
  ui::WaitCursor wait;
  std::vector<Column> columns;
  std::vector<const Column*> pointers;
  const std::vector<int>& selected = selection_.selected();
  if (filterState_.filter.isSet()) {
    columns.reserve(selected.size());
    for (int field : selected) {
      ColumnRead read = readColumn(*table_->data, table_->index, field);
      if (!read.column) {
        showMessage(text(kFilterOutOfMemory));
        return false;
      }
      columns.push_back(std::move(*read.column));
    }
    for (const Column& c : columns) pointers.push_back(&c);
  }
  dravix::applyFilter(filterState_.filter, selected, pointers, *table_);
  return true;
}

void CDravixCtrl::openFilterDialog() {
  if (!table_) return;
  FilterDialogSetup setup;
  setup.fields = selection_.selected();
  for (int field : setup.fields) setup.captions << caption(field);
  for (int field = 0; field < table_->index.fieldCount; ++field)
    setup.numeric.push_back(table_->index.isNumeric(field));
  setup.elementsTable = tableNumber_ == kElementsTable;
  setup.dataFolder = folder_;
  FilterDlg dlg(std::move(setup), filterState_.filter, filterState_.lastField, filterState_.lastType, this);
  if (dlg.exec() != QDialog::Accepted) return;
  filterState_.filter = dlg.filter();
  filterState_.lastField = dlg.lastField();
  filterState_.lastType = dlg.lastType();
  applyFilter();
  rebuild(false);
}

}  // namespace vantorel::dravix
