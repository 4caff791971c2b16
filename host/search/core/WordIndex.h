#pragma once

#include <string>
#include <vector>

#include "platform/catalogue/RecordFile.h"
#include "platform/catalogue/WordFiles.h"

// The three small word files, read once when the search dialog opens: the word list, the
// alternatives and the first-letter table. A missing file leaves its part empty.
namespace vantorel::search {

struct WordIndex {
  std::vector<std::string> words;  // words.ndx in file order
  std::vector<catalogue::Alternative> alternatives;
  std::vector<unsigned char> firstLetters;  // at most 200
  bool tooManyFirstLetters = false;         // words.pr1 held more than 200 records

  [[nodiscard]] static WordIndex load(const catalogue::FileOpener& open, const std::string& dataPath);

  // The words to look for, in order: `selected` first, then, when `useAlternatives` is set, the
  // other words of the group of the first alternatives record that holds `selected`, in file
  // order, each once.
  [[nodiscard]] std::vector<std::string> searchWords(const std::string& selected, bool useAlternatives) const;
};

}  // namespace vantorel::search
