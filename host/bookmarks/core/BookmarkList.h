#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/bookmarks/core/Records.h"

// The program's one ordered list of bookmark records. The first record is a folder; a folder owns
// the records after it up to the next folder. `currentFolder` names the folder into which the next
// bookmark goes; it may be null (the folder was deleted).
namespace vantorel::bookmarks {

struct BookmarkList {
  std::vector<RecordPtr> records;
  const CBMRecord* currentFolder = nullptr;

  [[nodiscard]] size_t bookmarkCount() const { return records.size(); }
  // Position of `record` in the list; nothing when it is not there.
  [[nodiscard]] std::optional<size_t> indexOf(const CBMRecord* record) const;
};

// The name of the default list's one folder, "Οι σελιδοδείκτες μου", in CP1253.
[[nodiscard]] const std::string& defaultFolderName();
// One folder of that name, which is also the current folder.
[[nodiscard]] BookmarkList defaultList();

// Where a new bookmark goes: just before the first folder after the current folder (the current
// folder is taken as the first record when it is not in the list), or at the end.
[[nodiscard]] size_t insertPosition(const BookmarkList& list);
// Inserts `record` at insertPosition.
void addBookmark(BookmarkList& list, RecordPtr record);

// How many records of one kind the list holds, in all folders.
[[nodiscard]] size_t countOfKind(const BookmarkList& list, Kind kind);

// The list's invariants: at least one record, the first a folder, no null records, and a current
// folder that is null or a folder of the list. Empty when they hold, else what is wrong.
[[nodiscard]] std::string checkInvariants(const BookmarkList& list);

}  // namespace vantorel::bookmarks
