#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/bookmarks/core/BookmarkList.h"

// The bookmark dialog's tree and its rules, apart from any widget: folders at the root in sorted
// order, each with its bookmarks in list order. The dialog mirrors every change in its tree view
// at the positions given here. Records are never changed in place: a rename puts a new record in
// the item, so the list the dialog was opened on stays as it was until OK.
namespace vantorel::bookmarks {

// Where an item stands: folder index at the root, and the bookmark index inside it (none for the
// folder itself).
struct ItemRef {
  size_t folder = 0;
  std::optional<size_t> bookmark;

  [[nodiscard]] bool isFolder() const { return !bookmark; }
  friend bool operator==(const ItemRef&, const ItemRef&) = default;
};

enum class RenameOutcome {
  Ignored,            // empty, or the same as the label: nothing happens, no message
  DuplicateBookmark,  // a bookmark of the same folder has the name
  DuplicateFolder,    // a folder has the name
  Renamed,
};

enum class DeleteCheck {
  ConfirmBookmark,  // ask before deleting a bookmark
  ConfirmFolder,    // ask before deleting a folder with all it holds
  LastFolder,       // the only folder cannot go
};

class BookmarkTree {
 public:
  // Compares two CP1253 names for the folders' order: < 0, 0, > 0.
  using Compare = std::function<int(const std::string&, const std::string&)>;

  struct Folder {
    RecordPtr record;
    std::vector<RecordPtr> bookmarks;
  };

  explicit BookmarkTree(Compare compare = caseFoldCompare);

  // Fills the tree from `list` (folders by sorted insertion, in list order among equals) and
  // takes its current folder. Forgets records added and removed before.
  void fill(const BookmarkList& list);

  [[nodiscard]] const std::vector<Folder>& folders() const { return folders_; }
  [[nodiscard]] size_t itemCount() const;
  [[nodiscard]] const RecordPtr& record(const ItemRef& item) const;
  [[nodiscard]] const std::string& label(const ItemRef& item) const { return record(item)->name; }
  // The item of `record`, if it is in the tree.
  [[nodiscard]] std::optional<ItemRef> find(const CBMRecord* record) const;
  // The item the dialog selects on opening: the current folder's, else the first record's.
  [[nodiscard]] std::optional<ItemRef> initialItem(const CBMRecord* folderOnEntry, const CBMRecord* firstRecord) const;

  // The folder that the dialog will make current at OK (may be null).
  [[nodiscard]] const CBMRecord* currentFolder() const { return currentFolder_; }
  void setCurrentFolder(const CBMRecord* folder) { currentFolder_ = folder; }

  // New folder: trims spaces; an empty name adds nothing. Returns the new folder's index.
  std::optional<size_t> newFolder(const std::string& name);

  // Rename: trims; on Renamed the item carries a new record (and a folder moves to its sorted
  // place: `item` is updated to where it now stands).
  RenameOutcome rename(ItemRef& item, const std::string& name);

  [[nodiscard]] DeleteCheck checkDelete(const ItemRef& item) const;
  // Removes the item (a folder with its bookmarks); clears the current folder when it goes.
  void remove(const ItemRef& item);

  // Drag and drop: moves a bookmark to the end of `targetFolder`. Nothing when the bookmark
  // already is in that folder; else where it now stands.
  std::optional<ItemRef> move(const ItemRef& bookmark, size_t targetFolder);

  // Adding `name` to folder `folder` would give it two bookmarks of that name.
  [[nodiscard]] bool hasBookmarkNamed(size_t folder, const std::string& name) const;
  // The folder whose record is `folder`, else the first.
  [[nodiscard]] size_t folderIndexOf(const CBMRecord* folder) const;

  // The records in display order: a folder, its bookmarks, the next folder.
  [[nodiscard]] std::vector<RecordPtr> records() const;

  [[nodiscard]] const std::vector<RecordPtr>& added() const { return added_; }
  [[nodiscard]] const std::vector<RecordPtr>& removed() const { return removed_; }

  // Default order: bytes compared after folding letter case in the code page.
  static int caseFoldCompare(const std::string& a, const std::string& b);

 private:
  size_t sortedPosition(const std::string& name) const;
  size_t insertFolder(Folder folder);

  Compare compare_;
  std::vector<Folder> folders_;
  const CBMRecord* currentFolder_ = nullptr;
  std::vector<RecordPtr> added_;
  std::vector<RecordPtr> removed_;
};

// Spaces at both ends removed.
[[nodiscard]] std::string trimSpaces(const std::string& text);

}  // namespace vantorel::bookmarks
