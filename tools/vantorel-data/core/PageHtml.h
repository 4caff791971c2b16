#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The HTML pieces every generated page is made of: 1990s markup (FONT, TABLE, BGCOLOR) that the
// page browser lays out, written as UTF-8 and turned into the code page when the page is stored.
namespace vantorel::data {

// The colours of the page headings: index 0 for media pages, 1-7 for the routes.
[[nodiscard]] const char* routeColour(int index);

// Text with &, <, > and " escaped.
[[nodiscard]] std::string html(std::string_view text);
// Table values write subscripts as [2] and superscripts as {2}.
[[nodiscard]] std::string valueMarkup(std::string_view text);
// A path inside the data folder, behind the marker the host replaces with the folder.
[[nodiscard]] std::string dataFolder(std::string_view relative);

[[nodiscard]] std::string pageStart(std::string_view title, std::string_view subtitle, int colourIndex);
[[nodiscard]] std::string pageEnd();
// One paragraph of markup (already escaped).
[[nodiscard]] std::string paragraph(std::string_view inner);
// Label and value rows; labels are plain text, values markup; rows with an empty value are left out.
// Nothing at all when every value is empty.
[[nodiscard]] std::string dataTable(const std::vector<std::pair<std::string, std::string>>& rows);
// A bulleted list of markup items.
[[nodiscard]] std::string bulletList(const std::vector<std::string>& items);

}  // namespace vantorel::data
