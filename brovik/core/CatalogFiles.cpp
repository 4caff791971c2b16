#include "brovik/core/CatalogFiles.h"

#include "platform/codepage/SearchFold.h"

namespace vantorel::brovik {

void forEachWordRecord(RecordFile& words, std::string_view word,
                       const std::function<void(int32_t, int32_t, int16_t, bool)>& visit) {
  // A word longer than the field, or empty, matches no record.
  if (word.empty() || word.size() > kWordFieldSize) return;
  const std::string folded = codepage::foldForSearch(word);
  const auto& fold = codepage::searchFoldTable();
  auto sameFolded = [&](const char* record) {
    for (size_t k = 0; k < folded.size(); ++k) {
      if (fold[static_cast<unsigned char>(record[k])] != static_cast<unsigned char>(folded[k])) return false;
    }
    return true;
  };
  catalogue::scanWordRecords(words, [&](const catalogue::RawWordRecord& r) {
    if (word.size() < kWordFieldSize && r.bytes[word.size()] != '\0') return true;
    if (!sameFolded(r.bytes)) return true;
    visit(r.recordId(), r.assetId(), r.route(), std::string_view(r.bytes, word.size()) == word);
    return true;
  });
}

WordSearch findWord(RecordFile& words, std::string_view word, int route, size_t limit) {
  WordSearch exact;
  WordSearch folded;
  forEachWordRecord(words, word, [&](int32_t recordId, int32_t assetId, int16_t r, bool isExact) {
    folded.occursAnywhere = true;
    if (r != route) return;
    if (isExact && exact.hits.size() < limit) exact.hits.push_back({recordId, assetId});
    if (folded.hits.size() < limit) folded.hits.push_back({recordId, assetId});
  });
  // The word as typed wins over its look-alikes: "νόμος" must not also bring "νομός".
  if (!exact.hits.empty()) folded.hits = std::move(exact.hits);
  return folded;
}

}  // namespace vantorel::brovik
