#include <gtest/gtest.h>

#include <sstream>

#include "tools/vantorel-data/core/Bytes.h"
#include "tools/vantorel-data/core/Checker.h"
#include "tools/vantorel-data/core/Compiler.h"
#include "tools/vantorel-data/core/Dump.h"
#include "tools/vantorel-data/core/Synth.h"

using namespace vantorel::data;

TEST(TableFile, CatalogueHasTheFieldCountsTheAnalyserExpects) {
  const size_t expected[] = {14, 6, 5, 83, 22, 14, 8};
  for (size_t t = 0; t < 7; ++t) EXPECT_EQ(tables()[t].fields.size(), expected[t]) << tables()[t].base;
}

TEST(TableFile, EncodesIndexLayoutAndColumnsExactly) {
  const auto* planets = findTable("daplanet");
  std::string src = "name\tkind\tatmosphere:Y";
  for (size_t k = 3; k < 14; ++k) src += std::string("\t") + planets->fields[k].key + ":NY";
  src += "\nΓη\tΒραχώδης\tN[2]";
  for (size_t k = 3; k < 14; ++k) src += "\t" + std::to_string(k);
  src += "\nΆρης\t\tCO[2]";
  for (size_t k = 3; k < 14; ++k) src += "\t-" + std::to_string(k) + ",5";
  std::vector<Diagnostic> d;
  auto files = compileTable(*planets, parseSource(src, "p.tsv"), d);
  ASSERT_TRUE(files);
  ASSERT_EQ(files->index.size(), 6u + 4 * 15 + 28);
  EXPECT_EQ(getU16(files->index, 0), 14);
  EXPECT_EQ(getI32(files->index, 2), 2);
  EXPECT_EQ(getI32(files->index, 6), 0);
  EXPECT_EQ(getI32(files->index, 10), 8);  // "Γη\0Άρης\0"
  EXPECT_EQ(getI32(files->index, 6 + 4 * 14), static_cast<int32_t>(files->data.size()));
  EXPECT_EQ(files->index.substr(66, 14), "---NNNNNNNNNNN");
  EXPECT_EQ(files->index.substr(80, 14), "--YYYYYYYYYYYY");
  EXPECT_EQ(files->data.substr(0, 16), std::string("\xC3\xE7\0\xA2\xF1\xE7\xF2\0\xC2\xF1\xE1\xF7\xFE\xE4\xE7\xF2", 16));
  EXPECT_TRUE(checkTable(*planets, files->index, files->data).empty());
}

TEST(TableFile, RejectsWrongFieldCountsAndNamesWithPosition) {
  const auto* sci = findTable("dasci");
  std::vector<Diagnostic> d;
  EXPECT_FALSE(compileTable(*sci, parseSource("name\tborn\n", "s.tsv"), d));
  EXPECT_NE(formatDiagnostic(d.at(0)).find("s.tsv:1:1: error: header has 2 fields, dasci needs 8"), std::string::npos);
  d.clear();
  EXPECT_FALSE(compileTable(*sci,
                            parseSource("name\tborn\tdied\tcountry\tfield\tknownFor\tnobel\tcontribution\n"
                                        "A\tB\tC\tD\tE\tF\tG\n",
                                        "s.tsv"),
                            d));
  EXPECT_NE(formatDiagnostic(d.at(0)).find("s.tsv:2:"), std::string::npos);
}

TEST(TableFile, CheckerAndDumperSurviveDamagedFiles) {
  const auto* planets = findTable("daplanet");
  auto files = synthTable(*planets, 5, 7);
  ASSERT_TRUE(checkTable(*planets, files.index, files.data).empty());
  auto damaged = files.index;
  damaged.replace(2, 4, std::string("\xFF\xFF\xFF\x7F", 4));  // absurd record count
  std::ostringstream out;
  EXPECT_FALSE(checkTable(*planets, damaged, files.data).empty());
  EXPECT_FALSE(dumpTable(*planets, damaged, files.data, out));
  EXPECT_FALSE(checkTable(*planets, files.index, files.data.substr(0, files.data.size() - 1)).empty());
  EXPECT_FALSE(checkTable(*findTable("daelem"), files.index, files.data).empty());  // planets under the elements name
  EXPECT_FALSE(checkTable(*planets, files.index.substr(0, 5), files.data).empty());
}

TEST(Synth, ScalesRecordsAndPlacesElementsOnTheGrid) {
  EXPECT_GE(synthBaseRecords(*findTable("daplanet")) * 1000, 100000u);
  EXPECT_EQ(standardGridCell(1).column, 0);
  EXPECT_EQ(standardGridCell(2).column, 17);
  EXPECT_EQ(standardGridCell(26).column, 7);
  EXPECT_EQ(standardGridCell(57).row, 5);
  EXPECT_EQ(standardGridCell(58).row, 8);
  EXPECT_EQ(standardGridCell(103).row, 9);
  EXPECT_EQ(standardGridCell(118).column, 17);
  EXPECT_TRUE(checkElementFile(synthElementFile()).empty());
}
