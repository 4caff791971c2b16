#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "host/bookmarks/BookmarkTreeWidget.h"
#include "host/bookmarks/CBookmarkDlg.h"
#include "host/bookmarks/core/BookmarkFile.h"
#include "host/bookmarks/tests/DialogDriver.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/MessageBox.h"

// Readable QStrings in failure reports.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

using namespace vantorel;
using namespace vantorel::bookmarks;
using namespace vantorel::bookmarks::fixtures;

namespace {

RecordPtr folder(const QString& name) {
  return std::make_shared<CBMFolder>(codepage::fromQString(name));
}
RecordPtr mark(const QString& name, int32_t mode = 0) {
  auto r = std::make_shared<CBMPeriodic>();
  r->name = codepage::fromQString(name);
  r->mode = mode;
  return r;
}

QString names(const BookmarkList& list) {
  QStringList out;
  for (const auto& r : list.records) out << codepage::toQString(r->name);
  return out.join(u' ');
}

// Saves what the dialog shows when VANTOREL_GRAB_DIR names a folder.
void grab(QWidget* widget, const char* name) {
  const QString dir = qEnvironmentVariable("VANTOREL_GRAB_DIR");
  if (!dir.isEmpty()) widget->grab().save(dir + u'/' + QString::fromLatin1(name) + u".png"_qs);
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list.records = {folder(u"Μέταλλα"_qs), mark(u"Χαλκός"_qs), mark(u"Σίδηρος"_qs),
                    folder(u"Αέρια"_qs),   mark(u"Ήλιο"_qs),   folder(u"ζωή"_qs)};
    list.currentFolder = list.records[0].get();
    before = writeBookmarkFile(list.records);
  }
  void open(bool addMode, const QString& proposal = QString()) {
    dialog = std::make_unique<CBookmarkDlg>(list);
    dialog->Setup(proposal, addMode ? 100 : 0, addMode);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }
  QTreeWidget* tree() { return dialog->tree(); }
  QStringList shown() {
    QStringList out;
    for (QTreeWidgetItemIterator it(tree()); *it; ++it)
      out << ((*it)->parent() ? u"  "_qs : QString()) + (*it)->text(0);
    return out;
  }

  BookmarkList list;
  std::string before;
  std::unique_ptr<CBookmarkDlg> dialog;
  ui::RecordingMessageBoxes boxes;
};

}  // namespace

TEST_F(DialogTest, AddModeOpensAsTheNameBandAndGrowsOnRequest) {
  open(true, u"Periodic Table - 3"_qs);
  EXPECT_EQ(dialog->windowTitle(), u"Προσθήκη σελιδοδείκτη"_qs);
  EXPECT_EQ(dialog->size(), CBookmarkDlg::reducedSize());
  EXPECT_EQ(dialog->nameEdit()->text(), u"Periodic Table - 3"_qs);
  EXPECT_TRUE(dialog->okButton()->hasFocus());
  // Only the name and the first row of buttons are inside the window.
  EXPECT_FALSE(dialog->rect().contains(dialog->tree()->geometry()));
  EXPECT_TRUE(dialog->rect().contains(dialog->okButton()->geometry()));
  EXPECT_FALSE(dialog->rect().intersects(dialog->newFolderButton()->geometry()));
  grab(dialog.get(), "bookmark-add-reduced");
  const QPoint corner = dialog->pos();
  click(dialog->advancedButton());
  EXPECT_EQ(dialog->size(), CBookmarkDlg::fullSize());
  EXPECT_EQ(dialog->pos(), corner);
  EXPECT_FALSE(dialog->advancedButton()->isEnabled());
  EXPECT_TRUE(dialog->rect().contains(dialog->tree()->geometry()));
  // Folders sorted by their letters; the current folder open and selected.
  EXPECT_EQ(shown(),
            (QStringList{u"Αέρια"_qs, u"  Ήλιο"_qs, u"ζωή"_qs, u"Μέταλλα"_qs, u"  Χαλκός"_qs, u"  Σίδηρος"_qs}));
  EXPECT_EQ(tree()->currentItem()->text(0), u"Μέταλλα"_qs);
  grab(dialog.get(), "bookmark-add-full");
}

TEST_F(DialogTest, AddingANameTakenInTheChosenFolderIsRefusedButAcceptedElsewhere) {
  open(true, u"x"_qs);
  dialog->nameEdit()->selectAll();
  typeText(dialog->nameEdit(), u"Χαλκός"_qs);
  click(dialog->okButton());
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, u"Υπάρχει ήδη σελιδοδείκτης με το ίδιο όνομα"_qs);
  EXPECT_EQ(boxes.shown()[0].caption, u"Προσθήκη σελιδοδείκτη"_qs);
  EXPECT_TRUE(dialog->isVisible());
  click(dialog->advancedButton());
  clickItem(tree(), findItem(tree(), u"Αέρια"_qs));
  click(dialog->okButton());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(dialog->bookmarkName(), u"Χαλκός"_qs);
  EXPECT_EQ(list.currentFolder, list.records[0].get());
  EXPECT_EQ(names(list), u"Αέρια Ήλιο ζωή Μέταλλα Χαλκός Σίδηρος"_qs);
}

TEST_F(DialogTest, GoToModeChoosesABookmarkByDoubleClickOrEnterButNotAFolder) {
  open(false);
  EXPECT_EQ(dialog->windowTitle(), u"Μετάβαση σε σελιδοδείκτη"_qs);
  EXPECT_EQ(dialog->size(), CBookmarkDlg::fullSize());
  EXPECT_FALSE(dialog->nameEdit()->isEnabled());
  EXPECT_FALSE(dialog->advancedButton()->isEnabled());
  EXPECT_TRUE(tree()->hasFocus());
  grab(dialog.get(), "bookmark-goto");
  QTest::keyClick(tree(), Qt::Key_Return);  // on a folder: nothing
  EXPECT_TRUE(dialog->isVisible());
  QTest::keyClick(tree(), Qt::Key_Down);
  EXPECT_EQ(tree()->currentItem()->text(0), u"Χαλκός"_qs);
  QTest::keyClick(tree(), Qt::Key_Return);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  ASSERT_TRUE(dialog->chosenBookmark());
  EXPECT_EQ(dialog->chosenBookmark().get(), list.records[4].get());  // the rebuilt list's record

  open(false);
  QTreeWidgetItem* helium = findItem(tree(), u"Ήλιο"_qs);
  tree()->scrollToItem(helium);
  QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(helium).center());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(codepage::toQString(dialog->chosenBookmark()->name), u"Ήλιο"_qs);
}

TEST_F(DialogTest, NewFoldersAreTrimmedAndSortedAndOkWritesThemInOrder) {
  open(false);
  NameAnswer seen;
  answerNameDialog(u"  Βάσεις  "_qs, &seen);
  click(dialog->newFolderButton());
  EXPECT_EQ(seen.caption, u"Νέος φάκελος"_qs);
  EXPECT_EQ(seen.opening, QString());
  answerNameDialog(u"Αέρια"_qs);  // a name already used: accepted
  click(dialog->newFolderButton());
  answerNameDialog(u"   "_qs);  // nothing but spaces: nothing
  click(dialog->newFolderButton());
  EXPECT_EQ(shown(), (QStringList{u"Αέρια"_qs, u"  Ήλιο"_qs, u"Αέρια"_qs, u"Βάσεις"_qs, u"ζωή"_qs, u"Μέταλλα"_qs,
                                  u"  Χαλκός"_qs, u"  Σίδηρος"_qs}));
  grab(dialog.get(), "bookmark-sorted-folders");
  EXPECT_TRUE(boxes.shown().empty());
  clickItem(tree(), findItem(tree(), u"Βάσεις"_qs));
  click(dialog->okButton());
  EXPECT_EQ(names(list), u"Αέρια Ήλιο Αέρια Βάσεις ζωή Μέταλλα Χαλκός Σίδηρος"_qs);
  EXPECT_EQ(codepage::toQString(list.currentFolder->name), u"Βάσεις"_qs);
  EXPECT_EQ(dialog->chosenBookmark(), nullptr);
}

TEST_F(DialogTest, RenamesAreRefusedForASiblingsOrAnotherFoldersName) {
  open(false);
  clickItem(tree(), findItem(tree(), u"Χαλκός"_qs));
  NameAnswer seen;
  answerNameDialog(u"Σίδηρος"_qs, &seen);
  click(dialog->renameButton());
  EXPECT_EQ(seen.caption, u"Μετονομασία σελιδοδείκτη"_qs);
  EXPECT_EQ(seen.opening, u"Χαλκός"_qs);
  EXPECT_TRUE(seen.selectedAll);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, u"Υπάρχει ήδη σελιδοδείκτης με το ίδιο όνομα"_qs);
  EXPECT_EQ(boxes.shown()[0].caption, u"Μετονομασία σελιδοδείκτη"_qs);
  answerNameDialog(u"Ήλιο"_qs);  // a bookmark of another folder has it: fine
  click(dialog->renameButton());
  EXPECT_EQ(tree()->currentItem()->text(0), u"Ήλιο"_qs);

  clickItem(tree(), findItem(tree(), u"ζωή"_qs));
  answerNameDialog(u"Αέρια"_qs, &seen);
  click(dialog->renameButton());
  EXPECT_EQ(seen.caption, u"Μετονομασία φακέλου"_qs);
  ASSERT_EQ(boxes.shown().size(), 2u);
  EXPECT_EQ(boxes.shown()[1].text, u"A folder with this name already exists"_qs);
  EXPECT_EQ(boxes.shown()[1].caption, u"Rename Folder"_qs);
  answerNameDialog(u"Άζωτο"_qs);
  click(dialog->renameButton());
  EXPECT_EQ(shown(),
            (QStringList{u"Αέρια"_qs, u"  Ήλιο"_qs, u"Άζωτο"_qs, u"Μέταλλα"_qs, u"  Ήλιο"_qs, u"  Σίδηρος"_qs}));
}

TEST_F(DialogTest, DeletingAsksFirstAndNeverTakesTheLastFolder) {
  open(false);
  clickItem(tree(), findItem(tree(), u"Χαλκός"_qs));
  boxes.queueAnswer(ui::Answer::No);
  click(dialog->deleteButton());
  EXPECT_TRUE(findItem(tree(), u"Χαλκός"_qs));
  boxes.queueAnswer(ui::Answer::Yes);
  QTest::keyClick(tree(), Qt::Key_Delete);
  EXPECT_FALSE(findItem(tree(), u"Χαλκός"_qs));
  ASSERT_EQ(boxes.shown().size(), 2u);
  EXPECT_EQ(boxes.shown()[1].text, u"Είστε βέβαιοι ότι θέλετε να διαγράψετε το σελιδοδείκτη;"_qs);
  EXPECT_EQ(boxes.shown()[1].caption, u"Διαγραφή σελιδοδείκτη"_qs);
  EXPECT_EQ(boxes.shown()[1].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(boxes.shown()[1].icon, ui::Icon::Question);
  boxes.clear();

  for (const QString& name : {u"Μέταλλα"_qs, u"Αέρια"_qs}) {
    clickItem(tree(), findItem(tree(), name));
    boxes.queueAnswer(ui::Answer::Yes);
    click(dialog->deleteButton());
  }
  EXPECT_EQ(shown(), QStringList{u"ζωή"_qs});
  clickItem(tree(), findItem(tree(), u"ζωή"_qs));
  click(dialog->deleteButton());
  ASSERT_EQ(boxes.shown().size(), 3u);
  EXPECT_EQ(boxes.shown()[0].text, u"Είστε βέβαιοι ότι θέλετε να διαγράψετε ένα φάκελο και όλα του τα περιεχόμενα;"_qs);
  EXPECT_EQ(boxes.shown()[2].text, u"Δεν είναι δυνατή η διαγραφή του τελευταίου φακέλου."_qs);
  EXPECT_EQ(boxes.shown()[2].caption, u"Διαγραφή φακέλου"_qs);
  EXPECT_EQ(shown(), QStringList{u"ζωή"_qs});
  // The deleted current folder is gone from the list too.
  click(dialog->okButton());
  EXPECT_EQ(names(list), u"ζωή"_qs);
  EXPECT_EQ(list.currentFolder, list.records[0].get());
}

TEST_F(DialogTest, CancelLeavesTheListExactlyAsItWas) {
  const std::vector<RecordPtr> records = list.records;
  const CBMRecord* current = list.currentFolder;
  for (int way = 0; way < 2; ++way) {
    open(false);
    answerNameDialog(u"Νέος"_qs);
    click(dialog->newFolderButton());
    clickItem(tree(), findItem(tree(), u"Χαλκός"_qs));
    answerNameDialog(u"Κασσίτερος"_qs);
    click(dialog->renameButton());
    clickItem(tree(), findItem(tree(), u"Μέταλλα"_qs));
    boxes.queueAnswer(ui::Answer::Yes);
    click(dialog->deleteButton());
    if (way == 0)
      click(dialog->cancelButton());
    else
      QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(list.records, records);
    EXPECT_EQ(list.currentFolder, current);
    EXPECT_EQ(writeBookmarkFile(list.records), before);
  }
}

TEST_F(DialogTest, RenamingTheCurrentFolderKeepsItCurrentAfterOk) {
  open(true, u"x"_qs);
  click(dialog->advancedButton());
  answerNameDialog(u"Ωμέγα"_qs);
  click(dialog->renameButton());          // Μέταλλα, selected on opening
  QTest::keyClick(tree(), Qt::Key_Down);  // its first bookmark: still in the same folder
  click(dialog->okButton());
  EXPECT_EQ(names(list), u"Αέρια Ήλιο ζωή Ωμέγα Χαλκός Σίδηρος"_qs);
  EXPECT_EQ(codepage::toQString(list.currentFolder->name), u"Ωμέγα"_qs);
  // The next bookmark goes to its end.
  addBookmark(list, mark(u"Νέο"_qs));
  EXPECT_EQ(names(list), u"Αέρια Ήλιο ζωή Ωμέγα Χαλκός Σίδηρος Νέο"_qs);
}

TEST_F(DialogTest, DraggingABookmarkBelowTheTreeScrollsAndDropsItInAnotherFolder) {
  // Many bookmarks in the first folder, so that the last folder starts out of sight.
  list.records = {folder(u"Αέρια"_qs)};
  for (int i = 0; i < 40; ++i) list.records.push_back(mark(u"Αέριο %1"_qs.arg(i, 2, 10, QChar(u'0'))));
  list.records.push_back(folder(u"Ωμέγα"_qs));
  list.records.push_back(mark(u"Τέλος"_qs));
  list.currentFolder = list.records[41].get();
  open(false);
  auto* bookmarkTree = dialog->tree();
  QWidget* viewport = bookmarkTree->viewport();
  // Both folders open: the last one is open as the current folder, the first one by hand.
  QTest::keyClick(bookmarkTree, Qt::Key_Home);
  QTest::keyClick(bookmarkTree, Qt::Key_Right);
  ASSERT_TRUE(findItem(bookmarkTree, u"Αέρια"_qs)->isExpanded());
  QTreeWidgetItem* dragged = findItem(bookmarkTree, u"Αέριο 01"_qs);
  const QPoint start = bookmarkTree->visualItemRect(dragged).center();
  QTest::mousePress(viewport, Qt::LeftButton, {}, start);
  auto move = [&](QPoint to) { dragMove(viewport, to); };
  move(start + QPoint(0, 12));
  ASSERT_TRUE(dialog->tree()->dragging());
  EXPECT_EQ(viewport->cursor().shape(), Qt::DragMoveCursor);
  EXPECT_EQ(bookmarkTree->currentItem()->text(0), u"Αέριο 02"_qs);  // the item under the pointer
  // Below the tree: one item further down per move, scrolled into view.
  const QPoint below(start.x(), viewport->height() + 5);
  const int scrolledFrom = bookmarkTree->verticalScrollBar()->value();
  QStringList targets;
  for (int i = 0; i < 40 && bookmarkTree->currentItem()->text(0) != u"Ωμέγα"_qs; ++i) {
    move(below);
    targets << bookmarkTree->currentItem()->text(0);
  }
  EXPECT_EQ(viewport->cursor().shape(), Qt::ForbiddenCursor);
  EXPECT_EQ(targets.first(), u"Αέριο 03"_qs);
  EXPECT_EQ(targets.size(), 38);  // 03 .. 39, then the folder
  EXPECT_GT(bookmarkTree->verticalScrollBar()->value(), scrolledFrom);
  EXPECT_TRUE(bookmarkTree->visualItemRect(bookmarkTree->currentItem()).intersects(viewport->rect()));
  grab(dialog.get(), "bookmark-drag");
  // Onto the bookmark of the other folder: the drop goes to the end of that folder.
  move(below);
  EXPECT_EQ(bookmarkTree->currentItem()->text(0), u"Τέλος"_qs);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, below);
  EXPECT_FALSE(dialog->tree()->dragging());
  EXPECT_EQ(viewport->cursor().shape(), Qt::ArrowCursor);
  QTreeWidgetItem* omega = findItem(bookmarkTree, u"Ωμέγα"_qs);
  ASSERT_EQ(omega->childCount(), 2);
  EXPECT_EQ(omega->child(1)->text(0), u"Αέριο 01"_qs);
  click(dialog->okButton());
  EXPECT_EQ(codepage::toQString(list.records[list.records.size() - 3]->name), u"Ωμέγα"_qs);
  EXPECT_EQ(codepage::toQString(list.records.back()->name), u"Αέριο 01"_qs);
  EXPECT_EQ(list.records.size(), 43u);
}

TEST_F(DialogTest, DraggingAFolderOnlySelectsItAndADropInTheSameFolderChangesNothing) {
  open(false);
  auto* bookmarkTree = dialog->tree();
  QWidget* viewport = bookmarkTree->viewport();
  const QPoint from = bookmarkTree->visualItemRect(findItem(bookmarkTree, u"ζωή"_qs)).center();
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  dragMove(viewport, from + QPoint(0, 20));
  EXPECT_FALSE(dialog->tree()->dragging());
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + QPoint(0, 20));

  const QPoint copper = bookmarkTree->visualItemRect(findItem(bookmarkTree, u"Χαλκός"_qs)).center();
  const QPoint iron = bookmarkTree->visualItemRect(findItem(bookmarkTree, u"Σίδηρος"_qs)).center();
  QTest::mousePress(viewport, Qt::LeftButton, {}, copper);
  dragMove(viewport, iron);
  EXPECT_TRUE(dialog->tree()->dragging());
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, iron);
  EXPECT_EQ(shown(),
            (QStringList{u"Αέρια"_qs, u"  Ήλιο"_qs, u"ζωή"_qs, u"Μέταλλα"_qs, u"  Χαλκός"_qs, u"  Σίδηρος"_qs}));
}
