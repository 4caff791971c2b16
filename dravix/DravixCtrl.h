#pragma once

#include <QCollator>
#include <QScrollBar>
#include <memory>
#include <string>

#include "dravix/FilterState.h"
#include "dravix/MarkupText.h"
#include "dravix/core/FieldSelection.h"
#include "dravix/core/GridRows.h"
#include "dravix/core/TableFiles.h"
#include "platform/com/Control.h"

namespace vantorel::dravix {

class BitmapButton;
class FieldList;
class GraphPage;
class GridHeader;
class RecordGrid;
class TableChooser;

inline constexpr const char* kDravixVersion = "1.0.032";

// The data analyser's table page: the table chooser, the two field lists and their buttons, the
// header and the record grid with its scroll bar, and the status line. A table is built
// completely before it replaces the one shown; a table that cannot be loaded leaves no table.
class CDravixCtrl : public com::Control {
 public:
  CDravixCtrl();
  ~CDravixCtrl() override;

  // Graphs, copy, export and printing (DravixGraphMembers.cpp).
  void CopyAllData();
  void CopySelection();
  void CopyGraph();
  void PrintGraph();
  void exportTable();
  void openGraphPage();
  [[nodiscard]] bool graphPageOpen() const;
  [[nodiscard]] GraphPage* graphPage() const { return graphPage_; }
  [[nodiscard]] const LoadedTable* table() const { return table_.get(); }

  // The members of _DDravix.
  void InitData(const QString& dataPath);
  [[nodiscard]] int GetTable() const { return tableNumber_; }
  void SetTable(int index);
  [[nodiscard]] intptr_t GetSelectedFields() const;
  void SetSelectedFields(intptr_t block);
  void SetColumnWidth(int index, int64_t width);
  [[nodiscard]] int GetColumnWidth(int index) const { return selection_.width(index); }
  [[nodiscard]] bool axis() const { return transposed_; }
  void setAxis(bool transposed);
  [[nodiscard]] int sortColumn() const { return selection_.sortColumn(); }
  void setSortColumn(int position) { selection_.setSortColumn(position); }
  // The filter members (DravixFilterMembers.cpp).
  int32_t FilterLength();
  [[nodiscard]] int FilterNum() const { return filterState_.blockCount; }
  intptr_t FilterMemory();
  void SetFilter(int32_t length, int num, intptr_t memory);

  // The commands of the page.
  void addField();
  void removeField();
  void addAllFields();
  void removeAllFields();
  void transpose();
  void sortOn(int column);
  void openFilterDialog();
  // Recomputes the exclusion flags and the shown count from the filter; false when the columns
  // could not be read.
  bool applyFilter();

  // What the tests and the benchmark look at.
  [[nodiscard]] bool hasTable() const { return table_ != nullptr; }
  [[nodiscard]] const FieldSelection& selection() const { return selection_; }
  [[nodiscard]] const GridRows& rows() const { return rows_; }
  [[nodiscard]] const std::string& labelColumn() const { return labels_; }
  [[nodiscard]] const Filter& filter() const { return filterState_.filter; }
  [[nodiscard]] QString statusLine() const;
  [[nodiscard]] QString caption(int field) const;
  [[nodiscard]] TableChooser* chooser() const { return chooser_; }
  [[nodiscard]] FieldList* availableList() const { return availableList_; }
  [[nodiscard]] FieldList* selectedList() const { return selectedList_; }
  [[nodiscard]] GridHeader* header() const { return header_; }
  [[nodiscard]] RecordGrid* grid() const { return grid_; }
  [[nodiscard]] QScrollBar* scrollBar() const { return scrollBar_; }
  [[nodiscard]] BitmapButton* button(int bitmapId) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void registerGraphMembers();
  void graphBeforeSetTable();
  void graphAfterSetTable();
  void graphAfterSetSelectedFields();
  void graphFieldsChanged();
  [[nodiscard]] std::vector<std::string> captionsForExport() const;
  [[nodiscard]] QString text(int id) const;
  [[nodiscard]] int listWidth() const;
  bool loadTable(int table);
  void dropTable();
  void rebuild(bool keepScroll);
  [[nodiscard]] std::vector<uint32_t> textOrder(const Column& column, const std::vector<uint32_t>& rows) const;
  void refreshLists();
  void refreshHeader();
  void updateScroll(bool keepPosition);
  void applyScroll(int position);
  void updateGraphButton();
  void layoutChildren();
  void showMessage(const QString& message);
  void registerFilterMembers();

  QString folder_;
  bool initialised_ = false;  // InitData has given the data folder
  int tableNumber_ = 3;
  std::unique_ptr<LoadedTable> table_;
  FieldSelection selection_;
  GridRows rows_;
  std::string labels_;
  bool transposed_ = false;
  FilterState filterState_;
  QCollator collator_;

  MarkupFonts listFonts_;
  QFont labelFont_;
  TableChooser* chooser_;
  FieldList* availableList_;
  FieldList* selectedList_;
  std::vector<BitmapButton*> buttons_;
  GridHeader* header_;
  RecordGrid* grid_;
  QScrollBar* scrollBar_;
  GraphPage* graphPage_ = nullptr;
  bool graphRequest_ = false;  // BMSorG: the next field selection opens the graph page
};

}  // namespace vantorel::dravix
