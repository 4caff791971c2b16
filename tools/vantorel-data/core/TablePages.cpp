#include "tools/vantorel-data/core/TablePages.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Avi.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/core/GreekText.h"
#include "tools/vantorel-data/core/PageHtml.h"

namespace vantorel::data {
namespace {

namespace fs = std::filesystem;

void addTitle(Context& ctx, Titles& titles, int type, const std::string& title, const std::string& key,
              const std::string& file) {
  auto& list = titles.byType[type];
  list.push_back(title);
  const std::string ref = std::string(titles.kindOfType(type)) + ":" + key;
  if (!titles.byReference.emplace(ref, makeAssetId(type, static_cast<int>(list.size()))).second)
    ctx.error(file, 0, "two resources are named \"" + ref + "\"");
  const auto bytes = codepage::fromUtf8(title);
  if (!bytes)
    ctx.error(file, 0, "title \"" + title + "\" has characters outside the Greek code page");
  else if (bytes->size() > 59)
    ctx.error(file, 0, "title \"" + title + "\" is longer than 59 characters");
  if (list.size() > 9999) ctx.error(file, 0, "more than 9999 titles of one kind");
}

// The category of the compounds table as the object of «Πρόκειται για ...».
const std::map<std::string, std::string>& compoundKinds() {
  static const std::map<std::string, std::string> kinds = {
      {"Άλας (ανόργανη ένωση)", "ανόργανο άλας"},
      {"Οξείδιο (ανόργανη ένωση)", "ανόργανο οξείδιο"},
      {"Οξύ (ανόργανη ένωση)", "ανόργανο οξύ"},
      {"Υδρίδιο (ανόργανη ένωση)", "ανόργανη ένωση του υδρογόνου (υδρίδιο)"},
      {"Βάση (ανόργανη ένωση)", "ανόργανη βάση"},
      {"Αλογονίδιο (ανόργανη ένωση)", "ανόργανο αλογονίδιο"},
      {"Καρβίδιο (ανόργανη ένωση)", "ανόργανο καρβίδιο"},
      {"Υπεροξείδιο (ανόργανη ένωση)", "ανόργανο υπεροξείδιο"},
      {"Καρβοξυλικό οξύ", "καρβοξυλικό οξύ"},
      {"Λιπαρό οξύ", "λιπαρό οξύ"},
      {"Αλκάνιο", "αλκάνιο (κορεσμένο υδρογονάνθρακα)"},
      {"Κυκλοαλκάνιο", "κυκλοαλκάνιο"},
      {"Αλκένιο", "αλκένιο (υδρογονάνθρακα με διπλό δεσμό)"},
      {"Αλκίνιο", "αλκίνιο (υδρογονάνθρακα με τριπλό δεσμό)"},
      {"Αλκοόλη", "αλκοόλη"},
      {"Αρωματική", "αρωματική ένωση"},
      {"Αλογονοπαράγωγο", "αλογονοπαράγωγο υδρογονάνθρακα"},
      {"Νιτροπαράγωγο", "νιτροπαράγωγο"},
      {"Υδατάνθρακας", "υδατάνθρακα"},
      {"Εστέρας", "εστέρα"},
      {"Αιθέρας", "αιθέρα"},
      {"Αλδεΰδη", "αλδεΰδη"},
      {"Κετόνη", "κετόνη"},
      {"Αμίνη", "αμίνη"},
      {"Αμίδιο", "αμίδιο"},
      {"Αμινοξύ", "αμινοξύ"},
      {"Φαινόλη", "φαινόλη"},
      {"Αλκαλοειδές", "αλκαλοειδές"},
      {"Στεροειδές", "στεροειδές"},
      {"Βιταμίνη", "βιταμίνη"},
      {"Φάρμακο", "φάρμακο"},
      {"Αντιβιοτικό", "αντιβιοτικό"},
      {"Χρωστική", "χρωστική ουσία"},
      {"Πολυμερές", "πολυμερές"},
      {"Λίπος", "λίπος (τριγλυκερίδιο)"},
      {"Θειούχο", "ένωση του θείου"},
      {"Στοιχείο (αλλοτροπική μορφή)", "αλλοτροπική μορφή χημικού στοιχείου"},
  };
  return kinds;
}

std::string compoundState(std::string_view state) {
  if (state == "Στερεό") return "στερεή";
  if (state == "Υγρό") return "υγρή";
  if (state == "Αέριο") return "αέρια";
  return {};
}

// «στην Ευρώπη», «στη Νότια Αμερική».
std::string continentPlace(std::string_view continent) {
  if (continent.empty()) return {};
  const auto first = codepage::fromUtf8Lossy(continent);
  const unsigned char c = codepage::toLower(static_cast<unsigned char>(first[0]));
  // «την» keeps its ν before a vowel and before κ, π, τ, ξ, ψ.
  static const std::string keepN = codepage::fromUtf8Lossy("αάεέηήιίοόυύωώκπτξψ");
  return std::string(keepN.find(static_cast<char>(c)) != std::string::npos ? "στην " : "στη ") + std::string(continent);
}

// «Ανήκει στα ανθρακικά ορυκτά», «Ανήκει στα οξείδια».
std::string mineralClassPlace(std::string_view mineralClass) {
  if (mineralClass.empty()) return {};
  const auto lower = lowerCased(mineralClass);
  const bool adjective = lower.ends_with("ικά") || lower.ends_with("ούχα");
  return "στα " + lower + (adjective ? " ορυκτά" : "");
}

// The drawing of a crystal system, by the Greek name the minerals table uses.
std::string crystalPicture(std::string_view system) {
  static const std::map<std::string, std::string, std::less<>> names = {
      {"Κυβικό", "crystal-cubic"},       {"Τετραγωνικό", "crystal-tetragonal"},   {"Εξαγωνικό", "crystal-hexagonal"},
      {"Τριγωνικό", "crystal-trigonal"}, {"Ορθορομβικό", "crystal-orthorhombic"}, {"Μονοκλινές", "crystal-monoclinic"},
      {"Τρικλινές", "crystal-triclinic"}};
  auto it = names.find(system);
  return it == names.end() ? std::string() : it->second;
}

}  // namespace

const char* Titles::kindOfType(int type) {
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

void tablePages(Context& ctx, Titles& titles) {
  for (size_t r = 0; r < ctx.compounds.rows.size(); ++r) {
    const auto name = ctx.compounds.get(r, "name");
    addTitle(ctx, titles, 2, name, name, ctx.compounds.file);
    std::string h = pageStart(name, "Χημική ένωση", 5);
    const auto category = ctx.compounds.get(r, "category");
    auto kind = compoundKinds().find(category);
    if (kind == compoundKinds().end()) {
      ctx.error(ctx.compounds.file, 0, "no sentence for the compound category \"" + category + "\"");
    } else {
      std::string s =
          "Πρόκειται για " + kind->second + " με χημικό τύπο " + valueMarkup(ctx.compounds.get(r, "formula")) + ".";
      const auto state = ctx.compounds.get(r, "state");
      if (const auto adjective = compoundState(state); !adjective.empty())
        s += " Σε θερμοκρασία δωματίου η ένωση είναι " + adjective + ".";
      h += paragraph(s);
    }
    h += dataTable({{"Χημικός τύπος", valueMarkup(ctx.compounds.get(r, "formula"))},
                    {"Κατηγορία", html(category)},
                    {"Σχετική μοριακή μάζα", html(ctx.compounds.get(r, "molarMass"))},
                    {"Σημείο τήξης (°C)", html(ctx.compounds.get(r, "meltingPoint"))},
                    {"Σημείο βρασμού (°C)", html(ctx.compounds.get(r, "boilingPoint"))},
                    {"Πυκνότητα (g/cm³)", html(ctx.compounds.get(r, "density"))},
                    {"Κατάσταση", html(ctx.compounds.get(r, "state"))},
                    {"Χρώμα", html(ctx.compounds.get(r, "colour"))},
                    {"Διαλυτότητα στο νερό", html(ctx.compounds.get(r, "solubility"))}});
    if (const auto uses = ctx.compounds.get(r, "uses"); !uses.empty())
      h += paragraph("<B>Χρήσεις:</B> " + html(uncapitalised(uses)) + ".");
    ctx.addPage(makeAssetId(2, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (size_t r = 0; r < ctx.countries.rows.size(); ++r) {
    const auto name = ctx.countries.get(r, "name");
    addTitle(ctx, titles, 4, name, name, ctx.countries.file);
    std::string h = pageStart(name, "Χώρα", 2);
    std::string s;
    if (const auto place = continentPlace(ctx.countries.get(r, "continent")); !place.empty())
      s += "Η χώρα βρίσκεται " + place + ".";
    const auto area = ctx.countries.get(r, "area"), people = ctx.countries.get(r, "population");
    if (!area.empty() && !people.empty())
      s += " Έχει έκταση " + html(area) + " km² και " + html(people) + " κατοίκους (εκτίμηση του 2018).";
    if (!s.empty()) h += paragraph(s);
    h += dataTable({{"Πρωτεύουσα", html(ctx.countries.get(r, "capital"))},
                    {"Ήπειρος", html(ctx.countries.get(r, "continent"))},
                    {"Έκταση (km²)", html(area)},
                    {"Πληθυσμός (2018)", html(people)},
                    {"Νόμισμα", html(ctx.countries.get(r, "currency"))}});
    ctx.addPage(makeAssetId(4, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (size_t r = 0; r < ctx.minerals.rows.size(); ++r) {
    const auto name = ctx.minerals.get(r, "name");
    addTitle(ctx, titles, 6, name, name, ctx.minerals.file);
    std::string h = pageStart(name, "Ορυκτό", 3);
    const auto system = ctx.minerals.get(r, "crystalSystem");
    if (const auto pic = crystalPicture(system); !pic.empty() && ctx.pictures.hasIllustration(pic))
      h += ctx.picture(pic, system + " κρυσταλλικό σύστημα");
    std::string s = "Το ορυκτό αυτό έχει χημικό τύπο " + valueMarkup(ctx.minerals.get(r, "formula"));
    if (const auto place = mineralClassPlace(ctx.minerals.get(r, "mineralClass")); !place.empty())
      s += " και ανήκει " + place;
    s += ".";
    if (system == "Άμορφο")
      s += " Είναι άμορφο: τα άτομά του δεν σχηματίζουν κρυσταλλικό πλέγμα.";
    else if (!system.empty())
      s += " Κρυσταλλώνεται στο " + lowerCased(system) + " σύστημα.";
    h += paragraph(s);
    h += dataTable({{"Κρυσταλλικό σύστημα", html(system)},
                    {"Σκληρότητα (Mohs)", html(ctx.minerals.get(r, "hardness"))},
                    {"Πυκνότητα (g/cm³)", html(ctx.minerals.get(r, "density"))},
                    {"Χρώμα", html(ctx.minerals.get(r, "colour"))},
                    {"Χρώμα γραμμής", html(ctx.minerals.get(r, "streak"))},
                    {"Λάμψη", html(ctx.minerals.get(r, "lustre"))},
                    {"Κύριο μέταλλο", html(ctx.minerals.get(r, "mainMetal"))},
                    {"Χρήσεις", html(ctx.minerals.get(r, "uses"))}});
    ctx.addPage(makeAssetId(6, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (size_t r = 0; r < ctx.scientists.rows.size(); ++r) {
    const auto name = ctx.scientists.get(r, "name");
    addTitle(ctx, titles, 8, name, name, ctx.scientists.file);
    std::string h = pageStart(name, ctx.scientists.get(r, "field"), 4);
    h += paragraph(html(ctx.scientists.get(r, "contribution")));
    h += dataTable({{"Γέννηση", html(ctx.scientists.get(r, "born"))},
                    {"Θάνατος", html(ctx.scientists.get(r, "died"))},
                    {"Χώρα", html(ctx.scientists.get(r, "country"))},
                    {"Γνωστό έργο", html(ctx.scientists.get(r, "knownFor"))},
                    {"Βραβείο Νόμπελ", html(ctx.scientists.get(r, "nobel"))}});
    ctx.addPage(makeAssetId(8, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (int z = 1; z <= static_cast<int>(ctx.elements.rows.size()); ++z) {
    const auto elementName = ctx.elements.get(static_cast<size_t>(z - 1), "name");
    const auto symbol = ctx.elements.get(static_cast<size_t>(z - 1), "symbol");
    addTitle(ctx, titles, 1, elementName, symbol, ctx.elements.file);
    // History texts share the numbering of the elements: types 74, 76 and 77 read the same record.
    auto& history = titles.byType[74];
    history.push_back(elementName + ": όνομα, ιστορία και πηγές");
    for (const char* kind : {"hist74", "hist76", "hist77"})
      titles.byReference[std::string(kind) + ":" + symbol] =
          makeAssetId(std::atoi(kind + 4), static_cast<int>(history.size()));
  }
}

void mediaPages(Context& ctx, Titles& titles) {
  for (size_t r = 0; r < ctx.photos.rows.size(); ++r) {
    const auto key = ctx.photos.get(r, "key"), title = ctx.photos.get(r, "title"), pic = ctx.photos.get(r, "picture");
    addTitle(ctx, titles, 11, title, key, ctx.photos.file);
    if (!ctx.pictures.hasIllustration(pic)) ctx.error(ctx.photos.file, 0, "unknown picture \"" + pic + "\"");
    ctx.photosUsed.insert(pic);
    // The page shows the title as the browser lists it, repaired where it fills its field.
    const auto shown = codepage::toUtf8(fixTitle(codepage::fromUtf8Lossy(title)));
    std::string h = pageStart(shown, "Εικόνα", 0);
    h += "<CENTER><IMG SRC=\"" + dataFolder("images/photos/" + pic + ".bmp") +
         "\" WIDTH=480 HEIGHT=360 BORDER=1></CENTER>\n";
    h += paragraph(ctx.textMarkup(ctx.photos.get(r, "text"), ctx.photos.file, 0));
    ctx.addPage(makeAssetId(11, static_cast<int>(r + 1)), h + pageEnd());
  }
  for (size_t r = 0; r < ctx.videos.rows.size(); ++r) {
    const auto key = ctx.videos.get(r, "key"), title = ctx.videos.get(r, "title"),
               anim = ctx.videos.get(r, "animation");
    addTitle(ctx, titles, 12, title, key, ctx.videos.file);
    if (!ctx.pictures.hasAnimation(anim)) {
      ctx.error(ctx.videos.file, 0, "unknown animation \"" + anim + "\"");
      continue;
    }
    std::vector<Canvas> frames;
    for (int f = 0; f < 24; ++f) frames.push_back(ctx.pictures.animationFrame(anim, f, 24));
    const std::string file = "video/" + key + ".avi";
    ctx.files.emplace_back(file, makeAvi(frames, 8));
    std::string h = pageStart(title, "Βίντεο", 0);
    h +=
        "<CENTER>\n<EMBED SRC=\"\x04" + std::string(kMarkerFiller) + file + "\" WIDTH=320 HEIGHT=258 AUTOPLAY=FALSE>\n";
    h += "<BR><A HREF=\"biga.htm\"><FONT FACE=\"Arial Greek\" SIZE=1>Μεγέθυνση</FONT></A>\n</CENTER>\n";
    h += paragraph(ctx.textMarkup(ctx.videos.get(r, "text"), ctx.videos.file, 0));
    ctx.addPage(makeAssetId(12, static_cast<int>(r + 1)), h + pageEnd());
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
        std::string("<TR><TD BGCOLOR=\"") + routeColour(7) +
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
        "<TD VALIGN=TOP>" + paragraph(ctx.textMarkup(ctx.molecules.get(r, "text"), ctx.molecules.file, 0)),
        "<P><A HREF=\"biga.htm\"><FONT FACE=\"Arial Greek\" SIZE=1>Μεγέθυνση του μορίου</FONT></A></P>",
        "</TD>",
        "</TR>",
        "</TABLE>",
    };
    std::string h;
    for (const auto& l : lines) h += l + (l.ends_with('\n') ? "" : "\n");
    ctx.addPage(makeAssetId(13, static_cast<int>(r + 1)), h + pageEnd());
  }
}

}  // namespace vantorel::data
