#include "host/search/core/WordIndex.h"

#include <algorithm>
#include <optional>

#include "platform/catalogue/CatalogueNames.h"

namespace vantorel::search {
namespace {

std::optional<std::string> readFile(const catalogue::FileOpener& open, const std::string& path) {
  auto file = open(path);
  if (!file) return std::nullopt;
  // The word files are small; a huge one is not a word file.
  return catalogue::readWhole(*file, uint64_t{64} << 20);
}

}  // namespace

WordIndex WordIndex::load(const catalogue::FileOpener& open, const std::string& dataPath) {
  WordIndex index;
  if (auto ndx = readFile(open, dataPath + "words.ndx")) index.words = catalogue::parseWordList(*ndx);
  if (auto alt = readFile(open, dataPath + "words.alt")) index.alternatives = catalogue::parseAlternatives(*alt);
  if (auto pr1 = readFile(open, dataPath + "words.pr1")) {
    const auto letters = catalogue::parseFirstLetters(*pr1);
    index.tooManyFirstLetters = letters.size() > catalogue::kMaxFirstLetterRecords;
    for (size_t i = 0; i < std::min(letters.size(), catalogue::kMaxFirstLetterRecords); ++i)
      index.firstLetters.push_back(letters[i].letter);
  }
  return index;
}

std::vector<std::string> WordIndex::searchWords(const std::string& selected, bool useAlternatives) const {
  std::vector<std::string> list{selected};
  if (!useAlternatives) return list;
  const auto first = std::find_if(alternatives.begin(), alternatives.end(),
                                  [&](const catalogue::Alternative& a) { return a.word == selected; });
  if (first == alternatives.end()) return list;
  for (const auto& a : alternatives) {
    if (a.group == first->group && std::find(list.begin(), list.end(), a.word) == list.end()) list.push_back(a.word);
  }
  return list;
}

}  // namespace vantorel::search
