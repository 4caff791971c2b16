#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/Checker.h"
#include "tools/vantorel-data/core/ElementText.h"

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

// Everything above on the files of `dir`, the references between them, what a user would meet
// in the lists (resources no list can show, words that lead nowhere, two rows of one list with
// the same title) and the text of the pages. With the element names and their forms, the
// generated sentences are checked for articles and cases too.
[[nodiscard]] std::vector<Fault> checkCatalogue(const std::string& dir, const std::vector<GreekName>& names = {});

// The names of the elements and their forms, from the element files of a source folder.
[[nodiscard]] std::vector<GreekName> elementNames(const std::string& sourceDir);

}  // namespace vantorel::data
