#pragma once

#include <string>

namespace vantorel::host::pages {

// The path of a topic page inside the data folder. The number is written with six digits
// d1..d6 (one leading zero below 100000); for the groups d1d2 = 01, 02, 04, 06, 08, 11, 12 and
// 13 the page is "d1d2/d3/d4d5d6", for every other group "d1d2/d3d4d5d6". Empty for numbers
// that have no six digits that way (below 1 or above 999999).
[[nodiscard]] std::string pageSourcePath(int page);

}  // namespace vantorel::host::pages
