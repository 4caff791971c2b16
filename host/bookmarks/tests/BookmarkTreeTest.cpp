#include <gtest/gtest.h>

#include "host/bookmarks/core/BookmarkFile.h"
#include "host/bookmarks/core/BookmarkTree.h"
#include "host/bookmarks/tests/SampleLists.h"

using namespace vantorel::bookmarks;
using namespace vantorel::bookmarks::fixtures;

namespace {

// The tree as text: "Folder[a,b] Folder2[]".
std::string shape(const BookmarkTree& tree) {
  std::string s;
  for (const auto& f : tree.folders()) {
    if (!s.empty()) s += ' ';
    s += f.record->name + "[";
    for (size_t i = 0; i < f.bookmarks.size(); ++i) s += (i ? "," : "") + f.bookmarks[i]->name;
    s += "]";
  }
  return s;
}

std::string names(const std::vector<RecordPtr>& records) {
  std::string s;
  for (const auto& r : records) s += (s.empty() ? "" : " ") + r->name;
  return s;
}

class TreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list.records = {folder("mine"), periodic("a"), periodic("b"), folder("Chem"), periodic("c"), folder("alpha")};
    list.currentFolder = list.records[3].get();
    before = writeBookmarkFile(list.records);
    tree.fill(list);
  }
  BookmarkList list;
  std::string before;
  BookmarkTree tree;
};

}  // namespace

TEST_F(TreeTest, FoldersAreSortedIgnoringCaseAndKeepTheirBookmarks) {
  EXPECT_EQ(shape(tree), "alpha[] Chem[c] mine[a,b]");
  EXPECT_EQ(tree.itemCount(), 6u);
  EXPECT_EQ(tree.initialItem(list.currentFolder, list.records[0].get()), (ItemRef{1, std::nullopt}));
  EXPECT_EQ(tree.initialItem(nullptr, list.records[0].get()), (ItemRef{2, std::nullopt}));
  EXPECT_EQ(names(tree.records()), "alpha Chem c mine a b");
}

TEST_F(TreeTest, GreekFoldersSortByTheirLettersNotTheirCase) {
  // "Ωμέγα", "άλφα", "Βήτα" in the code page.
  BookmarkList greek;
  greek.records = {folder("\xD9\xEC\xDD\xE3\xE1"), folder("\xDC\xEB\xF6\xE1"), folder("\xC2\xDE\xF4\xE1")};
  tree.fill(greek);
  EXPECT_EQ(names(tree.records()), "\xDC\xEB\xF6\xE1 \xC2\xDE\xF4\xE1 \xD9\xEC\xDD\xE3\xE1");
}

TEST_F(TreeTest, RenamingABookmarkIsRefusedOnlyForASiblingsName) {
  ItemRef a{2, 0};
  EXPECT_EQ(tree.rename(a, "b"), RenameOutcome::DuplicateBookmark);
  EXPECT_EQ(tree.rename(a, " a "), RenameOutcome::Ignored);
  EXPECT_EQ(tree.rename(a, ""), RenameOutcome::Ignored);
  EXPECT_EQ(tree.rename(a, "c"), RenameOutcome::Renamed);  // "c" lives in another folder
  EXPECT_EQ(shape(tree), "alpha[] Chem[c] mine[c,b]");
  // The list the dialog opened on is untouched; the old record waits in `removed`.
  EXPECT_EQ(writeBookmarkFile(list.records), before);
  ASSERT_EQ(tree.removed().size(), 1u);
  EXPECT_EQ(tree.removed()[0], list.records[1]);
}

TEST_F(TreeTest, RenamingAFolderKeepsItsBookmarksItsPlaceInOrderAndTheCurrentFolder) {
  ItemRef chem{1, std::nullopt};
  EXPECT_EQ(tree.rename(chem, "ALPHA"), RenameOutcome::Renamed);  // differs from "alpha" by case
  EXPECT_EQ(shape(tree), "alpha[] ALPHA[c] mine[a,b]");
  ItemRef renamed = chem;
  EXPECT_EQ(tree.rename(renamed, "alpha"), RenameOutcome::DuplicateFolder);
  ItemRef moving = chem;
  EXPECT_EQ(tree.rename(moving, "zeta"), RenameOutcome::Renamed);
  EXPECT_EQ(moving, (ItemRef{2, std::nullopt}));
  EXPECT_EQ(shape(tree), "alpha[] mine[a,b] zeta[c]");
  // The folder the next bookmark goes into is the renamed one, not the destroyed record.
  EXPECT_EQ(tree.currentFolder(), tree.folders()[2].record.get());
}

TEST_F(TreeTest, DeletingRefusesTheLastFolderAndTakesAFolderWithItsBookmarks) {
  EXPECT_EQ(tree.checkDelete(ItemRef{2, 1}), DeleteCheck::ConfirmBookmark);
  EXPECT_EQ(tree.checkDelete(ItemRef{1, std::nullopt}), DeleteCheck::ConfirmFolder);
  tree.remove(ItemRef{1, std::nullopt});  // Chem, the current folder
  EXPECT_EQ(tree.currentFolder(), nullptr);
  EXPECT_EQ(names(tree.removed()), "c Chem");
  tree.remove(ItemRef{0, std::nullopt});
  EXPECT_EQ(tree.checkDelete(ItemRef{0, std::nullopt}), DeleteCheck::LastFolder);
  tree.remove(ItemRef{0, std::nullopt});
  EXPECT_EQ(shape(tree), "mine[a,b]");
  tree.remove(ItemRef{0, 0});
  EXPECT_EQ(shape(tree), "mine[b]");
}

TEST_F(TreeTest, MovingABookmarkPutsItAtTheEndOfAnotherFolder) {
  EXPECT_EQ(tree.move(ItemRef{2, 0}, 2), std::nullopt);             // its own folder: nothing
  EXPECT_EQ(tree.move(ItemRef{1, std::nullopt}, 2), std::nullopt);  // folders do not move
  EXPECT_EQ(tree.move(ItemRef{2, 0}, 1), (ItemRef{1, 1}));
  EXPECT_EQ(shape(tree), "alpha[] Chem[c,a] mine[b]");
  EXPECT_EQ(tree.move(ItemRef{1, 0}, 2), (ItemRef{2, 1}));
  EXPECT_EQ(shape(tree), "alpha[] Chem[a] mine[b,c]");  // names are not checked on a move
}

TEST_F(TreeTest, AddNameConflictsLookOnlyInTheChosenFolder) {
  EXPECT_TRUE(tree.hasBookmarkNamed(tree.folderIndexOf(list.records[0].get()), "a"));
  EXPECT_FALSE(tree.hasBookmarkNamed(tree.folderIndexOf(list.records[3].get()), "a"));
  EXPECT_FALSE(tree.hasBookmarkNamed(2, "A"));  // exact comparison
  EXPECT_EQ(tree.folderIndexOf(nullptr), 0u);
}

TEST(BookmarkListRules, NewBookmarksGoToTheEndOfTheCurrentFolder) {
  BookmarkList list;
  list.records = {folder("F"), periodic("a"), folder("G"), periodic("b"), folder("H")};
  list.currentFolder = list.records[2].get();
  EXPECT_EQ(insertPosition(list), 4u);
  addBookmark(list, periodic("new"));
  EXPECT_EQ(names(list.records), "F a G b new H");
  list.currentFolder = list.records[5].get();
  EXPECT_EQ(insertPosition(list), 6u);
  list.currentFolder = nullptr;  // deleted: the first folder
  EXPECT_EQ(insertPosition(list), 2u);
}

TEST(BookmarkListRules, InvariantsAndCounts) {
  BookmarkList list = defaultList();
  EXPECT_EQ(checkInvariants(list), "");
  EXPECT_EQ(list.records[0]->name, defaultFolderName());
  list.records.push_back(periodic("p"));
  list.records.push_back(std::make_shared<CBMDataAn>());
  list.records.push_back(folder("x"));
  list.records.push_back(periodic("q"));
  EXPECT_EQ(countOfKind(list, Kind::Periodic), 2u);
  EXPECT_EQ(countOfKind(list, Kind::DataAn), 1u);
  list.currentFolder = list.records[1].get();
  EXPECT_NE(checkInvariants(list), "");
  list.records.erase(list.records.begin());
  list.currentFolder = nullptr;
  EXPECT_EQ(checkInvariants(list), "the first record is not a folder");
}
