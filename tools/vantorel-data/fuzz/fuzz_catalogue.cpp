// Catalogue readers, checkers and dumpers. Input: one byte choosing the file kind, then the file.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/CatalogueChecker.h"
#include "tools/vantorel-data/core/Dump.h"
#include "tools/vantorel-data/core/Raster.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::data;
  if (size < 1) return 0;
  static constexpr const char* kNames[] = {"photo.ttl", "react.dat", "react.ass", "words.dat",
                                           "words.ndx", "words.alt", "words.pr1", "ptable.ndx"};
  const char* name = kNames[data[0] % 8];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::ostringstream out;
  dumpCatalogueFile(name, bytes, out);
  (void)checkTitleFile(bytes, "t.ttl");
  (void)checkTopicFile(bytes, "t.dat");
  (void)checkWordFile(bytes);
  (void)checkWordIndexFiles(bytes, bytes, bytes);
  (void)firstBadPageByte(bytes);
  (void)bmpFault(bytes);
  for (const auto& t : readTitles(bytes)) (void)fixTitle(t);
  (void)indexWords(bytes);
  (void)pagePath(static_cast<int32_t>(size * 7919));
  return 0;
}
