#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The bookmark file as readable text, for the data tool: one record a line, the class name then
// "field=value" pairs separated by TABs, names in UTF-8. What cannot be read is reported on a line
// starting with "# fault:".
namespace vantorel::bookmarks {

// Whether `bytes` begin as a bookmark file does (version 1, then a first class tag).
[[nodiscard]] bool looksLikeBookmarkFile(std::string_view bytes);

// Dumps as far as the file can be read; false when it met a fault.
bool dumpBookmarkFile(std::string_view bytes, std::ostream& out);

// What is wrong with a bookmark file; empty when it is sound.
[[nodiscard]] std::vector<std::string> checkBookmarkFile(std::string_view bytes);

}  // namespace vantorel::bookmarks
