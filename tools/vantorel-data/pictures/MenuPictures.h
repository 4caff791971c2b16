#pragma once

#include "tools/vantorel-data/core/Raster.h"

// The main menu picture with its nine regions, and the picture shown in the middle panel while
// the pointer rests on a region.
namespace vantorel::data {

[[nodiscard]] Canvas paintMainMenu();
[[nodiscard]] Canvas paintHighlight(int region);

}  // namespace vantorel::data
