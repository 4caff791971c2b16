#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "tools/vantorel-data/core/TableFile.h"

// Readable UTF-8 text of the binary files: one record a line, "field=value" separated by TABs.
// Damaged files are dumped as far as they can be read; what cannot be read is reported on a
// line starting with "# fault:". Each returns false when it met a fault.
namespace vantorel::data {

bool dumpElementFile(std::string_view bytes, std::ostream& out);
bool dumpTable(const TableInfo& table, std::string_view index, std::string_view data, std::ostream& out);
bool dumpIndex(const TableInfo* table, std::string_view index, std::ostream& out);

// Title files, topic and association files, the word files and ptable.ndx, chosen by `name`
// (an unknown name is read as a topic file).
bool dumpCatalogueFile(std::string_view name, std::string_view bytes, std::ostream& out);

// Picks the dumper by the file name (element.dat, <table>.ndx, <table>.dat; a .dat file is read
// with the .ndx beside it). Returns the process exit code.
int dumpPath(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace vantorel::data
