// Catalogue formats, the sample catalogue and the checker on seeded faults.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/CatalogueChecker.h"
#include "tools/vantorel-data/core/CatalogueSource.h"
#include "tools/vantorel-data/core/Compiler.h"
#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/core/Raster.h"
#include "tools/vantorel-data/tests/SampleDisc.h"

using namespace vantorel::data;
using namespace vantorel::data::testing;
namespace fs = std::filesystem;

namespace {
std::string cp(std::string_view utf8) {
  return vantorel::codepage::fromUtf8Lossy(utf8);
}
bool hasFault(const std::vector<Fault>& faults, std::string_view file, std::string_view text) {
  for (const auto& f : faults)
    if (f.file == file && formatFault(f).find(text) != std::string::npos) return true;
  return false;
}
}  // namespace

TEST(CatalogueFormat, RecordsRoundTripAtTheirSizes) {
  std::vector<TopicRecord> topics{{cp("Καύση"), 170100, 0, 1001}, {cp("Τρίγωνο"), 440006, 4, -7}};
  auto t = encodeTopics(topics);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->size(), 2 * kTopicRecordSize);
  auto back = readTopics(*t + "tail");
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[1].title, cp("Τρίγωνο"));
  EXPECT_EQ(back[1].page, 440006);
  EXPECT_EQ(back[1].recordId, -7);

  auto w = encodeWords({{cp("οξυγόνο"), 1001, 110003, 7}});
  ASSERT_TRUE(w);
  ASSERT_EQ(w->size(), 43u);
  EXPECT_EQ((*w)[40], 7);
  EXPECT_EQ(readWords(*w).at(0).assetId, 110003);
  EXPECT_FALSE(encodeWords({{std::string(32, 'a'), 1, 0, 1}}));  // no room for the NUL

  EXPECT_EQ(encodeAssociations({{5, 20003}}).size(), 8u);
  const auto p = encodeElementIndex({{26, 6042}, {8, 6006}});
  EXPECT_EQ(readElementIndex(p + "xy").size(), 2u);  // 12 bytes: two entries, two ignored
  EXPECT_EQ(readElementIndex(p).at(0).recordId, 6042u);

  auto alt = encodeAlternatives({{3, cp("σιδήρου")}});
  ASSERT_TRUE(alt);
  EXPECT_EQ(alt->size(), 30u);
  EXPECT_EQ(readAlternatives(*alt).at(0).group, 3);
  const auto pr1 = encodeFirstLetters({"aa", "ab", "b", "c"});
  ASSERT_EQ(pr1.size(), 3 * kFirstLetterRecordSize);
  EXPECT_EQ(readFirstLetters(pr1).at(1).first, 2);
}

TEST(CatalogueFormat, FullWidthTitlesAndTheirRepairs) {
  const auto examining = cp("Εξετάζοντας κρυστάλλους αλατιού με τον φακό του νέου χημικο");
  const auto inspection = cp("Τελική επιθεώρηση ατσαλιού πριν φύγει από το χαλυβουργείο..");
  ASSERT_EQ(examining.size(), 59u);
  ASSERT_EQ(inspection.size(), 59u);
  EXPECT_EQ(fixTitle(examining), examining + cp("υ"));
  EXPECT_EQ(fixTitle(inspection), inspection.substr(0, 58));
  EXPECT_EQ(fixTitle(cp("Εξετάζοντας")), cp("Εξετάζοντας"));
  auto bytes = encodeTitles({std::string(60, 'x')});  // a title that fills the field has no NUL
  ASSERT_TRUE(bytes);
  EXPECT_EQ(readTitles(*bytes).at(0).size(), 60u);
  EXPECT_TRUE(hasFault(checkTitleFile(*bytes, "t.ttl"), "t.ttl", "no terminating NUL"));
}

TEST(CatalogueFormat, PagePathsAndAssetTypes) {
  EXPECT_EQ(pagePath(170070), "17/0070");
  EXPECT_EQ(pagePath(120345), "12/0/345");
  EXPECT_EQ(pagePath(45001), "04/5/001");
  EXPECT_EQ(pagePath(10026), "01/0/026");
  EXPECT_EQ(pagePath(740012), "74/0012");
  EXPECT_EQ(titleFileOf(74), titleFileOf(76));
  EXPECT_FALSE(titleFileOf(44));
  EXPECT_EQ(routeStem(8), "");
  EXPECT_EQ(lowerCase(cp("ΟΞΥΓΟΝΟ Άζωτο")), cp("οξυγονο άζωτο"));
}

TEST(CatalogueFormat, BmpRowsArePaddedToFourBytes) {
  Canvas c(131, 2, {10, 20, 30});
  const auto bmp = c.toBmp();
  EXPECT_EQ(bmpRowSize(131), 396u);
  EXPECT_EQ(bmp.size(), 54u + 2 * 396);
  EXPECT_EQ(bmpFault(bmp), "");
  EXPECT_EQ(static_cast<unsigned char>(bmp[54]), 30);  // blue first
  auto topDown = bmp;
  topDown[25] = static_cast<char>(0xFF);  // height negative
  EXPECT_NE(bmpFault(topDown).find("bottom-up"), std::string::npos);
  EXPECT_NE(bmpFault(bmp.substr(0, bmp.size() - 1)).find("missing"), std::string::npos);
}

TEST(CatalogueFormat, TopicCheckerReportsEachBadLevelOnce) {
  // A level far out of range is a fault of its own record only; the next record's level is
  // judged against the last good one.
  const std::vector<TopicRecord> topics{{"a", 1, 0, 1}, {"b", 2, INT32_MAX, 2}, {"c", 3, 1, 3}, {"d", 4, 3, 4}};
  const auto bytes = encodeTopics(topics);
  ASSERT_TRUE(bytes);
  const auto faults = checkTopicFile(*bytes, "t.dat");
  std::vector<long> records;
  for (const auto& f : faults) records.push_back(f.record);
  EXPECT_EQ(records, (std::vector<long>{1, 3})) << (faults.empty() ? "" : formatFault(faults[0]));
}

TEST(CatalogueSource, ReportsBadLevelsAndAttributes) {
  std::vector<Diagnostic> d;
  const auto route = parseRouteSource(
      "= Start\ntext\n* A {res: comp:X; pic: flame}\nabout A\n*** too deep\n** B {colour: red}\n@elements H He\n",
      "r.txt", d);
  ASSERT_EQ(route.topics.size(), 2u);
  EXPECT_EQ(route.topics[0].resources.at(0), "comp:X");
  EXPECT_EQ(route.topics[1].elementSymbols.size(), 2u);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].line, 5);
  EXPECT_NE(d[1].message.find("colour"), std::string::npos);
}

TEST(SampleCatalogue, RoutesElementsAndWords) {
  const auto& disc = sampleDisc();
  for (int route = 1; route <= kRouteCount; ++route) {
    auto bytes = readWholeFile(disc + "/" + std::string(routeStem(route)) + ".dat");
    ASSERT_TRUE(bytes);
    EXPECT_GE(readTopics(*bytes).size(), 25u) << route;
    EXPECT_TRUE(fs::exists(disc + "/" + pagePath(routeStartPage(route)))) << route;
  }
  const auto elements = readTopics(*readWholeFile(disc + "/elemcomp.dat"));
  int type44 = 0, type99 = 0;
  for (const auto& t : elements) {
    type44 += assetType(t.page) == 44;
    type99 += assetType(t.page) == 99;
  }
  EXPECT_EQ(type44, 118);
  EXPECT_GE(type99, 1);
  EXPECT_EQ(readElementIndex(*readWholeFile(disc + "/ptable.ndx")).size(), 118u);
  // A word found under one route only, and every word in lower case.
  const auto words = readWords(*readWholeFile(disc + "/words.dat"));
  std::map<std::string, std::set<int>> routes;
  for (const auto& w : words) routes[w.word].insert(w.route);
  EXPECT_EQ(routes.at(cp("αλχημεία")), std::set<int>{5});
  EXPECT_GT(routes.at(cp("οξυγόνο")).size(), 1u);
}

TEST(SampleCatalogue, MoleculePagesKeepTheLinesTheEnlargedViewUses) {
  const auto titles = readTitles(*readWholeFile(sampleDisc() + "/mol.ttl"));
  ASSERT_GE(titles.size(), 30u);
  int legacy = 0;
  for (size_t n = 1; n <= titles.size(); ++n) {
    auto page = readWholeFile(sampleDisc() + "/" + pagePath(makeAssetId(13, static_cast<int>(n))));
    ASSERT_TRUE(page);
    std::vector<std::string> lines;
    std::istringstream in(*page);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    ASSERT_GT(lines.size(), 17u);
    EXPECT_TRUE(lines[12].starts_with("<EMBED SRC=\"\x03")) << n;
    EXPECT_NE(lines[12].find("340"), std::string::npos);
    EXPECT_NE(lines[12].find("290"), std::string::npos);
    EXPECT_NE(lines[14].find("true"), std::string::npos);
    EXPECT_TRUE(lines[16].starts_with("</TD>"));
    legacy += page->find("F03DD530-6488-4E7C-8FDE-55F938463309") != std::string::npos;
  }
  EXPECT_GE(legacy, 1);
}

TEST(SampleCatalogue, CheckerPassesAndFindsSeededFaults) {
  const auto& disc = sampleDisc();
  const auto clean = checkCatalogue(disc, elementNames(dataDir()));
  for (const auto& f : clean) ADD_FAILURE() << formatFault(f);
  const auto broken = (fs::temp_directory_path() / ("vantorel-broken-" + std::to_string(::getpid()))).string();
  fs::remove_all(broken);
  fs::copy(disc, broken, fs::copy_options::recursive);
  fs::remove(broken + "/" + pagePath(170101));    // a node's page
  fs::remove(broken + "/" + pagePath(760026));    // an element section
  fs::remove(broken + "/glossary/catalyst.htm");  // a glossary key in use
  auto words = *readWholeFile(broken + "/words.dat");
  words[40] = 9;  // route of record 0
  std::ofstream(broken + "/words.dat", std::ios::binary) << words;
  auto ptable = *readWholeFile(broken + "/ptable.ndx");
  ptable[1] = ptable[2] = ptable[3] = ptable[4] = 0x7F;  // record id of element 1
  std::ofstream(broken + "/ptable.ndx", std::ios::binary) << ptable;
  auto menu = *readWholeFile(broken + "/images/cm.bmp");
  menu[28] = 8;  // 8 bits per pixel
  std::ofstream(broken + "/images/cm.bmp", std::ios::binary) << menu;
  std::ofstream(broken + "/photo.ttl", std::ios::binary | std::ios::app) << "x";
  const auto faults = checkCatalogue(broken);
  EXPECT_TRUE(hasFault(faults, "react.dat", "17/0101"));
  EXPECT_TRUE(hasFault(faults, "elemcomp.dat", "76/0026"));
  EXPECT_TRUE(hasFault(faults, "words.dat", "outside 1-7"));
  EXPECT_TRUE(hasFault(faults, "ptable.ndx", "names no node"));
  EXPECT_TRUE(hasFault(faults, "images/cm.bmp", "not 24"));
  EXPECT_TRUE(hasFault(faults, "photo.ttl", "not a multiple of 60"));
  bool glossary = false;
  for (const auto& f : faults) glossary |= f.message.find("catalyst.htm") != std::string::npos;
  EXPECT_TRUE(glossary);
  fs::remove_all(broken);
}

TEST(SampleCatalogue, ReactionArrowsAreWrittenAsArrows) {
  // The code page has no arrows: "->" and "<=>" of the sources become entities, never text.
  size_t arrows = 0;
  for (const auto& entry : fs::recursive_directory_iterator(sampleDisc() + "/17")) {
    if (!entry.is_regular_file()) continue;
    const auto page = *readWholeFile(entry.path().string());
    EXPECT_EQ(page.find("-&gt;"), std::string::npos) << entry.path();
    EXPECT_EQ(page.find("&lt;=&gt;"), std::string::npos) << entry.path();
    arrows += page.find("&rarr;") != std::string::npos;
  }
  EXPECT_GT(arrows, 0u);
}
