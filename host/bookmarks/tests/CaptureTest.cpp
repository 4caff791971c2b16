#include <gtest/gtest.h>

#include "host/bookmarks/core/BookmarkFile.h"
#include "host/bookmarks/core/Capture.h"
#include "host/bookmarks/tests/FakeSites.h"
#include "host/bookmarks/tests/SampleLists.h"

using namespace vantorel::bookmarks;
using namespace vantorel::bookmarks::fixtures;
using Calls = std::vector<std::string>;

namespace {

std::string title(int section) {
  return "S" + std::to_string(section);
}

}  // namespace

TEST(Proposal, EachScreenProposesItsOwnName) {
  FakeSites sites;
  BookmarkList list = defaultList();
  EXPECT_FALSE(propose(sites, list, title));
  sites.screen_ = Screen::Topics;
  sites.browse_.section_ = 3;
  sites.browse_.treeRecord_ = 30001;
  EXPECT_EQ(propose(sites, list, title)->name, "S3 - Metals");
  sites.browse_.object_ = 120005;
  EXPECT_EQ(propose(sites, list, title)->name, "S3 - Copper");
  sites.browse_.object_ = 7;  // no name for it
  EXPECT_EQ(propose(sites, list, title)->name, "S3 - Introduction");
  EXPECT_EQ(propose(sites, list, title)->section, 3);

  // The count covers the kind in every folder, and no other kind.
  list.records.push_back(std::make_shared<CBMPeriodic>());
  list.records.push_back(std::make_shared<CBMFolder>("x"));
  list.records.push_back(std::make_shared<CBMPeriodic>());
  list.records.push_back(browse("", 1, 0, 1));
  sites.screen_ = Screen::PeriodicTable;
  EXPECT_EQ(propose(sites, list, title)->name, "Periodic Table - 3");
  sites.screen_ = Screen::DataAnalyser;
  EXPECT_EQ(propose(sites, list, title)->name, "Data Analyser - 1");

  EXPECT_TRUE(canAdd(Screen::PeriodicTable, 0));
  EXPECT_TRUE(canAdd(Screen::DataAnalyser, 0));
  EXPECT_TRUE(canAdd(Screen::Topics, 1));
  EXPECT_FALSE(canAdd(Screen::Topics, 0));
  EXPECT_FALSE(canAdd(Screen::MainMenu, 5));
}

TEST(Restore, BrowseBookmarksOpenTheirPageOrGoToTheirPosition) {
  FakeSites sites;
  EXPECT_EQ(restore(sites, *browse("", 30000, 4, 3)), RestoreOutcome::Restored);
  EXPECT_EQ(sites.log.take(), (Calls{"position 30000 4 3", "OpenSection 3 30000"}));
  restore(sites, *browse("", 170070, 0, 1));
  restore(sites, *browse("", 370001, 0, 7));
  EXPECT_EQ(sites.log.take(),
            (Calls{"position 170070 0 1", "OpenSection 1 170070", "position 370001 0 7", "OpenSection 7 370001"}));
  restore(sites, *browse("", 30001, 120005, 3));
  EXPECT_EQ(sites.log.take(), (Calls{"position 30001 120005 3", "OpenSection 3 0", "GotoPosition 30001 120005"}));
  // Sections the view has no screen for: nothing is touched.
  EXPECT_EQ(restore(sites, *browse("", 30001, 0, 0)), RestoreOutcome::BadSection);
  EXPECT_EQ(restore(sites, *browse("", 30001, 0, 8)), RestoreOutcome::BadSection);
  EXPECT_EQ(sites.log.take(), Calls{});
  EXPECT_EQ(restore(sites, CBMFolder("f")), RestoreOutcome::NotABookmark);
}

TEST(Restore, DataAnalyserStateIsSetInTheOrderTheControlNeeds) {
  FakeSites sites;
  sites.screen_ = Screen::DataAnalyser;
  FakeDataAnalyser& d = sites.data_;
  d.table = 4;
  d.fields = {0, 7, 9};
  d.widths = {120, 60, 300};
  d.bmsorg = 1;
  d.graphType = 2;
  d.labels = true;
  d.axis = true;
  d.graphFields = 0x20001;
  d.sortColumn = 2;
  d.filter = "FLT";
  d.filterNum = 1;
  const RecordPtr captured = capture(sites, "d");
  // A rename makes a copy; the copy restores exactly what the original would.
  const RecordPtr renamed = captured->clone();
  renamed->name = "renamed";
  ASSERT_EQ(captured->kind(), Kind::DataAn);
  // The captured record survives the file.
  const auto list = loadList(writeBookmarkFile({std::make_shared<CBMFolder>("f"), renamed}));
  ASSERT_TRUE(list);

  for (const RecordPtr& r : {captured, list->records[1]}) {
    d.table = 0;
    d.fields.clear();
    EXPECT_EQ(restore(sites, *r), RestoreOutcome::Restored);
    EXPECT_EQ(sites.log.take(),
              (Calls{"show", "BMSorG 1", "Axis 1", "GraphType 2", "ShowLabels 1", "SetTable 4", "SortColumn 2",
                     "SetFilter 3 1 FLT", "SetSelectedFields 4,0,7,9", "SetColumnWidth 0 120", "SetColumnWidth 1 60",
                     "SetColumnWidth 2 300", "GraphFields 131073"}));
    EXPECT_EQ(d.widths, (std::vector<int32_t>{120, 60, 300}));
  }
}

TEST(Restore, DataAnalyserValuesFromTheFileAreCheckedFirst) {
  FakeSites sites;
  FakeDataAnalyser& d = sites.data_;
  auto r = std::make_shared<CBMDataAn>();
  r->table = 7;
  EXPECT_EQ(restore(sites, *r), RestoreOutcome::BadTable);
  r->table = -1;
  EXPECT_EQ(restore(sites, *r), RestoreOutcome::BadTable);
  EXPECT_EQ(sites.log.take(), Calls{});

  // No filter block: no SetFilter. Fields the table lacks: no widths for missing columns.
  r->table = 6;
  r->selectedFields = {4, 0, 150, 9};
  r->columnWidths = {70, 80, 90};
  d.availableFields = 100;
  restore(sites, *r);
  const Calls calls = sites.log.take();
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](auto& c) { return c.starts_with("SetFilter"); }), 0);
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](auto& c) { return c.starts_with("SetColumnWidth"); }), 2);
  EXPECT_EQ(d.widths, (std::vector<int32_t>{70, 80}));
}

TEST(Capture, AMissingFilterBlockMeansNoFilter) {
  FakeSites sites;
  sites.screen_ = Screen::DataAnalyser;
  sites.data_.filter = "ABCD";
  sites.data_.filterNum = 2;
  sites.data_.giveFilter = false;
  const auto r = std::static_pointer_cast<CBMDataAn>(capture(sites, "d"));
  EXPECT_EQ(r->filterLength, 0);
  EXPECT_EQ(r->filterNum, 0);
  EXPECT_EQ(r->selectedFields, (std::vector<int32_t>{1}));
  EXPECT_TRUE(r->columnWidths.empty());
  sites.data_.giveFilter = true;
  const auto withFilter = std::static_pointer_cast<CBMDataAn>(capture(sites, "d"));
  EXPECT_EQ(withFilter->filterLength, 4);
  EXPECT_EQ(withFilter->filterBlock, "ABCD");
}

TEST(Capture, BrowseBookmarksTakeTheViewsPosition) {
  FakeSites sites;
  sites.screen_ = Screen::Topics;
  sites.browse_.setPosition(30001, 120005, 3);
  const auto r = std::static_pointer_cast<CBMBrowse>(capture(sites, "n"));
  EXPECT_EQ(r->name, "n");
  EXPECT_EQ(r->treeRecord, 30001);
  EXPECT_EQ(r->object, 120005);
  EXPECT_EQ(r->section, 3);
  sites.screen_ = Screen::MainMenu;
  EXPECT_EQ(capture(sites, "n"), nullptr);
}
