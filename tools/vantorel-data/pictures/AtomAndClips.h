#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/Raster.h"

// The shell picture of an atom (200 x 200) and the frames of the short video clips (160 x 120).
namespace vantorel::data {

[[nodiscard]] Canvas paintAtom(std::string_view symbol, const std::vector<int>& shells);

[[nodiscard]] const std::vector<std::string>& clipNames();
[[nodiscard]] Canvas paintClipFrame(std::string_view name, int frame, int frames);

}  // namespace vantorel::data
