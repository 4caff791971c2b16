#include "host/bookmarks/core/BookmarkTree.h"

#include <algorithm>

#include "platform/codepage/Cp1253.h"

namespace vantorel::bookmarks {

std::string trimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

int BookmarkTree::caseFoldCompare(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int x = codepage::toLower(static_cast<unsigned char>(a[i]));
    const int y = codepage::toLower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

BookmarkTree::BookmarkTree(Compare compare) : compare_(std::move(compare)) {}

size_t BookmarkTree::sortedPosition(const std::string& name) const {
  // After every folder that sorts before or equal to the name, as a sorted insertion puts it.
  size_t lo = 0, hi = folders_.size();
  while (lo < hi) {
    const size_t mid = (lo + hi) / 2;
    if (compare_(folders_[mid].record->name, name) <= 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

size_t BookmarkTree::insertFolder(Folder folder) {
  const size_t at = sortedPosition(folder.record->name);
  folders_.insert(folders_.begin() + static_cast<std::ptrdiff_t>(at), std::move(folder));
  return at;
}

void BookmarkTree::fill(const BookmarkList& list) {
  folders_.clear();
  added_.clear();
  removed_.clear();
  currentFolder_ = list.currentFolder;
  // Bookmarks are gathered per folder first: a sorted insertion moves the folders around.
  std::vector<Folder> inOrder;
  for (const auto& record : list.records) {
    if (record->isFolder()) {
      inOrder.push_back(Folder{record, {}});
    } else if (!inOrder.empty()) {
      inOrder.back().bookmarks.push_back(record);
    }
  }
  folders_.reserve(inOrder.size());
  for (auto& folder : inOrder) insertFolder(std::move(folder));
}

size_t BookmarkTree::itemCount() const {
  size_t n = folders_.size();
  for (const auto& f : folders_) n += f.bookmarks.size();
  return n;
}

const RecordPtr& BookmarkTree::record(const ItemRef& item) const {
  const Folder& f = folders_.at(item.folder);
  return item.bookmark ? f.bookmarks.at(*item.bookmark) : f.record;
}

std::optional<ItemRef> BookmarkTree::find(const CBMRecord* record) const {
  if (!record) return std::nullopt;
  for (size_t i = 0; i < folders_.size(); ++i) {
    if (folders_[i].record.get() == record) return ItemRef{i, std::nullopt};
    const auto& b = folders_[i].bookmarks;
    for (size_t j = 0; j < b.size(); ++j)
      if (b[j].get() == record) return ItemRef{i, j};
  }
  return std::nullopt;
}

std::optional<ItemRef> BookmarkTree::initialItem(const CBMRecord* folderOnEntry, const CBMRecord* firstRecord) const {
  if (auto item = find(folderOnEntry)) return item;
  return find(firstRecord);
}

std::optional<size_t> BookmarkTree::newFolder(const std::string& name) {
  const std::string trimmed = trimSpaces(name);
  if (trimmed.empty()) return std::nullopt;
  auto record = std::make_shared<CBMFolder>(trimmed);
  added_.push_back(record);
  return insertFolder(Folder{record, {}});
}

RenameOutcome BookmarkTree::rename(ItemRef& item, const std::string& name) {
  const std::string trimmed = trimSpaces(name);
  const RecordPtr old = record(item);
  if (trimmed.empty() || trimmed == old->name) return RenameOutcome::Ignored;
  Folder& folder = folders_.at(item.folder);
  if (item.bookmark) {
    if (hasBookmarkNamed(item.folder, trimmed)) return RenameOutcome::DuplicateBookmark;
  } else {
    for (const auto& f : folders_)
      if (f.record->name == trimmed) return RenameOutcome::DuplicateFolder;
  }
  RecordPtr renamed = old->clone();
  renamed->name = trimmed;
  added_.push_back(renamed);
  removed_.push_back(old);
  if (item.bookmark) {
    folder.bookmarks[*item.bookmark] = renamed;
    return RenameOutcome::Renamed;
  }
  // The folder that the next bookmark goes into follows its new record.
  if (currentFolder_ == old.get()) currentFolder_ = renamed.get();
  Folder moved{renamed, std::move(folder.bookmarks)};
  folders_.erase(folders_.begin() + static_cast<std::ptrdiff_t>(item.folder));
  item = ItemRef{insertFolder(std::move(moved)), std::nullopt};
  return RenameOutcome::Renamed;
}

DeleteCheck BookmarkTree::checkDelete(const ItemRef& item) const {
  if (item.bookmark) return DeleteCheck::ConfirmBookmark;
  return folders_.size() <= 1 ? DeleteCheck::LastFolder : DeleteCheck::ConfirmFolder;
}

void BookmarkTree::remove(const ItemRef& item) {
  Folder& folder = folders_.at(item.folder);
  if (item.bookmark) {
    removed_.push_back(folder.bookmarks.at(*item.bookmark));
    folder.bookmarks.erase(folder.bookmarks.begin() + static_cast<std::ptrdiff_t>(*item.bookmark));
    return;
  }
  if (folders_.size() <= 1) return;
  for (auto& b : folder.bookmarks) removed_.push_back(b);
  if (currentFolder_ == folder.record.get()) currentFolder_ = nullptr;
  removed_.push_back(folder.record);
  folders_.erase(folders_.begin() + static_cast<std::ptrdiff_t>(item.folder));
}

std::optional<ItemRef> BookmarkTree::move(const ItemRef& bookmark, size_t targetFolder) {
  if (!bookmark.bookmark || targetFolder >= folders_.size() || targetFolder == bookmark.folder) return std::nullopt;
  auto& from = folders_.at(bookmark.folder).bookmarks;
  RecordPtr record = from.at(*bookmark.bookmark);
  from.erase(from.begin() + static_cast<std::ptrdiff_t>(*bookmark.bookmark));
  auto& to = folders_[targetFolder].bookmarks;
  to.push_back(std::move(record));
  return ItemRef{targetFolder, to.size() - 1};
}

bool BookmarkTree::hasBookmarkNamed(size_t folder, const std::string& name) const {
  if (folder >= folders_.size()) return false;
  const auto& b = folders_[folder].bookmarks;
  return std::any_of(b.begin(), b.end(), [&](const RecordPtr& r) { return r->name == name; });
}

size_t BookmarkTree::folderIndexOf(const CBMRecord* folder) const {
  for (size_t i = 0; i < folders_.size(); ++i)
    if (folders_[i].record.get() == folder) return i;
  return 0;
}

std::vector<RecordPtr> BookmarkTree::records() const {
  std::vector<RecordPtr> out;
  out.reserve(itemCount());
  for (const auto& f : folders_) {
    out.push_back(f.record);
    out.insert(out.end(), f.bookmarks.begin(), f.bookmarks.end());
  }
  return out;
}

}  // namespace vantorel::bookmarks
