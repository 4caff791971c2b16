#include "host/bookmarks/core/BookmarkList.h"

namespace vantorel::bookmarks {

std::optional<size_t> BookmarkList::indexOf(const CBMRecord* record) const {
  if (!record) return std::nullopt;
  for (size_t i = 0; i < records.size(); ++i)
    if (records[i].get() == record) return i;
  return std::nullopt;
}

const std::string& defaultFolderName() {
  // "Οι σελιδοδείκτες μου"
  static const std::string name = "\xCF\xE9 \xF3\xE5\xEB\xE9\xE4\xEF\xE4\xE5\xDF\xEA\xF4\xE5\xF2 \xEC\xEF\xF5";
  return name;
}

BookmarkList defaultList() {
  BookmarkList list;
  list.records.push_back(std::make_shared<CBMFolder>(defaultFolderName()));
  list.currentFolder = list.records.front().get();
  return list;
}

size_t insertPosition(const BookmarkList& list) {
  const size_t start = list.indexOf(list.currentFolder).value_or(0);
  for (size_t i = start + 1; i < list.records.size(); ++i)
    if (list.records[i]->isFolder()) return i;
  return list.records.size();
}

void addBookmark(BookmarkList& list, RecordPtr record) {
  const size_t at = insertPosition(list);
  list.records.insert(list.records.begin() + static_cast<std::ptrdiff_t>(at), std::move(record));
}

size_t countOfKind(const BookmarkList& list, Kind kind) {
  size_t n = 0;
  for (const auto& r : list.records) n += r->kind() == kind ? 1 : 0;
  return n;
}

std::string checkInvariants(const BookmarkList& list) {
  if (list.records.empty()) return "the list is empty";
  for (const auto& r : list.records)
    if (!r) return "the list holds a null record";
  if (!list.records.front()->isFolder()) return "the first record is not a folder";
  if (list.currentFolder) {
    if (!list.indexOf(list.currentFolder)) return "the current folder is not in the list";
    if (!list.currentFolder->isFolder()) return "the current folder is not a folder";
  }
  return {};
}

}  // namespace vantorel::bookmarks
