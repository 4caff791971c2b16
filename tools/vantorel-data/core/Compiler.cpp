#include "tools/vantorel-data/core/Compiler.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "tools/vantorel-data/core/Bytes.h"
#include "tools/vantorel-data/core/CatalogueCompiler.h"
#include "tools/vantorel-data/core/ElementFile.h"
#include "tools/vantorel-data/core/FileIo.h"

namespace vantorel::data {
namespace {

std::optional<double> parseNumber(std::string_view text) {
  if (text.empty() || text.size() > 60) return std::nullopt;
  const std::string copy(text);
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
  return v;
}

bool isUnknown(std::string_view text) {
  return text.empty() || text == "?";
}

}  // namespace

std::optional<std::string> compileElements(const SourceTable& source, std::vector<Diagnostic>& diagnostics) {
  const size_t errorsBefore = diagnostics.size();
  auto fail = [&](const Cell& cell, std::string message, int offset = 0) {
    diagnostics.push_back(diagnosticAt(source, cell, std::move(message), offset));
  };
  if (source.header.empty()) {
    diagnostics.push_back({source.file, 0, 0, "no header row", false});
    return std::nullopt;
  }
  // Header: "number" plus every record field, in any order, each once.
  std::vector<const ElementField*> columnField(source.header.size(), nullptr);
  int numberColumn = -1;
  std::set<std::string> seen;
  for (size_t c = 0; c < source.header.size(); ++c) {
    const auto& cell = source.header[c];
    if (!seen.insert(cell.text).second) {
      fail(cell, "column \"" + cell.text + "\" appears twice");
      continue;
    }
    if (cell.text == "number") {
      numberColumn = static_cast<int>(c);
    } else if (auto* f = findElementField(cell.text)) {
      columnField[c] = f;
    } else {
      fail(cell, "unknown column \"" + cell.text + "\"");
    }
  }
  if (numberColumn < 0) diagnostics.push_back({source.file, source.header[0].line, 1, "no \"number\" column", false});
  for (const auto& f : elementFields())
    if (!seen.count(f.key))
      diagnostics.push_back({source.file, source.header[0].line, 1, std::string("no \"") + f.key + "\" column", false});
  if (diagnostics.size() != errorsBefore) return std::nullopt;
  if (source.rows.size() > kMaxElementRecords) {
    fail(source.rows[kMaxElementRecords][0], "more than 255 elements");
    return std::nullopt;
  }

  std::string out;
  std::map<std::pair<int, int>, int> cells;
  for (size_t r = 0; r < source.rows.size(); ++r) {
    const auto& row = source.rows[r];
    if (row.size() != source.header.size()) {
      fail(row.back(),
           "row has " + std::to_string(row.size()) + " fields, the header " + std::to_string(source.header.size()));
      continue;
    }
    std::string record(kElementRecordSize, '\0');
    auto number = parseNumber(row[numberColumn].text);
    if (!number || *number != static_cast<double>(r + 1))
      fail(row[numberColumn], "element number must be " + std::to_string(r + 1) + " (rows in atomic-number order)");
    int column = -1, gridRow = -1;
    for (size_t c = 0; c < row.size(); ++c) {
      const auto* f = columnField[c];
      if (!f) continue;
      const auto& cell = row[c];
      if (f->type == ElementFieldType::Text) {
        auto text = cellToCp1253(source, cell, diagnostics);
        if (!text) continue;
        if (text->empty()) fail(cell, std::string(f->key) + " is empty");
        if (text->size() > f->size - 1)
          fail(cell, std::string(f->key) + " longer than " + std::to_string(f->size - 1) + " characters",
               static_cast<int>(f->size - 1));
        else
          record.replace(f->offset, text->size(), *text);
        continue;
      }
      double value = f->sentinel;
      const bool unknown = isUnknown(cell.text);
      if (!unknown) {
        auto parsed = parseNumber(cell.text);
        if (!parsed) {
          fail(cell, std::string("\"") + cell.text + "\" is not a number (" + f->key + ")");
          continue;
        }
        value = *parsed;
        if (value < f->unknownBelow && f->sentinel != 0) {
          fail(cell, std::string(f->key) + " below the unknown threshold; leave it empty for unknown");
          continue;
        }
      } else if (f->sentinel == 0 && f->type == ElementFieldType::Int16 &&
                 std::string_view(f->key) != "discoveryYear") {
        fail(cell, std::string(f->key) + " must be given");
        continue;
      }
      const std::string_view key = f->key;
      switch (f->type) {
        case ElementFieldType::Double:
          if (key == "atomicMass" && !unknown && value <= 0) fail(cell, "atomic mass must be above 0");
          {
            std::string bytes;
            putF64(bytes, value);
            record.replace(f->offset, 8, bytes);
          }
          break;
        case ElementFieldType::Float: {
          if (!std::isfinite(static_cast<float>(value))) {
            fail(cell, std::string(f->key) + " is too large for a float field");
            continue;
          }
          std::string bytes;
          putF32(bytes, static_cast<float>(value));
          record.replace(f->offset, 4, bytes);
          break;
        }
        case ElementFieldType::Int16: {
          if (f->wholeNumber && !unknown && value != std::floor(value)) {
            fail(cell, std::string(f->key) + " must be a whole number");
            continue;
          }
          double whole = std::round(value);  // melting points and radii: nearest whole unit
          if (whole < -32768 || whole > 32767) {
            fail(cell, std::string(f->key) + " does not fit a 16-bit field");
            continue;
          }
          if (key == "discoveryYear" && !unknown) {
            auto stored = encodeDiscoveryYear(static_cast<int>(whole));
            if (!stored) {
              // The file stores BC years above 2000, so these read back as another year: keep unknown.
              diagnostics.push_back({source.file, cell.line, cell.column,
                                     "year " + cell.text + " cannot be stored in element.dat; written as unknown",
                                     true});
              whole = 0;
            } else {
              whole = *stored;
            }
          }
          if (key == "category" && (whole < 0 || whole > 8)) fail(cell, "category must be 0 to 8");
          if (key == "column") column = static_cast<int>(whole);
          if (key == "row") gridRow = static_cast<int>(whole);
          if (key == "column" && (whole < 0 || whole >= kGridColumns)) fail(cell, "column must be 0 to 17");
          if (key == "row" && (whole < 0 || whole >= kGridRows || whole == 7))
            fail(cell, "row must be 0 to 6 or 8 to 9 (row 7 is the gap)");
          std::string bytes;
          putI16(bytes, static_cast<int16_t>(whole));
          record.replace(f->offset, 2, bytes);
          break;
        }
        case ElementFieldType::Text: break;
      }
    }
    if (column >= 0 && gridRow >= 0) {
      auto [it, fresh] = cells.emplace(std::pair{column, gridRow}, static_cast<int>(r + 1));
      if (!fresh)
        fail(row[0], "grid cell " + std::to_string(column) + "," + std::to_string(gridRow) +
                         " already taken by element " + std::to_string(it->second));
    }
    out += record;
  }
  for (size_t i = errorsBefore; i < diagnostics.size(); ++i)
    if (!diagnostics[i].warning) return std::nullopt;
  return out;
}

std::optional<TableFiles> compileTable(const TableInfo& table, const SourceTable& source,
                                       std::vector<Diagnostic>& diagnostics) {
  const size_t errorsBefore = diagnostics.size();
  const size_t n = table.fields.size();
  if (source.header.size() != n) {
    const int line = source.header.empty() ? 0 : source.header[0].line;
    diagnostics.push_back({source.file, line, 1,
                           "header has " + std::to_string(source.header.size()) + " fields, " + table.base + " needs " +
                               std::to_string(n),
                           false});
    return std::nullopt;
  }
  std::string typeFlags(n, '-'), plotFlags(n, '-');
  for (size_t k = 0; k < n; ++k) {
    const auto& cell = source.header[k];
    const auto colon = cell.text.find(':');
    const auto key = cell.text.substr(0, colon);
    if (key != table.fields[k].key) {
      diagnostics.push_back(
          diagnosticAt(source, cell,
                       "field " + std::to_string(k) + " must be \"" + table.fields[k].key + "\", not \"" + key + "\""));
      continue;
    }
    if (colon == std::string::npos) continue;
    for (size_t i = colon + 1; i < cell.text.size(); ++i) {
      const char flag = cell.text[i];
      if (flag == 'N')
        typeFlags[k] = 'N';
      else if (flag == 'Y')
        plotFlags[k] = 'Y';
      else
        diagnostics.push_back(
            diagnosticAt(source, cell, std::string("unknown flag '") + flag + "' (N or Y)", static_cast<int>(i)));
    }
  }
  std::vector<std::vector<std::string>> columns(n);
  for (auto& c : columns) c.reserve(source.rows.size());
  for (const auto& row : source.rows) {
    if (row.size() != n) {
      diagnostics.push_back(diagnosticAt(
          source, row.size() > n ? row[n] : row.back(),
          "row has " + std::to_string(row.size()) + " fields, " + table.base + " needs " + std::to_string(n)));
      continue;
    }
    if (row[0].text.empty()) diagnostics.push_back(diagnosticAt(source, row[0], "the key field is empty"));
    for (size_t k = 0; k < n; ++k) {
      auto text = cellToCp1253(source, row[k], diagnostics);
      columns[k].push_back(text ? std::move(*text) : std::string());
    }
  }
  if (diagnostics.size() != errorsBefore) return std::nullopt;
  return encodeTable(columns, typeFlags, plotFlags);
}

std::vector<std::string> sourceFiles() {
  std::vector<std::string> files{"elements.tsv"};
  for (const auto& t : tables()) files.push_back(std::string(t.base) + ".tsv");
  return files;
}

bool buildDisc(const std::string& sourceDir, const std::string& outDir, const PictureSet& pictures,
               std::vector<Diagnostic>& diagnostics) {
  namespace fs = std::filesystem;
  std::vector<std::pair<std::string, std::string>> outputs;  // file name, bytes
  bool ok = true;
  auto load = [&](const std::string& name) -> std::optional<SourceTable> {
    const auto path = (fs::path(sourceDir) / name).string();
    auto text = readWholeFile(path);
    if (!text) {
      diagnostics.push_back({path, 0, 0, "cannot read the source", false});
      ok = false;
      return std::nullopt;
    }
    return parseSource(*text, path);
  };
  if (auto source = load("elements.tsv")) {
    if (auto bytes = compileElements(*source, diagnostics))
      outputs.emplace_back("element.dat", std::move(*bytes));
    else
      ok = false;
  }
  for (const auto& table : tables()) {
    auto source = load(std::string(table.base) + ".tsv");
    if (!source) continue;
    if (auto files = compileTable(table, *source, diagnostics)) {
      outputs.emplace_back(std::string(table.base) + ".ndx", std::move(files->index));
      outputs.emplace_back(std::string(table.base) + ".dat", std::move(files->data));
    } else {
      ok = false;
    }
  }
  if (auto catalogue = compileCatalogue(sourceDir, pictures, diagnostics))
    std::move(catalogue->begin(), catalogue->end(), std::back_inserter(outputs));
  else
    ok = false;
  if (!ok) return false;
  std::error_code ec;
  fs::create_directories(outDir, ec);
  std::set<fs::path> folders;
  for (const auto& [name, bytes] : outputs) {
    const auto path = (fs::path(outDir) / name).string();
    if (const auto folder = fs::path(path).parent_path(); folders.insert(folder).second)
      fs::create_directories(folder, ec);
    if (!writeFileAtomically(path, bytes)) {
      diagnostics.push_back({path, 0, 0, "cannot write the file", false});
      ok = false;
    }
  }
  return ok;
}

}  // namespace vantorel::data
