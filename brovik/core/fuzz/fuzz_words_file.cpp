// words.dat of any length: the word looked for is cut from the input so that hits happen.
#include <cstddef>
#include <cstdint>
#include <string>

#include "brovik/core/CatalogFiles.h"

using namespace vantorel::brovik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  MemoryFile file{bytes};
  const std::string word = fieldText(std::string_view(bytes).substr(0, std::min<size_t>(size, 40)));
  for (int route = 0; route <= 8; ++route) {
    const WordSearch s = findWord(file, word, route, 5);
    if (s.hits.size() > 5 || (!s.hits.empty() && !s.occursAnywhere)) __builtin_trap();
  }
  return 0;
}
