// element.dat reader: checking and dumping any bytes must not crash or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "tools/vantorel-data/core/Checker.h"
#include "tools/vantorel-data/core/Dump.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)vantorel::data::checkElementFile(bytes);
  std::ostringstream out;
  vantorel::data::dumpElementFile(bytes, out);
  return 0;
}
