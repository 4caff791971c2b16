#include "dravix/core/ExportText.h"

namespace vantorel::dravix {
namespace {

// Calls `cell(text, lineStart)` for every cell in output order and `end()` after each line.
template <typename Cell, typename End>
void walk(const GridTextRequest& r, Cell&& cell, End&& end) {
  static const std::string kNone;
  const GridRows& rows = *r.rows;
  const auto captionOf = [&](size_t i) -> const std::string& {
    return r.captions && i < r.captions->size() ? (*r.captions)[i] : kNone;
  };
  const auto line = [&](size_t row) {
    const size_t cells = rows.cellCount();
    if (rows.transposed()) {
      cell(captionOf(row), true);
      for (size_t c = 1; c < cells; ++c) cell(rows.cell(row, c), false);
    } else {
      for (size_t c = 0; c < cells; ++c) cell(rows.cell(row, c), c == 0);
    }
    end();
  };
  if (r.onlyRows) {
    for (int row : *r.onlyRows)
      if (row >= 0 && static_cast<size_t>(row) < rows.rowCount()) line(static_cast<size_t>(row));
    return;
  }
  if (!rows.transposed() && r.captions && !r.captions->empty()) {
    for (size_t i = 0; i < rows.cellCount(); ++i) cell(captionOf(i), i == 0);
    end();
  }
  for (size_t row = 0; row < rows.rowCount(); ++row) line(row);
}

}  // namespace

std::string gridText(const GridTextRequest& r) {
  std::string out;
  if (!r.rows) return out;
  out.reserve(r.rows->rowCount() * (r.rows->cellCount() * 12 + 2));
  walk(
      r,
      [&](std::string_view value, bool first) {
        if (!first) out += ';';
        out += '"';
        for (char c : value) {
          if (c == '"') out += '"';
          out += c;
        }
        out += '"';
      },
      [&] { out += r.eol; });
  return out;
}

std::string gridHtml(const GridTextRequest& r) {
  std::string out = "<table>";
  if (!r.rows) return out + "</table>";
  walk(
      r,
      [&](std::string_view value, bool first) {
        if (first) out += "<tr>";
        out += "<td>";
        for (char c : value) {
          switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
          }
        }
        out += "</td>";
      },
      [&] { out += "</tr>\n"; });
  return out + "</table>";
}

}  // namespace vantorel::dravix
