#include "tools/vantorel-data/core/CatalogueChecker.h"

#include <filesystem>
#include <map>
#include <set>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/core/Pictures.h"
#include "tools/vantorel-data/core/Raster.h"

namespace vantorel::data {
namespace {

namespace fs = std::filesystem;

void lengthFault(std::vector<Fault>& faults, std::string_view bytes, size_t record, const std::string& file) {
  if (bytes.size() % record)
    faults.push_back(
        {file, -1, "", "length " + std::to_string(bytes.size()) + " is not a multiple of " + std::to_string(record)});
}

void textFault(std::vector<Fault>& faults, std::string_view field, const std::string& file, long record,
               const char* name, bool mayBeEmpty = false) {
  if (field.find('\0') == std::string_view::npos) {
    faults.push_back({file, record, name, "text has no terminating NUL"});
    return;
  }
  const auto text = fixedText(field);
  if (text.empty() && !mayBeEmpty) faults.push_back({file, record, name, "empty"});
  if (auto bad = firstBadTextByte(text); bad != std::string_view::npos)
    faults.push_back({file, record, name,
                      "byte " + std::to_string(static_cast<unsigned char>(text[bad])) + " at " + std::to_string(bad) +
                          " is not Greek text"});
}

}  // namespace

size_t firstBadPageByte(std::string_view page) {
  for (size_t i = 0; i < page.size(); ++i) {
    const auto byte = static_cast<unsigned char>(page[i]);
    if (byte == '\t' || byte == '\r' || byte == '\n' || byte == 0x03 || byte == 0x04 || byte == 0x05) continue;
    if (byte < 0x20 || codepage::toUnicode(byte) == U'\uFFFD') return i;
  }
  return std::string_view::npos;
}

std::vector<Fault> checkTitleFile(std::string_view bytes, const std::string& file) {
  std::vector<Fault> faults;
  lengthFault(faults, bytes, kTitleRecordSize, file);
  for (size_t i = 0; i * kTitleRecordSize + kTitleRecordSize <= bytes.size(); ++i)
    textFault(faults, bytes.substr(i * kTitleRecordSize, kTitleRecordSize), file, static_cast<long>(i + 1), "title");
  return faults;
}

std::vector<Fault> checkTopicFile(std::string_view bytes, const std::string& file) {
  std::vector<Fault> faults;
  lengthFault(faults, bytes, kTopicRecordSize, file);
  const auto topics = readTopics(bytes);
  std::set<int32_t> ids;
  int previous = -1;
  for (size_t i = 0; i < topics.size(); ++i) {
    const long n = static_cast<long>(i);
    const auto& t = topics[i];
    textFault(faults, bytes.substr(i * kTopicRecordSize, 100), file, n, "title");
    if (t.level < 0 || t.level > kMaxTopicLevel) {
      faults.push_back({file, n, "level", std::to_string(t.level) + " is outside 0-4"});
    } else {
      if (t.level > previous + 1)
        faults.push_back({file, n, "level",
                          "level " + std::to_string(t.level) + " follows level " + std::to_string(previous) +
                              "; the browser would never show this node"});
      previous = t.level;  // an out-of-range level is reported once and does not colour its followers
    }
    if (!ids.insert(t.recordId).second)
      faults.push_back({file, n, "recordId", std::to_string(t.recordId) + " appears twice"});
    if (t.page <= 0 || t.page > 999999)
      faults.push_back({file, n, "page", std::to_string(t.page) + " is not a page number"});
  }
  return faults;
}

std::vector<Fault> checkWordFile(std::string_view bytes, const std::string& file) {
  std::vector<Fault> faults;
  lengthFault(faults, bytes, kWordRecordSize, file);
  const auto words = readWords(bytes);
  for (size_t i = 0; i < words.size(); ++i) {
    const long n = static_cast<long>(i);
    textFault(faults, bytes.substr(i * kWordRecordSize, 32), file, n, "word");
    if (words[i].word != lowerCase(words[i].word)) faults.push_back({file, n, "word", "not in lower case"});
    if (words[i].route < 1 || words[i].route > kRouteCount)
      faults.push_back({file, n, "route", std::to_string(words[i].route) + " is outside 1-7"});
  }
  return faults;
}

std::vector<Fault> checkWordIndexFiles(std::string_view ndx, std::string_view alt, std::string_view pr1) {
  std::vector<Fault> faults;
  lengthFault(faults, ndx, kWordListRecordSize, "words.ndx");
  for (size_t i = 0; (i + 1) * kWordListRecordSize <= ndx.size(); ++i)
    textFault(faults, ndx.substr(i * kWordListRecordSize, kWordListRecordSize), "words.ndx", static_cast<long>(i),
              "word");
  lengthFault(faults, alt, kAlternativeRecordSize, "words.alt");
  for (size_t i = 0; (i + 1) * kAlternativeRecordSize <= alt.size(); ++i)
    textFault(faults, alt.substr(i * kAlternativeRecordSize + 4, 26), "words.alt", static_cast<long>(i), "word");
  lengthFault(faults, pr1, kFirstLetterRecordSize, "words.pr1");
  if (pr1.size() / kFirstLetterRecordSize > kMaxFirstLetterRecords)
    faults.push_back(
        {"words.pr1", -1, "", std::to_string(pr1.size() / kFirstLetterRecordSize) + " records; the reader keeps 200"});
  return faults;
}

std::vector<Fault> checkCatalogue(const std::string& dir) {
  std::vector<Fault> faults;
  auto add = [&](std::vector<Fault> more) { faults.insert(faults.end(), more.begin(), more.end()); };
  auto path = [&](const std::string& name) { return (fs::path(dir) / name).string(); };
  auto read = [&](const std::string& name) {
    auto bytes = readWholeFile(path(name));
    if (!bytes) faults.push_back({name, -1, "", "missing or unreadable"});
    return bytes;
  };
  std::map<std::string, size_t> titleCounts;
  for (const auto& file : titleFiles())
    if (auto bytes = read(std::string(file))) {
      add(checkTitleFile(*bytes, std::string(file)));
      titleCounts[std::string(file)] = bytes->size() / kTitleRecordSize;
    }
  std::map<std::string, bool> pageExists;
  auto pageThere = [&](int32_t page) {
    const auto p = pagePath(page);
    auto it = pageExists.find(p);
    if (it == pageExists.end()) it = pageExists.emplace(p, fs::is_regular_file(path(p))).first;
    return it->second;
  };
  auto assetFault = [&](const std::string& file, long record, int32_t asset) -> std::string {
    const int type = assetType(asset), number = assetNumber(asset);
    const auto title = titleFileOf(type);
    if (!title) return "asset " + std::to_string(asset) + " has a type without a title file";
    if (number < 1 || static_cast<size_t>(number) > titleCounts[std::string(*title)])
      return "asset " + std::to_string(asset) + " has no record in " + std::string(*title);
    if (!pageThere(asset))
      return "the page of asset " + std::to_string(asset) + " (" + pagePath(asset) + ") is missing";
    (void)file;
    (void)record;
    return {};
  };

  std::vector<std::map<int32_t, TopicRecord>> nodes(kRouteCount + 1);
  for (int route = 1; route <= kRouteCount; ++route) {
    const std::string stem(routeStem(route));
    const std::string datName = stem + ".dat", assName = stem + ".ass";
    if (!pageThere(routeStartPage(route)))
      faults.push_back(
          {pagePath(routeStartPage(route)), -1, "", "start page of route " + std::to_string(route) + " is missing"});
    auto dat = read(datName);
    if (!dat) continue;
    add(checkTopicFile(*dat, datName));
    const auto topics = readTopics(*dat);
    for (size_t i = 0; i < topics.size(); ++i) {
      const auto& t = topics[i];
      nodes[route].emplace(t.recordId, t);
      int32_t page = t.page;
      if (assetType(page) == kElementNodeAliasType) page = makeAssetId(kElementNodeType, assetNumber(page));
      if (page > 0 && !pageThere(page))
        faults.push_back({datName, static_cast<long>(i), "page",
                          "page " + std::to_string(t.page) + " (" + pagePath(page) + ") is missing"});
      if (assetType(t.page) == kElementNodeType)
        for (int s = 0; s < kElementSectionCount; ++s)
          if (!pageThere(makeAssetId(kFirstElementSectionType + s, assetNumber(t.page))))
            faults.push_back({datName, static_cast<long>(i), "page",
                              "element section page " +
                                  pagePath(makeAssetId(kFirstElementSectionType + s, assetNumber(t.page))) +
                                  " is missing"});
    }
    if (auto ass = readWholeFile(path(assName))) {
      lengthFault(faults, *ass, kAssociationRecordSize, assName);
      const auto links = readAssociations(*ass);
      for (size_t i = 0; i < links.size(); ++i) {
        if (!nodes[route].count(links[i].recordId))
          faults.push_back(
              {assName, static_cast<long>(i), "recordId", std::to_string(links[i].recordId) + " names no node"});
        if (auto f = assetFault(assName, static_cast<long>(i), links[i].assetId); !f.empty())
          faults.push_back({assName, static_cast<long>(i), "assetId", f});
      }
    }
  }
  if (auto words = read("words.dat")) {
    add(checkWordFile(*words));
    const auto records = readWords(*words);
    for (size_t i = 0; i < records.size(); ++i) {
      const auto& w = records[i];
      if (w.route < 1 || w.route > kRouteCount) continue;
      if (!nodes[w.route].count(w.recordId))
        faults.push_back({"words.dat", static_cast<long>(i), "recordId",
                          std::to_string(w.recordId) + " names no node of route " + std::to_string(w.route)});
      if (w.assetId != 0)
        if (auto f = assetFault("words.dat", static_cast<long>(i), w.assetId); !f.empty())
          faults.push_back({"words.dat", static_cast<long>(i), "assetId", f});
    }
  }
  {
    auto ndx = read("words.ndx"), alt = read("words.alt"), pr1 = read("words.pr1");
    if (ndx && alt && pr1) add(checkWordIndexFiles(*ndx, *alt, *pr1));
  }
  if (auto ptable = read("ptable.ndx")) {
    lengthFault(faults, *ptable, kElementIndexEntrySize, "ptable.ndx");
    const auto entries = readElementIndex(*ptable);
    for (size_t i = 0; i < entries.size(); ++i) {
      auto it = nodes[6].find(static_cast<int32_t>(entries[i].recordId));
      if (it == nodes[6].end())
        faults.push_back({"ptable.ndx", static_cast<long>(i), "recordId",
                          std::to_string(entries[i].recordId) + " names no node of route 6"});
      else if (it->second.page != makeAssetId(kElementNodeType, entries[i].element))
        faults.push_back({"ptable.ndx", static_cast<long>(i), "element",
                          "element " + std::to_string(entries[i].element) + " leads to a node of page " +
                              std::to_string(it->second.page)});
    }
  }
  // Pages: text, glossary keys.
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    if (!it->is_regular_file()) continue;
    const auto relative = fs::relative(it->path(), dir).generic_string();
    const auto ext = it->path().extension().string();
    const bool page =
        (ext.empty() && relative.size() > 2 && std::isdigit(static_cast<unsigned char>(relative[0]))) || ext == ".htm";
    if (ext == ".bmp") {
      auto bytes = readWholeFile(it->path().string());
      if (bytes) {
        if (auto fault = bmpFault(*bytes); !fault.empty()) faults.push_back({relative, -1, "", fault});
      }
      continue;
    }
    if (!page) continue;
    auto bytes = readWholeFile(it->path().string());
    if (!bytes) continue;
    if (auto bad = firstBadPageByte(*bytes); bad != std::string_view::npos)
      faults.push_back({relative, -1, "",
                        "byte " + std::to_string(static_cast<unsigned char>((*bytes)[bad])) + " at " +
                            std::to_string(bad) + " is not Greek text"});
    for (size_t at = bytes->find("~G"); at != std::string::npos; at = bytes->find("~G", at + 2)) {
      const auto key = bytes->substr(at + 2, 8);
      if (!fs::is_regular_file(path("glossary/" + key + ".htm")))
        faults.push_back({relative, -1, "", "glossary file glossary/" + key + ".htm is missing"});
    }
  }
  for (const auto& region : menuRegions())
    if (!fs::is_regular_file(path(std::string("images/") + region.picture + ".bmp")))
      faults.push_back({std::string("images/") + region.picture + ".bmp", -1, "", "missing"});
  if (!fs::is_regular_file(path("images/mainmenu.bmp"))) faults.push_back({"images/mainmenu.bmp", -1, "", "missing"});
  for (const char* fixed : {"a.htm", "help.htm"})
    if (!fs::is_regular_file(path(fixed))) faults.push_back({fixed, -1, "", "missing"});
  return faults;
}

}  // namespace vantorel::data
