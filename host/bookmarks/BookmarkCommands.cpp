#include "host/bookmarks/BookmarkCommands.h"

#include "host/bookmarks/BookmarkStore.h"
#include "host/bookmarks/BookmarkTexts.h"
#include "host/bookmarks/CBookmarkDlg.h"
#include "host/bookmarks/core/Capture.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::bookmarks {

BookmarkCommands::BookmarkCommands(BookmarkStore& store, BookmarkSites& sites, QWidget* parent)
    : runDialog([](CBookmarkDlg& dialog) { return dialog.DoModal(); }), store_(store), sites_(sites), parent_(parent) {}

bool BookmarkCommands::canAdd() const {
  auto& sites = const_cast<BookmarkSites&>(sites_);
  return bookmarks::canAdd(sites.screen(), sites.screen() == Screen::Topics ? sites.browse().treeRecord() : 0);
}

void BookmarkCommands::OnBookmarkAdd() {
  if (!store_.ready() || !canAdd()) return;
  const auto proposal =
      propose(sites_, store_.list(), [](int section) { return codepage::fromQString(sectionTitle(section)); });
  if (!proposal) return;
  CBookmarkDlg dialog(store_.list(), parent_);
  dialog.Setup(codepage::toQString(proposal->name), proposal->section, true);
  if (runDialog(dialog) != QDialog::Accepted) return;
  RecordPtr record = capture(sites_, codepage::fromQString(dialog.bookmarkName()));
  if (!record) return;
  addBookmark(store_.list(), std::move(record));
  store_.save(parent_);
}

void BookmarkCommands::OnBookmarkGoto() {
  if (!store_.ready()) return;
  CBookmarkDlg dialog(store_.list(), parent_);
  dialog.Setup(QString(), 0, false);
  if (runDialog(dialog) != QDialog::Accepted) return;
  // The dialog's edits are in the list now.
  store_.save(parent_);
  const RecordPtr chosen = dialog.chosenBookmark();
  if (!chosen) return;
  switch (restore(sites_, *chosen)) {
    case RestoreOutcome::Restored:
    case RestoreOutcome::NotABookmark: return;
    case RestoreOutcome::BadSection:
    case RestoreOutcome::BadTable:
      ui::messageBox(kInternalError, kMessageCaption, ui::Buttons::Ok, ui::Icon::None, parent_);
      return;
  }
}

}  // namespace vantorel::bookmarks
