#include "tools/vantorel-data/core/CatalogueChecker.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/core/MenuLayout.h"
#include "tools/vantorel-data/core/PageChecks.h"
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

namespace {

// A route's tree as the browser sees it: which nodes have children and what each node lists.
struct RouteView {
  std::string datName, assName;
  std::vector<TopicRecord> topics;
  std::map<int32_t, size_t> index;  // record id → first record with it
  std::vector<AssociationRecord> links;
  [[nodiscard]] bool hasChildren(size_t i) const {
    return i + 1 < topics.size() && topics[i + 1].level > topics[i].level;
  }
};

// What a user meets in the resource lists: a node with children never shows its list, a word
// must lead to a row that is there, and two rows of one list must not read the same.
void checkLists(std::vector<Fault>& faults, const std::vector<RouteView>& routes, const std::vector<WordRecord>& words,
                const std::map<std::string, std::string>& titleBytes) {
  std::map<std::string, std::vector<std::string>> titles;  // file → its titles, read once
  for (const auto& [file, bytes] : titleBytes) titles[file] = readTitles(bytes);
  auto titleOf = [&](int32_t asset) -> std::optional<std::string> {
    const auto file = titleFileOf(assetType(asset));
    if (!file) return std::nullopt;
    const auto& list = titles[std::string(*file)];
    const int n = assetNumber(asset);
    if (n < 1 || static_cast<size_t>(n) > list.size()) return std::nullopt;
    return fixTitle(list[static_cast<size_t>(n - 1)]);
  };
  std::vector<std::set<std::pair<int32_t, int32_t>>> listed(routes.size());
  for (size_t r = 1; r < routes.size(); ++r) {
    const auto& route = routes[r];
    std::map<int32_t, std::map<std::string, int32_t>> titlesOfNode;
    for (size_t i = 0; i < route.links.size(); ++i) {
      const auto& link = route.links[i];
      listed[r].insert({link.recordId, link.assetId});
      auto node = route.index.find(link.recordId);
      if (node == route.index.end()) continue;  // reported with the references
      if (route.hasChildren(node->second)) {
        faults.push_back({route.assName, static_cast<long>(i), "recordId",
                          "node " + std::to_string(link.recordId) + " (\"" +
                              codepage::toUtf8(route.topics[node->second].title) +
                              "\") has subtopics, so its list is never shown: asset " + std::to_string(link.assetId) +
                              " cannot be reached"});
        continue;
      }
      const auto title = titleOf(link.assetId);
      if (!title) continue;
      auto [it, fresh] = titlesOfNode[link.recordId].emplace(*title, link.assetId);
      if (!fresh && it->second != link.assetId)
        faults.push_back({route.assName, static_cast<long>(i), "assetId",
                          "node " + std::to_string(link.recordId) + " lists \"" + codepage::toUtf8(*title) +
                              "\" twice (assets " + std::to_string(it->second) + " and " +
                              std::to_string(link.assetId) + "): a student cannot tell the rows apart"});
    }
  }
  for (size_t i = 0; i < words.size(); ++i) {
    const auto& w = words[i];
    if (w.assetId == 0 || w.route < 1 || static_cast<size_t>(w.route) >= routes.size()) continue;
    const auto& route = routes[static_cast<size_t>(w.route)];
    auto node = route.index.find(w.recordId);
    if (node == route.index.end()) continue;
    const std::string word = "\"" + codepage::toUtf8(w.word) + "\" ";
    if (route.hasChildren(node->second))
      faults.push_back({"words.dat", static_cast<long>(i), "recordId",
                        word + "leads to asset " + std::to_string(w.assetId) + " under node " +
                            std::to_string(w.recordId) + ", which has subtopics and shows no list"});
    else if (!listed[static_cast<size_t>(w.route)].count({w.recordId, w.assetId}))
      faults.push_back({"words.dat", static_cast<long>(i), "assetId",
                        word + "leads to asset " + std::to_string(w.assetId) + ", which node " +
                            std::to_string(w.recordId) + " does not list"});
  }
}

}  // namespace

std::vector<GreekName> elementNames(const std::string& sourceDir) {
  std::vector<GreekName> names;
  std::error_code ec;
  std::vector<fs::path> files;
  for (auto it = fs::directory_iterator(fs::path(sourceDir) / "elements", ec); !ec && it != fs::directory_iterator();
       it.increment(ec))
    if (it->path().extension() == ".txt") files.push_back(it->path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    std::vector<Diagnostic> ignored;  // the compiler reports faults of the sources
    if (auto text = readWholeFile(file.string()))
      if (auto parsed = parseElementText(*text, file.string(), ignored)) names.push_back(parsed->name);
  }
  return names;
}

std::vector<Fault> checkCatalogue(const std::string& dir, const std::vector<GreekName>& names) {
  std::vector<Fault> faults;
  auto add = [&](std::vector<Fault> more) { faults.insert(faults.end(), more.begin(), more.end()); };
  auto path = [&](const std::string& name) { return (fs::path(dir) / name).string(); };
  auto read = [&](const std::string& name) {
    auto bytes = readWholeFile(path(name));
    if (!bytes) faults.push_back({name, -1, "", "missing or unreadable"});
    return bytes;
  };
  std::map<std::string, size_t> titleCounts;
  std::map<std::string, std::string> titleBytes;
  for (const auto& file : titleFiles())
    if (auto bytes = read(std::string(file))) {
      add(checkTitleFile(*bytes, std::string(file)));
      titleCounts[std::string(file)] = bytes->size() / kTitleRecordSize;
      titleBytes[std::string(file)] = std::move(*bytes);
    }
  std::map<std::string, bool> pageExists;
  auto pageThere = [&](int32_t page) {
    const auto p = pagePath(page);
    auto it = pageExists.find(p);
    if (it == pageExists.end()) it = pageExists.emplace(p, fs::is_regular_file(path(p))).first;
    return it->second;
  };
  auto assetFault = [&](int32_t asset) -> std::string {
    const int type = assetType(asset), number = assetNumber(asset);
    const auto title = titleFileOf(type);
    if (!title) return "asset " + std::to_string(asset) + " has a type without a title file";
    if (number < 1 || static_cast<size_t>(number) > titleCounts[std::string(*title)])
      return "asset " + std::to_string(asset) + " has no record in " + std::string(*title);
    if (!pageThere(asset))
      return "the page of asset " + std::to_string(asset) + " (" + pagePath(asset) + ") is missing";
    return {};
  };

  std::vector<RouteView> routes(kRouteCount + 1);
  std::set<int32_t> topicPages;
  for (int route = 1; route <= kRouteCount; ++route) {
    auto& view = routes[route];
    const std::string stem(routeStem(route));
    view.datName = stem + ".dat";
    view.assName = stem + ".ass";
    if (!pageThere(routeStartPage(route)))
      faults.push_back(
          {pagePath(routeStartPage(route)), -1, "", "start page of route " + std::to_string(route) + " is missing"});
    auto dat = read(view.datName);
    if (!dat) continue;
    add(checkTopicFile(*dat, view.datName));
    view.topics = readTopics(*dat);
    for (size_t i = 0; i < view.topics.size(); ++i) {
      const auto& t = view.topics[i];
      view.index.emplace(t.recordId, i);
      int32_t page = t.page;
      if (assetType(page) == kElementNodeAliasType) page = makeAssetId(kElementNodeType, assetNumber(page));
      if (assetType(page) == routePageType(route)) topicPages.insert(page);
      if (page > 0 && !pageThere(page))
        faults.push_back({view.datName, static_cast<long>(i), "page",
                          "page " + std::to_string(t.page) + " (" + pagePath(page) + ") is missing"});
      if (assetType(t.page) == kElementNodeType)
        for (int s = 0; s < kElementSectionCount; ++s)
          if (!pageThere(makeAssetId(kFirstElementSectionType + s, assetNumber(t.page))))
            faults.push_back({view.datName, static_cast<long>(i), "page",
                              "element section page " +
                                  pagePath(makeAssetId(kFirstElementSectionType + s, assetNumber(t.page))) +
                                  " is missing"});
    }
    if (auto ass = readWholeFile(path(view.assName))) {
      lengthFault(faults, *ass, kAssociationRecordSize, view.assName);
      view.links = readAssociations(*ass);
      for (size_t i = 0; i < view.links.size(); ++i) {
        if (!view.index.count(view.links[i].recordId))
          faults.push_back({view.assName, static_cast<long>(i), "recordId",
                            std::to_string(view.links[i].recordId) + " names no node"});
        if (auto f = assetFault(view.links[i].assetId); !f.empty())
          faults.push_back({view.assName, static_cast<long>(i), "assetId", f});
      }
    }
  }
  std::vector<WordRecord> wordRecords;
  if (auto words = read("words.dat")) {
    add(checkWordFile(*words));
    wordRecords = readWords(*words);
    for (size_t i = 0; i < wordRecords.size(); ++i) {
      const auto& w = wordRecords[i];
      if (w.route < 1 || w.route > kRouteCount) continue;
      if (!routes[w.route].index.count(w.recordId))
        faults.push_back({"words.dat", static_cast<long>(i), "recordId",
                          std::to_string(w.recordId) + " names no node of route " + std::to_string(w.route)});
      if (w.assetId != 0)
        if (auto f = assetFault(w.assetId); !f.empty())
          faults.push_back({"words.dat", static_cast<long>(i), "assetId", f});
    }
  }
  checkLists(faults, routes, wordRecords, titleBytes);
  {
    auto ndx = read("words.ndx"), alt = read("words.alt"), pr1 = read("words.pr1");
    if (ndx && alt && pr1) add(checkWordIndexFiles(*ndx, *alt, *pr1));
  }
  if (auto ptable = read("ptable.ndx")) {
    lengthFault(faults, *ptable, kElementIndexEntrySize, "ptable.ndx");
    const auto entries = readElementIndex(*ptable);
    for (size_t i = 0; i < entries.size(); ++i) {
      auto it = routes[6].index.find(static_cast<int32_t>(entries[i].recordId));
      if (it == routes[6].index.end())
        faults.push_back({"ptable.ndx", static_cast<long>(i), "recordId",
                          std::to_string(entries[i].recordId) + " names no node of route 6"});
      else if (routes[6].topics[it->second].page != makeAssetId(kElementNodeType, entries[i].element))
        faults.push_back({"ptable.ndx", static_cast<long>(i), "element",
                          "element " + std::to_string(entries[i].element) + " leads to a node of page " +
                              std::to_string(routes[6].topics[it->second].page)});
    }
  }
  // Pages: bytes, glossary keys, and the text a reader sees.
  std::set<std::string> generated, topics;
  for (int32_t page : topicPages) topics.insert(pagePath(page));
  {
    for (int type : {1, 2, 4, 6, 8}) {
      const auto file = titleFileOf(type);
      for (size_t n = 1; n <= titleCounts[std::string(*file)]; ++n)
        generated.insert(pagePath(makeAssetId(type, static_cast<int>(n))));
    }
    const size_t elements = titleCounts["elem.ttl"];
    for (size_t z = 1; z <= elements; ++z) {
      generated.insert(pagePath(makeAssetId(kElementNodeType, static_cast<int>(z))));
      for (int s = 0; s < kElementSectionCount; ++s)
        generated.insert(pagePath(makeAssetId(kFirstElementSectionType + s, static_cast<int>(z))));
    }
  }
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
    const auto text = codepage::toUtf8(*bytes);
    if (relative.starts_with("glossary/")) {
      // Line 1 is the term, line 2 "term: definition".
      const auto second = text.find('\n');
      const auto colon = second == std::string::npos ? std::string::npos : text.find(": ", second);
      const size_t n = colon == std::string::npos ? 0 : wordCount(text.substr(colon + 2));
      if (n < 20)
        faults.push_back(
            {relative, -1, "", "definition of " + std::to_string(n) + " words; a definition needs 20 or more"});
      continue;
    }
    for (auto& f : pageTextFaults(text)) faults.push_back({relative, -1, "", std::move(f)});
    if (generated.count(relative) && !names.empty())
      for (auto& f : nameFormFaults(visibleText(text), names)) faults.push_back({relative, -1, "", std::move(f)});
    if (topics.count(relative))
      if (const auto n = topicWordCount(text); n < 60)
        faults.push_back({relative, -1, "", "topic page of " + std::to_string(n) + " words; a topic needs 60 or more"});
  }
  for (const auto& region : menuRegions())
    if (!fs::is_regular_file(path(std::string("images/") + region.picture + ".bmp")))
      faults.push_back({std::string("images/") + region.picture + ".bmp", -1, "", "missing"});
  if (!fs::is_regular_file(path("images/mainmenu.bmp"))) faults.push_back({"images/mainmenu.bmp", -1, "", "missing"});
  for (const char* fixed : {"a.htm", "help.htm", "web/site.htm", "web/support.htm", "web/products.htm"})
    if (!fs::is_regular_file(path(fixed))) faults.push_back({fixed, -1, "", "missing"});
  return faults;
}

}  // namespace vantorel::data
