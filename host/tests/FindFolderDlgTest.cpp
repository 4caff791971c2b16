#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "host/CFindFolderDlg.h"
#include "host/tests/HostTestSupport.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using vantorel::host::CFindFolderDlg;

namespace {

struct FolderTree {
  QTemporaryDir dir;
  QString root;
  FolderTree() {
    vantorel::host::testing::app();
    root = dir.path() + u'/';
    for (const char* sub : {"zeta/inner", "alpha/one/two", "alpha/b", ".hidden/x", "mid"}) QDir(root).mkpath(sub);
    vantorel::host::testing::writeFile(root + u"file.txt"_qs, "not a folder");
  }
  std::vector<shell::Volume> volumes() const {
    return {{u"/nowhere-removable/"_qs, {}, shell::VolumeKind::Removable},
            {root, {}, shell::VolumeKind::Fixed},
            {u"/net/"_qs, {}, shell::VolumeKind::Remote}};
  }
};

QStringList childTexts(const QTreeWidgetItem* item) {
  QStringList out;
  for (int i = 0; i < item->childCount(); ++i) out << item->child(i)->text(0);
  return out;
}

}  // namespace

TEST(FindFolderDlg, DriveListSelectsTheFirstFixedVolume) {
  FolderTree tree;
  CFindFolderDlg dialog(nullptr, CFindFolderDlg::Mode::LocateDisc, [&] { return tree.volumes(); });
  EXPECT_EQ(dialog.windowTitle(), u"Find Folder"_qs);
  EXPECT_NE(dialog.findChild<QLabel*>()->text().indexOf(u"Please locate the Vantorel CD-ROM"_qs), -1);
  ASSERT_EQ(dialog.driveList()->count(), 3);
  EXPECT_EQ(dialog.driveList()->itemText(0), u"Removeable Media (/nowhere-removable/)"_qs);
  EXPECT_EQ(dialog.driveList()->itemText(2), u"Network drive (/net/)"_qs);
  EXPECT_EQ(dialog.driveList()->currentIndex(), 1);
  EXPECT_EQ(dialog.driveList()->currentText(), u"Local Disk ("_qs + tree.root + u")"_qs);

  // The root shows its folders sorted, without hidden ones or files, each expandable.
  ASSERT_EQ(dialog.folderTree()->topLevelItemCount(), 1);
  QTreeWidgetItem* root = dialog.folderTree()->topLevelItem(0);
  EXPECT_EQ(root->text(0), tree.root);
  EXPECT_TRUE(root->isExpanded());
  EXPECT_EQ(childTexts(root), (QStringList{u"alpha"_qs, u"mid"_qs, u"zeta"_qs}));
  EXPECT_EQ(childTexts(root->child(0)), QStringList{QString()});  // placeholder until opened
}

TEST(FindFolderDlg, ExpandSelectAndOkGiveThePath) {
  FolderTree tree;
  CFindFolderDlg dialog(nullptr, CFindFolderDlg::Mode::BookmarkFolder, [&] { return tree.volumes(); });
  QTreeWidgetItem* alpha = dialog.folderTree()->topLevelItem(0)->child(0);
  alpha->setExpanded(true);
  EXPECT_EQ(childTexts(alpha), (QStringList{u"b"_qs, u"one"_qs}));
  QTreeWidgetItem* one = alpha->child(1);
  one->setExpanded(true);
  one->setExpanded(false);
  one->setExpanded(true);  // a second opening keeps the children
  EXPECT_EQ(childTexts(one), QStringList{u"two"_qs});

  // OK with nothing selected does nothing.
  dialog.folderTree()->setCurrentItem(nullptr);
  dialog.folderTree()->clearSelection();
  dialog.onOk();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(dialog.chosenPath().isEmpty());

  dialog.folderTree()->setCurrentItem(one->child(0));
  dialog.onOk();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.chosenPath(), tree.root + u"alpha/one/two"_qs);
}

TEST(FindFolderDlg, PathOfARootItemDropsItsSeparator) {
  QTreeWidget widget;
  auto* root = new QTreeWidgetItem(&widget, {u"/media/usb/"_qs});
  auto* child = new QTreeWidgetItem(root, {u"data"_qs});
  EXPECT_EQ(CFindFolderDlg::pathOfItem(root), u"/media/usb"_qs);
  EXPECT_EQ(CFindFolderDlg::pathOfItem(child), u"/media/usb/data"_qs);
  auto* slash = new QTreeWidgetItem(&widget, {u"/"_qs});
  EXPECT_EQ(CFindFolderDlg::pathOfItem(new QTreeWidgetItem(slash, {u"usr"_qs})), u"/usr"_qs);
}

TEST(FindFolderDlg, ChangingTheDriveRefillsTheTree) {
  FolderTree tree;
  CFindFolderDlg dialog(nullptr, CFindFolderDlg::Mode::LocateDisc, [&] { return tree.volumes(); });
  dialog.driveList()->setCurrentIndex(0);  // a volume that is not there: just its root item
  ASSERT_EQ(dialog.folderTree()->topLevelItemCount(), 1);
  EXPECT_EQ(dialog.folderTree()->topLevelItem(0)->childCount(), 0);
  dialog.driveList()->setCurrentIndex(1);
  EXPECT_EQ(dialog.folderTree()->topLevelItem(0)->childCount(), 3);
}

TEST(FindFolderDlg, AFolderWithALineBreakInItsNameIsRefusedWithAMessage) {
  FolderTree tree;
  QDir(tree.root).mkpath(u"two\nlines"_qs);
  ui::RecordingMessageBoxes boxes;
  CFindFolderDlg dialog(nullptr, CFindFolderDlg::Mode::LocateDisc, [&] { return tree.volumes(); });
  dialog.show();
  QTreeWidgetItem* root = dialog.folderTree()->topLevelItem(0);
  QTreeWidgetItem* odd = nullptr;
  for (int i = 0; i < root->childCount(); ++i) {
    if (root->child(i)->text(0).contains(u'\n')) odd = root->child(i);
  }
  ASSERT_NE(odd, nullptr);
  dialog.folderTree()->scrollToItem(odd);
  const QRect cell = dialog.folderTree()->visualItemRect(odd);
  QTest::mouseClick(dialog.folderTree()->viewport(), Qt::LeftButton, {}, cell.center());
  ASSERT_TRUE(odd->isSelected());
  QPushButton* ok = nullptr;
  for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
    if (b->text() == u"OK"_qs) ok = b;
  }
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, CFindFolderDlg::kLineBreakInFolderName);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.chosenPath().isEmpty());

  // Another folder is taken as before.
  QTest::mouseClick(dialog.folderTree()->viewport(), Qt::LeftButton, {},
                    dialog.folderTree()->visualItemRect(root->child(0)).center());
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.chosenPath(), tree.root + u"alpha"_qs);
}
