#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/ElementText.h"

// What a reader would notice in the text of a page, found by machine: markup escaped once too
// often and shown as text, doubled full stops, persons named in Latin letters inside Greek
// sentences, element names whose article or case is wrong, and pages or definitions too short
// to teach anything.
namespace vantorel::data {

// The text a reader sees (UTF-8): tags removed, entities decoded, glossary links reduced to
// their words; blocks (paragraphs, cells, list items) end with a line break.
[[nodiscard]] std::string visibleText(std::string_view pageUtf8);

// Faults of any page (UTF-8), each a sentence naming what was found.
[[nodiscard]] std::vector<std::string> pageTextFaults(std::string_view pageUtf8);

// Faults in the sentences about elements: an article of the wrong gender or case before a
// name, a name in capitals after an article, a nominative where a quantity needs the genitive.
[[nodiscard]] std::vector<std::string> nameFormFaults(std::string_view visible, const std::vector<GreekName>& names);

// Words of the teaching text of a topic page: its paragraphs, without the list of subtopics.
[[nodiscard]] size_t topicWordCount(std::string_view pageUtf8);

// Words of a definition.
[[nodiscard]] size_t wordCount(std::string_view textUtf8);

}  // namespace vantorel::data
