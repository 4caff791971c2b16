#include "tools/vantorel-data/core/CatalogueCompiler.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/CatalogueSource.h"
#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/core/Pictures.h"

namespace vantorel::data {
namespace {

namespace fs = std::filesystem;

std::string cp(std::string_view utf8) {
  return codepage::fromUtf8Lossy(utf8);
}
std::string utf8(std::string_view cp1253) {
  return codepage::toUtf8(cp1253);
}

// A reference table read by column name.
struct Records {
  std::string file;
  std::vector<std::string> keys;
  std::vector<std::vector<std::string>> rows;
  [[nodiscard]] int column(std::string_view key) const {
    for (size_t i = 0; i < keys.size(); ++i)
      if (keys[i] == key) return static_cast<int>(i);
    return -1;
  }
  [[nodiscard]] std::string get(size_t row, std::string_view key) const {
    const int c = column(key);
    if (c < 0 || row >= rows.size() || static_cast<size_t>(c) >= rows[row].size()) return {};
    return rows[row][c];
  }
};

std::string html(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
  }
  return out;
}

// Table values write subscripts as [2] and superscripts as {2}.
std::string valueMarkup(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '[' || c == '{') {
      const char close = c == '[' ? ']' : '}';
      const auto end = text.find(close, i);
      if (end != std::string_view::npos) {
        const char* tag = c == '[' ? "SUB" : "SUP";
        out += std::string("<") + tag + ">" + html(text.substr(i + 1, end - i - 1)) + "</" + tag + ">";
        i = end;
        continue;
      }
    }
    out += html(std::string_view(&text[i], 1));
  }
  return out;
}

struct Context {
  Context(std::string dir, std::vector<Diagnostic>& d) : sourceDir(std::move(dir)), diagnostics(d) {}
  std::string sourceDir;
  std::vector<Diagnostic>& diagnostics;
  Records elements, daelem, compounds, countries, minerals, scientists;
  Records photos, videos, molecules, glossary, notes;
  std::map<std::string, int> symbolToZ;
  std::map<int, size_t> daelemRow;  // atomic number → first row
  std::set<std::string> glossaryUsed;
  std::set<std::string> picturesUsed;
  std::map<int32_t, std::string> pages;  // page number → UTF-8 HTML
  std::vector<DiscFile> files;
  bool ok = true;

  void error(const std::string& file, int line, std::string message) {
    diagnostics.push_back({file, line, 1, std::move(message), false});
    ok = false;
  }
};

std::optional<Records> loadRecords(Context& ctx, const std::string& relative, bool required = true) {
  const auto path = (fs::path(ctx.sourceDir) / relative).string();
  auto text = readWholeFile(path);
  if (!text) {
    if (required) ctx.error(path, 0, "cannot read the source");
    return std::nullopt;
  }
  const auto table = parseSource(*text, path);
  Records r;
  r.file = path;
  for (const auto& cell : table.header) r.keys.push_back(cell.text.substr(0, cell.text.find(':')));
  for (const auto& row : table.rows) {
    std::vector<std::string> values;
    for (const auto& cell : row) values.push_back(cell.text);
    if (values.size() != r.keys.size())
      ctx.error(path, row.empty() ? 0 : row[0].line,
                "row has " + std::to_string(values.size()) + " fields, the header " + std::to_string(r.keys.size()));
    values.resize(r.keys.size());
    r.rows.push_back(std::move(values));
  }
  return r;
}

// ---------------------------------------------------------------- page text

constexpr const char* kRouteColours[] = {"#3A7AA0", "#C8642A", "#3C9660", "#8C6E32",
                                         "#3C6EBE", "#826040", "#A03C8C", "#288CA0"};

std::string dataFolder(std::string_view relative) {
  return std::string("\x05") + kMarkerFiller + std::string(relative);
}

std::string pageStart(std::string_view title, std::string_view subtitle, int colourIndex) {
  std::string h;
  h += "<HTML>\n<HEAD>\n<TITLE>" + html(title) + "</TITLE>\n</HEAD>\n";
  h += "<BODY BGCOLOR=\"#FFFDF4\" TEXT=\"#1A1A1A\" LINK=\"#0033AA\" ALINK=\"#FFFFFF\" LEFTMARGIN=12 TOPMARGIN=8>\n";
  h += "<TABLE WIDTH=\"100%\" BORDER=0 CELLPADDING=6 CELLSPACING=0>\n";
  h += std::string("<TR><TD BGCOLOR=\"") + kRouteColours[colourIndex % 8] +
       "\"><FONT FACE=\"Arial Greek\" SIZE=5 COLOR=\"#FFFFFF\"><B>" + html(title) + "</B></FONT>";
  if (!subtitle.empty()) h += "<BR><FONT FACE=\"Arial Greek\" SIZE=2 COLOR=\"#F0F0E0\">" + html(subtitle) + "</FONT>";
  h += "</TD></TR>\n</TABLE>\n";
  return h;
}

std::string pageEnd() {
  return "<HR SIZE=1 NOSHADE>\n<DIV ALIGN=right><FONT FACE=\"Arial Greek\" SIZE=1 COLOR=\"#808080\">\xC2\xA9 " +
         std::string(kCreditText) + "</FONT></DIV>\n</BODY>\n</HTML>\n";
}

std::string paragraph(std::string_view inner) {
  return "<P><FONT FACE=\"Arial Greek\" SIZE=2>" + std::string(inner) + "</FONT></P>\n";
}

std::string picture(Context& ctx, std::string_view name, std::string_view caption, bool right = true) {
  ctx.picturesUsed.insert(std::string(name));
  std::string h = "<TABLE ALIGN=" + std::string(right ? "RIGHT" : "CENTER") +
                  " BORDER=0 CELLPADDING=4 CELLSPACING=0><TR><TD ALIGN=CENTER><IMG SRC=\"" +
                  dataFolder("images/pics/" + std::string(name) + ".bmp") + "\" WIDTH=240 HEIGHT=180 BORDER=1 ALT=\"" +
                  html(caption) + "\"><BR>";
  h += "<FONT FACE=\"Arial Greek\" SIZE=1><I>" + html(caption) + "</I></FONT></TD></TR></TABLE>\n";
  return h;
}

// Author markup: [[key|text]] glossary links, H_2O subscripts, Na^+ superscripts, **bold**.
std::string textMarkup(Context& ctx, std::string_view text, const std::string& file, int line) {
  std::string out;
  bool bold = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (text.substr(i, 2) == "[[") {
      const auto bar = text.find('|', i);
      const auto end = text.find("]]", i);
      if (bar == std::string_view::npos || end == std::string_view::npos || bar > end) {
        ctx.error(file, line, "unclosed glossary link \"[[\"");
        return out;
      }
      const std::string key(text.substr(i + 2, bar - i - 2));
      const bool goodKey = key.size() == 8 && std::all_of(key.begin(), key.end(), [](char k) {
                             return (k >= 'a' && k <= 'z') || (k >= '0' && k <= '9');
                           });
      if (!goodKey) ctx.error(file, line, "glossary key \"" + key + "\" must be 8 lower-case letters or digits");
      ctx.glossaryUsed.insert(key);
      // The host turns "~G" + key + text + "~" + one character into a link to the glossary file.
      out += "~G" + key + html(text.substr(bar + 1, end - bar - 1)) + "~~";
      i = end + 1;
      continue;
    }
    if (text.substr(i, 2) == "**") {
      out += bold ? "</B>" : "<B>";
      bold = !bold;
      ++i;
      continue;
    }
    if ((c == '_' || c == '^') && i + 1 < text.size()) {
      size_t end = i + 1;
      while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '+' ||
                                   (c == '^' && text[end] == '-')))
        ++end;
      if (end > i + 1) {
        const char* tag = c == '_' ? "SUB" : "SUP";
        out += std::string("<") + tag + ">" + std::string(text.substr(i + 1, end - i - 1)) + "</" + tag + ">";
        i = end - 1;
        continue;
      }
    }
    out += html(std::string_view(&text[i], 1));
  }
  if (bold) out += "</B>";
  return out;
}

std::string plainText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == "[[") {
      const auto bar = text.find('|', i);
      if (bar != std::string_view::npos) {
        i = bar;
        continue;
      }
    }
    if (text.substr(i, 2) == "]]" || text.substr(i, 2) == "**") {
      ++i;
      continue;
    }
    out += text[i] == '_' || text[i] == '^' ? ' ' : text[i];
  }
  return out;
}

std::string dataTable(const std::vector<std::pair<std::string, std::string>>& rows) {
  std::string h = "<TABLE BORDER=1 CELLPADDING=3 CELLSPACING=0 BORDERCOLOR=\"#B0B0C0\">\n";
  bool shade = false;
  for (const auto& [name, value] : rows) {
    if (value.empty()) continue;
    h += std::string("<TR BGCOLOR=\"") + (shade ? "#EEF2F8" : "#FFFFFF") +
         "\"><TD><FONT FACE=\"Arial Greek\" SIZE=2><B>" + html(name) +
         "</B></FONT></TD><TD><FONT FACE=\"Arial Greek\" SIZE=2>" + value + "</FONT></TD></TR>\n";
    shade = !shade;
  }
  return h + "</TABLE>\n";
}

void addPage(Context& ctx, int32_t page, std::string body, const std::string& file = {}, int line = 0) {
  if (ctx.pages.count(page)) {
    ctx.error(file, line, "page " + std::to_string(page) + " is written twice");
    return;
  }
  ctx.pages.emplace(page, std::move(body));
}

// ---------------------------------------------------------------- resources

struct Titles {
  std::map<int, std::vector<std::string>> byType;  // UTF-8 titles, record n at index n-1
  std::map<std::string, int32_t> byReference;      // "kind:name" → asset id
};

const char* kindOfType(int type) {
  switch (type) {
    case 1: return "elem";
    case 2: return "comp";
    case 4: return "country";
    case 6: return "mineral";
    case 8: return "sci";
    case 11: return "photo";
    case 12: return "video";
    case 13: return "mol";
    default: return "";
  }
}

void addTitle(Context& ctx, Titles& titles, int type, const std::string& title, const std::string& key,
              const std::string& file) {
  auto& list = titles.byType[type];
  list.push_back(title);
  const std::string ref = std::string(kindOfType(type)) + ":" + key;
  if (!titles.byReference.emplace(ref, makeAssetId(type, static_cast<int>(list.size()))).second)
    ctx.error(file, 0, "two resources are named \"" + ref + "\"");
  const auto bytes = codepage::fromUtf8(title);
  if (!bytes)
    ctx.error(file, 0, "title \"" + title + "\" has characters outside the Greek code page");
  else if (bytes->size() > 59)
    ctx.error(file, 0, "title \"" + title + "\" is longer than 59 characters");
  if (list.size() > 9999) ctx.error(file, 0, "more than 9999 titles of one kind");
}

std::string elementName(const Context& ctx, int z) {
  return ctx.elements.get(static_cast<size_t>(z - 1), "name");
}
std::string elementSymbol(const Context& ctx, int z) {
  return ctx.elements.get(static_cast<size_t>(z - 1), "symbol");
}

std::string elemValue(const Context& ctx, int z, std::string_view key) {
  auto it = ctx.daelemRow.find(z);
  return it == ctx.daelemRow.end() ? std::string() : ctx.daelem.get(it->second, key);
}

bool formulaHasSymbol(std::string_view formula, std::string_view symbol) {
  size_t at = 0;
  while ((at = formula.find(symbol, at)) != std::string_view::npos) {
    const size_t after = at + symbol.size();
    if (after >= formula.size() || !std::islower(static_cast<unsigned char>(formula[after]))) return true;
    at = after;
  }
  return false;
}

std::string note(const Context& ctx, std::string_view symbol, std::string_view section) {
  for (size_t r = 0; r < ctx.notes.rows.size(); ++r)
    if (ctx.notes.get(r, "symbol") == symbol && ctx.notes.get(r, "section") == section) return ctx.notes.get(r, "text");
  return {};
}

// Year as stored in elements.tsv: negative before Christ, empty unknown.
std::string yearText(std::string_view year) {
  if (year.empty()) return {};
  const int y = std::atoi(std::string(year).c_str());
  return y < 0 ? std::to_string(-y) + " π.Χ." : std::to_string(y);
}

void elementPages(Context& ctx) {
  static const char* kSectionNames[] = {"Κύρια δεδομένα",
                                        "Δεδομένα εμφάνισης",
                                        "Ατομικά δεδομένα",
                                        "Προέλευση ονομασίας",
                                        "Ανακάλυψη",
                                        "Ιστορία",
                                        "Πηγές",
                                        "Χρήσεις",
                                        "Βιολογία",
                                        "Λογοτεχνία/φιλολογία"};
  for (size_t row = 0; row < ctx.elements.rows.size(); ++row) {
    const int z = static_cast<int>(row + 1);
    const std::string name = elementName(ctx, z), symbol = elementSymbol(ctx, z);
    const std::string category = elemValue(ctx, z, "category"), state = elemValue(ctx, z, "state");
    const std::string lowerState = utf8(lowerCase(cp(state)));
    const std::string atomImage = "images/atoms/" + std::to_string(1000 + z).substr(1) + ".bmp";
    auto head = [&](std::string_view sub) { return pageStart(name + " (" + symbol + ")", sub, 5); };
    auto sectionLinks = [&] {
      std::string h = "<P><FONT FACE=\"Arial Greek\" SIZE=1>";
      for (int i = 0; i < kElementSectionCount; ++i) {
        if (i) h += " | ";
        h += kSectionNames[i];
      }
      return h + "</FONT></P>\n";
    };
    const std::string year = yearText(ctx.elements.get(row, "discoveryYear"));
    const std::string who = elemValue(ctx, z, "discoveredBy");

    // Element node (type 44): the overview a student sees first.
    {
      std::string h = head(category);
      h += "<TABLE ALIGN=RIGHT BORDER=0 CELLPADDING=4><TR><TD ALIGN=CENTER><IMG SRC=\"" + dataFolder(atomImage) +
           "\" WIDTH=200 HEIGHT=200 BORDER=1><BR><FONT FACE=\"Arial Greek\" SIZE=1><I>Τα ηλεκτρόνια του ατόμου σε "
           "στιβάδες</I></FONT></TD></TR></TABLE>\n";
      std::string intro = "Το στοιχείο <B>" + html(name) + "</B> έχει σύμβολο <B>" + html(symbol) +
                          "</B> και ατομικό αριθμό " + std::to_string(z) + ": ο πυρήνας του ατόμου του έχει " +
                          std::to_string(z) + " πρωτόνια και γύρω του κινούνται " + std::to_string(z) + " ηλεκτρόνια.";
      if (!category.empty()) intro += " Ανήκει στην κατηγορία: " + html(utf8(lowerCase(cp(category)))) + ".";
      if (!lowerState.empty()) intro += " Σε θερμοκρασία δωματίου είναι " + html(lowerState) + ".";
      h += paragraph(intro);
      h += paragraph("Διαλέξτε από τη λίστα κάτω από το δέντρο μία από τις δέκα ενότητες για το στοιχείο:");
      h += sectionLinks();
      addPage(ctx, makeAssetId(kElementNodeType, z), h + pageEnd());
    }
    // Element page (type 1): the data card listed as a resource.
    {
      std::string h = head("Καρτέλα στοιχείου");
      h +=
          dataTable({{"Σύμβολο", html(symbol)},
                     {"Ατομικός αριθμός", std::to_string(z)},
                     {"Σχετική ατομική μάζα", valueMarkup(elemValue(ctx, z, "atomicMass"))},
                     {"Κατηγορία", html(category)},
                     {"Ηλεκτρονιακή δομή", valueMarkup(elemValue(ctx, z, "electronConfiguration"))},
                     {"Αριθμοί οξείδωσης", html(elemValue(ctx, z, "oxidationStates"))},
                     {"Ανακάλυψη", html(year.empty() ? std::string() : year + (who.empty() ? "" : " (" + who + ")"))}});
      addPage(ctx, makeAssetId(1, z), h + pageEnd());
    }
    std::vector<std::string> bodies(kElementSectionCount);
    bodies[0] = dataTable({{"Σύμβολο", html(symbol)},
                           {"Ατομικός αριθμός", std::to_string(z)},
                           {"Σχετική ατομική μάζα", valueMarkup(elemValue(ctx, z, "atomicMass"))},
                           {"Κατηγορία", html(category)},
                           {"Ομάδα", html(elemValue(ctx, z, "group"))},
                           {"Περίοδος", html(elemValue(ctx, z, "period"))},
                           {"Τομέας", html(elemValue(ctx, z, "block"))},
                           {"Κατάσταση (25 \xC2\xB0"
                            "C)",
                            html(state)},
                           {"Σημείο τήξης (\xC2\xB0"
                            "C)",
                            html(elemValue(ctx, z, "meltingPoint"))},
                           {"Σημείο βρασμού (\xC2\xB0"
                            "C)",
                            html(elemValue(ctx, z, "boilingPoint"))},
                           {"Πυκνότητα (g/cm<SUP>3</SUP>)", html(elemValue(ctx, z, "density"))}});
    {
      std::string h;
      if (!lowerState.empty())
        h += paragraph("Σε θερμοκρασία δωματίου το στοιχείο " + html(name) + " είναι " + html(lowerState) + ".");
      const std::string colour = elemValue(ctx, z, "colourCode");
      std::vector<std::pair<std::string, std::string>> rows{
          {"Κατάσταση", html(state)},
          {"Πυκνότητα (g/cm<SUP>3</SUP>)", html(elemValue(ctx, z, "density"))},
          {"Σκληρότητα (κλίμακα Mohs)", html(elemValue(ctx, z, "mohsHardness"))},
          {"Γραμμομοριακός όγκος (cm<SUP>3</SUP>/mol)", html(elemValue(ctx, z, "molarVolume"))}};
      if (colour.size() == 6 && std::all_of(colour.begin(), colour.end(),
                                            [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        rows.push_back({"Χρώμα στους πίνακες", "<TABLE BORDER=1 CELLPADDING=0 CELLSPACING=0><TR><TD BGCOLOR=\"#" +
                                                   colour + "\" WIDTH=40>&nbsp;</TD></TR></TABLE>"});
      bodies[1] = h + dataTable(rows);
    }
    bodies[2] = "<IMG SRC=\"" + dataFolder(atomImage) + "\" ALIGN=RIGHT WIDTH=200 HEIGHT=200 BORDER=1>\n" +
                dataTable({{"Ηλεκτρονιακή δομή", valueMarkup(elemValue(ctx, z, "electronConfiguration"))},
                           {"Ηλεκτρόνια ανά στιβάδα", html(elemValue(ctx, z, "shells"))},
                           {"Πρωτόνια", html(elemValue(ctx, z, "protons"))},
                           {"Νετρόνια (κύριο ισότοπο)", html(elemValue(ctx, z, "neutrons"))},
                           {"Ηλεκτρόνια", html(elemValue(ctx, z, "electrons"))},
                           {"Μαζικός αριθμός", html(elemValue(ctx, z, "massNumber"))},
                           {"Ατομική ακτίνα (pm)", html(elemValue(ctx, z, "atomicRadius"))},
                           {"Ηλεκτραρνητικότητα (Pauling)", html(elemValue(ctx, z, "electronegativity"))},
                           {"1η ενέργεια ιοντισμού (kJ/mol)", html(elemValue(ctx, z, "ionisation1"))},
                           {"Φυσικά ισότοπα", html(elemValue(ctx, z, "naturalIsotopes"))}});
    {
      std::string text = note(ctx, symbol, "74");
      bodies[3] = text.empty() ? paragraph("Η ελληνική ονομασία του στοιχείου είναι «" + html(name) +
                                           "». Το διεθνές του σύμβολο, <B>" + html(symbol) +
                                           "</B>, είναι το ίδιο σε όλες τις γλώσσες και σχηματίζεται από το λατινικό ή "
                                           "το διεθνές όνομα του στοιχείου.")
                               : paragraph(textMarkup(ctx, text, ctx.notes.file, 0));
    }
    {
      std::string text;
      const int y = std::atoi(ctx.elements.get(row, "discoveryYear").c_str());
      if (year.empty())
        text = "Το " + html(name) + " είναι γνωστό από την αρχαιότητα· δεν ξέρουμε ποιος το αναγνώρισε πρώτος.";
      else if (y < 0)
        text = "Το " + html(name) + " το χρησιμοποιούσαν οι άνθρωποι ήδη γύρω στο " + html(year) + ".";
      else
        text = "Το " + html(name) + " αναγνωρίστηκε ως στοιχείο το " + html(year) +
               (who.empty() ? "." : " από: " + html(who) + ".");
      bodies[4] = paragraph(text);
    }
    {
      std::string text = note(ctx, symbol, "76");
      std::string h = text.empty() ? std::string() : paragraph(textMarkup(ctx, text, ctx.notes.file, 0));
      std::string people;
      for (size_t r = 0; r < ctx.scientists.rows.size(); ++r) {
        const auto known = ctx.scientists.get(r, "knownFor");
        if (known.find(name) != std::string::npos)
          people +=
              "<LI>" + html(ctx.scientists.get(r, "name")) + ": " + html(ctx.scientists.get(r, "contribution")) + "\n";
      }
      if (!people.empty()) h += paragraph("Επιστήμονες που συνδέονται με το στοιχείο:") + "<UL>\n" + people + "</UL>\n";
      if (h.empty())
        h = paragraph(year.empty() ? "Το " + html(name) + " ανήκει στα στοιχεία που γνώριζαν οι αρχαίοι πολιτισμοί."
                                   : "Η ιστορία του " + html(name) + " ως χημικού στοιχείου αρχίζει το " + html(year) +
                                         ", όταν αναγνωρίστηκε ότι δεν διασπάται σε απλούστερες ουσίες.");
      bodies[5] = h;
    }
    {
      std::string minerals;
      for (size_t r = 0; r < ctx.minerals.rows.size(); ++r)
        if (formulaHasSymbol(ctx.minerals.get(r, "formula"), symbol))
          minerals +=
              "<LI>" + html(ctx.minerals.get(r, "name")) + " (" + valueMarkup(ctx.minerals.get(r, "formula")) + ")\n";
      std::string h;
      if (!minerals.empty())
        h += paragraph("Ορυκτά που περιέχουν " + html(name) + ":") + "<UL>\n" + minerals + "</UL>\n";
      h += dataTable({{"Αφθονία στον Ήλιο (log, H = 12)", html(elemValue(ctx, z, "abundanceSun"))},
                      {"Αφθονία στους μετεωρίτες (log)", html(elemValue(ctx, z, "abundanceMeteorites"))},
                      {"Παγκόσμια παραγωγή (τόνοι/έτος)", html(elemValue(ctx, z, "worldProduction"))}});
      if (minerals.empty())
        h = paragraph("Κανένα από τα ορυκτά αυτού του δίσκου δεν περιέχει " + html(name) + " στον χημικό του τύπο.") +
            h;
      bodies[6] = h;
    }
    {
      std::string text = note(ctx, symbol, "78");
      std::string h = text.empty() ? std::string() : paragraph(textMarkup(ctx, text, ctx.notes.file, 0));
      std::string uses;
      int count = 0;
      for (size_t r = 0; r < ctx.compounds.rows.size() && count < 6; ++r) {
        const auto u = ctx.compounds.get(r, "uses");
        if (!u.empty() && formulaHasSymbol(ctx.compounds.get(r, "formula"), symbol)) {
          uses += "<LI><B>" + html(ctx.compounds.get(r, "name")) + "</B> (" +
                  valueMarkup(ctx.compounds.get(r, "formula")) + "): " + html(u) + "\n";
          ++count;
        }
      }
      if (!uses.empty()) h += paragraph("Ενώσεις του στοιχείου και οι χρήσεις τους:") + "<UL>\n" + uses + "</UL>\n";
      if (h.empty())
        h = paragraph("Το " + html(name) +
                      " παράγεται σε πολύ μικρές ποσότητες και χρησιμοποιείται κυρίως στην επιστημονική έρευνα.");
      bodies[7] = h;
    }
    {
      const std::string body = elemValue(ctx, z, "abundanceHumanBody"), intake = elemValue(ctx, z, "dailyIntake");
      std::string h;
      if (!body.empty())
        h += paragraph("Ένας ενήλικας 70 kg περιέχει περίπου " + html(body) + " g " + html(name) + ".");
      if (!intake.empty()) h += paragraph("Με την τροφή προσλαμβάνουμε περίπου " + html(intake) + " mg την ημέρα.");
      if (h.empty())
        h = paragraph("Η ποσότητα του στοιχείου " + html(name) +
                      " στο ανθρώπινο σώμα είναι ελάχιστη ή δεν έχει μετρηθεί.");
      bodies[8] = h;
    }
    {
      std::string text = note(ctx, symbol, "80");
      const int y = std::atoi(ctx.elements.get(row, "discoveryYear").c_str());
      if (!text.empty())
        bodies[9] = paragraph(textMarkup(ctx, text, ctx.notes.file, 0));
      else if (y > 1700)
        bodies[9] = paragraph("Το " + html(name) + " έγινε γνωστό το " + html(year) +
                              "· γι' αυτό δεν το συναντάμε στην αρχαία ούτε στη μεσαιωνική γραμματεία.");
      else
        bodies[9] = paragraph("Το όνομα «" + html(name) +
                              "» το συναντάμε σε κείμενα για την τέχνη και την τεχνική των μετάλλων και των υλικών.");
    }
    for (int i = 0; i < kElementSectionCount; ++i)
      addPage(ctx, makeAssetId(kFirstElementSectionType + i, z),
              head(kSectionNames[i]) + bodies[i] + sectionLinks() + pageEnd());
    ctx.files.emplace_back(atomImage, drawAtom(z, cp(symbol)).toBmp());
  }
}

void tablePages(Context& ctx, Titles& titles) {
  for (size_t r = 0; r < ctx.compounds.rows.size(); ++r) {
    const auto name = ctx.compounds.get(r, "name");
    addTitle(ctx, titles, 2, name, name, ctx.compounds.file);
    std::string h = pageStart(name, "Χημική ένωση", 5);
    h += dataTable({{"Χημικός τύπος", valueMarkup(ctx.compounds.get(r, "formula"))},
                    {"Κατηγορία", html(ctx.compounds.get(r, "category"))},
                    {"Σχετική μοριακή μάζα", html(ctx.compounds.get(r, "molarMass"))},
                    {"Σημείο τήξης (\xC2\xB0"
                     "C)",
                     html(ctx.compounds.get(r, "meltingPoint"))},
                    {"Σημείο βρασμού (\xC2\xB0"
                     "C)",
                     html(ctx.compounds.get(r, "boilingPoint"))},
                    {"Πυκνότητα", html(ctx.compounds.get(r, "density"))},
                    {"Κατάσταση", html(ctx.compounds.get(r, "state"))},
                    {"Χρώμα", html(ctx.compounds.get(r, "colour"))},
                    {"Διαλυτότητα στο νερό", html(ctx.compounds.get(r, "solubility"))}});
    if (const auto uses = ctx.compounds.get(r, "uses"); !uses.empty()) h += paragraph("<B>Χρήσεις:</B> " + html(uses));
    addPage(ctx, makeAssetId(2, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (size_t r = 0; r < ctx.countries.rows.size(); ++r) {
    const auto name = ctx.countries.get(r, "name");
    addTitle(ctx, titles, 4, name, name, ctx.countries.file);
    std::string h = pageStart(name, "Χώρα", 2);
    h += paragraph("Η χώρα " + html(name) + " βρίσκεται στην ήπειρο: " + html(ctx.countries.get(r, "continent")) + ".");
    h += dataTable({{"Πρωτεύουσα", html(ctx.countries.get(r, "capital"))},
                    {"Έκταση (km<SUP>2</SUP>)", html(ctx.countries.get(r, "area"))},
                    {"Πληθυσμός (2018)", html(ctx.countries.get(r, "population"))},
                    {"Νόμισμα", html(ctx.countries.get(r, "currency"))}});
    addPage(ctx, makeAssetId(4, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (size_t r = 0; r < ctx.minerals.rows.size(); ++r) {
    const auto name = ctx.minerals.get(r, "name");
    addTitle(ctx, titles, 6, name, name, ctx.minerals.file);
    std::string h = pageStart(name, "Ορυκτό", 3);
    h += picture(ctx, "lattice", "Κρυσταλλικό πλέγμα");
    h += paragraph("Το ορυκτό " + html(name) + " έχει χημικό τύπο " + valueMarkup(ctx.minerals.get(r, "formula")) +
                   " και ανήκει στην ομάδα: " + html(ctx.minerals.get(r, "mineralClass")) + ".");
    h += dataTable({{"Κρυσταλλικό σύστημα", html(ctx.minerals.get(r, "crystalSystem"))},
                    {"Σκληρότητα (Mohs)", html(ctx.minerals.get(r, "hardness"))},
                    {"Πυκνότητα (g/cm<SUP>3</SUP>)", html(ctx.minerals.get(r, "density"))},
                    {"Χρώμα", html(ctx.minerals.get(r, "colour"))},
                    {"Χρώμα γραμμής", html(ctx.minerals.get(r, "streak"))},
                    {"Λάμψη", html(ctx.minerals.get(r, "lustre"))},
                    {"Κύριο μέταλλο", html(ctx.minerals.get(r, "mainMetal"))},
                    {"Χρήσεις", html(ctx.minerals.get(r, "uses"))}});
    addPage(ctx, makeAssetId(6, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (size_t r = 0; r < ctx.scientists.rows.size(); ++r) {
    const auto name = ctx.scientists.get(r, "name");
    addTitle(ctx, titles, 8, name, name, ctx.scientists.file);
    std::string h = pageStart(name, ctx.scientists.get(r, "field"), 4);
    h += paragraph(html(ctx.scientists.get(r, "contribution")));
    h += dataTable({{"Γέννηση", html(ctx.scientists.get(r, "born"))},
                    {"Θάνατος", html(ctx.scientists.get(r, "died"))},
                    {"Χώρα", html(ctx.scientists.get(r, "country"))},
                    {"Γνωστός για", html(ctx.scientists.get(r, "knownFor"))},
                    {"Βραβείο Νόμπελ", html(ctx.scientists.get(r, "nobel"))}});
    addPage(ctx, makeAssetId(8, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (int z = 1; z <= static_cast<int>(ctx.elements.rows.size()); ++z) {
    addTitle(ctx, titles, 1, elementName(ctx, z), elementSymbol(ctx, z), ctx.elements.file);
    // History texts share the numbering of the elements: types 74, 76 and 77 read the same record.
    auto& history = titles.byType[74];
    history.push_back(elementName(ctx, z) + ": όνομα, ιστορία και πηγές");
    for (const char* kind : {"hist74", "hist76", "hist77"})
      titles.byReference[std::string(kind) + ":" + elementSymbol(ctx, z)] =
          makeAssetId(std::atoi(kind + 4), static_cast<int>(history.size()));
  }
}

void mediaPages(Context& ctx, Titles& titles) {
  for (size_t r = 0; r < ctx.photos.rows.size(); ++r) {
    const auto key = ctx.photos.get(r, "key"), title = ctx.photos.get(r, "title"), pic = ctx.photos.get(r, "picture");
    addTitle(ctx, titles, 11, title, key, ctx.photos.file);
    if (drawIllustration(pic, 1, 1).width() == 0) ctx.error(ctx.photos.file, 0, "unknown picture \"" + pic + "\"");
    ctx.picturesUsed.insert(pic);
    std::string h = pageStart(title, "Εικόνα", 0);
    h += "<CENTER><IMG SRC=\"" + dataFolder("images/pics/" + pic + ".bmp") +
         "\" WIDTH=480 HEIGHT=360 BORDER=1></CENTER>\n";
    h += paragraph(textMarkup(ctx, ctx.photos.get(r, "text"), ctx.photos.file, 0));
    addPage(ctx, makeAssetId(11, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (size_t r = 0; r < ctx.videos.rows.size(); ++r) {
    const auto key = ctx.videos.get(r, "key"), title = ctx.videos.get(r, "title"),
               anim = ctx.videos.get(r, "animation");
    addTitle(ctx, titles, 12, title, key, ctx.videos.file);
    if (std::find(animationNames().begin(), animationNames().end(), anim) == animationNames().end()) {
      ctx.error(ctx.videos.file, 0, "unknown animation \"" + anim + "\"");
      continue;
    }
    std::vector<Canvas> frames;
    for (int f = 0; f < 24; ++f) frames.push_back(drawAnimationFrame(anim, f, 24));
    const std::string file = "video/" + key + ".avi";
    ctx.files.emplace_back(file, makeAvi(frames, 8));
    std::string h = pageStart(title, "Βίντεο", 0);
    h +=
        "<CENTER>\n<EMBED SRC=\"\x04" + std::string(kMarkerFiller) + file + "\" WIDTH=320 HEIGHT=258 AUTOPLAY=FALSE>\n";
    h += "<BR><A HREF=\"biga.htm\"><FONT FACE=\"Arial Greek\" SIZE=1>Μεγέθυνση</FONT></A>\n</CENTER>\n";
    h += paragraph(textMarkup(ctx, ctx.videos.get(r, "text"), ctx.videos.file, 0));
    addPage(ctx, makeAssetId(12, static_cast<int>(r + 1)), h + pageEnd());
  }
  static const std::string kKestrin = "5DD60FDF-A6CE-4FB3-A386-F16D1B28E636";
  static const std::string kLegacyController = "F03DD530-6488-4E7C-8FDE-55F938463309";
  for (size_t r = 0; r < ctx.molecules.rows.size(); ++r) {
    const auto key = ctx.molecules.get(r, "key"), title = ctx.molecules.get(r, "title");
    addTitle(ctx, titles, 13, title, key, ctx.molecules.file);
    const auto molPath = (fs::path(ctx.sourceDir) / "molecules" / (key + ".mol")).string();
    auto mol = readWholeFile(molPath);
    if (!mol) {
      ctx.error(molPath, 0, "molecule file missing");
      continue;
    }
    const std::string file = "mol/" + key + ".mol";
    ctx.files.emplace_back(file, *mol);
    const bool legacy = ctx.molecules.get(r, "legacy") == "1";
    // The enlarged view copies line 1, then lines 13-15 and what follows up to the "</TD>" line:
    // keep the viewer on line 13 and its spin parameter on line 15.
    std::vector<std::string> lines = {
        "<HTML>",
        "<HEAD>",
        "<TITLE>" + html(title) + "</TITLE>",
        "</HEAD>",
        "<BODY BGCOLOR=\"#FFFDF4\" TEXT=\"#1A1A1A\" LINK=\"#0033AA\" ALINK=\"#FFFFFF\" LEFTMARGIN=12 TOPMARGIN=8>",
        "<TABLE WIDTH=\"100%\" BORDER=0 CELLPADDING=6 CELLSPACING=0>",
        std::string("<TR><TD BGCOLOR=\"") + kRouteColours[7] +
            "\"><FONT FACE=\"Arial Greek\" SIZE=5 COLOR=\"#FFFFFF\"><B>" + html(title) +
            "</B></FONT><BR><FONT FACE=\"Arial Greek\" SIZE=2 COLOR=\"#F0F0E0\">Μοριακό πρότυπο: " +
            valueMarkup(ctx.molecules.get(r, "formula")) + "</FONT></TD></TR>",
        "</TABLE>",
        "<TABLE BORDER=0 CELLPADDING=0 CELLSPACING=6>",
        "<TR>",
        "<TD VALIGN=TOP WIDTH=60><OBJECT CLASSID=\"clsid:" + (legacy ? kLegacyController : kKestrin) +
            "\" WIDTH=58 HEIGHT=262></OBJECT></TD>",
        "<TD VALIGN=TOP WIDTH=340>",
        "<EMBED SRC=\"\x03" + std::string(kMarkerFiller) + file + "\" WIDTH=340 HEIGHT=290",
        "TYPE=\"chemical/x-mdl-molfile\" DISPLAY3D=BALLSTICK",
        "STARTSPIN=true SPINSPEED=2",
        "BGCOLOR=\"#000000\">",
        "</TD>",
        "<TD VALIGN=TOP>" + paragraph(textMarkup(ctx, ctx.molecules.get(r, "text"), ctx.molecules.file, 0)),
        "<P><A HREF=\"biga.htm\"><FONT FACE=\"Arial Greek\" SIZE=1>Μεγέθυνση του μορίου</FONT></A></P>",
        "</TD>",
        "</TR>",
        "</TABLE>",
    };
    std::string h;
    for (const auto& l : lines) h += l + (l.ends_with('\n') ? "" : "\n");
    addPage(ctx, makeAssetId(13, static_cast<int>(r + 1)), h + pageEnd());
  }
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
    std::string h = pageStart(source.startTitle, std::string(utf8(routeName(route))), colour);
    if (!source.startPicture.empty()) h += picture(ctx, source.startPicture, source.startTitle);
    for (const auto& p : source.startParagraphs) h += paragraph(textMarkup(ctx, p, source.file, 0));
    std::string list = "<UL>\n";
    for (const auto& t : source.topics)
      if (t.level == 0) list += "<LI><FONT FACE=\"Arial Greek\" SIZE=2>" + html(t.caption) + "</FONT>\n";
    h += paragraph("Οι ενότητες του θέματος:") + list + "</UL>\n";
    addPage(ctx, routeStartPage(route), h + pageEnd(), source.file);
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
        if (drawIllustration(t.picture, 1, 1).width() == 0)
          ctx.error(source.file, t.line, "unknown picture \"" + t.picture + "\"");
        else
          h += picture(ctx, t.picture, t.caption);
      }
      if (t.paragraphs.empty()) ctx.error(source.file, t.line, "topic \"" + t.caption + "\" has no text");
      for (const auto& p : t.paragraphs) h += paragraph(textMarkup(ctx, p, source.file, t.line));
      std::string children;
      for (size_t j = i + 1; j < source.topics.size() && source.topics[j].level > t.level; ++j)
        if (source.topics[j].level == t.level + 1)
          children += "<LI><FONT FACE=\"Arial Greek\" SIZE=2>" + html(source.topics[j].caption) + "</FONT>\n";
      if (!children.empty()) h += paragraph("Σε αυτή την ενότητα:") + "<UL>\n" + children + "</UL>\n";
      addPage(ctx, record.page, h + pageEnd(), source.file, t.line);
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
  for (const char* dir : {"catalogue", "glossary", "pages", "molecules"}) {
    const auto root = fs::path(sourceDir) / dir;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
      if (it->is_regular_file()) files.push_back(fs::relative(it->path(), sourceDir).generic_string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::optional<std::vector<DiscFile>> compileCatalogue(const std::string& sourceDir,
                                                      std::vector<Diagnostic>& diagnostics) {
  Context ctx(sourceDir, diagnostics);
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
  load("catalogue/element-notes.tsv", ctx.notes);
  load("glossary/glossary.tsv", ctx.glossary);
  if (!ctx.ok) return std::nullopt;
  for (size_t r = 0; r < ctx.elements.rows.size(); ++r)
    ctx.symbolToZ[ctx.elements.get(r, "symbol")] = static_cast<int>(r + 1);
  for (size_t r = 0; r < ctx.daelem.rows.size(); ++r)
    ctx.daelemRow.emplace(std::atoi(ctx.daelem.get(r, "atomicNumber").c_str()), r);

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
  for (const char* fixed : {"a.htm", "help.htm"}) {
    const auto path = (fs::path(sourceDir) / "pages" / fixed).string();
    auto text = readWholeFile(path);
    auto bytes = text ? codepage::fromUtf8(*text) : std::nullopt;
    if (!bytes)
      ctx.error(path, 0, "missing, or not Greek-code-page text");
    else
      ctx.files.emplace_back(fixed, std::move(*bytes));
  }

  // Pictures.
  ctx.files.emplace_back("images/mainmenu.bmp", drawMainMenu().toBmp());
  for (int region = 0; region < 9; ++region)
    ctx.files.emplace_back(std::string("images/") + menuRegions()[region].picture + ".bmp",
                           drawHighlight(region).toBmp());
  for (const auto& name : ctx.picturesUsed) {
    auto canvas = drawIllustration(name);
    if (canvas.width() == 0)
      ctx.error("", 0, "unknown picture \"" + name + "\"");
    else
      ctx.files.emplace_back("images/pics/" + name + ".bmp", canvas.toBmp());
  }
  if (!ctx.ok) return std::nullopt;
  return std::move(ctx.files);
}

}  // namespace vantorel::data
