#pragma once

#include <QString>
#include <map>
#include <string>
#include <string_view>

// A deliverable's string table: resources/strings.txt, UTF-8, one "ID<TAB>text" a line, with
// \n, \r, \t and \\ escapes; lines starting with '#' are comments.
namespace vantorel::ui {

struct StringTableParse {
  std::map<int, std::string> strings;  // UTF-8
  std::string error;                   // first fault, "line N: ..."; empty when sound
};

[[nodiscard]] StringTableParse parseStringTable(std::string_view text);

// String `id` of the table compiled into the resources at ":/<module>/strings.txt"; empty
// when there is none.
[[nodiscard]] QString resourceString(const QString& module, int id);

}  // namespace vantorel::ui
