#include "host/search/core/Occurrences.h"

#include "platform/catalogue/CatalogueNames.h"
#include "platform/catalogue/WordFiles.h"

namespace vantorel::search {

std::vector<SearchResult> findOccurrences(catalogue::RecordFile* words, const std::vector<std::string>& searchWords,
                                          size_t limit) {
  std::vector<SearchResult> table;
  if (!words || limit == 0) return table;
  // A word can repeat in the list only if a caller built it so; it then adds nothing new
  // except more copies, exactly as a second scan would.
  std::vector<std::vector<SearchResult>> perWord(searchWords.size());
  size_t full = 0;  // words that have reached the limit on their own
  catalogue::scanWordRecords(*words, [&](const catalogue::RawWordRecord& r) {
    const char first = r.bytes[0];
    for (size_t w = 0; w < searchWords.size(); ++w) {
      const std::string& word = searchWords[w];
      if (word.empty() ? first != '\0' : word[0] != first) continue;
      if (perWord[w].size() >= limit || !r.holds(word)) continue;
      perWord[w].push_back({r.recordId(), r.assetId(), r.route()});
      if (perWord[w].size() == limit) ++full;
    }
    // Once the first word alone fills the table, later records cannot change it.
    return !(perWord.empty() || perWord[0].size() >= limit || full == searchWords.size());
  });
  for (const auto& hits : perWord) {
    for (const auto& hit : hits) {
      if (table.size() >= limit) return table;
      table.push_back(hit);
    }
  }
  return table;
}

}  // namespace vantorel::search
