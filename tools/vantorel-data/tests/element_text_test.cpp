// The element files (forms of the name and texts) and the small grammar the templates use.
#include <gtest/gtest.h>

#include "tools/vantorel-data/core/ElementText.h"
#include "tools/vantorel-data/core/GreekText.h"

using namespace vantorel::data;

namespace {

std::optional<ElementText> parse(std::string_view text, std::vector<Diagnostic>& d) {
  return parseElementText(text, "026-Fe.txt", d);
}

std::string messages(const std::vector<Diagnostic>& d) {
  std::string all;
  for (const auto& x : d) all += formatDiagnostic(x) + "\n";
  return all;
}

}  // namespace

TEST(ElementText, ReadsFormsAndSectionsAsParagraphs) {
  std::vector<Diagnostic> d;
  const auto text = parse(
      "\xEF\xBB\xBFsymbol: Fe\nname: σίδηρος\ngender: m\ngenitive: σιδήρου\naccusative: σίδηρο\n"
      "# a note for the author\n[origin]\nΑπό το λατινικό\nferrum.\n\nΔεύτερη παράγραφος.\n[uses]\nΧάλυβας.\n",
      d);
  ASSERT_TRUE(text) << messages(d);
  EXPECT_EQ(text->symbol, "Fe");
  EXPECT_EQ(text->name.genitive, "σιδήρου");
  EXPECT_EQ(text->name.gender, Gender::Masculine);
  EXPECT_EQ(text->section("origin"), "Από το λατινικό ferrum.\nΔεύτερη παράγραφος.");
  EXPECT_EQ(text->section("uses"), "Χάλυβας.");
  EXPECT_EQ(text->section("history"), "");  // missing: no text, nothing in its place
}

TEST(ElementText, ReportsEachFaultWithItsLine) {
  struct Case {
    std::string text, expect;
  };
  const std::string header = "symbol: Fe\nname: σίδηρος\ngender: m\ngenitive: σιδήρου\naccusative: σίδηρο\n";
  const Case cases[] = {
      {"symbol: Fe\nname: σίδηρος\ngender: m\naccusative: σίδηρο\n", "field \"genitive\" is missing"},
      {header + "[story]\nκείμενο\n", "026-Fe.txt:6:1: error: unknown section [story]"},
      {header + "[uses]\nα\n[uses]\nβ\n", "026-Fe.txt:8:1: error: section [uses] appears twice"},
      {header + "[uses]\n", "section [uses] has no text"},
      {"symbol: Fe\nname: Σίδηρος\ngender: m\ngenitive: σιδήρου\naccusative: σίδηρο\n",
       "must be written in lower case"},
      {"symbol: Fe\nname: σίδηρος\ngender: x\ngenitive: σιδήρου\naccusative: σίδηρο\n", "gender must be m, f or n"},
      {header + "colour: γκρι\n", "026-Fe.txt:6:1: error: unknown field \"colour\""},
      {"κείμενο χωρίς ενότητα\n" + header, "026-Fe.txt:1:1: error: text outside a section"},
      {header + "[uses]\nΤιμή 5 €ŝ\n", "026-Fe.txt:7:1: error: characters outside the Greek code page"},
  };
  for (const auto& c : cases) {
    std::vector<Diagnostic> d;
    EXPECT_FALSE(parse(c.text, d)) << c.expect;
    EXPECT_NE(messages(d).find(c.expect), std::string::npos) << messages(d);
  }
}

TEST(ElementText, AFileThatIsNoElementFileStopsAfterTwentyFaults) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "γραμμή χωρίς ενότητα\n";
  std::vector<Diagnostic> d;
  EXPECT_FALSE(parse(text, d));
  EXPECT_EQ(d.size(), 21u);
  EXPECT_NE(d.back().message.find("too many faults"), std::string::npos);
}

TEST(GreekText, ArticlesCasesAndAgreement) {
  const GreekName iron{"σίδηρος", "σιδήρου", "σίδηρο", Gender::Masculine};
  const GreekName oxygen{"οξυγόνο", "οξυγόνου", "οξυγόνο", Gender::Neuter};
  const GreekName salt{"άλμη", "άλμης", "άλμη", Gender::Feminine};
  EXPECT_EQ(withArticle(iron, Case::Nominative), "ο σίδηρος");
  EXPECT_EQ(withArticle(iron, Case::Genitive), "του σιδήρου");
  EXPECT_EQ(withArticle(iron, Case::Accusative), "τον σίδηρο");
  EXPECT_EQ(withArticle(oxygen, Case::Accusative), "το οξυγόνο");
  EXPECT_EQ(withArticle(salt, Case::Genitive), "της άλμης");
  EXPECT_EQ(inAccusative(iron), "στον σίδηρο");
  EXPECT_EQ(inAccusative(salt), "στην άλμη");
  EXPECT_EQ(objectPronoun(Gender::Feminine), "τη");
  EXPECT_EQ(capitalised("ο σίδηρος"), "Ο σίδηρος");
  EXPECT_EQ(capitalised("ήλιο"), "Ήλιο");
  EXPECT_EQ(agree("στερεός", Gender::Feminine), "στερεή");
  EXPECT_EQ(agree("στερεός", Gender::Neuter), "στερεό");
  EXPECT_EQ(agree("υγρός", Gender::Masculine), "υγρός");
  EXPECT_EQ(agree("αέριος", Gender::Feminine), "αέρια");
  EXPECT_EQ(agree("αέριος", Gender::Neuter), "αέριο");
  EXPECT_EQ(agree("γνωστός", Gender::Neuter), "γνωστό");
  EXPECT_EQ(uncapitalised("Διαλύτης, ζωή"), "διαλύτης, ζωή");
  EXPECT_EQ(uncapitalised("PVC"), "PVC");
}
