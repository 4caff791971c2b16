#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/Source.h"

// The hand-written file of one element (data/elements/NNN-Symbol.txt, UTF-8): its name with the
// grammatical forms the page templates need, and its texts.
//
//   symbol: Fe
//   name: σίδηρος
//   gender: m
//   genitive: σιδήρου
//   accusative: σίδηρο
//   [origin]
//   where the name comes from
//   [history]
//   ...
//
// Sections: origin, history, uses, occurrence and, optionally, literature. A section that is
// missing has no text; nothing stands in for it.
namespace vantorel::data {

enum class Gender { Masculine, Feminine, Neuter };

// A name in lower case with its gender and the two inflected forms the sentences use.
struct GreekName {
  std::string nominative;  // UTF-8, lower case: "σίδηρος"
  std::string genitive;    // "σιδήρου"
  std::string accusative;  // "σίδηρο"
  Gender gender = Gender::Neuter;
};

struct ElementText {
  std::string file;
  std::string symbol;
  GreekName name;
  std::map<std::string, std::string> sections;  // section → one paragraph of markup text
  [[nodiscard]] std::string section(std::string_view key) const {
    auto it = sections.find(std::string(key));
    return it == sections.end() ? std::string() : it->second;
  }
};

// The names of the sections a file may hold, in the order they are written.
[[nodiscard]] const std::vector<std::string_view>& elementTextSections();

// Parses one file; faults are reported with their line, and nothing is returned when the header
// is incomplete.
[[nodiscard]] std::optional<ElementText> parseElementText(std::string_view text, const std::string& file,
                                                          std::vector<Diagnostic>& diagnostics);

// "026-Fe.txt" for iron.
[[nodiscard]] std::string elementTextFileName(int atomicNumber, std::string_view symbol);

}  // namespace vantorel::data
