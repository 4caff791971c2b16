#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <limits>

#include "platform/codepage/Cp1253.h"
#include "platform/elements/ElementData.h"
#include "tabrel/core/Properties.h"
#include "tabrel/core/TableRules.h"
#include "tabrel/tests/RecordBuilder.h"

namespace vantorel::tabrel {
namespace {

using testing::RecordBuilder;

std::string greek(const char* utf8) {
  return codepage::fromUtf8Lossy(utf8);
}

class TempFolder {
 public:
  TempFolder() {
    path_ = std::filesystem::temp_directory_path() / ("tabrel-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  [[nodiscard]] std::string dataPath() const { return path_.string() + "/"; }
  void write(const std::vector<uint8_t>& bytes) const {
    std::ofstream out(path_ / "element.dat", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::filesystem::path path_;
};

TEST(ElementDataTest, LoadsWholeRecordsAndPlacesThemOnTheGrid) {
  TempFolder folder;
  RecordBuilder b;
  b.add("Name0", "X", 0, 0).add("He", "He", 17, 0).add("Li", "Li", 0, 1);
  std::vector<uint8_t> bytes = b.bytes();
  bytes.resize(bytes.size() + 119, 0x41);  // a partial record is no record
  folder.write(bytes);
  ElementTable table;
  ASSERT_TRUE(LoadElementData(folder.dataPath(), table));
  EXPECT_EQ(table.recordCount(), 3);
  EXPECT_EQ(table.recordAt(0, 0), 0);
  EXPECT_EQ(table.recordAt(17, 0), 1);
  EXPECT_EQ(table.recordAt(0, 1), 2);
  EXPECT_EQ(table.recordAt(1, 0), kNoElement);
  // The atomic number is the position, whatever the name says.
  EXPECT_EQ(propertyValue(table, 0, 0), 1);
  EXPECT_EQ(table.name(0), "Name0");
}

TEST(ElementDataTest, EmptyFileLoadsAndMissingFileKeepsTheOldTable) {
  TempFolder folder;
  ElementTable table;
  table.assign(RecordBuilder().add("A", "A", 3, 3).bytes());
  EXPECT_FALSE(LoadElementData(folder.dataPath() + "nowhere/", table));
  EXPECT_EQ(table.recordCount(), 1);
  EXPECT_EQ(table.recordAt(3, 3), 0);
  folder.write({});
  ASSERT_TRUE(LoadElementData(folder.dataPath(), table));
  EXPECT_EQ(table.recordCount(), 0);
  EXPECT_EQ(table.recordAt(3, 3), kNoElement);
}

TEST(ElementDataTest, OnlyARegularFileLoadsAndAPipeNeverHoldsTheLoadUp) {
  TempFolder folder;
  ElementTable table;
  table.assign(RecordBuilder().add("A", "A", 3, 3).bytes());
  const std::string path = folder.dataPath() + "element.dat";
  std::filesystem::create_directory(path);
  EXPECT_FALSE(LoadElementData(folder.dataPath(), table));
  std::filesystem::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  auto load = std::async(std::launch::async, [&] { return LoadElementData(folder.dataPath(), table); });
  if (load.wait_for(std::chrono::seconds(3)) == std::future_status::timeout) {
    // Let the stuck reader go: it waits for a writer.
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd >= 0) ::close(fd);
    ADD_FAILURE() << "loading from a named pipe waited for a writer";
  }
  EXPECT_FALSE(load.get());
  EXPECT_EQ(table.recordCount(), 1);
}

TEST(ElementDataTest, BadPlacesAreSkippedAndTheLaterRecordWinsACell) {
  RecordBuilder b;
  b.add("a", "a", 18, 0).add("b", "b", -1, 2).add("c", "c", 4, 10).add("d", "d", 4, -32768);
  b.add("e", "e", 5, 5).add("f", "f", 5, 5).add("g", "g", 17, 9);
  const ElementTable table = b.table();
  int placed = 0;
  for (uint8_t r : table.gridIndex()) placed += r != kNoElement;
  EXPECT_EQ(placed, 2);
  EXPECT_EQ(table.recordAt(5, 5), 5);
  EXPECT_EQ(table.recordAt(17, 9), 6);
}

TEST(ElementDataTest, OnlyTheFirst255RecordsAreUsed) {
  RecordBuilder b;
  for (int i = 0; i < 300; ++i) b.add("x", "x", i % 18, (i / 18) % 10);
  const ElementTable table = b.table();
  EXPECT_EQ(table.recordCount(), 255);
  for (uint8_t r : table.gridIndex()) EXPECT_LT(r, 255);
}

TEST(ElementDataTest, CategoryOutsideRangeDrawsAsThree) {
  RecordBuilder b;
  b.add("a", "a", 0, 0).setInt16(field::kCategory, 9);
  b.add("b", "b", 1, 0).setInt16(field::kCategory, -1);
  b.add("c", "c", 2, 0).setInt16(field::kCategory, 8);
  const ElementTable table = b.table();
  EXPECT_EQ(table.category(0), 3);
  EXPECT_EQ(table.category(1), 3);
  EXPECT_EQ(table.category(2), 8);
}

TEST(PropertyTest, UnknownRulesPerField) {
  RecordBuilder b;
  b.add("a", "a", 0, 0).temperatures(-1000, -273).setFloat(field::kElectronAffinity, -500);
  b.setFloat(field::kDailyIntake, -100).setFloat(field::kMolarVolume, -99);
  b.setInt16(field::kVanDerWaalsRadius, -100).setInt16(field::kMassNumber, -99);
  b.add("b", "b", 1, 0).setFloat(field::kAtomicRadius, std::numeric_limits<float>::quiet_NaN());
  b.setFloat(field::kCovalentRadius, std::numeric_limits<float>::infinity());
  b.setDouble(field::kDensity, -std::numeric_limits<double>::infinity()).setInt16(field::kVanDerWaalsRadius, 140);
  const ElementTable t = b.table();
  EXPECT_FALSE(isKnown(propertyValue(t, 0, 5)));  // melting point -1000
  EXPECT_EQ(propertyValue(t, 0, 6), -273);
  EXPECT_EQ(propertyValue(t, 0, 19), -500);  // electron affinity allows down to -999
  EXPECT_FALSE(isKnown(propertyValue(t, 0, 12)));
  EXPECT_EQ(propertyValue(t, 0, 17), -99);
  EXPECT_FALSE(isKnown(propertyValue(t, 0, 15)));
  EXPECT_EQ(propertyValue(t, 0, 1), -99);
  EXPECT_FALSE(isKnown(propertyValue(t, 1, 14)));
  EXPECT_FALSE(isKnown(propertyValue(t, 1, 16)));
  EXPECT_FALSE(isKnown(propertyValue(t, 1, 7)));
  EXPECT_EQ(propertyValue(t, 1, 15), 140);
  EXPECT_EQ(propertyValue(t, 1, 24), 0);
  EXPECT_EQ(propertyValue(t, 1, -1), 0);
}

TEST(PropertyTest, DiscoveryYearEncoding) {
  RecordBuilder b;
  b.add("a", "a", 0, 0).setInt16(field::kDiscoveryYear, 2000);
  b.add("b", "b", 1, 0).setInt16(field::kDiscoveryYear, 2001);
  b.add("c", "c", 2, 0).setInt16(field::kDiscoveryYear, 0);
  const ElementTable t = b.table();
  EXPECT_EQ(propertyValue(t, 0, 8), 2000);
  EXPECT_EQ(propertyValue(t, 1, 8), -2001);
  EXPECT_FALSE(isKnown(propertyValue(t, 2, 8)));
  EXPECT_EQ(formatPropertyValue(t, 0, 8), greek("2000 μ.Χ."));
  EXPECT_EQ(formatPropertyValue(t, 1, 8), greek("2001 π.Χ."));
  EXPECT_EQ(formatPropertyValue(t, 2, 8), greek("άγνωστο"));
  EXPECT_EQ(discoveryClass(t, 0, 1999), DiscoveryClass::NotYetKnown);
  EXPECT_EQ(discoveryClass(t, 0, 2000), DiscoveryClass::Known);
  EXPECT_EQ(discoveryClass(t, 1, -2001), DiscoveryClass::Known);
  EXPECT_EQ(discoveryClass(t, 1, -2002), DiscoveryClass::NotYetKnown);
  EXPECT_EQ(discoveryClass(t, 2, 2000), DiscoveryClass::NoDate);
}

TEST(PropertyTest, Formats) {
  EXPECT_EQ(trimmedDecimals(2.5, 6), "2.5");
  EXPECT_EQ(trimmedDecimals(12.0, 6), "12");
  EXPECT_EQ(trimmedDecimals(0.0, 6), "0");
  EXPECT_EQ(trimmedDecimals(100.0, 2), "100");
  EXPECT_EQ(trimmedDecimals(-48.127, 2), "-48.13");
  EXPECT_EQ(trimmedDecimals(1e30, 3).size(), 31u);
  RecordBuilder b;
  b.add("a", "a", 0, 0).temperatures(-39, 357).setInt16(field::kMassNumber, 201);
  b.setDouble(field::kDensity, 13.534).setFloat(field::kEnthalpyFusion, 2.29f).setFloat(field::kMohsHardness, 1.5f);
  const ElementTable t = b.table();
  EXPECT_EQ(formatPropertyValue(t, 0, 0), "1");
  EXPECT_EQ(formatPropertyValue(t, 0, 1), "201");
  EXPECT_EQ(formatPropertyValue(t, 0, 5), greek("-39 °C"));
  EXPECT_EQ(formatPropertyValue(t, 0, 7), "13.534");
  EXPECT_EQ(formatPropertyValue(t, 0, 20), "2.29");
  EXPECT_EQ(formatPropertyValue(t, 0, 22), "1.5");
  EXPECT_EQ(formatPropertyValue(t, 0, 9), greek("άγνωστο"));
  EXPECT_EQ(withDecimalCommas("13.534"), "13,534");
  EXPECT_EQ(withDecimalCommas(greek("300 π.Χ.")), greek("300 π.Χ."));
  EXPECT_EQ(withDecimalCommas(greek("1.5 μ.Χ.")), greek("1,5 μ.Χ."));
}

TEST(StateTest, MeltingAndBoilingBoundaries) {
  RecordBuilder b;
  b.add("both", "a", 0, 0).temperatures(0, 100);
  b.add("melting only", "b", 1, 0).temperatures(50, -20000);
  b.add("boiling only", "c", 2, 0).temperatures(-1000, 50);
  b.add("neither", "d", 3, 0);
  const ElementTable t = b.table();
  EXPECT_EQ(stateAt(t, 0, -1), PhysicalState::Solid);
  EXPECT_EQ(stateAt(t, 0, 0), PhysicalState::Solid);
  EXPECT_EQ(stateAt(t, 0, 1), PhysicalState::Liquid);
  EXPECT_EQ(stateAt(t, 0, 100), PhysicalState::Liquid);
  EXPECT_EQ(stateAt(t, 0, 101), PhysicalState::Gas);
  EXPECT_EQ(stateAt(t, 1, 49), PhysicalState::Solid);
  EXPECT_EQ(stateAt(t, 1, 50), PhysicalState::Unknown);
  EXPECT_EQ(stateAt(t, 2, 50), PhysicalState::Unknown);
  EXPECT_EQ(stateAt(t, 2, 51), PhysicalState::Gas);
  EXPECT_EQ(stateAt(t, 3, 25), PhysicalState::Unknown);
}

TEST(RankingTest, StableRankUnknownFirstAndShades) {
  RecordBuilder b;
  b.add("a", "a", 0, 0).setFloat(field::kAtomicRadius, 50);
  b.add("b", "b", 1, 0);
  b.add("c", "c", 2, 0).setFloat(field::kAtomicRadius, 50);
  b.add("d", "d", 3, 0).setFloat(field::kAtomicRadius, 10);
  const ElementTable t = b.table();
  const PropertyRanking r = rankByProperty(t, 14);
  EXPECT_EQ(r.sortOrder, (std::vector<uint8_t>{1, 3, 0, 2}));
  EXPECT_EQ(r.knownCount, 3);
  EXPECT_EQ(recordShade(r, 3), (Rgb{82, 153, 170}));
  EXPECT_EQ(recordShade(r, 0), (Rgb{164, 126, 85}));
  EXPECT_EQ(recordShade(r, 2), (Rgb{246, 100, 0}));
  EXPECT_EQ(recordShade(r, 1), kUnknownShade);
  EXPECT_EQ(shadeColour(0), (Rgb{0, 180, 255}));

  // A property nobody knows shades everything unknown; one outside the catalogue reads 0 for
  // everyone, so the shading follows record order.
  const PropertyRanking none = rankByProperty(t, 9);
  EXPECT_EQ(none.knownCount, 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(recordShade(none, i), kUnknownShade);
  const PropertyRanking outside = rankByProperty(t, 30);
  EXPECT_EQ(outside.knownCount, 4);
  EXPECT_EQ(outside.sortOrder, (std::vector<uint8_t>{0, 1, 2, 3}));
  EXPECT_EQ(recordShade(outside, 3), (Rgb{246, 100, 0}));
}

TEST(MappingTest, ThermometerAndMercury) {
  EXPECT_EQ(thermometerTemperature(230), -273);
  EXPECT_EQ(thermometerTemperature(270), -273);
  EXPECT_EQ(thermometerTemperature(30), 5727);
  EXPECT_EQ(thermometerTemperature(200), 726);  // 30 * 33.33 = 999.9 -> 999
  EXPECT_EQ(mercuryHeight(-273), 0);
  EXPECT_EQ(mercuryHeight(1000), 38);
  EXPECT_EQ(mercuryHeight(5727), 180);
  EXPECT_EQ(mercuryHeight(std::numeric_limits<int>::max()), 188);
  EXPECT_EQ(mercuryHeight(std::numeric_limits<int>::min()), 0);
}

TEST(MappingTest, YearScaleBothWays) {
  EXPECT_EQ(yearScaleY(2000), 69);
  EXPECT_EQ(yearScaleY(-8000), 248);
  EXPECT_EQ(yearScaleY(1700), 69 + static_cast<int>(std::floor(25.66 * std::log(300.0 / 9 + 1))));
  EXPECT_EQ(yearScaleY(5000), 69);  // after 2000: top of the scale, no logarithm of a negative
  EXPECT_GT(yearScaleY(std::numeric_limits<int>::min()), 248);
  EXPECT_EQ(yearFromScaleY(60), 2000);
  EXPECT_EQ(yearFromScaleY(69), 2000);
  EXPECT_EQ(yearFromScaleY(247), -7260);  // the last position above the bottom tick
  EXPECT_EQ(yearFromScaleY(248), -8000);  // the bottom tick itself
  EXPECT_EQ(yearFromScaleY(249), -8000);
  EXPECT_EQ(yearFromScaleY(264), -8000);
  EXPECT_EQ(roundToTens(1234), 1230);
  EXPECT_EQ(roundToTens(1235), 1240);
  EXPECT_EQ(roundToTens(-1235), -1240);
  EXPECT_EQ(roundToTens(-1234), -1230);
  EXPECT_EQ(roundToTens(0), 0);
  // Every click lands on a multiple of ten inside the range, ordered from top to bottom.
  int previous = 2000;
  for (int y = 60; y <= 264; ++y) {
    const int year = yearFromScaleY(y);
    EXPECT_EQ(year % 10, 0);
    EXPECT_LE(year, previous);
    EXPECT_GE(year, -8000);
    previous = year;
  }
}

TEST(EditCorrectionTest, DigitsLeadingMinusAndLimits) {
  auto check = [](const char* in, const char* text, int value) {
    const EditCorrection c = correctEditText(in, -273, 5727);
    EXPECT_EQ(c.text, text) << in;
    EXPECT_EQ(c.value, value) << in;
  };
  check("12a3", "123", 123);
  check("6000", "5727", 5727);
  check("-", "-", 0);
  check("", "0", 0);
  check("abc", "0", 0);
  check("-500", "-273", -273);
  check("1-2", "12", 12);
  check("--5", "-5", -5);
  check("99999999999999999999", "5727", 5727);
  check("-99999999999999999999", "-273", -273);
  const EditCorrection year = correctEditText("-9000", -8000, 2000);
  EXPECT_EQ(year.text, "-8000");
  EXPECT_EQ(correctEditText("1234", -8000, 2000).value, 1234);
}

TEST(DetailBoxTest, PlacementStaysInsideTheWindow) {
  EXPECT_EQ(detailBoxPlacement(3, 2, 0, 0, 640, 450), (BoxRect{171, 175, 108, 53}));
  EXPECT_EQ(detailBoxPlacement(3, 2, 80, 55, 800, 560), (BoxRect{251, 230, 108, 53}));
  EXPECT_EQ(detailBoxPlacement(17, 0, 0, 0, 500, 450).left, 391);
  EXPECT_EQ(detailBoxPlacement(0, 9, 0, 0, 640, 400).top, 121 + 243 - 88);
}

TEST(DetailBoxTest, ContentsPerMode) {
  RecordBuilder b;
  b.add(greek("Υδράργυρος"), "Hg", 11, 5).temperatures(-39, -1000).setDouble(field::kAtomicMass, 200.59);
  b.setInt16(field::kDiscoveryYear, 3500).setDouble(field::kDensity, 13.5);
  b.add("Zero", "Zz", 0, 9).setDouble(field::kAtomicMass, 0);
  const ElementTable t = b.table();
  const DetailLabels labels{greek("Τήξη :"), greek("Βρασμός :"), greek("άγνωστο"), greek("Έτος"), greek("ανακάλυψης:")};
  auto m0 = detailBoxLines(t, 0, TableMode::Categories, 0, labels);
  ASSERT_EQ(m0.size(), 4u);
  EXPECT_EQ(m0[0], (DetailLine{1, "1", DetailFont::Normal11, DetailAlign::Centre}));
  EXPECT_EQ(m0[1], (DetailLine{12, "Hg", DetailFont::Bold15, DetailAlign::Centre}));
  EXPECT_EQ(m0[3].text, "200,59");
  EXPECT_EQ(detailBoxLines(t, 1, TableMode::Categories, 0, labels).size(), 3u);  // no mass shown

  auto m1 = detailBoxLines(t, 0, TableMode::State, 0, labels);
  ASSERT_EQ(m1.size(), 5u);
  EXPECT_EQ(m1[2], (DetailLine{16, greek("-39 °C"), DetailFont::Bold11, DetailAlign::Right}));
  EXPECT_EQ(m1[4], (DetailLine{32, greek("άγνωστο"), DetailFont::Bold11, DetailAlign::Right}));

  auto m2 = detailBoxLines(t, 0, TableMode::Discovery, 0, labels);
  ASSERT_EQ(m2.size(), 4u);
  EXPECT_EQ(m2[3].text, greek("3500 π.Χ."));
  EXPECT_EQ(detailBoxLines(t, 1, TableMode::Discovery, 0, labels)[3].text, greek("άγνωστο"));

  EXPECT_EQ(detailBoxLines(t, 0, TableMode::Property, 7, labels)[1].text, "13,5");
  EXPECT_EQ(detailBoxLines(t, 0, TableMode::Property, 8, labels)[1].text, greek("3500 π.Χ."));
  EXPECT_TRUE(detailBoxLines(t, 5, TableMode::Property, 8, labels).empty());
}

TEST(SampleDiscTest, RealElementFileReads) {
  const std::string disc = TABREL_SAMPLE_DISC;
  if (!std::filesystem::exists(disc + "element.dat")) GTEST_SKIP() << "no sample disc";
  ElementTable t;
  ASSERT_TRUE(LoadElementData(disc, t));
  ASSERT_GE(t.recordCount(), 118);
  EXPECT_EQ(t.symbol(0), "H");
  EXPECT_EQ(t.recordAt(0, 0), 0);
  EXPECT_EQ(t.recordAt(17, 0), 1);
  EXPECT_EQ(t.symbol(t.recordAt(17, 5)), "Rn");
  EXPECT_EQ(formatPropertyValue(t, 0, 0), "1");
  EXPECT_NEAR(t.doubleAt(0, field::kAtomicMass), 1.008, 1e-9);
  EXPECT_EQ(stateAt(t, 79, 25), PhysicalState::Liquid);  // mercury
  EXPECT_EQ(stateAt(t, 25, 25), PhysicalState::Solid);   // iron
  EXPECT_EQ(stateAt(t, 6, 25), PhysicalState::Gas);      // nitrogen
}

}  // namespace
}  // namespace vantorel::tabrel
