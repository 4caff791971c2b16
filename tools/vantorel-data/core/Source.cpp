#include "tools/vantorel-data/core/Source.h"

#include "platform/codepage/Cp1253.h"

namespace vantorel::data {
namespace {

int utf8Chars(std::string_view s) {
  int n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

std::string formatDiagnostic(const Diagnostic& d) {
  std::string out = d.file;
  if (d.line > 0) out += ':' + std::to_string(d.line) + ':' + std::to_string(d.column);
  out += d.warning ? ": warning: " : ": error: ";
  out += d.message;
  return out;
}

SourceTable parseSource(std::string_view text, std::string file) {
  SourceTable table;
  table.file = std::move(file);
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  int lineNumber = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    auto end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    auto line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::vector<Cell> cells;
    size_t start = 0;
    while (true) {
      const auto tab = line.find('\t', start);
      const auto piece = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
      cells.push_back({std::string(piece), lineNumber, utf8Chars(line.substr(0, start)) + 1});
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    if (table.header.empty())
      table.header = std::move(cells);
    else
      table.rows.push_back(std::move(cells));
  }
  return table;
}

Diagnostic diagnosticAt(const SourceTable& table, const Cell& cell, std::string message, int charOffset) {
  return {table.file, cell.line, cell.column + charOffset, std::move(message), false};
}

std::optional<std::string> cellToCp1253(const SourceTable& table, const Cell& cell,
                                        std::vector<Diagnostic>& diagnostics) {
  size_t bad = 0;
  auto converted = codepage::fromUtf8(cell.text, &bad);
  if (!converted) {
    diagnostics.push_back(diagnosticAt(table, cell, "character outside the Greek code page (1253)",
                                       utf8Chars(std::string_view(cell.text).substr(0, bad))));
    return std::nullopt;
  }
  for (size_t i = 0; i < converted->size(); ++i) {
    if (static_cast<unsigned char>((*converted)[i]) < 0x20) {
      diagnostics.push_back(diagnosticAt(table, cell, "control character in a value", static_cast<int>(i)));
      return std::nullopt;
    }
  }
  return converted;
}

}  // namespace vantorel::data
