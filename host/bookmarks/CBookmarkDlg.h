#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "host/bookmarks/core/BookmarkList.h"
#include "host/bookmarks/core/BookmarkTree.h"

class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

namespace vantorel::bookmarks {

class BookmarkTreeWidget;

// The bookmark dialog. Add mode asks for the new bookmark's name and, on request, shows the
// folders; go-to mode shows every folder and bookmark for the user to pick one. Edits are made on
// the dialog's own tree: the list changes only at OK, rebuilt in the tree's order, and Cancel
// leaves it exactly as it was.
class CBookmarkDlg : public QDialog {
 public:
  CBookmarkDlg(BookmarkList& list, QWidget* parent = nullptr);

  // Before DoModal: the proposed name and the section it was made for (add mode only).
  void Setup(const QString& proposal, int section, bool addMode);
  int DoModal() { return exec(); }

  // After OK: the name typed (add mode), the bookmark picked (go-to mode, null for a folder).
  [[nodiscard]] const QString& bookmarkName() const { return bookmarkName_; }
  [[nodiscard]] RecordPtr chosenBookmark() const { return chosenBookmark_; }
  [[nodiscard]] int section() const { return section_; }

  // Asks for a folder or bookmark name: caption and the text to start from; nothing on Cancel.
  // The name dialog by default; tests may answer in its place.
  std::function<std::optional<QString>(const QString& caption, const QString& name)> askName;

  // The controls, by the ids they stand for.
  [[nodiscard]] QLineEdit* nameEdit() const { return name_; }                // 1001
  [[nodiscard]] QPushButton* advancedButton() const { return advanced_; }    // 1002
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }        // 2
  [[nodiscard]] QPushButton* okButton() const { return ok_; }                // 1
  [[nodiscard]] QPushButton* newFolderButton() const { return newFolder_; }  // 1004
  [[nodiscard]] QPushButton* renameButton() const { return rename_; }        // 1005
  [[nodiscard]] QPushButton* deleteButton() const { return delete_; }        // 1006
  [[nodiscard]] BookmarkTreeWidget* tree() const { return tree_; }           // 1009
  [[nodiscard]] bool reduced() const { return reduced_; }

  // The full size and the reduced band of add mode, in pixels.
  [[nodiscard]] static QSize fullSize();
  [[nodiscard]] static QSize reducedSize();

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fillTree();
  void onAdvanced();
  void onNewFolder();
  void onRename();
  void onDelete();
  void onChoose();
  void onDrop(QTreeWidgetItem* dragged, QTreeWidgetItem* folder);
  [[nodiscard]] std::optional<ItemRef> refOf(const QTreeWidgetItem* item) const;
  [[nodiscard]] QTreeWidgetItem* itemOf(const ItemRef& ref) const;
  [[nodiscard]] QTreeWidgetItem* makeItem(const CBMRecord& record) const;

  BookmarkList& list_;
  BookmarkTree model_;
  bool addMode_ = false;
  bool reduced_ = false;
  bool placed_ = false;
  int section_ = 0;
  QString bookmarkName_;
  RecordPtr chosenBookmark_;

  QLineEdit* name_ = nullptr;
  QPushButton* advanced_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* newFolder_ = nullptr;
  QPushButton* rename_ = nullptr;
  QPushButton* delete_ = nullptr;
  BookmarkTreeWidget* tree_ = nullptr;
};

}  // namespace vantorel::bookmarks
