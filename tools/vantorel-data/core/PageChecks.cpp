#include "tools/vantorel-data/core/PageChecks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <unordered_map>

#include "tools/vantorel-data/core/GreekText.h"

namespace vantorel::data {
namespace {

bool isAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A Greek letter starts with one of the lead bytes of U+0370-U+03FF in UTF-8.
bool isGreekLead(unsigned char c) {
  return c == 0xCE || c == 0xCF;
}

struct Token {
  std::string text;
  std::string_view before;  // the characters between the previous word and this one
};

std::vector<Token> tokens(std::string_view text) {
  std::vector<Token> out;
  std::string current;
  size_t gapStart = 0, start = 0;
  auto flush = [&](size_t end) {
    if (current.empty()) return;
    out.push_back({std::move(current), text.substr(gapStart, start - gapStart)});
    current.clear();
    gapStart = end;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    size_t length = 1;
    bool wordByte = std::isalnum(c) != 0;
    if (isGreekLead(c) && i + 1 < text.size()) {
      length = 2;
      wordByte = true;
    } else if ((c == ',' || c == '.') && !current.empty() && std::isdigit(static_cast<unsigned char>(current.back())) &&
               i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
      wordByte = true;  // 4,2 and 1.000 are one number
    }
    if (!wordByte) {
      flush(i);
      continue;
    }
    if (current.empty()) start = i;
    current += text.substr(i, length);
    i += length - 1;
  }
  flush(text.size());
  return out;
}

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  for (auto& t : tokens(text)) out.push_back(std::move(t.text));
  return out;
}

bool isNumber(std::string_view w) {
  return !w.empty() && std::isdigit(static_cast<unsigned char>(w[0])) && std::all_of(w.begin(), w.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == ',' || c == '.';
  });
}

// A Latin word written as a name: a capital and at least two small letters.
bool latinName(std::string_view w) {
  if (w.size() < 3 || !(w[0] >= 'A' && w[0] <= 'Z')) return false;
  return std::all_of(w.begin() + 1, w.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

const std::set<std::string>& quantityUnits() {
  static const std::set<std::string> units = {"g", "mg", "kg", "μg", "t", "τόνοι", "τόνους", "τόνων", "mol"};
  return units;
}

}  // namespace

std::string visibleText(std::string_view page) {
  std::string out;
  for (size_t i = 0; i < page.size(); ++i) {
    const char c = page[i];
    if (c == '<') {
      const auto end = page.find('>', i);
      if (end == std::string_view::npos) break;
      std::string tag = lowerCased(page.substr(i + 1, std::min<size_t>(end - i - 1, 6)));
      if (tag.starts_with("/p") || tag.starts_with("br") || tag.starts_with("/td") || tag.starts_with("li") ||
          tag.starts_with("/tr") || tag.starts_with("/title") || tag.starts_with("/div"))
        out += '\n';
      if (tag.starts_with("title")) {
        // The window title is not on the page.
        const auto close = page.find("</TITLE>", end);
        i = close == std::string_view::npos ? end : close + 7;
        out += '\n';
        continue;
      }
      i = end;
      continue;
    }
    if (c == '&') {
      static const std::array<std::pair<std::string_view, std::string_view>, 5> entities = {
          {{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}}};
      bool done = false;
      for (const auto& [name, value] : entities)
        if (page.substr(i, name.size()) == name) {
          out += value;
          i += name.size() - 1;
          done = true;
          break;
        }
      if (done) continue;
    }
    if (page.substr(i, 2) == "~G" && i + 10 <= page.size()) {
      i += 9;  // the marker and the 8-letter key; the words follow
      continue;
    }
    if (page.substr(i, 2) == "~~") {
      ++i;
      continue;
    }
    out += c;
  }
  return out;
}

std::vector<std::string> pageTextFaults(std::string_view page) {
  std::vector<std::string> faults;
  // Escaped once too often: "&lt;SUP&gt;" shows the tag, "&amp;nbsp;" the entity.
  for (size_t at = page.find("&lt;"); at != std::string_view::npos; at = page.find("&lt;", at + 4)) {
    const auto next = at + 4 < page.size() ? page[at + 4] : ' ';
    if (isAsciiLetter(next) || next == '/') {
      faults.push_back("markup shown as text: \"" + std::string(page.substr(at, 16)) + "\"");
      break;
    }
  }
  for (size_t at = page.find("&amp;"); at != std::string_view::npos; at = page.find("&amp;", at + 5)) {
    size_t end = at + 5;
    while (end < page.size() && (isAsciiLetter(page[end]) || page[end] == '#')) ++end;
    if (end > at + 5 && end < page.size() && page[end] == ';') {
      faults.push_back("entity shown as text: \"" + std::string(page.substr(at, end - at + 1)) + "\"");
      break;
    }
  }
  const auto text = visibleText(page);
  for (size_t at = text.find(".."); at != std::string::npos; at = text.find("..", at + 2)) {
    size_t end = at;
    while (end < text.size() && text[end] == '.') ++end;
    if (end - at == 2) {
      const auto from = text.rfind(' ', at);
      faults.push_back("two full stops: \"" + text.substr(from == std::string::npos ? 0 : from + 1, at - from + 1) +
                       "\"");
      break;
    }
    at = end;
  }
  // Persons are written in Greek letters in Greek text: two Latin name-words in a row in a
  // block that holds Greek are a person left in Latin.
  size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const auto block = std::string_view(text).substr(start, end - start);
    start = end + 1;
    if (std::none_of(block.begin(), block.end(), [](char c) { return isGreekLead(static_cast<unsigned char>(c)); }))
      continue;
    const auto list = words(block);
    for (size_t i = 0; i + 1 < list.size(); ++i)
      if (latinName(list[i]) && latinName(list[i + 1]) &&
          block.find(list[i] + " " + list[i + 1]) != std::string_view::npos) {
        faults.push_back("person in Latin letters in a Greek sentence: \"" + list[i] + " " + list[i + 1] + "\"");
        return faults;
      }
  }
  return faults;
}

std::vector<std::string> nameFormFaults(std::string_view visible, const std::vector<GreekName>& names) {
  std::vector<std::string> faults;
  // Every form of every name, so each word of the page is looked up once.
  std::unordered_map<std::string, std::vector<const GreekName*>> byForm;
  for (const auto& n : names)
    for (const auto* f : {&n.nominative, &n.genitive, &n.accusative}) {
      auto& list = byForm[*f];
      if (std::find(list.begin(), list.end(), &n) == list.end()) list.push_back(&n);
    }
  static const std::set<std::string> articles = {"ο",  "η",    "το",   "του", "της", "τον",  "την",
                                                 "τη", "στον", "στην", "στη", "στο", "στου", "στης"};
  const auto list = tokens(visible);
  std::vector<std::string> lower;
  lower.reserve(list.size());
  for (const auto& w : list) lower.push_back(lowerCased(w.text));
  for (size_t i = 0; i + 1 < list.size(); ++i) {
    const auto& word = lower[i + 1];
    auto found = byForm.find(word);
    if (found == byForm.end()) continue;
    const bool capital = list[i + 1].text != word;
    for (const GreekName* name : found->second) {
      const auto& n = *name;
      const bool nominative = word == n.nominative, genitive = word == n.genitive;
      // A quantity is followed by the genitive: "4,2 g σιδήρου", never "4,2 g σίδηρος".
      if (nominative && !genitive && i >= 1 && quantityUnits().count(lower[i]) && isNumber(lower[i - 1])) {
        faults.push_back("\"" + list[i - 1].text + " " + list[i].text + " " + list[i + 1].text +
                         "\": after a quantity the name takes the genitive \"" + n.genitive + "\"");
        continue;
      }
      if (articles.count(lower[i])) {
        const std::string pair = lower[i] + " " + word;
        const std::string acc(article(n.gender, Case::Accusative));
        const std::set<std::string> allowed = {std::string(article(n.gender, Case::Nominative)) + " " + n.nominative,
                                               std::string(article(n.gender, Case::Genitive)) + " " + n.genitive,
                                               acc + " " + n.accusative,
                                               "σ" + acc.substr(acc.find("τ")) + " " + n.accusative,
                                               (n.gender == Gender::Feminine ? "τη " : "την ") + n.accusative,
                                               (n.gender == Gender::Feminine ? "στη " : "στην ") + n.accusative};
        if (allowed.count(pair)) continue;
        // "τον Ήλιο" is the Sun, not the element ήλιο: a capital after another gender's article
        // names something else.
        if (capital && n.gender == Gender::Neuter && (lower[i] == "τον" || lower[i] == "στον")) continue;
        faults.push_back("\"" + list[i].text + " " + list[i + 1].text + "\": article and form of \"" + n.nominative +
                         "\" disagree");
        continue;
      }
      // A name in capitals inside a sentence ("το στοιχείο Σίδηρος"): after a small Greek word
      // and a plain space. After an article a capital is a proper name ("η Εποχή του Χαλκού"),
      // after a stop or a colon a new sentence begins.
      const auto& previous = list[i].text;
      if (capital && nominative && list[i + 1].before == " " && lower[i] == previous &&
          isGreekLead(static_cast<unsigned char>(previous[0])))
        faults.push_back("\"" + previous + " " + list[i + 1].text +
                         "\": an element's name is written in lower case in a sentence");
    }
  }
  return faults;
}

size_t wordCount(std::string_view text) {
  size_t n = 0;
  for (const auto& w : words(text))
    if (std::any_of(w.begin(), w.end(), [](char c) { return !std::isdigit(static_cast<unsigned char>(c)); })) ++n;
  return n;
}

size_t topicWordCount(std::string_view page) {
  size_t n = 0;
  for (size_t at = page.find("<P>"); at != std::string_view::npos; at = page.find("<P>", at + 3)) {
    const auto end = page.find("</P>", at);
    if (end == std::string_view::npos) break;
    const auto text = visibleText(page.substr(at, end - at));
    if (text.find("Σε αυτή την ενότητα:") != std::string::npos && wordCount(text) <= 4) continue;
    n += wordCount(text);
  }
  return n;
}

}  // namespace vantorel::data
