#include "tools/vantorel-data/core/Catalogue.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "platform/catalogue/TitleFiles.h"
#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Bytes.h"

namespace vantorel::data {
namespace {

std::string cp(std::string_view utf8) {
  return codepage::fromUtf8Lossy(utf8);
}

bool isWordByte(unsigned char c) {
  if (c >= '0' && c <= '9') return true;
  if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return true;
  // Greek letters, with and without accents, in both cases.
  return c == 0xA2 || (c >= 0xB8 && c <= 0xBA) || c == 0xBC || (c >= 0xBE && c <= 0xFE && c != 0xD2);
}

const std::set<std::string>& stopWords() {
  static const std::set<std::string> words = [] {
    std::set<std::string> s;
    for (const char* w :
         {"αλλά",  "από",    "αυτά",  "αυτή",   "αυτό",  "αυτός", "αυτές", "αυτοί", "για",  "δεν",    "είναι",
          "ένα",   "ένας",   "έχει",  "έχουν",  "και",   "κάθε",  "μας",   "μετά",  "μια",  "μιας",   "όπως",
          "όταν",  "οποία",  "οποίο", "οποίος", "πολύ",  "που",   "πως",   "στα",   "στην", "στις",   "στον",
          "στο",   "στους",  "στη",   "την",    "της",   "τις",   "τον",   "του",   "τους", "των",    "ενός",
          "είτε",  "όλα",    "όλες",  "όλοι",   "ή",     "with",  "from",  "this",  "that", "μεταξύ", "ενώ",
          "γιατί", "επίσης", "πιο",   "όσο",    "χωρίς", "πάνω",  "κάτω"})
      s.insert(cp(w));
    return s;
  }();
  return words;
}

std::vector<std::string_view> makeTitleFiles() {
  return {"video.ttl",   "mol.ttl",     "photo.ttl", "sci.ttl",    "elem.ttl",
          "country.ttl", "mineral.ttl", "comp.ttl",  "history.ttl"};
}

}  // namespace

std::optional<std::string_view> titleFileOf(int type) {
  switch (type) {
    case 1: return "elem.ttl";
    case 2: return "comp.ttl";
    case 4: return "country.ttl";
    case 6: return "mineral.ttl";
    case 8: return "sci.ttl";
    case 11: return "photo.ttl";
    case 12: return "video.ttl";
    case 13: return "mol.ttl";
    case 74:
    case 76:
    case 77: return "history.ttl";
    default: return std::nullopt;
  }
}

const std::vector<std::string_view>& titleFiles() {
  static const auto files = makeTitleFiles();
  return files;
}

std::string_view routeStem(int route) {
  static constexpr std::array<std::string_view, 7> kStems = {"react",   "struct",   "source", "uses",
                                                             "history", "elemcomp", "concept"};
  return route >= 1 && route <= kRouteCount ? kStems[route - 1] : std::string_view();
}

std::string_view routeName(int route) {
  static const std::array<std::string, 7> kNames = {
      cp("Αλλαγή των υλικών"),    cp("Δομές"),  cp("Πηγές"), cp("Η χημεία στην πράξη"), cp("Ιστορία"),
      cp("Στοιχεία και ενώσεις"), cp("Έννοιες")};
  return route >= 1 && route <= kRouteCount ? std::string_view(kNames[route - 1]) : std::string_view();
}

int32_t routeStartPage(int route) {
  static constexpr std::array<int32_t, 7> kStart = {170070, 370001, 290000, 400000, 320000, 410000, 450000};
  return route >= 1 && route <= kRouteCount ? kStart[route - 1] : 0;
}

int routePageType(int route) {
  return routeStartPage(route) / 10000;
}

std::string pagePath(int32_t page) {
  std::string digits = std::to_string(page < 0 ? -static_cast<int64_t>(page) : page);
  if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
  const int group = (digits[0] - '0') * 10 + (digits[1] - '0');
  static constexpr std::array<int, 8> kTwoLevels = {1, 2, 4, 6, 8, 11, 12, 13};
  const bool twoLevels = std::find(kTwoLevels.begin(), kTwoLevels.end(), group) != kTwoLevels.end();
  if (twoLevels) return digits.substr(0, 2) + "/" + digits.substr(2, 1) + "/" + digits.substr(3);
  return digits.substr(0, 2) + "/" + digits.substr(2);
}

std::string_view fixedText(std::string_view field) {
  const auto nul = field.find('\0');
  return nul == std::string_view::npos ? field : field.substr(0, nul);
}

bool putFixedText(std::string& out, std::string_view text, size_t size) {
  if (text.size() > size || text.find('\0') != std::string_view::npos) return false;
  out.append(text);
  out.append(size - text.size(), '\0');
  return true;
}

std::optional<std::string> encodeTitles(const std::vector<std::string>& titles) {
  std::string out;
  out.reserve(titles.size() * kTitleRecordSize);
  for (const auto& t : titles)
    if (!putFixedText(out, t, kTitleRecordSize)) return std::nullopt;
  return out;
}

std::optional<std::string> encodeTopics(const std::vector<TopicRecord>& records) {
  std::string out;
  out.reserve(records.size() * kTopicRecordSize);
  for (const auto& r : records) {
    if (r.title.size() > 99 || !putFixedText(out, r.title, 100)) return std::nullopt;
    putI32(out, r.page);
    putI32(out, r.level);
    putI32(out, r.recordId);
  }
  return out;
}

std::optional<std::string> encodeWords(const std::vector<WordRecord>& records) {
  std::string out;
  out.reserve(records.size() * kWordRecordSize);
  for (const auto& r : records) {
    if (r.word.size() > 31 || !putFixedText(out, r.word, 32)) return std::nullopt;
    putI32(out, r.recordId);
    putI32(out, r.assetId);
    putI16(out, r.route);
    out += '\0';
  }
  return out;
}

std::string encodeAssociations(const std::vector<AssociationRecord>& records) {
  std::string out;
  out.reserve(records.size() * kAssociationRecordSize);
  for (const auto& r : records) {
    putI32(out, r.recordId);
    putI32(out, r.assetId);
  }
  return out;
}

std::string encodeElementIndex(const std::vector<ElementIndexEntry>& entries) {
  std::string out;
  for (const auto& e : entries) {
    out += static_cast<char>(e.element);
    putU32(out, e.recordId);
  }
  return out;
}

std::optional<std::string> encodeWordList(const std::vector<std::string>& words) {
  std::string out;
  for (const auto& w : words)
    if (w.size() > 31 || !putFixedText(out, w, kWordListRecordSize)) return std::nullopt;
  return out;
}

std::optional<std::string> encodeAlternatives(const std::vector<Alternative>& alternatives) {
  std::string out;
  for (const auto& a : alternatives) {
    putI32(out, a.group);
    if (a.word.size() > 25 || !putFixedText(out, a.word, 26)) return std::nullopt;
  }
  return out;
}

std::string encodeFirstLetters(const std::vector<std::string>& sortedWords) {
  std::string out;
  size_t i = 0;
  while (i < sortedWords.size() && out.size() / kFirstLetterRecordSize < kMaxFirstLetterRecords) {
    if (sortedWords[i].empty()) {
      ++i;
      continue;
    }
    const char letter = sortedWords[i][0];
    size_t end = i;
    while (end < sortedWords.size() && !sortedWords[end].empty() && sortedWords[end][0] == letter) ++end;
    out += letter;
    putU16(out, static_cast<uint16_t>(std::min<size_t>(i, 0xFFFF)));
    putU16(out, static_cast<uint16_t>(std::min<size_t>(end - i, 0xFFFF)));
    out.append(3, '\0');
    i = end;
  }
  return out;
}

std::vector<std::string> readTitles(std::string_view bytes) {
  return catalogue::parseTitleRecords(bytes);
}

std::vector<TopicRecord> readTopics(std::string_view bytes) {
  return catalogue::parseTopicRecords(bytes);
}

std::vector<WordRecord> readWords(std::string_view bytes) {
  return catalogue::parseWordRecords(bytes);
}

std::vector<AssociationRecord> readAssociations(std::string_view bytes) {
  return catalogue::parseAssociationRecords(bytes);
}

std::vector<ElementIndexEntry> readElementIndex(std::string_view bytes) {
  std::vector<ElementIndexEntry> out;
  for (size_t at = 0; at + kElementIndexEntrySize <= bytes.size(); at += kElementIndexEntrySize)
    out.push_back({static_cast<uint8_t>(bytes[at]), getU32(bytes, at + 1)});
  return out;
}

std::vector<std::string> readWordList(std::string_view bytes) {
  return catalogue::parseWordList(bytes);
}

std::vector<Alternative> readAlternatives(std::string_view bytes) {
  return catalogue::parseAlternatives(bytes);
}

std::vector<FirstLetter> readFirstLetters(std::string_view bytes) {
  return catalogue::parseFirstLetters(bytes);
}

std::string fixTitle(std::string title) {
  return catalogue::fixTitle(std::move(title));
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (auto& c : out) c = static_cast<char>(codepage::toLower(static_cast<unsigned char>(c)));
  return out;
}

std::vector<std::string> indexWords(std::string_view text, size_t minLength) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && !isWordByte(static_cast<unsigned char>(text[i]))) ++i;
    size_t end = i;
    while (end < text.size() && isWordByte(static_cast<unsigned char>(text[end]))) ++end;
    if (end > i) {
      auto word = lowerCase(text.substr(i, end - i));
      const bool digitsOnly = std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (word.size() >= minLength && word.size() <= 31 && !digitsOnly && !stopWords().count(word) &&
          std::find(out.begin(), out.end(), word) == out.end())
        out.push_back(std::move(word));
    }
    i = end;
  }
  return out;
}

}  // namespace vantorel::data
