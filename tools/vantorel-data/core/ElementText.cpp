#include "tools/vantorel-data/core/ElementText.h"

#include <algorithm>
#include <cstdio>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/CatalogueSource.h"

namespace vantorel::data {
namespace {

// A file that is not an element file at all would otherwise give a fault for every line.
constexpr size_t kMaxFaults = 20;

}  // namespace

const std::vector<std::string_view>& elementTextSections() {
  static const std::vector<std::string_view> sections = {"origin", "history", "uses", "occurrence", "literature"};
  return sections;
}

std::string elementTextFileName(int atomicNumber, std::string_view symbol) {
  char number[8];
  std::snprintf(number, sizeof number, "%03d", atomicNumber);
  return std::string(number) + "-" + std::string(symbol) + ".txt";
}

std::optional<ElementText> parseElementText(std::string_view text, const std::string& file,
                                            std::vector<Diagnostic>& diagnostics) {
  const size_t before = diagnostics.size();
  auto fault = [&](int line, std::string message) {
    diagnostics.push_back({file, line, 1, std::move(message), false});
  };
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  // One look at the whole text: a character the disc cannot hold stops the file at its line.
  if (size_t bad = 0; !codepage::fromUtf8(text, &bad)) {
    fault(1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(bad), '\n')),
          "characters outside the Greek code page");
    return std::nullopt;
  }
  ElementText out;
  out.file = file;
  std::map<std::string, std::string> header;
  std::string* section = nullptr;
  bool paragraphOpen = false;
  int lineNumber = 0;
  for (size_t pos = 0; pos < text.size();) {
    auto end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = trim(text.substr(pos, end - pos));
    pos = end + 1;
    ++lineNumber;
    if (diagnostics.size() - before >= kMaxFaults) {
      fault(lineNumber, "too many faults; the rest of the file is not read");
      return std::nullopt;
    }
    if (line.empty()) {
      paragraphOpen = false;
      continue;
    }
    if (line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name = line.substr(1, line.size() - 2);
      const auto& known = elementTextSections();
      if (std::find(known.begin(), known.end(), name) == known.end()) {
        fault(lineNumber, "unknown section [" + name + "] (origin, history, uses, occurrence, literature)");
        section = nullptr;
        continue;
      }
      auto [it, fresh] = out.sections.emplace(name, std::string());
      if (!fresh) fault(lineNumber, "section [" + name + "] appears twice");
      section = &it->second;
      paragraphOpen = false;
      continue;
    }
    if (!section) {
      const auto colon = line.find(':');
      if (colon == std::string::npos || !out.sections.empty()) {
        fault(lineNumber, "text outside a section");
        continue;
      }
      const auto key = trim(std::string_view(line).substr(0, colon));
      const auto value = trim(std::string_view(line).substr(colon + 1));
      if (key != "symbol" && key != "name" && key != "gender" && key != "genitive" && key != "accusative") {
        fault(lineNumber, "unknown field \"" + key + "\" (symbol, name, gender, genitive, accusative)");
        continue;
      }
      if (!header.emplace(key, value).second) fault(lineNumber, "field \"" + key + "\" appears twice");
      continue;
    }
    if (!section->empty()) *section += paragraphOpen ? " " : "\n";
    *section += line;
    paragraphOpen = true;
  }
  for (const auto& [name, body] : out.sections)
    if (body.empty()) fault(0, "section [" + name + "] has no text");
  for (const char* key : {"symbol", "name", "gender", "genitive", "accusative"})
    if (header[key].empty()) fault(0, std::string("field \"") + key + "\" is missing");
  if (diagnostics.size() != before) return std::nullopt;

  out.symbol = header["symbol"];
  out.name.nominative = header["name"];
  out.name.genitive = header["genitive"];
  out.name.accusative = header["accusative"];
  const auto& gender = header["gender"];
  if (gender == "m")
    out.name.gender = Gender::Masculine;
  else if (gender == "f")
    out.name.gender = Gender::Feminine;
  else if (gender == "n")
    out.name.gender = Gender::Neuter;
  else
    fault(0, "gender must be m, f or n, not \"" + gender + "\"");
  for (const auto* form : {&out.name.nominative, &out.name.genitive, &out.name.accusative}) {
    const auto bytes = codepage::fromUtf8Lossy(*form);
    if (lowerCase(bytes) != bytes) fault(0, "\"" + *form + "\" must be written in lower case");
    if (form->find(' ') != std::string::npos && form != &out.name.nominative)
      fault(0, "\"" + *form + "\" must be one word");
  }
  if (diagnostics.size() != before) return std::nullopt;
  return out;
}

}  // namespace vantorel::data
