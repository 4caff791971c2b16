#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/PictureSet.h"
#include "tools/vantorel-data/core/Source.h"
#include "tools/vantorel-data/core/TableFile.h"

// Turns the editable sources into the binary files of a data folder.
namespace vantorel::data {

// elements.tsv → element.dat bytes; nothing when any error was reported.
[[nodiscard]] std::optional<std::string> compileElements(const SourceTable& source,
                                                         std::vector<Diagnostic>& diagnostics);

// <table>.tsv → .ndx and .dat bytes. The header names the table's fields in order, each
// optionally followed by ":" and its flags ("N" numeric, "Y" plottable).
[[nodiscard]] std::optional<TableFiles> compileTable(const TableInfo& table, const SourceTable& source,
                                                     std::vector<Diagnostic>& diagnostics);

// Compiles every source of `sourceDir` into `outDir` (created when missing). Files are written
// only when every source compiled, each through a temporary name, so a failed build never leaves
// a half-written folder. Returns true on success.
[[nodiscard]] bool buildDisc(const std::string& sourceDir, const std::string& outDir, const PictureSet& pictures,
                             std::vector<Diagnostic>& diagnostics);

// The source file names, relative to the source folder.
[[nodiscard]] std::vector<std::string> sourceFiles();

}  // namespace vantorel::data
