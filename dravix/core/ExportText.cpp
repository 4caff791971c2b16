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
        // Whole runs between quotes are copied at once; each quote is written twice.
        size_t start = 0;
        for (size_t q = value.find('"'); q != std::string_view::npos; q = value.find('"', q + 1)) {
          out.append(value.substr(start, q + 1 - start));
          out += '"';
          start = q + 1;
        }
        out.append(value.substr(start));
        out += '"';
      },
      [&] { out += r.eol; });
  return out;
}

std::string gridHtml(const GridTextRequest& r) {
  std::string out = "<table>";
  if (r.rows) out.reserve(r.rows->rowCount() * (r.rows->cellCount() * 20 + 10));
  if (!r.rows) return out + "</table>";
  walk(
      r,
      [&](std::string_view value, bool first) {
        if (first) out += "<tr>";
        out += "<td>";
        size_t start = 0;
        for (size_t at = 0; at < value.size(); ++at) {
          const char c = value[at];
          if (c != '<' && c != '>' && c != '&' && c != '"') continue;
          out.append(value.substr(start, at - start));
          out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : "&quot;";
          start = at + 1;
        }
        out.append(value.substr(start));
        out += "</td>";
      },
      [&] { out += "</tr>\n"; });
  out += "</table>";
  return out;
}

}  // namespace vantorel::dravix
