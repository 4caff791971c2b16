#include "host/bookmarks/BookmarkTexts.h"

#include <QtGlobal>

#include "platform/ui/StringTable.h"

// The library is static: its resources are registered here, before their first use. (Outside
// any namespace, as the resource's registration function is.)
static void initResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(bookmarks);
    return true;
  }();
  (void)done;
}

namespace vantorel::bookmarks {

QString bookmarkString(int id) {
  initResources();
  return ui::resourceString(QStringLiteral("bookmarks"), id);
}

QString sectionTitle(int section) {
  static const int ids[] = {61211, 61210, 61214, 61212, 61213, 61215, 61219};
  if (section < 1 || section > 7) return {};
  return bookmarkString(ids[section - 1]);
}

}  // namespace vantorel::bookmarks
