#pragma once

#include <string>
#include <string_view>

// The presentational attributes of HTML 3.2 pages as CSS values. Every function gives an empty
// text for a value it does not accept, so that a page's attribute can never inject other
// declarations into the style it becomes part of.
namespace vantorel::browser::html32 {

// FONT SIZE: 1 to 7, or relative to the base size 3 ("+1", "-2"), as a pixel size ("13px").
[[nodiscard]] std::string fontSize(std::string_view value);
// A colour: "#RRGGBB", "RRGGBB" (the hash was often left out) or a colour name.
[[nodiscard]] std::string colour(std::string_view value);
// WIDTH, HEIGHT, SIZE, ...: "340" as "340px", "50%" as it is; numbers are capped at 100000.
[[nodiscard]] std::string length(std::string_view value);
// ALIGN and VALIGN in any case, lower-cased ("CENTER" as "center"); "middle" for ABSMIDDLE.
[[nodiscard]] std::string align(std::string_view value);
// FACE: a comma list of faces as a font-family list; the script suffix of the old Windows faces
// ("Arial Greek") names the same family ("Arial").
[[nodiscard]] std::string fontFamily(std::string_view value);

}  // namespace vantorel::browser::html32
