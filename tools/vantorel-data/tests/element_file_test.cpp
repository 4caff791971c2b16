#include <gtest/gtest.h>

#include <algorithm>

#include "tools/vantorel-data/core/Bytes.h"
#include "tools/vantorel-data/core/Checker.h"
#include "tools/vantorel-data/core/Compiler.h"
#include "tools/vantorel-data/core/ElementFile.h"

using namespace vantorel::data;

namespace {
const char* kHeader =
    "number\tname\tsymbol\tatomicMass\tdensity\tabundanceSun\tabundanceMeteorites\tabundanceHumanBody\tdailyIntake\t"
    "worldProduction\tatomicRadius\tcovalentRadius\tmolarVolume\telectronegativity\telectronAffinity\tenthalpyFusion\t"
    "enthalpyVaporisation\tmohsHardness\tionisationEnergy\tdiscoveryYear\tcategory\tcolumn\trow\tmeltingPoint\t"
    "boilingPoint\tmassNumber\tprotons\telectrons\tneutrons\tvanDerWaalsRadius\n";
std::string row(const std::string& name, const std::string& year, const std::string& mp, const std::string& row = "5") {
  return "1\t" + name + "\tHg\t200.592\t13.534\t\t1.17\t0.006\t\t2300\t151\t132\t14.82\t2\t\t2.29\t59.11\t\t1007.1\t" +
         year + "\t2\t11\t" + row + "\t" + mp + "\t356.73\t202\t80\t80\t122\t155\n";
}
}  // namespace

TEST(ElementFile, CompilesExactRecordWithRoundingAndSentinels) {
  std::vector<Diagnostic> d;
  auto bytes = compileElements(parseSource(std::string(kHeader) + row("Υδράργυρος", "-3000", "-38.83"), "e.tsv"), d);
  ASSERT_TRUE(bytes) << (d.empty() ? "" : formatDiagnostic(d[0]));
  ASSERT_EQ(bytes->size(), 120u);
  EXPECT_EQ(getI16(*bytes, 104), -39);     // whole-degree melting point
  EXPECT_EQ(getI16(*bytes, 96), 3000);     // BC year stored above 2000
  EXPECT_LT(getF32(*bytes, 40), -99.0f);   // unknown sun abundance under its threshold
  EXPECT_LT(getF32(*bytes, 76), -999.0f);  // electron affinity has the lower threshold
  EXPECT_EQ(getF64(*bytes, 24), 200.592);
  EXPECT_EQ(bytes->substr(0, 11), std::string("\xD5\xE4\xF1\xDC\xF1\xE3\xF5\xF1\xEF\xF2\0", 11));
  EXPECT_TRUE(checkElementFile(*bytes).empty());
}

TEST(ElementFile, DiscoveryYearsTheEncodingCannotHoldBecomeUnknownWithAWarning) {
  EXPECT_EQ(encodeDiscoveryYear(2000), 2000);
  EXPECT_EQ(encodeDiscoveryYear(-2001), 2001);
  EXPECT_FALSE(encodeDiscoveryYear(2010));   // would read back as 2010 BC
  EXPECT_FALSE(encodeDiscoveryYear(-1500));  // would read back as 1500 AD
  std::vector<Diagnostic> d;
  auto bytes = compileElements(parseSource(std::string(kHeader) + row("Υδράργυρος", "2010", "-38.83"), "e.tsv"), d);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(getI16(*bytes, 96), 0);
  ASSERT_EQ(d.size(), 1u);
  EXPECT_TRUE(d[0].warning);
}

TEST(ElementFile, RejectsBadSourcesWithFileLineAndColumn) {
  struct Case {
    std::string name, year, mp, row, expect;
  };
  const Case cases[] = {
      {"Ονομααααααααααααααααα", "1", "1", "5", "e.tsv:2:22: error: name longer than 19"},
      {"Hg€€ŝ", "1", "1", "5", "e.tsv:2:7: error: character outside"},
      {"Υδράργυρος", "1", "abc", "5", "is not a number (meltingPoint)"},
      {"Υδράργυρος", "1", "1", "7", "row must be"},
  };
  for (const auto& c : cases) {
    std::vector<Diagnostic> d;
    EXPECT_FALSE(compileElements(parseSource(std::string(kHeader) + row(c.name, c.year, c.mp, c.row), "e.tsv"), d));
    ASSERT_FALSE(d.empty());
    EXPECT_NE(formatDiagnostic(d[0]).find(c.expect), std::string::npos) << formatDiagnostic(d[0]);
  }
}

TEST(ElementFile, CheckerReportsRecordAndField) {
  std::string bytes(120, '\0');
  bytes.replace(0, 2, "Hx");
  bytes.replace(20, 4, "Hxxx");  // no terminator
  bytes[98] = 9;                 // category out of range
  bytes += "tail";
  const auto faults = checkElementFile(bytes);
  std::string all;
  for (const auto& f : faults) all += formatFault(f) + "\n";
  EXPECT_NE(all.find("not a multiple of 120"), std::string::npos);
  EXPECT_NE(all.find("record 0: field symbol: text has no terminating NUL"), std::string::npos);
  EXPECT_NE(all.find("record 0: field category"), std::string::npos);
}

TEST(ElementFile, YearTwoThousandBeforeChristCannotBeStoredAndIsWrittenUnknown) {
  // 2000 in the file is the year 2000 AD; 2000 BC has no code of its own.
  EXPECT_FALSE(encodeDiscoveryYear(-2000));
  std::vector<Diagnostic> d;
  auto bytes = compileElements(parseSource(std::string(kHeader) + row("Θείο", "-2000", "115.21"), "e.tsv"), d);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(getI16(*bytes, 96), 0);
  ASSERT_EQ(d.size(), 1u);
  EXPECT_TRUE(d[0].warning);
  EXPECT_NE(d[0].message.find("-2000"), std::string::npos);
  d.clear();
  bytes = compileElements(parseSource(std::string(kHeader) + row("Θείο", "-2001", "115.21"), "e.tsv"), d);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(getI16(*bytes, 96), 2001);
  EXPECT_TRUE(d.empty());
}

TEST(ElementFile, CheckerReportsEveryGridFault) {
  // Four otherwise sound records: a column past 17, a row past 9, one in the gap row, and a
  // fourth on the cell of the first sound one.
  auto record = [](int column, int gridRow) {
    std::string r(120, '\0');
    r.replace(0, 2, "Hx");
    r.replace(20, 1, "X");
    r[100] = static_cast<char>(column);
    r[102] = static_cast<char>(gridRow);
    return r;
  };
  const std::string bytes = record(18, 0) + record(0, 10) + record(3, 7) + record(5, 2) + record(5, 2);
  std::string all;
  for (const auto& f : checkElementFile(bytes)) all += formatFault(f) + "\n";
  EXPECT_NE(all.find("record 0: field column: 18 is outside 0-17"), std::string::npos) << all;
  EXPECT_NE(all.find("record 1: field row: 10 is outside 0-9"), std::string::npos) << all;
  EXPECT_NE(all.find("record 2: field row: row 7 is the gap"), std::string::npos) << all;
  EXPECT_NE(all.find("record 4: field column: cell shared with record 3"), std::string::npos) << all;
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 4) << all;
}
