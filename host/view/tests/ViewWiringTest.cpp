#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include "host/bookmarks/core/BookmarkFile.h"
#include "host/bookmarks/core/Records.h"
#include "host/search/CWordSearchDlg.h"
#include "host/view/tests/ViewTestSupport.h"
#include "platform/codepage/Cp1253Qt.h"

using namespace vantorel;
using namespace vantorel::host;
using namespace vantorel::host::viewtest;
using bookmarks::fixtures::typeText;

namespace {

const QString kSampleDisc = QStringLiteral(SAMPLE_DISC);

// The program on the sample disc with the stand-in components and a bookmark file of its own.
CMainFrame* startOnSampleDisc(ViewSandbox& box) {
  box.useDataFolder(kSampleDisc);
  return box.start();
}

std::optional<bookmarks::BookmarkList> readBack(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  return bookmarks::loadList(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

const bookmarks::CBMPeriodic* findPeriodic(const bookmarks::BookmarkList& list, const QString& name) {
  for (const auto& record : list.records)
    if (record->name == codepage::fromQString(name)) return dynamic_cast<const bookmarks::CBMPeriodic*>(record.get());
  return nullptr;
}

}  // namespace

TEST(MainViewWiring, SearchTypedWordGoesToItsTopicAndIsKeptForTheNextSearch) {
  ViewSandbox box;
  CMainFrame* frame = startOnSampleDisc(box);
  ASSERT_NE(frame, nullptr);
  CQuillet2View* view = frame->view();
  ASSERT_TRUE(view->commandState(view::cmd::kSearch).enabled);
  ASSERT_EQ(view->screen(), CQuillet2View::MainMenu);

  // The alchemists of Alexandria: the seventh topic of the history route, found by one of its words.
  QString shownResult;
  whenOpen<search::CWordSearchDlg>([&](search::CWordSearchDlg& dialog) {
    typeText(dialog.wordField(), u"ζώσιμος"_qs);
    QTest::keyClick(dialog.wordField(), Qt::Key_Return);
    if (auto* row = dialog.resultsView()->currentItem()) shownResult = row->text(0);
    ASSERT_NE(dialog.focusWidget(), nullptr);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
  });
  view->runCommand(view::cmd::kSearch);
  EXPECT_FALSE(shownResult.isEmpty());
  EXPECT_EQ(view->screen(), CQuillet2View::Topics);
  EXPECT_EQ(view->section(), 5);
  EXPECT_EQ(view->selectedButton(), 5);  // the history button is pressed
  const QString brovik = callLog(view->components()->select());
  EXPECT_TRUE(brovik.contains(u"SetRoute(5)"_qs)) << brovik.toStdString();
  EXPECT_TRUE(brovik.contains(u"GotoPosition(5007"_qs)) << brovik.toStdString();
  EXPECT_EQ(view->searchState().lastText, codepage::fromQString(u"ζώσιμος"_qs));

  // The next opening starts from the word chosen last; leaving with Escape moves nothing.
  view->ShowMainMenu();
  QString reopenedWith;
  whenOpen<search::CWordSearchDlg>([&](search::CWordSearchDlg& dialog) {
    reopenedWith = dialog.wordField()->text();
    ASSERT_NE(dialog.focusWidget(), nullptr);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
  });
  view->runCommand(view::cmd::kSearch);
  EXPECT_EQ(reopenedWith, u"ζώσιμος"_qs);
  EXPECT_EQ(view->screen(), CQuillet2View::MainMenu);
  EXPECT_EQ(view->searchState().lastText, codepage::fromQString(u"ζώσιμος"_qs));
}

TEST(MainViewWiring, PeriodicTableBookmarkIsWrittenReadBackAndTakesTheViewBack) {
  ViewSandbox box;
  const QString name = u"Πίνακας για το μάθημα"_qs;
  {
    CMainFrame* frame = startOnSampleDisc(box);
    ASSERT_NE(frame, nullptr);
    CQuillet2View* view = frame->view();
    EXPECT_FALSE(view->commandState(view::cmd::kAddBookmark).enabled) << "nothing to mark on the main menu";
    EXPECT_TRUE(view->commandState(view::cmd::kGoToBookmark).enabled);

    view->ShowPeriodicTable();
    ASSERT_TRUE(view->commandState(view::cmd::kAddBookmark).enabled);
    addBookmark(*view, name);

    // Written at once, and what was written reads back as the table's state (the stand-in
    // table reports mode 3 and extra 17).
    const auto written = readBack(box.bookmarkFile);
    ASSERT_TRUE(written.has_value());
    const bookmarks::CBMPeriodic* mark = findPeriodic(*written, name);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->mode, 3);
    EXPECT_EQ(mark->extra, 17);

    // From another screen, Go to brings the table back with that state.
    view->OpenSection(2, 0);
    ASSERT_EQ(view->screen(), CQuillet2View::Topics);
    goToBookmark(*view, name);
    EXPECT_EQ(view->screen(), CQuillet2View::PeriodicTable);
    EXPECT_TRUE(callLog(view->components()->periodTable()).contains(u"SetState(3,17)"_qs))
        << callLog(view->components()->periodTable()).toStdString();
    EXPECT_TRUE(box.shownTexts().isEmpty()) << box.shownTexts().join(u'|').toStdString();
    box.app.reset();  // the program ends: the list is saved once more
  }
  const auto atExit = readBack(box.bookmarkFile);
  ASSERT_TRUE(atExit.has_value());
  EXPECT_NE(findPeriodic(*atExit, name), nullptr);
}
