#include "tools/vantorel-data/core/CatalogueCompiler.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/CatalogueSource.h"
#include "tools/vantorel-data/core/CompileContext.h"
#include "tools/vantorel-data/core/ElementPages.h"
#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/core/GreekText.h"
#include "tools/vantorel-data/core/MenuLayout.h"
#include "tools/vantorel-data/core/PageHtml.h"
#include "tools/vantorel-data/core/TablePages.h"

namespace vantorel::data {
namespace {

namespace fs = std::filesystem;

std::string cp(std::string_view utf8) {
  return codepage::fromUtf8Lossy(utf8);
}
std::string utf8(std::string_view cp1253) {
  return codepage::toUtf8(cp1253);
}

std::string elementName(const Context& ctx, int z) {
  return ctx.elements.get(static_cast<size_t>(z - 1), "name");
}
std::string elementSymbol(const Context& ctx, int z) {
  return ctx.elements.get(static_cast<size_t>(z - 1), "symbol");
}

// Reads data/elements/NNN-Symbol.txt for every element of the table; each must be there and
// agree with the table on the symbol and the name.
void loadElementTexts(Context& ctx) {
  const auto folder = fs::path(ctx.sourceDir) / "elements";
  std::set<std::string> expected;
  for (int z = 1; z <= static_cast<int>(ctx.elements.rows.size()); ++z) {
    const auto symbol = elementSymbol(ctx, z);
    const auto name = elementTextFileName(z, symbol);
    expected.insert(name);
    const auto path = (folder / name).string();
    auto text = readWholeFile(path);
    if (!text) {
      ctx.error(path, 0, "missing: every element needs its file with the forms of its name");
      continue;
    }
    auto parsed = parseElementText(*text, path, ctx.diagnostics);
    if (!parsed) {
      ctx.ok = false;
      continue;
    }
    if (parsed->symbol != symbol) ctx.error(path, 0, "symbol \"" + parsed->symbol + "\", the table says " + symbol);
    if (parsed->name.nominative != lowerCased(elementName(ctx, z)))
      ctx.error(path, 0, "name \"" + parsed->name.nominative + "\", the table says \"" + elementName(ctx, z) + "\"");
    ctx.elementTexts.emplace(z, std::move(*parsed));
  }
  std::error_code ec;
  for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec))
    if (it->path().extension() == ".txt" && !expected.count(it->path().filename().string()))
      ctx.error(it->path().string(), 0, "names no element of elements.tsv (NNN-Symbol.txt)");
}

// ---------------------------------------------------------------- routes

struct BuiltRoute {
  std::vector<TopicRecord> topics;
  std::vector<AssociationRecord> associations;
};

void addWords(std::vector<WordRecord>& words, const std::vector<std::string>& list, int32_t recordId, int32_t assetId,
              int route) {
  for (const auto& w : list) {
    const auto lower = lowerCase(cp(w));
    if (lower.empty() || lower.size() > 31) continue;
    bool seen = false;
    for (auto it = words.rbegin(); it != words.rend() && it->recordId == recordId; ++it)
      if (it->word == lower && it->assetId == assetId && it->route == route) seen = true;
    if (!seen) words.push_back({lower, recordId, assetId, static_cast<int16_t>(route)});
  }
}

std::vector<std::string> utf8Words(std::string_view text, size_t minLength) {
  std::vector<std::string> out;
  for (const auto& w : indexWords(cp(text), minLength)) out.push_back(utf8(w));
  return out;
}

BuiltRoute buildRoute(Context& ctx, int route, const RouteSource& source, const Titles& titles,
                      std::vector<WordRecord>& words, std::vector<ElementIndexEntry>& elementIndex,
                      std::set<int>& elementsSeen) {
  BuiltRoute built;
  const int pageType = routePageType(route);
  const int colour = route;
  int32_t nextId = route * 1000 + 1;
  int sequence = 100;
  // Start page.
  {
    // The route's name under its title, unless the title already is the name.
    const std::string name = utf8(routeName(route));
    std::string h = pageStart(source.startTitle, source.startTitle == name ? std::string() : name, colour);
    if (!source.startPicture.empty()) h += ctx.picture(source.startPicture, source.startTitle);
    for (const auto& p : source.startParagraphs) h += paragraph(ctx.textMarkup(p, source.file, 0));
    std::string list = "<UL>\n";
    for (const auto& t : source.topics)
      if (t.level == 0) list += "<LI><FONT FACE=\"Arial Greek\" SIZE=2>" + html(t.caption) + "</FONT>\n";
    h += paragraph("Οι ενότητες του θέματος:") + list + "</UL>\n";
    ctx.addPage(routeStartPage(route), h + pageEnd(), source.file);
  }
  for (size_t i = 0; i < source.topics.size(); ++i) {
    const auto& t = source.topics[i];
    TopicRecord record;
    record.title = cp(t.caption);
    record.level = t.level;
    record.recordId = nextId++;
    if (record.title.size() > 99) ctx.error(source.file, t.line, "caption longer than 99 characters");
    if (t.explicitPage) {
      record.page = t.explicitPage;
      const int type = assetType(t.explicitPage);
      if (type != kElementNodeAliasType && type != kElementNodeType && type != pageType)
        ctx.error(source.file, t.line,
                  "page " + std::to_string(t.explicitPage) + " is neither this route's nor an element's");
    } else {
      record.page = makeAssetId(pageType, sequence++);
    }
    // The topic page.
    const bool ownPage = assetType(record.page) == pageType;
    if (ownPage) {
      std::string path;
      for (size_t j = 0; j <= i; ++j) {
        const auto& a = source.topics[j];
        if (a.level < t.level && (j == 0 || true)) {
          bool ancestor = true;
          for (size_t k = j + 1; k < i; ++k)
            if (source.topics[k].level <= a.level) ancestor = false;
          if (ancestor) path += (path.empty() ? "" : " \xE2\x80\xBA ") + a.caption;
        }
      }
      std::string h = pageStart(t.caption, path.empty() ? std::string(utf8(routeName(route))) : path, colour);
      if (!t.picture.empty()) {
        if (!ctx.pictures.hasIllustration(t.picture))
          ctx.error(source.file, t.line, "unknown picture \"" + t.picture + "\"");
        else
          h += ctx.picture(t.picture, t.caption);
      }
      if (t.paragraphs.empty()) ctx.error(source.file, t.line, "topic \"" + t.caption + "\" has no text");
      for (const auto& p : t.paragraphs) h += paragraph(ctx.textMarkup(p, source.file, t.line));
      std::string children;
      for (size_t j = i + 1; j < source.topics.size() && source.topics[j].level > t.level; ++j)
        if (source.topics[j].level == t.level + 1)
          children += "<LI><FONT FACE=\"Arial Greek\" SIZE=2>" + html(source.topics[j].caption) + "</FONT>\n";
      if (!children.empty()) h += paragraph("Σε αυτή την ενότητα:") + "<UL>\n" + children + "</UL>\n";
      ctx.addPage(record.page, h + pageEnd(), source.file, t.line);
    }
    addWords(words, utf8Words(t.caption, 4), record.recordId, 0, route);
    addWords(words, t.words, record.recordId, 0, route);
    for (const auto& p : t.paragraphs) addWords(words, utf8Words(plainText(p), 7), record.recordId, 0, route);
    for (const auto& ref : t.resources) {
      auto it = titles.byReference.find(ref);
      if (it == titles.byReference.end()) {
        ctx.error(source.file, t.line, "unknown resource \"" + ref + "\"");
        continue;
      }
      built.associations.push_back({record.recordId, it->second});
      const int type = assetType(it->second);
      const auto& list = titles.byType.at(type == 76 || type == 77 ? 74 : type);
      const auto& title = list.at(static_cast<size_t>(assetNumber(it->second) - 1));
      addWords(words, utf8Words(title, 4), record.recordId, it->second, route);
    }
    built.topics.push_back(record);
    // Element nodes one level below.
    for (const auto& symbol : t.elementSymbols) {
      auto z = ctx.symbolToZ.find(symbol);
      if (z == ctx.symbolToZ.end()) {
        ctx.error(source.file, t.line, "unknown element symbol \"" + symbol + "\"");
        continue;
      }
      if (t.level >= kMaxTopicLevel) {
        ctx.error(source.file, t.line, "element nodes would lie deeper than level 4");
        break;
      }
      if (!elementsSeen.insert(z->second).second)
        ctx.error(source.file, t.line, "element " + symbol + " has a second node");
      TopicRecord element;
      element.title = cp(elementName(ctx, z->second));
      element.level = t.level + 1;
      element.recordId = nextId++;
      element.page = makeAssetId(kElementNodeType, z->second);
      built.topics.push_back(element);
      elementIndex.push_back({static_cast<uint8_t>(z->second), static_cast<uint32_t>(element.recordId)});
      addWords(words, {elementName(ctx, z->second), symbol}, element.recordId, 0, route);
    }
  }
  return built;
}

// Groups of inflected forms: words that share a stem once a Greek ending is taken off.
std::vector<Alternative> alternativeGroups(Context& ctx, const std::vector<std::string>& wordList) {
  std::vector<Alternative> out;
  int32_t group = 1;
  std::set<std::string> grouped;
  // Hand-made groups first.
  const auto path = (fs::path(ctx.sourceDir) / "catalogue" / "alternatives.txt").string();
  if (auto text = readWholeFile(path)) {
    size_t pos = 0;
    int line = 0;
    while (pos < text->size()) {
      auto end = text->find('\n', pos);
      if (end == std::string::npos) end = text->size();
      const auto row = trim(std::string_view(*text).substr(pos, end - pos));
      pos = end + 1;
      ++line;
      if (row.empty() || row[0] == '#') continue;
      const auto forms = splitList(row, ' ');
      for (const auto& f : forms) {
        const auto word = lowerCase(cp(f));
        if (word.size() > 25) ctx.error(path, line, "\"" + f + "\" is longer than 25 characters");
        out.push_back({group, word});
        grouped.insert(word);
      }
      ++group;
    }
  }
  static const std::vector<std::string> kEndings = [] {
    std::vector<std::string> e;
    for (const char* s : {"ιων", "ιου", "ια", "ιο", "ους", "ου", "ος", "ον", "οι", "ων", "ες", "ας", "ης",
                          "ή",   "ής",  "ές", "ός", "ού",  "ών", "ά",  "ό",  "α",  "ο",  "η",  "ε",  "ς"})
      e.push_back(cp(s));
    std::sort(e.begin(), e.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    return e;
  }();
  std::map<std::string, std::vector<std::string>> byStem;
  for (const auto& w : wordList) {
    if (grouped.count(w) || w.size() > 25) continue;
    for (const auto& e : kEndings)
      if (w.size() >= e.size() + 4 && w.ends_with(e)) {
        byStem[w.substr(0, w.size() - e.size())].push_back(w);
        break;
      }
  }
  for (const auto& [stem, forms] : byStem) {
    if (forms.size() < 2) continue;
    for (const auto& f : forms) out.push_back({group, f});
    ++group;
  }
  return out;
}

std::string glossaryFile(const std::string& term, const std::string& definition) {
  return cp(term) + "\r\n" + cp(term) + ": " + cp(definition) + "\r\n";
}

}  // namespace

std::vector<std::string> catalogueSourceFiles(const std::string& sourceDir) {
  std::vector<std::string> files;
  std::error_code ec;
  for (const char* dir : {"catalogue", "elements", "glossary", "pages", "molecules"}) {
    const auto root = fs::path(sourceDir) / dir;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
      if (it->is_regular_file()) files.push_back(fs::relative(it->path(), sourceDir).generic_string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::optional<std::vector<DiscFile>> compileCatalogue(const std::string& sourceDir, const PictureSet& pictures,
                                                      std::vector<Diagnostic>& diagnostics) {
  Context ctx(sourceDir, pictures, diagnostics);
  auto load = [&](const std::string& name, Records& into) {
    if (auto r = loadRecords(ctx, name)) into = std::move(*r);
  };
  load("elements.tsv", ctx.elements);
  load("daelem.tsv", ctx.daelem);
  load("dacomp.tsv", ctx.compounds);
  load("dacount.tsv", ctx.countries);
  load("damin.tsv", ctx.minerals);
  load("dasci.tsv", ctx.scientists);
  load("catalogue/photos.tsv", ctx.photos);
  load("catalogue/videos.tsv", ctx.videos);
  load("catalogue/molecules.tsv", ctx.molecules);
  load("glossary/glossary.tsv", ctx.glossary);
  if (!ctx.ok) return std::nullopt;
  for (size_t r = 0; r < ctx.elements.rows.size(); ++r)
    ctx.symbolToZ[ctx.elements.get(r, "symbol")] = static_cast<int>(r + 1);
  for (size_t r = 0; r < ctx.daelem.rows.size(); ++r)
    ctx.daelemRow.emplace(std::atoi(ctx.daelem.get(r, "atomicNumber").c_str()), r);
  loadElementTexts(ctx);

  Titles titles;
  elementPages(ctx);
  tablePages(ctx, titles);
  mediaPages(ctx, titles);

  std::vector<WordRecord> words;
  std::vector<ElementIndexEntry> elementIndex;
  std::set<int> elementsSeen;
  for (int route = 1; route <= kRouteCount; ++route) {
    const std::string name = "catalogue/" + std::string(routeStem(route)) + ".txt";
    const auto path = (fs::path(sourceDir) / name).string();
    auto text = readWholeFile(path);
    if (!text) {
      ctx.error(path, 0, "cannot read the source");
      continue;
    }
    const auto source = parseRouteSource(*text, path, diagnostics);
    auto built = buildRoute(ctx, route, source, titles, words, elementIndex, elementsSeen);
    if (built.topics.size() < 25) ctx.error(path, 0, "a route needs at least 25 topics");
    if (auto bytes = encodeTopics(built.topics)) ctx.files.emplace_back(std::string(routeStem(route)) + ".dat", *bytes);
    ctx.files.emplace_back(std::string(routeStem(route)) + ".ass", encodeAssociations(built.associations));
  }
  for (int z = 1; z <= static_cast<int>(ctx.elements.rows.size()); ++z)
    if (!elementsSeen.count(z))
      ctx.error("catalogue/elemcomp.txt", 0, "element " + elementSymbol(ctx, z) + " has no node");
  for (const auto& n : diagnostics)
    if (!n.warning) ctx.ok = false;

  // Title files.
  for (const auto& file : titleFiles()) {
    std::vector<std::string> list;
    for (const auto& [type, entries] : titles.byType)
      if (titleFileOf(type) == file)
        for (const auto& t : entries) list.push_back(cp(t));
    if (auto bytes = encodeTitles(list)) ctx.files.emplace_back(std::string(file), *bytes);
  }
  // Word files.
  if (auto bytes = encodeWords(words)) ctx.files.emplace_back("words.dat", *bytes);
  std::set<std::string> unique;
  for (const auto& w : words) unique.insert(w.word);
  const std::vector<std::string> wordList(unique.begin(), unique.end());
  if (auto bytes = encodeWordList(wordList)) ctx.files.emplace_back("words.ndx", *bytes);
  if (auto bytes = encodeAlternatives(alternativeGroups(ctx, wordList))) ctx.files.emplace_back("words.alt", *bytes);
  ctx.files.emplace_back("words.pr1", encodeFirstLetters(wordList));
  ctx.files.emplace_back("ptable.ndx", encodeElementIndex(elementIndex));

  // Glossary.
  std::set<std::string> defined;
  for (size_t r = 0; r < ctx.glossary.rows.size(); ++r) {
    const auto key = ctx.glossary.get(r, "key");
    defined.insert(key);
    ctx.files.emplace_back("glossary/" + key + ".htm",
                           glossaryFile(ctx.glossary.get(r, "term"), ctx.glossary.get(r, "definition")));
  }
  for (const auto& key : ctx.glossaryUsed)
    if (!defined.count(key)) ctx.error(ctx.glossary.file, 0, "glossary key \"" + key + "\" is used but not defined");

  // Pages, in CP1253.
  for (const auto& [page, text] : ctx.pages) {
    size_t bad = 0;
    auto bytes = codepage::fromUtf8(text, &bad);
    if (!bytes) {
      ctx.error("page " + std::to_string(page), 0,
                "character outside the Greek code page near \"" + text.substr(bad, 20) + "\"");
      continue;
    }
    ctx.files.emplace_back(pagePath(page), std::move(*bytes));
  }
  // Fixed pages (a.htm, help.htm, the web pages under web/), copied in the code page.
  const auto pagesRoot = fs::path(sourceDir) / "pages";
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(pagesRoot, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    if (!it->is_regular_file() || it->path().extension() != ".htm") continue;
    const auto path = it->path().string();
    auto text = readWholeFile(path);
    auto bytes = text ? codepage::fromUtf8(*text) : std::nullopt;
    if (!bytes)
      ctx.error(path, 0, "not Greek-code-page text");
    else
      ctx.files.emplace_back(fs::relative(it->path(), pagesRoot).generic_string(), std::move(*bytes));
  }
  for (const auto* fixed : {"a.htm", "help.htm", "web/site.htm", "web/support.htm", "web/products.htm"})
    if (!fs::is_regular_file(pagesRoot / fixed)) ctx.error((pagesRoot / fixed).string(), 0, "missing");

  // Pictures.
  ctx.files.emplace_back("images/mainmenu.bmp", pictures.mainMenu().toBmp());
  for (int region = 0; region < 9; ++region)
    ctx.files.emplace_back(std::string("images/") + menuRegions()[region].picture + ".bmp",
                           pictures.highlight(region).toBmp());
  for (const auto& name : ctx.picturesUsed) {
    if (!pictures.hasIllustration(name))
      ctx.error("", 0, "unknown picture \"" + name + "\"");
    else
      ctx.files.emplace_back("images/pics/" + name + ".bmp", pictures.illustration(name, 240, 180).toBmp());
  }
  for (const auto& name : ctx.photosUsed)
    if (pictures.hasIllustration(name))
      ctx.files.emplace_back("images/photos/" + name + ".bmp", pictures.illustration(name, 480, 360).toBmp());
  if (!ctx.ok) return std::nullopt;
  return std::move(ctx.files);
}

}  // namespace vantorel::data
