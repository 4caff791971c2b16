#include "tools/vantorel-data/core/ElementPages.h"

#include <algorithm>
#include <cstdlib>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/CatalogueSource.h"
#include "tools/vantorel-data/core/GreekText.h"
#include "tools/vantorel-data/core/PageHtml.h"

namespace vantorel::data {
namespace {

constexpr const char* kSectionNames[kElementSectionCount] = {"Κύρια δεδομένα",
                                                             "Δεδομένα εμφάνισης",
                                                             "Ατομικά δεδομένα",
                                                             "Προέλευση ονομασίας",
                                                             "Ανακάλυψη",
                                                             "Ιστορία",
                                                             "Πηγές",
                                                             "Χρήσεις",
                                                             "Βιολογία",
                                                             "Λογοτεχνία/φιλολογία"};
enum Section { Main, Appearance, Atomic, Origin, Discovery, History, Sources, Uses, Biology, Literature };

// Elements that were made before they were found (or never found) in nature.
bool madeByPeople(int z) {
  return z == 43 || z == 61 || z == 85 || z >= 93;
}
// Elements of which not even traces occur in nature (neptunium and plutonium do, in uranium ores).
bool neverInNature(int z) {
  return z >= 95;
}
// Elements never gathered in a weighable amount: their bulk properties are predictions.
bool onlyPredicted(int z) {
  return z >= 100;
}

// How the category of the elements table reads inside a sentence.
std::string categoryPhrase(std::string_view category) {
  if (category == "Αλκάλιο") return "ανήκει στα αλκάλια";
  if (category == "Αλκαλική γαία") return "ανήκει στις αλκαλικές γαίες";
  if (category == "Στοιχείο μεταπτώσεως") return "είναι στοιχείο μεταπτώσεως";
  if (category == "Άλλο μέταλλο") return "είναι μέταλλο";
  if (category == "Μεταλλοειδές") return "είναι μεταλλοειδές (ημιμέταλλο)";
  if (category == "Αμέταλλο") return "είναι αμέταλλο";
  if (category == "Ευγενές αέριο") return "ανήκει στα ευγενή αέρια";
  if (category == "Λανθανίδα") return "ανήκει στις λανθανίδες";
  if (category == "Ακτινίδα") return "ανήκει στις ακτινίδες";
  return {};
}

// "Στερεό" → the adjective that agrees with the name: "στερεός", "υγρή", "αέριο".
std::string statePhrase(std::string_view state, Gender gender) {
  if (state == "Στερεό") return agree("στερεός", gender);
  if (state == "Υγρό") return agree("υγρός", gender);
  if (state == "Αέριο") return agree("αέριος", gender);
  return {};
}

// Paragraphs of an author's text (one per line of the section).
std::string authorText(Context& ctx, const ElementText& text, std::string_view section) {
  std::string h;
  const auto body = text.section(section);
  size_t start = 0;
  while (start < body.size()) {
    auto end = body.find('\n', start);
    if (end == std::string::npos) end = body.size();
    h += paragraph(ctx.textMarkup(std::string_view(body).substr(start, end - start), text.file, 0));
    start = end + 1;
  }
  return h;
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

// Whether a comma-separated list of Greek words names the element ("Οξυγόνο, χλώριο").
bool namesElement(std::string_view list, const GreekName& name) {
  const auto lower = lowerCased(list);
  size_t start = 0;
  while (start <= lower.size()) {
    auto end = lower.find(',', start);
    if (end == std::string::npos) end = lower.size();
    std::string item = lower.substr(start, end - start);
    item.erase(0, item.find_first_not_of(' '));
    item.erase(item.find_last_not_of(' ') + 1);
    if (item == name.nominative) return true;
    start = end + 1;
  }
  return false;
}

// The signed year of elements.tsv (negative before Christ); nothing when unknown.
std::optional<int> discoveryYear(const Context& ctx, int z) {
  const auto text = ctx.elements.get(static_cast<size_t>(z - 1), "discoveryYear");
  if (text.empty()) return std::nullopt;
  return std::atoi(text.c_str());
}

std::string yearText(int year) {
  return year < 0 ? std::to_string(-year) + " π.Χ." : std::to_string(year);
}

struct ElementFacts {
  int z = 0;
  std::string heading;  // "Σίδηρος (Fe)"
  std::string symbol;
  const ElementText* text = nullptr;
  std::string category, state;
  std::optional<int> year;
  std::string discoverers;
  [[nodiscard]] const GreekName& name() const { return text->name; }
  // "Ο σίδηρος", "Το οξυγόνο": the name opening a sentence.
  [[nodiscard]] std::string subject() const { return capitalised(withArticle(name(), Case::Nominative)); }
};

// The sentence about the discovery, true for the kind of element it is.
std::string discoverySentence(const ElementFacts& e) {
  if (!e.year) return {};
  const auto& n = e.name();
  if (*e.year < 0)
    return e.subject() + " είναι " + agree("γνωστός", n.gender) + " από την αρχαιότητα· οι άνθρωποι " +
           std::string(objectPronoun(n.gender)) + " χρησιμοποιούσαν ήδη γύρω στο " + yearText(*e.year) +
           (*e.year < 0 ? "" : ".");  // "π.Χ." ends the sentence with its own point
  if (madeByPeople(e.z)) return e.subject() + " παρασκευάστηκε για πρώτη φορά το " + yearText(*e.year) + ".";
  return e.subject() + " αναγνωρίστηκε ως χημικό στοιχείο το " + yearText(*e.year) + ".";
}

std::string overview(const ElementFacts& e) {
  const auto& n = e.name();
  std::string s = e.subject() + " (σύμβολο <B>" + html(e.symbol) + "</B>) έχει ατομικό αριθμό " + std::to_string(e.z);
  const auto category = categoryPhrase(e.category);
  s += (category.empty() ? "" : " και " + category) + ". ";
  if (e.z == 1)
    s += "Ο πυρήνας του ατόμου του έχει ένα πρωτόνιο και γύρω του κινείται ένα ηλεκτρόνιο.";
  else
    s += "Ο πυρήνας του ατόμου του έχει " + std::to_string(e.z) + " πρωτόνια και γύρω του κινούνται " +
         std::to_string(e.z) + " ηλεκτρόνια.";
  const auto state = statePhrase(e.state, n.gender);
  if (!state.empty()) {
    if (onlyPredicted(e.z))
      s += " Δεν έχει παρασκευαστεί ποτέ σε ποσότητα που να φαίνεται· οι υπολογισμοί προβλέπουν ότι σε θερμοκρασία "
           "δωματίου θα ήταν " +
           state + ".";
    else
      s += " Σε θερμοκρασία δωματίου είναι " + state + ".";
  }
  return s;
}

// The ten section names, the current one in bold. Plain grey text: the sections are opened from
// the list under the tree, not from the page.
std::string sectionBar(int current) {
  std::string h = current < 0 ? "<P><FONT FACE=\"Arial Greek\" SIZE=2>Οι δέκα ενότητες του στοιχείου βρίσκονται στη "
                                "λίστα κάτω από το δέντρο: "
                              : "<P><FONT FACE=\"Arial Greek\" SIZE=1 COLOR=\"#707070\">Οι ενότητες του στοιχείου "
                                "(στη λίστα κάτω από το δέντρο): ";
  for (int i = 0; i < kElementSectionCount; ++i) {
    if (i) h += " \xC2\xB7 ";
    h += i == current ? std::string("<B>") + kSectionNames[i] + "</B>" : std::string(kSectionNames[i]);
  }
  return h + "</FONT></P>\n";
}

}  // namespace

const char* elementSectionName(int section) {
  return section >= 0 && section < kElementSectionCount ? kSectionNames[section] : "";
}

void elementPages(Context& ctx) {
  for (size_t row = 0; row < ctx.elements.rows.size(); ++row) {
    const int z = static_cast<int>(row + 1);
    auto textIt = ctx.elementTexts.find(z);
    if (textIt == ctx.elementTexts.end()) continue;  // reported when the files were read
    ElementFacts e;
    e.z = z;
    e.text = &textIt->second;
    e.symbol = ctx.elements.get(row, "symbol");
    e.heading = ctx.elements.get(row, "name") + " (" + e.symbol + ")";
    e.category = elemValue(ctx, z, "category");
    e.state = elemValue(ctx, z, "state");
    e.year = discoveryYear(ctx, z);
    e.discoverers = elemValue(ctx, z, "discoveredBy");
    const auto& n = e.name();
    const std::string atomImage = "images/atoms/" + std::to_string(1000 + z).substr(1) + ".bmp";
    const std::string atomPicture =
        "<TABLE ALIGN=RIGHT BORDER=0 CELLPADDING=4><TR><TD ALIGN=CENTER><IMG SRC=\"" + dataFolder(atomImage) +
        "\" WIDTH=200 HEIGHT=200 BORDER=1><BR><FONT FACE=\"Arial Greek\" SIZE=1><I>Τα ηλεκτρόνια του ατόμου σε "
        "στιβάδες</I></FONT></TD></TR></TABLE>\n";
    const bool ancient = e.year && *e.year < 0;
    const std::string discoveredBy = ancient ? std::string() : e.discoverers;
    const std::string byLabel = madeByPeople(z) ? "Παρασκευάστηκε από" : "Ανακαλύφθηκε από";

    // Element node (type 44): the overview a student sees first.
    {
      std::string h = pageStart(e.heading, e.category, 5) + atomPicture + paragraph(overview(e));
      h += sectionBar(-1);
      ctx.addPage(makeAssetId(kElementNodeType, z), h + pageEnd());
    }
    // Element page (type 1): the data card listed as a resource.
    {
      std::string h = pageStart(e.heading, "Καρτέλα στοιχείου", 5);
      h += dataTable({{"Σύμβολο", html(e.symbol)},
                      {"Ατομικός αριθμός", std::to_string(z)},
                      {"Σχετική ατομική μάζα", valueMarkup(elemValue(ctx, z, "atomicMass"))},
                      {"Κατηγορία", html(e.category)},
                      {"Ηλεκτρονιακή δομή", valueMarkup(elemValue(ctx, z, "electronConfiguration"))},
                      {"Αριθμοί οξείδωσης", html(elemValue(ctx, z, "oxidationStates"))},
                      {"Έτος ανακάλυψης", e.year ? yearText(*e.year) : std::string()},
                      {byLabel, html(discoveredBy)}});
      ctx.addPage(makeAssetId(1, z), h + pageEnd());
    }

    std::vector<std::string> bodies(kElementSectionCount);
    bodies[Main] = dataTable({{"Σύμβολο", html(e.symbol)},
                              {"Ατομικός αριθμός", std::to_string(z)},
                              {"Σχετική ατομική μάζα", valueMarkup(elemValue(ctx, z, "atomicMass"))},
                              {"Κατηγορία", html(e.category)},
                              {"Ομάδα", html(elemValue(ctx, z, "group"))},
                              {"Περίοδος", html(elemValue(ctx, z, "period"))},
                              {"Τομέας", html(elemValue(ctx, z, "block"))},
                              {"Κατάσταση (25 °C)", html(e.state)},
                              {"Σημείο τήξης (°C)", html(elemValue(ctx, z, "meltingPoint"))},
                              {"Σημείο βρασμού (°C)", html(elemValue(ctx, z, "boilingPoint"))},
                              {"Πυκνότητα (g/cm³)", html(elemValue(ctx, z, "density"))}});
    {
      std::string h;
      if (const auto state = statePhrase(e.state, n.gender); !state.empty())
        h += paragraph(onlyPredicted(z)
                           ? "Σύμφωνα με τις προβλέψεις, σε θερμοκρασία δωματίου " + withArticle(n, Case::Nominative) +
                                 " θα ήταν " + state + "."
                           : "Σε θερμοκρασία δωματίου " + withArticle(n, Case::Nominative) + " είναι " + state + ".");
      const std::string colour = elemValue(ctx, z, "colourCode");
      std::vector<std::pair<std::string, std::string>> rows{
          {"Κατάσταση", html(e.state)},
          {"Πυκνότητα (g/cm³)", html(elemValue(ctx, z, "density"))},
          {"Σκληρότητα (κλίμακα Mohs)", html(elemValue(ctx, z, "mohsHardness"))},
          {"Γραμμομοριακός όγκος (cm³/mol)", html(elemValue(ctx, z, "molarVolume"))}};
      if (colour.size() == 6 && std::all_of(colour.begin(), colour.end(),
                                            [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        rows.push_back({"Χρώμα στους πίνακες", "<TABLE BORDER=1 CELLPADDING=0 CELLSPACING=0><TR><TD BGCOLOR=\"#" +
                                                   colour + "\" WIDTH=40>&nbsp;</TD></TR></TABLE>"});
      bodies[Appearance] = h + dataTable(rows);
    }
    bodies[Atomic] = "<IMG SRC=\"" + dataFolder(atomImage) + "\" ALIGN=RIGHT WIDTH=200 HEIGHT=200 BORDER=1>\n" +
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
      std::string h = authorText(ctx, *e.text, "origin");
      if (h.empty())
        h = paragraph("Στα ελληνικά το στοιχείο λέγεται «" + html(n.nominative) + "». Το χημικό του σύμβολο, <B>" +
                      html(e.symbol) + "</B>, είναι το ίδιο σε όλες τις γλώσσες.");
      bodies[Origin] = h;
    }
    {
      std::string h = paragraph(discoverySentence(e));
      if (e.year || !discoveredBy.empty())
        h += dataTable({{madeByPeople(z) ? "Έτος πρώτης παρασκευής" : "Έτος ανακάλυψης ή αναγνώρισης",
                         e.year ? yearText(*e.year) : std::string()},
                        {byLabel, html(discoveredBy)}});
      bodies[Discovery] = h;
    }
    {
      std::string h = authorText(ctx, *e.text, "history");
      std::vector<std::string> people;
      for (size_t r = 0; r < ctx.scientists.rows.size(); ++r)
        if (namesElement(ctx.scientists.get(r, "knownFor"), n))
          people.push_back("<B>" + html(ctx.scientists.get(r, "name")) +
                           "</B>: " + html(ctx.scientists.get(r, "contribution")));
      if (!people.empty()) h += paragraph("Επιστήμονες που συνδέονται με το στοιχείο:") + bulletList(people);
      if (h.empty()) h = paragraph(discoverySentence(e));
      bodies[History] = h;
    }
    {
      std::string h = authorText(ctx, *e.text, "occurrence");
      // Minerals named for the element first, then the others that hold it; oxygen and silicon
      // are in most of them, and a list of all would teach nothing.
      std::vector<std::string> named, containing;
      for (size_t r = 0; r < ctx.minerals.rows.size(); ++r) {
        if (!formulaHasSymbol(ctx.minerals.get(r, "formula"), e.symbol)) continue;
        const auto item = html(ctx.minerals.get(r, "name")) + " (" + valueMarkup(ctx.minerals.get(r, "formula")) + ")";
        (lowerCased(ctx.minerals.get(r, "mainMetal")) == n.nominative ? named : containing).push_back(item);
      }
      if (named.size() + containing.size() <= 10) named.insert(named.end(), containing.begin(), containing.end());
      if (!named.empty())
        h += paragraph("Ορυκτά του δίσκου που περιέχουν " + html(n.accusative) + ":") + bulletList(named);
      h += dataTable({{"Αφθονία στον Ήλιο (log, H = 12)", html(elemValue(ctx, z, "abundanceSun"))},
                      {"Αφθονία στους μετεωρίτες (log, H = 12)", html(elemValue(ctx, z, "abundanceMeteorites"))},
                      {"Παγκόσμια παραγωγή (τόνοι/έτος)", html(elemValue(ctx, z, "worldProduction"))}});
      if (h.empty())
        h = paragraph("Ο δίσκος δεν έχει πληροφορίες για το πού βρίσκεται " + withArticle(n, Case::Nominative) +
                      " στη φύση.");
      bodies[Sources] = h;
    }
    {
      std::string h = authorText(ctx, *e.text, "uses");
      std::vector<std::string> uses;
      for (size_t r = 0; r < ctx.compounds.rows.size() && uses.size() < 6; ++r) {
        const auto u = ctx.compounds.get(r, "uses");
        if (!u.empty() && formulaHasSymbol(ctx.compounds.get(r, "formula"), e.symbol))
          uses.push_back("<B>" + html(ctx.compounds.get(r, "name")) + "</B> (" +
                         valueMarkup(ctx.compounds.get(r, "formula")) + "): " + html(uncapitalised(u)));
      }
      if (!uses.empty())
        h += paragraph("Ενώσεις " + html(withArticle(n, Case::Genitive)) + " στον δίσκο και οι χρήσεις τους:") +
             bulletList(uses);
      if (h.empty()) h = paragraph("Ο δίσκος δεν έχει πληροφορίες για χρήσεις " + withArticle(n, Case::Genitive) + ".");
      bodies[Uses] = h;
    }
    {
      const std::string body = elemValue(ctx, z, "abundanceHumanBody"), intake = elemValue(ctx, z, "dailyIntake");
      std::string h;
      if (!body.empty())
        h += paragraph("Το σώμα ενός ενήλικα 70 kg περιέχει περίπου " + html(body) + " g " + html(n.genitive) + ".");
      if (!intake.empty())
        h += paragraph("Με την τροφή προσλαμβάνουμε κάθε μέρα περίπου " + html(intake) + " mg " + html(n.genitive) +
                       ".");
      if (h.empty() && neverInNature(z))
        h = paragraph(e.subject() +
                      " δεν υπάρχει στη φύση, άρα ούτε στον οργανισμό μας, και δεν έχει κανέναν "
                      "βιολογικό ρόλο.");
      else if (h.empty())
        h = paragraph("Ο δίσκος δεν έχει μετρήσεις για την ποσότητα " + withArticle(n, Case::Genitive) +
                      " στο ανθρώπινο σώμα.");
      bodies[Biology] = h;
    }
    {
      std::string h = authorText(ctx, *e.text, "literature");
      h += paragraph("Η κλίση του ονόματος στον ενικό: " + withArticle(n, Case::Nominative) + ", " +
                     withArticle(n, Case::Genitive) + ", " + withArticle(n, Case::Accusative) + ".");
      bodies[Literature] = h;
    }
    for (int i = 0; i < kElementSectionCount; ++i)
      ctx.addPage(makeAssetId(kFirstElementSectionType + i, z),
                  pageStart(e.heading, kSectionNames[i], 5) + bodies[i] + sectionBar(i) + pageEnd());
    std::vector<int> shells;
    for (const auto& count : splitList(elemValue(ctx, z, "shells"))) shells.push_back(std::atoi(count.c_str()));
    ctx.files.emplace_back(atomImage, ctx.pictures.atom(e.symbol, shells).toBmp());
  }
}

}  // namespace vantorel::data
