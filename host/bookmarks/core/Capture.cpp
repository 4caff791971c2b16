#include "host/bookmarks/core/Capture.h"

#include <algorithm>

namespace vantorel::bookmarks {

BrowseSite::~BrowseSite() = default;
PeriodicSite::~PeriodicSite() = default;
DataAnalyserSite::~DataAnalyserSite() = default;

bool canAdd(Screen screen, int32_t treeRecord) {
  return screen == Screen::PeriodicTable || screen == Screen::DataAnalyser ||
         (screen == Screen::Topics && treeRecord > 0);
}

std::optional<Proposal> propose(BookmarkSites& sites, const BookmarkList& list, const SectionTitles& sectionTitle) {
  switch (sites.screen()) {
    case Screen::Topics: {
      BrowseSite& b = sites.browse();
      std::string name = b.object() != 0 ? b.objectName(b.object()) : b.treeName(b.treeRecord());
      if (name.empty()) name = "Introduction";
      return Proposal{sectionTitle(b.section()) + " - " + name, b.section()};
    }
    case Screen::PeriodicTable:
      return Proposal{"Periodic Table - " + std::to_string(1 + countOfKind(list, Kind::Periodic)), 100};
    case Screen::DataAnalyser:
      return Proposal{"Data Analyser - " + std::to_string(1 + countOfKind(list, Kind::DataAn)), 101};
    case Screen::MainMenu: break;
  }
  return std::nullopt;
}

namespace {

// The selected-field array as the record keeps it: element 0 is the element count, at most
// kMaxSelectedFields elements, never empty.
std::vector<int32_t> normalisedFields(std::vector<int32_t> fields) {
  if (fields.empty()) fields.push_back(1);
  if (fields.size() > static_cast<size_t>(kMaxSelectedFields)) fields.resize(static_cast<size_t>(kMaxSelectedFields));
  fields[0] = static_cast<int32_t>(fields.size());
  return fields;
}

RecordPtr captureDataAnalyser(DataAnalyserSite& d) {
  auto r = std::make_shared<CBMDataAn>();
  r->table = d.GetTable();
  r->selectedFields = normalisedFields(d.GetSelectedFields());
  r->columnWidths.resize(r->columnCount());
  for (size_t i = 0; i < r->columnWidths.size(); ++i) r->columnWidths[i] = d.GetColumnWidth(static_cast<int16_t>(i));
  r->displayMode = d.GetBMSorG();
  r->graphFields = d.GetGraphFields();
  r->graphType = d.GetGraphType();
  r->showLabels = d.GetShowLabels() ? 1 : 0;
  r->axis = d.GetAxis() ? 1 : 0;
  r->sortColumn = d.GetSortColumn();
  const int32_t length = d.GetFilterLength();
  r->filterNum = d.GetFilterNum();
  // The block is the one the control built for that length; without one there is no filter.
  std::string block = d.FilterMemory().value_or(std::string());
  if (length <= 0) block.clear();
  if (block.size() > static_cast<size_t>(std::max(length, 0))) block.resize(static_cast<size_t>(length));
  if (block.empty()) r->filterNum = 0;
  r->filterLength = static_cast<int32_t>(block.size());
  r->filterBlock = std::move(block);
  return r;
}

void restoreDataAnalyser(DataAnalyserSite& d, const CBMDataAn& r) {
  d.showDataAnalyser();
  d.SetBMSorG(r.displayMode);
  d.SetAxis(r.axis != 0);
  d.SetGraphType(r.graphType);
  d.SetShowLabels(r.showLabels != 0);
  d.SetTable(r.table);
  d.SetSortColumn(r.sortColumn);
  if (r.filterLength > 0 && r.filterBlock.size() == static_cast<size_t>(r.filterLength))
    d.SetFilter(r.filterLength, r.filterNum, r.filterBlock);
  const std::vector<int32_t> fields = normalisedFields(r.selectedFields);
  d.SetSelectedFields(fields);
  // Fields that the table no longer offers are skipped by the control: widths go only to the
  // columns it now has.
  const std::vector<int32_t> shown = d.GetSelectedFields();
  const size_t columns = shown.empty() ? 0 : shown.size() - 1;
  const size_t widths = std::min({r.columnCount(), r.columnWidths.size(), columns});
  for (size_t i = 0; i < widths; ++i) d.SetColumnWidth(static_cast<int16_t>(i), r.columnWidths[i]);
  d.SetGraphFields(r.graphFields);
}

}  // namespace

RecordPtr capture(BookmarkSites& sites, const std::string& name) {
  RecordPtr record;
  switch (sites.screen()) {
    case Screen::Topics: {
      auto r = std::make_shared<CBMBrowse>();
      BrowseSite& b = sites.browse();
      r->treeRecord = b.treeRecord();
      r->object = b.object();
      r->section = b.section();
      record = r;
      break;
    }
    case Screen::PeriodicTable: {
      auto r = std::make_shared<CBMPeriodic>();
      r->mode = sites.periodic().getMode();
      r->extra = sites.periodic().getExtra();
      record = r;
      break;
    }
    case Screen::DataAnalyser: record = captureDataAnalyser(sites.dataAnalyser()); break;
    case Screen::MainMenu: return nullptr;
  }
  record->name = name;
  return record;
}

bool opensPageDirectly(int32_t treeRecord) {
  return treeRecord % 10000 == 0 || treeRecord == 170070 || treeRecord == 370001;
}

RestoreOutcome restore(BookmarkSites& sites, const CBMRecord& record) {
  switch (record.kind()) {
    case Kind::Folder: return RestoreOutcome::NotABookmark;
    case Kind::Browse: {
      const auto& r = static_cast<const CBMBrowse&>(record);
      BrowseSite& b = sites.browse();
      // The view never takes a section it has no screen for.
      if (r.section < 1 || r.section > 7) return RestoreOutcome::BadSection;
      b.setPosition(r.treeRecord, r.object, r.section);
      if (opensPageDirectly(r.treeRecord)) {
        b.openSection(r.section, r.treeRecord);
      } else {
        b.openSection(r.section, 0);
        b.gotoPosition(r.treeRecord, r.object);
      }
      return RestoreOutcome::Restored;
    }
    case Kind::Periodic: {
      const auto& r = static_cast<const CBMPeriodic&>(record);
      sites.periodic().setState(r.mode, r.extra);
      sites.periodic().showPeriodicTable();
      return RestoreOutcome::Restored;
    }
    case Kind::DataAn: {
      const auto& r = static_cast<const CBMDataAn&>(record);
      if (r.table < 0 || r.table >= kTableCount) return RestoreOutcome::BadTable;
      restoreDataAnalyser(sites.dataAnalyser(), r);
      return RestoreOutcome::Restored;
    }
  }
  return RestoreOutcome::NotABookmark;
}

}  // namespace vantorel::bookmarks
