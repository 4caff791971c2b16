#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/Source.h"

// The editable source of one route (UTF-8): the start page, then the topic tree in pre-order.
//
//   = Start page title
//   paragraphs of the start page
//   * Level-0 caption {res: comp:Νερό, photo:flame; words: λέξη, λέξη; pic: beaker; page: 990006}
//   paragraphs of the topic page
//   ** Level-1 caption
//   @elements Li Na K          (one element node per symbol, one level below the heading)
//
// Paragraphs are separated by blank lines; '#' starts a comment line.
namespace vantorel::data {

struct TopicSource {
  std::string caption;
  int level = 0;
  int line = 0;
  int explicitPage = 0;                // 0: the compiler numbers the page
  std::vector<std::string> resources;  // "kind:name"
  std::vector<std::string> words;
  std::string picture;
  std::vector<std::string> paragraphs;      // UTF-8 with the page markup
  std::vector<std::string> elementSymbols;  // the @elements line under this heading
};

struct RouteSource {
  std::string file;
  std::string startTitle;
  std::vector<std::string> startParagraphs;
  std::string startPicture;
  std::vector<TopicSource> topics;
};

// Parses a route source; faults (bad levels, unknown attributes, text before the first heading)
// are reported and the faulty lines skipped.
[[nodiscard]] RouteSource parseRouteSource(std::string_view text, std::string file,
                                           std::vector<Diagnostic>& diagnostics);

// Splits "a, b ,c" into trimmed non-empty items.
[[nodiscard]] std::vector<std::string> splitList(std::string_view text, char separator = ',');
[[nodiscard]] std::string trim(std::string_view text);

}  // namespace vantorel::data
