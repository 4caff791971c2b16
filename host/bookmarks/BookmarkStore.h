#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "host/bookmarks/core/BookmarkList.h"

class QWidget;

namespace vantorel::bookmarks {

// The bookmark list of a run and its file. The file is replaced whole and atomically on every
// save, under a lock; a file that cannot be read is kept aside as "<name>.bad" and never written
// over. A list is saved only once it was loaded or reset.
class BookmarkStore {
 public:
  explicit BookmarkStore(QString path);

  // Reads the file: a missing one gives the default list silently; an unreadable one shows the
  // corrupt-file message, is kept aside, and gives the default list.
  void load(QWidget* parent = nullptr);
  // The default list.
  void reset();
  // Writes the list; a failure shows 61204 or 61205 and leaves the file as it was. True when
  // the file now holds the list (or there was nothing to save).
  bool save(QWidget* parent = nullptr);

  [[nodiscard]] BookmarkList& list() { return list_; }
  [[nodiscard]] const BookmarkList& list() const { return list_; }
  [[nodiscard]] const QString& path() const { return path_; }
  [[nodiscard]] QString badPath() const { return path_ + QStringLiteral(".bad"); }
  [[nodiscard]] bool ready() const { return ready_; }

  // Called after each piece of a save is written, with the bytes written so far (tests stop a
  // writer there).
  void setWriteObserver(std::function<void(int64_t)> observer) { writeObserver_ = std::move(observer); }

 private:
  bool keepBadFileAside();

  QString path_;
  BookmarkList list_;
  bool ready_ = false;
  // A damaged file still stands under the bookmark name: it goes aside before the first save.
  bool badFilePending_ = false;
  std::function<void(int64_t)> writeObserver_;
};

}  // namespace vantorel::bookmarks
