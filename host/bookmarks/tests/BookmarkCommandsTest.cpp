#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "host/bookmarks/BookmarkCommands.h"
#include "host/bookmarks/BookmarkStore.h"
#include "host/bookmarks/BookmarkTreeWidget.h"
#include "host/bookmarks/CBookmarkDlg.h"
#include "host/bookmarks/core/BookmarkFile.h"
#include "host/bookmarks/tests/DialogDriver.h"
#include "host/bookmarks/tests/FakeSites.h"
#include "host/bookmarks/tests/SampleLists.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using namespace vantorel::bookmarks;
using namespace vantorel::bookmarks::fixtures;
using Calls = std::vector<std::string>;

namespace {

std::string fileText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BookmarkList list = defaultList();
    auto data = std::make_shared<CBMDataAn>();
    data->name = "Data";
    data->table = 2;
    data->selectedFields = {2, 5};
    data->columnWidths = {90};
    list.records.insert(list.records.end(), {browse("Browse", 30001, 120005, 3), periodic("Periodic Table - 1", 2, 300),
                                             folder("Zeta"), data, browse("Bad", 30001, 0, 8)});
    BookmarkStore writer(path);
    writer.reset();
    writer.list() = list;
    ASSERT_TRUE(writer.save());
    store.load();
    sites.log.take();
  }

  // The user picks `item` (or leaves the selection) and presses OK, or Cancel.
  void answerWith(const QString& item, bool ok = true) {
    commands.runDialog = [=, this](CBookmarkDlg& dialog) {
      dialog.show();
      if (!item.isEmpty()) {
        dialog.advancedButton()->isEnabled() ? click(dialog.advancedButton()) : void();
        clickItem(dialog.tree(), findItem(dialog.tree(), item));
      }
      seenName = dialog.nameEdit()->text();
      click(ok ? dialog.okButton() : dialog.cancelButton());
      return dialog.result();
    };
  }

  QTemporaryDir dir;
  QString path = dir.filePath(u"bookmark.dat"_qs);
  BookmarkStore store{path};
  FakeSites sites;
  ui::RecordingMessageBoxes boxes;
  BookmarkCommands commands{store, sites};
  QString seenName;
};

}  // namespace

TEST_F(CommandsTest, AddPutsTheScreensBookmarkAtTheEndOfTheChosenFolderAndSavesAtOnce) {
  sites.screen_ = Screen::PeriodicTable;
  sites.periodic_.mode = 3;
  sites.periodic_.extra = 17;
  answerWith(u"Zeta"_qs);
  commands.OnBookmarkAdd();
  EXPECT_EQ(seenName, u"Periodic Table - 2"_qs);
  const auto& records = store.list().records;
  ASSERT_EQ(records.size(), 7u);
  EXPECT_EQ(records.back()->name, "Periodic Table - 2");
  EXPECT_EQ(static_cast<const CBMPeriodic&>(*records.back()).mode, 3);
  EXPECT_EQ(static_cast<const CBMPeriodic&>(*records.back()).extra, 17);
  EXPECT_EQ(fileText(path), writeBookmarkFile(records));

  // Next time the folder chosen last is where the bookmark goes, before nothing else.
  sites.screen_ = Screen::Topics;
  sites.browse_.setPosition(30001, 0, 2);
  answerWith(QString());
  commands.OnBookmarkAdd();
  EXPECT_EQ(seenName, u"Δομές - Metals"_qs);  // the section's title and the topic's name
  EXPECT_EQ(store.list().records.back()->name, codepage::fromQString(u"Δομές - Metals"_qs));
  EXPECT_EQ(fileText(path), writeBookmarkFile(store.list().records));
}

TEST_F(CommandsTest, CancelAndScreensWithoutBookmarksChangeNothing) {
  const std::string before = fileText(path);
  sites.screen_ = Screen::DataAnalyser;
  answerWith(u"Zeta"_qs, false);
  commands.OnBookmarkAdd();
  EXPECT_EQ(store.list().records.size(), 6u);
  sites.screen_ = Screen::Topics;  // no topic open
  EXPECT_FALSE(commands.canAdd());
  bool ran = false;
  commands.runDialog = [&](CBookmarkDlg&) { return ran = true, int(QDialog::Rejected); };
  commands.OnBookmarkAdd();
  EXPECT_FALSE(ran);
  EXPECT_EQ(fileText(path), before);
}

TEST_F(CommandsTest, GoToRestoresEachKind) {
  answerWith(u"Browse"_qs);
  commands.OnBookmarkGoto();
  EXPECT_EQ(sites.log.take(), (Calls{"position 30001 120005 3", "OpenSection 3 0", "GotoPosition 30001 120005"}));
  answerWith(u"Periodic Table - 1"_qs);
  commands.OnBookmarkGoto();
  EXPECT_EQ(sites.log.take(), (Calls{"SetState 2 300", "ShowPeriodicTable"}));
  answerWith(u"Data"_qs);
  commands.OnBookmarkGoto();
  EXPECT_EQ(sites.log.take(), (Calls{"show", "BMSorG 0", "Axis 0", "GraphType 0", "ShowLabels 0", "SetTable 2",
                                     "SortColumn 0", "SetSelectedFields 2,5", "SetColumnWidth 0 90", "GraphFields 0"}));
  answerWith(u"Zeta"_qs);  // a folder: nothing to go to
  commands.OnBookmarkGoto();
  EXPECT_EQ(sites.log.take(), Calls{});
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CommandsTest, ABookmarkOfAnUnknownSectionIsAnInternalError) {
  answerWith(u"Bad"_qs);
  commands.OnBookmarkGoto();
  EXPECT_EQ(sites.log.take(), Calls{});
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, u"Internal error!"_qs);
}
