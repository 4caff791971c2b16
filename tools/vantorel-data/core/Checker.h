#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/TableFile.h"

// Structural checks of the binary files. The checks never trust a count or an offset before
// comparing it with the bytes that are really there.
namespace vantorel::data {

struct Fault {
  std::string file;
  long record = -1;   // -1: the fault concerns the file as a whole
  std::string field;  // empty when no single field is at fault
  std::string message;
};

[[nodiscard]] std::string formatFault(const Fault& fault);

[[nodiscard]] std::vector<Fault> checkElementFile(std::string_view bytes, const std::string& file = "element.dat");
[[nodiscard]] std::vector<Fault> checkTable(const TableInfo& table, std::string_view index, std::string_view data);

// Checks every known file of a data folder; a missing file is a fault. Given the source folder,
// the sentences about elements are checked against the forms of their names.
[[nodiscard]] std::vector<Fault> checkDisc(const std::string& dir, const std::string& sourceDir = {});

// Position of the first byte that is not printable CP1253 text, or npos.
[[nodiscard]] size_t firstBadTextByte(std::string_view text);

}  // namespace vantorel::data
