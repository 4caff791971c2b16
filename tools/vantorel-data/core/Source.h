#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The editable UTF-8 sources: tab-separated text, a header row, lines starting with '#' ignored.
namespace vantorel::data {

struct Diagnostic {
  std::string file;
  int line = 0;    // 1-based; 0 when the fault concerns the whole file
  int column = 0;  // 1-based, in characters
  std::string message;
  bool warning = false;
};

[[nodiscard]] std::string formatDiagnostic(const Diagnostic& d);

struct Cell {
  std::string text;  // UTF-8
  int line = 0;
  int column = 0;
};

struct SourceTable {
  std::string file;
  std::vector<Cell> header;
  std::vector<std::vector<Cell>> rows;
};

// Splits a source into cells. Never fails: an empty text gives a table with no header.
[[nodiscard]] SourceTable parseSource(std::string_view text, std::string file);

// The cell as CP1253, or a diagnostic at the first character the code page cannot write
// (control characters included: they would corrupt the NUL-separated columns).
[[nodiscard]] std::optional<std::string> cellToCp1253(const SourceTable& table, const Cell& cell,
                                                      std::vector<Diagnostic>& diagnostics);

[[nodiscard]] Diagnostic diagnosticAt(const SourceTable& table, const Cell& cell, std::string message,
                                      int charOffset = 0);

}  // namespace vantorel::data
