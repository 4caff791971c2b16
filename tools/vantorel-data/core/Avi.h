#pragma once

#include <string>
#include <vector>

#include "tools/vantorel-data/core/Raster.h"

namespace vantorel::data {

// An uncompressed 24-bit AVI of the frames (all of the first frame's size), with its index.
[[nodiscard]] std::string makeAvi(const std::vector<Canvas>& frames, int framesPerSecond);

}  // namespace vantorel::data
