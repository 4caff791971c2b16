#pragma once

#include <cstdint>
#include <string_view>

// What the viewer needs to know of an element to draw it.
namespace vantorel::molview {

struct ElementLook {
  uint32_t colour;           // 0xRRGGBB, the customary colours of molecular models
  double vanDerWaalsRadius;  // ångströms
};

// By symbol, ignoring case ("CL" is chlorine); deuterium and tritium look like hydrogen. Symbols
// of no element (query atoms, "R#", "*") get a grey of their own.
[[nodiscard]] ElementLook elementLook(std::string_view symbol);

}  // namespace vantorel::molview
