#pragma once

#include <string>
#include <string_view>

// Where a topic page lives in the data folder, and the page text with its data-folder markers
// resolved, so that the page pane can show it from the page cache.
namespace vantorel::host::view {

// The relative path of a page: six digits d1..d6 (one leading zero below 100000); for the groups
// 01, 02, 04, 06, 08, 11, 12 and 13 "d1d2/d3/d4d5d6", for every other "d1d2/d3d4d5d6". Empty
// for numbers that do not have six digits that way (below 1 or above 999999).
[[nodiscard]] std::string pageSourcePath(int page);

// The page with each marker byte (0x03 molecule, 0x04 video, 0x05 data folder) and the two bytes
// after it replaced by the data folder, and each glossary markup "~G" + 8-character key + text +
// "~" + one character turned into an underlined glossary link. Markup without its closing "~" is
// kept as it is.
[[nodiscard]] std::string resolvePageText(std::string_view page, std::string_view dataFolder);

}  // namespace vantorel::host::view
