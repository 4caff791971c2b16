#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/CatalogueCompiler.h"
#include "tools/vantorel-data/core/ElementText.h"
#include "tools/vantorel-data/core/PictureSet.h"
#include "tools/vantorel-data/core/Source.h"

// What the parts of the catalogue compiler share while they build one disc: the sources read so
// far, the pages and files made, and the faults found.
namespace vantorel::data {

// A reference table read by column name (UTF-8 values).
struct Records {
  std::string file;
  std::vector<std::string> keys;
  std::vector<std::vector<std::string>> rows;
  [[nodiscard]] int column(std::string_view key) const;
  [[nodiscard]] std::string get(size_t row, std::string_view key) const;
};

struct Context {
  Context(std::string dir, const PictureSet& p, std::vector<Diagnostic>& d)
      : sourceDir(std::move(dir)), pictures(p), diagnostics(d) {}
  std::string sourceDir;
  const PictureSet& pictures;
  std::vector<Diagnostic>& diagnostics;
  Records elements, daelem, compounds, countries, minerals, scientists;
  Records photos, videos, molecules, glossary;
  std::map<int, ElementText> elementTexts;  // atomic number → its file
  std::map<std::string, int> symbolToZ;
  std::map<int, size_t> daelemRow;  // atomic number → first row
  std::set<std::string> glossaryUsed;
  std::set<std::string> picturesUsed;    // drawn at 240 x 180 into images/pics/
  std::set<std::string> photosUsed;      // drawn at 480 x 360 into images/photos/
  std::map<int32_t, std::string> pages;  // page number → UTF-8 HTML
  std::vector<DiscFile> files;
  bool ok = true;

  void error(const std::string& file, int line, std::string message);
  void warning(const std::string& file, int line, std::string message);
  void addPage(int32_t page, std::string body, const std::string& file = {}, int line = 0);
  // Author markup: [[key|text]] glossary links, H_2O subscripts, Na^+ superscripts, **bold**,
  // -> and <=> reaction arrows.
  [[nodiscard]] std::string textMarkup(std::string_view text, const std::string& file, int line);
  // An illustration floated beside the text, with its caption.
  [[nodiscard]] std::string picture(std::string_view name, std::string_view caption, bool right = true);
};

[[nodiscard]] std::optional<Records> loadRecords(Context& ctx, const std::string& relative);

// Author markup reduced to its words, for the word index.
[[nodiscard]] std::string plainText(std::string_view text);

}  // namespace vantorel::data
