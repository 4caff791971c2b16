#pragma once

#include <functional>
#include <optional>
#include <string>

#include "host/bookmarks/core/BookmarkList.h"
#include "host/bookmarks/core/ScreenSites.h"

// Taking the place on screen into a bookmark, and going back to it.
namespace vantorel::bookmarks {

inline constexpr int kTableCount = 7;  // data-analyser tables 0..6

// Add is offered on the periodic table and data analyser screens, and on the topic screen once
// a topic is open (tree record above 0).
[[nodiscard]] bool canAdd(Screen screen, int32_t treeRecord);

// The name proposed for a new bookmark (CP1253), and the section it belongs to. `sectionTitle`
// gives the title of a section 1..7. Nothing on a screen that takes no bookmarks.
struct Proposal {
  std::string name;
  int section = 0;
};
using SectionTitles = std::function<std::string(int section)>;
[[nodiscard]] std::optional<Proposal> propose(BookmarkSites& sites, const BookmarkList& list,
                                              const SectionTitles& sectionTitle);

// A record of the screen's kind named `name`; null on a screen that takes no bookmarks.
[[nodiscard]] RecordPtr capture(BookmarkSites& sites, const std::string& name);

enum class RestoreOutcome {
  Restored,
  NotABookmark,  // a folder: nothing to restore
  BadSection,    // a browse bookmark outside sections 1..7
  BadTable,      // a data-analyser bookmark of a table outside 0..6
};
RestoreOutcome restore(BookmarkSites& sites, const CBMRecord& record);

// Browse bookmarks of these tree records show their page directly.
[[nodiscard]] bool opensPageDirectly(int32_t treeRecord);

}  // namespace vantorel::bookmarks
