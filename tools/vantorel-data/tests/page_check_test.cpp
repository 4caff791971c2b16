// The checks of what a reader meets: page text, the forms of element names, the lengths of
// topics and definitions, and the resource lists; each rule on a seeded fault and on the disc.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/CatalogueChecker.h"
#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/core/PageChecks.h"
#include "tools/vantorel-data/tests/SampleDisc.h"

using namespace vantorel::data;
using namespace vantorel::data::testing;
namespace fs = std::filesystem;

namespace {

const GreekName kIron{"σίδηρος", "σιδήρου", "σίδηρο", Gender::Masculine};
const GreekName kCobalt{"κοβάλτιο", "κοβαλτίου", "κοβάλτιο", Gender::Neuter};
const GreekName kHelium{"ήλιο", "ηλίου", "ήλιο", Gender::Neuter};

std::string joined(const std::vector<std::string>& faults) {
  std::string all;
  for (const auto& f : faults) all += f + "\n";
  return all;
}

std::string cp(std::string_view utf8) {
  return vantorel::codepage::fromUtf8Lossy(utf8);
}

void write(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool hasFault(const std::vector<Fault>& faults, std::string_view file, std::string_view text) {
  for (const auto& f : faults)
    if (f.file == file && formatFault(f).find(text) != std::string::npos) return true;
  return false;
}

}  // namespace

TEST(PageText, EscapedMarkupDoubledStopsAndLatinPersonsAreFound) {
  EXPECT_NE(joined(pageTextFaults("<P>Πυκνότητα (g/cm&lt;SUP&gt;3&lt;/SUP&gt;)</P>")).find("markup shown as text"),
            std::string::npos);
  EXPECT_NE(joined(pageTextFaults("<P>Μάζα&amp;nbsp;</P>")).find("entity shown as text"), std::string::npos);
  EXPECT_NE(joined(pageTextFaults("<P>Γνωστό γύρω στο 3000 π.Χ..</P>")).find("π.Χ.."), std::string::npos);
  EXPECT_NE(joined(pageTextFaults("<P>Το ανακάλυψε ο Henry Cavendish το 1766.</P>")).find("Henry Cavendish"),
            std::string::npos);
  // What is right stays quiet: a comparison sign, an ellipsis, a term with a name, a formula.
  EXPECT_EQ(joined(pageTextFaults("<P>Αν x &lt; 3 και … ή ... τότε ακτίνα van der Waals, NaCl, H<SUB>2</SUB>O, "
                                  "κλίμακα Mohs, νόμος του Boyle.</P>")),
            "");
  // Latin names outside Greek text (a table of symbols) are not sentences.
  EXPECT_EQ(joined(pageTextFaults("<TD>Henry Cavendish</TD>")), "");
}

TEST(PageText, ArticlesAndCasesOfElementNames) {
  const std::vector<GreekName> names{kIron, kCobalt, kHelium};
  auto faults = [&](std::string_view text) { return joined(nameFormFaults(text, names)); };
  EXPECT_NE(faults("Το σίδηρος είναι στερεό.").find("\"Το σίδηρος\""), std::string::npos);
  EXPECT_NE(faults("Η ιστορία του κοβάλτιο αρχίζει.").find("\"του κοβάλτιο\""), std::string::npos);
  EXPECT_NE(faults("Ο κοβάλτιο είναι μέταλλο.").find("disagree"), std::string::npos);
  EXPECT_NE(faults("Το σώμα περιέχει 4,2 g σίδηρος.").find("genitive \"σιδήρου\""), std::string::npos);
  EXPECT_NE(faults("Το σώμα περιέχει 1.000 τόνοι κοβάλτιο.").find("genitive"), std::string::npos);
  EXPECT_NE(faults("Το στοιχείο Σίδηρος έχει σύμβολο Fe.").find("lower case"), std::string::npos);
  // Right Greek: every case with its article, a quantity with the genitive, proper names with
  // capitals (the Sun, the Iron Age), a name opening a sentence.
  EXPECT_EQ(faults("Ο σίδηρος, του σιδήρου, τον σίδηρο, στον σίδηρο. Το κοβάλτιο, του κοβαλτίου, στο κοβάλτιο. "
                   "Περιέχει 4,2 g σιδήρου. Η Εποχή του Σιδήρου. Από τον Ήλιο πήρε το όνομα το ήλιο. "
                   "Σίδηρος βρίσκεται παντού. Στοιχείο: Σίδηρος"),
            "");
}

TEST(PageText, TopicAndDefinitionLengthsCountWordsOfTheText) {
  EXPECT_EQ(wordCount("Το mol είναι 6,022·10^23 σωματίδια."), 5u);  // numbers alone are not words
  const std::string page =
      "<HTML><HEAD><TITLE>Καύση μεθανίου</TITLE></HEAD><BODY><TABLE><TR><TD>Καύση μεθανίου</TD></TR></TABLE>"
      "<P><FONT>Το μεθάνιο καίγεται με το οξυγόνο.</FONT></P>"
      "<P><FONT>Σε αυτή την ενότητα:</FONT></P><UL><LI>Πρώτο<LI>Δεύτερο</UL></BODY></HTML>";
  EXPECT_EQ(topicWordCount(page), 6u);
}

TEST(SampleCatalogue, ReaderChecksPassOnTheDiscAndCatchEachSeededFault) {
  const auto& disc = sampleDisc();
  const auto names = elementNames(dataDir());
  ASSERT_GE(names.size(), 118u);
  for (const auto& f : checkCatalogue(disc, names)) ADD_FAILURE() << formatFault(f);

  TempFolder broken("vantorel-reader-faults");
  fs::copy(disc, broken.dir, fs::copy_options::recursive);
  const auto path = [&](const std::string& name) { return broken.dir + "/" + name; };
  // Generated pages: a wrong article, a nominative after a quantity, markup shown as text.
  auto biology = *readWholeFile(path(pagePath(790026)));
  const auto at = biology.find(cp("g σιδήρου"));
  ASSERT_NE(at, std::string::npos);
  biology.replace(at, cp("g σιδήρου").size(), cp("g σίδηρος. Το σίδηρος &lt;SUP&gt;"));
  write(path(pagePath(790026)), biology);
  // A topic page of a few words and a definition of a few words.
  const auto topics = readTopics(*readWholeFile(path("react.dat")));
  int32_t parent = 0, leaf = 0, topicPage = 0;
  for (size_t i = 0; i + 1 < topics.size(); ++i) {
    if (!parent && topics[i + 1].level > topics[i].level) parent = topics[i].recordId;
    if (!leaf && topics[i + 1].level <= topics[i].level && assetType(topics[i].page) == routePageType(1)) {
      leaf = topics[i].recordId;
      topicPage = topics[i].page;
    }
  }
  ASSERT_TRUE(parent && leaf);
  write(path(pagePath(topicPage)), cp("<HTML><BODY><P>Λίγες λέξεις μόνο.</P></BODY></HTML>"));
  write(path("glossary/catalyst.htm"), cp("καταλύτης\r\nκαταλύτης: ουσία που επιταχύνει.\r\n"));
  // Lists: a resource under a node with subtopics, a word leading to it, a word leading to a
  // resource its node does not list, and two rows with one title under the leaf.
  auto ass = *readWholeFile(path("react.ass"));
  ass += encodeAssociations({{parent, 10026}, {leaf, 740026}, {leaf, 760026}});
  write(path("react.ass"), ass);
  auto words = *readWholeFile(path("words.dat"));
  words += *encodeWords({{cp("σίδηρος"), parent, 10026, 1}, {cp("σίδηρος"), leaf, 20001, 1}});
  write(path("words.dat"), words);

  const auto faults = checkCatalogue(broken.dir, names);
  const auto biologyFile = pagePath(790026);
  EXPECT_TRUE(hasFault(faults, biologyFile, "after a quantity"));
  EXPECT_TRUE(hasFault(faults, biologyFile, "\"Το σίδηρος\""));
  EXPECT_TRUE(hasFault(faults, biologyFile, "markup shown as text"));
  EXPECT_TRUE(hasFault(faults, pagePath(topicPage), "a topic needs 60 or more"));
  EXPECT_TRUE(hasFault(faults, "glossary/catalyst.htm", "needs 20 or more"));
  EXPECT_TRUE(hasFault(faults, "react.ass", "has subtopics, so its list is never shown"));
  EXPECT_TRUE(hasFault(faults, "react.ass", "twice"));
  EXPECT_TRUE(hasFault(faults, "words.dat", "which has subtopics and shows no list"));
  EXPECT_TRUE(hasFault(faults, "words.dat", "does not list"));
}
