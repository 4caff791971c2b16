#include "host/search/core/TypingRules.h"

#include <algorithm>

#include "platform/codepage/SearchFold.h"

namespace vantorel::search {

std::string withoutSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != ' '; });
  return out;
}

std::optional<size_t> findPrefix(const std::vector<std::string>& list, std::string_view typed) {
  if (typed.empty() || list.empty()) return std::nullopt;
  const std::string folded = codepage::foldForSearch(typed);
  const auto& fold = codepage::searchFoldTable();
  auto begins = [&](const std::string& word) {
    if (word.size() < folded.size()) return false;
    for (size_t k = 0; k < folded.size(); ++k) {
      if (fold[static_cast<unsigned char>(word[k])] != static_cast<unsigned char>(folded[k])) return false;
    }
    return true;
  };
  for (size_t step = 1; step <= list.size(); ++step) {
    const size_t i = step % list.size();
    if (begins(list[i])) return i;
  }
  return std::nullopt;
}

bool canSearch(const std::optional<std::string>& selectedWord, std::string_view fieldText) {
  return selectedWord.has_value() && *selectedWord == fieldText;
}

}  // namespace vantorel::search
