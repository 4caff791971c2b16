#pragma once

#include <optional>
#include <string>

// A disc copied from another system may keep other letter case in its names ("IMAGES/MAINMENU.BMP"
// for "images/mainmenu.bmp"). Readers ask for the exact name first and fall back to this lookup.
namespace vantorel::files {

// `path` itself when it exists; otherwise the existing path whose every component after the longest
// existing prefix matches the asked one ignoring ASCII letter case (the first match in name order
// when a folder holds several). Nothing when some component has no match. Folders are walked one
// level at a time, so the cost is one listing per missing component.
[[nodiscard]] std::optional<std::string> findIgnoringCase(const std::string& path);

}  // namespace vantorel::files
