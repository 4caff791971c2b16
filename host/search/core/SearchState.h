#pragma once

#include <cstdint>
#include <string>

namespace vantorel::search {

// What the main view keeps between word searches, with the defaults of the first one.
struct SearchState {
  bool useAlternatives = false;
  int nameWidth = 130;
  int topicWidth = 120;
  int groupWidth = 130;
  int lastRow = -1;      // index in the result table of the result chosen last; -1 = none
  std::string lastText;  // the word field, CP1253
  friend bool operator==(const SearchState&, const SearchState&) = default;
};

// One place where a search word occurs.
struct SearchResult {
  int32_t recordId = 0;  // topic node
  int32_t assetId = 0;   // resource inside the node; 0 = the node itself
  int16_t route = 0;     // 1..7
  friend bool operator==(const SearchResult&, const SearchResult&) = default;
};

inline constexpr size_t kMaxResults = 400;

}  // namespace vantorel::search
