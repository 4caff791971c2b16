#pragma once

#include <array>
#include <string>
#include <string_view>

// How a word the user types meets the words of an index. Greek capitals carry no accents and a
// sigma typed in capitals lowers to a medial one, so a typed word is compared with index words
// with letter case, accents, diaereses and the final sigma folded away. Every word search of the
// system folds through here, so that all of them find the same places.
namespace vantorel::codepage {

// The byte a CP1253 byte stands for in a search: Latin and Greek letters in lower case without
// accent or diaeresis, the final sigma as a medial one, the micro sign as mu. Other bytes are
// their own.
[[nodiscard]] unsigned char foldForSearch(unsigned char byte);
[[nodiscard]] std::string foldForSearch(std::string_view cp1253);
// The byte fold as a table, for loops over many records.
[[nodiscard]] const std::array<unsigned char, 256>& searchFoldTable();

// Typed text in lower case as a word is written: every letter lowered, and a sigma that ends a
// word (a letter before it, none after it) written final. "ΣΙΔΗΡΟΣ" becomes "σιδηρος", with
// the last letter final, as the index spells it.
[[nodiscard]] std::string lowerForSearch(std::string_view cp1253);

// Whether two CP1253 texts are the same word once folded for search.
[[nodiscard]] bool sameWordForSearch(std::string_view a, std::string_view b);

}  // namespace vantorel::codepage
