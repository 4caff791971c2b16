#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dravix/core/GridRows.h"

// The grid as other programs receive it, in the data's code page. Delimited text: every cell
// in double quotes (quotes inside a value doubled, so that no reader shifts the later cells),
// cells separated by ";", each line ended by `eol`. In normal orientation the first line holds
// the captions; transposed, each line starts with its field's caption. HTML: the same cells as
// a table, for pasting into a spreadsheet. Either is built in one pass into one buffer.
namespace vantorel::dravix {

enum class TextEncoding {
  CodePage,  // the data's own bytes
  Utf8,      // converted on the way, each value byte once
};

struct GridTextRequest {
  const GridRows* rows = nullptr;
  const std::vector<std::string>* captions = nullptr;  // of the selected fields, in order
  const std::vector<int>* onlyRows = nullptr;          // null: every row and the caption line
  std::string_view eol = "\r\n";
  TextEncoding encoding = TextEncoding::CodePage;  // of the values and captions
  std::string_view lead = {}, tail = {};           // written as they are before and after it all
};

[[nodiscard]] std::string gridText(const GridTextRequest& request);
[[nodiscard]] std::string gridHtml(const GridTextRequest& request);

}  // namespace vantorel::dravix
