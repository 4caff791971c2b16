#pragma once

#include <functional>

#include "host/bookmarks/core/ScreenSites.h"

class QWidget;

namespace vantorel::bookmarks {

class BookmarkStore;
class CBookmarkDlg;

// The two commands of the bookmark menu: Add (32784) and Go to (32785). The list is saved after
// every change the user makes.
class BookmarkCommands {
 public:
  BookmarkCommands(BookmarkStore& store, BookmarkSites& sites, QWidget* parent = nullptr);

  // Whether Add is offered on the screen showing now.
  [[nodiscard]] bool canAdd() const;
  void OnBookmarkAdd();
  void OnBookmarkGoto();

  // Runs the dialog; DoModal by default. Tests drive the open dialog in its place.
  std::function<int(CBookmarkDlg&)> runDialog;

 private:
  BookmarkStore& store_;
  BookmarkSites& sites_;
  QWidget* parent_;
};

}  // namespace vantorel::bookmarks
