#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/catalogue/RecordFile.h"

// The word files: words.dat (43-byte occurrence records), words.ndx (32-byte word list),
// words.alt (group number and 26-byte word) and words.pr1 (8-byte first-letter records).
namespace vantorel::catalogue {

struct WordRecord {
  std::string word;  // CP1253, lower case
  int32_t recordId = 0;
  int32_t assetId = 0;
  int16_t route = 0;
};

// One record of words.dat as it lies in the file: 43 bytes, the word field first.
struct RawWordRecord {
  const char* bytes;
  // Whether the word field holds exactly `word`: its bytes, then a NUL or the end of the field.
  [[nodiscard]] bool holds(std::string_view word) const;
  [[nodiscard]] std::string_view field() const;
  [[nodiscard]] int32_t recordId() const;
  [[nodiscard]] int32_t assetId() const;
  [[nodiscard]] int16_t route() const;
  [[nodiscard]] WordRecord decode() const;
};

// Reads words.dat from the first record to the last in large chunks and calls `visit` with
// each whole record; stops early when `visit` returns false or the file ends short.
void scanWordRecords(RecordFile& words, const std::function<bool(const RawWordRecord&)>& visit);
[[nodiscard]] std::vector<WordRecord> parseWordRecords(std::string_view bytes);

[[nodiscard]] std::vector<std::string> parseWordList(std::string_view bytes);

struct Alternative {
  int32_t group = 0;
  std::string word;
};
[[nodiscard]] std::vector<Alternative> parseAlternatives(std::string_view bytes);

// The letter is what the program uses; our compiler also stores the index of the letter's first
// word in words.ndx and the number of its words.
struct FirstLetter {
  unsigned char letter = 0;
  uint16_t first = 0;
  uint16_t count = 0;
};
[[nodiscard]] std::vector<FirstLetter> parseFirstLetters(std::string_view bytes);

}  // namespace vantorel::catalogue
