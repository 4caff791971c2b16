#pragma once

#include <string>
#include <string_view>

// Where an address leads. Local pages are shown by the browser itself; web and mail addresses go
// to the desktop; every other scheme (a program through "file:", script, another protocol) is
// refused, so that a page can never start anything.
namespace vantorel::browser {

enum class LinkKind {
  Page,      // a local file to show; `target` is its path
  SamePage,  // only a fragment ("#top"): stay
  Desktop,   // http, https, mailto: `target` is the address as given
  Refused,
};

struct LinkTarget {
  LinkKind kind = LinkKind::Refused;
  std::string target;
};

// `address` as written in a page or passed to Navigate; relative paths resolve against
// `baseFolder` (the shown page's folder, ending in '/'). Backslashes count as separators, and
// "." and ".." segments are folded; ".." never climbs above the root.
[[nodiscard]] LinkTarget resolveLink(std::string_view address, std::string_view baseFolder);

// The folder part of a path, ending in '/' ("" when there is none).
[[nodiscard]] std::string folderOf(std::string_view path);

}  // namespace vantorel::browser
