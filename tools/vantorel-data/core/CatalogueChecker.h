#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/Checker.h"

// Checks of the topic catalogue: each file on its own (record sizes, texts, levels, ranges) and
// the references between them (pages, titles, nodes, glossary files).
namespace vantorel::data {

[[nodiscard]] std::vector<Fault> checkTitleFile(std::string_view bytes, const std::string& file);
[[nodiscard]] std::vector<Fault> checkTopicFile(std::string_view bytes, const std::string& file);
[[nodiscard]] std::vector<Fault> checkWordFile(std::string_view bytes, const std::string& file = "words.dat");
[[nodiscard]] std::vector<Fault> checkWordIndexFiles(std::string_view ndx, std::string_view alt, std::string_view pr1);
// Bytes a page may not hold: undefined code-page bytes and control bytes other than the line
// ends, tabs and the three markers. Returns npos when the page is clean.
[[nodiscard]] size_t firstBadPageByte(std::string_view page);

// Everything above on the files of `dir`, and the references between them.
[[nodiscard]] std::vector<Fault> checkCatalogue(const std::string& dir);

}  // namespace vantorel::data
