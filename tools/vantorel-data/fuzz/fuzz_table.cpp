// Table reader (.ndx + .dat). Input: one byte choosing the table, two bytes giving the index
// length, the index, then the data file.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "tools/vantorel-data/core/Checker.h"
#include "tools/vantorel-data/core/Dump.h"
#include "tools/vantorel-data/core/TableFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::data;
  if (size < 3) return 0;
  const auto& table = tables()[data[0] % tables().size()];
  const size_t indexLength = std::min<size_t>(data[1] | (data[2] << 8), size - 3);
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
  const auto index = bytes.substr(0, indexLength);
  const auto dat = bytes.substr(indexLength);
  (void)checkTable(table, index, dat);
  std::ostringstream out;
  dumpTable(table, index, dat, out);
  dumpIndex(nullptr, index, out);
  return 0;
}
