#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the word field and the word list follow each other.
namespace vantorel::search {

// The text without any space.
[[nodiscard]] std::string withoutSpaces(std::string_view text);

// The first word of `list` (in its shown order) that begins with `typed`, letter case, accents
// and the final sigma folded away; the search starts at the second entry and ends with the
// first. Nothing for an empty text or when no word begins with it.
[[nodiscard]] std::optional<size_t> findPrefix(const std::vector<std::string>& list, std::string_view typed);

// The search may run exactly when a word is selected and the field holds it, byte for byte.
[[nodiscard]] bool canSearch(const std::optional<std::string>& selectedWord, std::string_view fieldText);

}  // namespace vantorel::search
