#include <gtest/gtest.h>

#include <limits>

#include "dravix/core/FieldSelection.h"
#include "dravix/core/GridRows.h"
#include "dravix/core/Markup.h"
#include "dravix/core/NumberRule.h"
#include "dravix/core/RowOrder.h"
#include "dravix/core/TableCatalogue.h"
#include "dravix/core/TableFiles.h"
#include "dravix/tests/TableBuilder.h"

namespace vantorel::dravix {
namespace {

using testing::encodeTable;
using testing::memoryOpener;
using testing::plainColumns;
using testing::putI32;

constexpr int kPlanets = 5;

TableLoad loadPlanets(const testing::TableBytes& files, const std::string& folder = "/disc/") {
  return loadTable(kPlanets, folder,
                   memoryOpener({{"/disc/daplanet.ndx", files.index}, {"/disc/daplanet.dat", files.data}}));
}

Column columnOf(std::vector<std::string> values) {
  std::string bytes;
  for (const auto& v : values) bytes += v + '\0';
  return *Column::split(bytes, static_cast<int32_t>(values.size()));
}

std::vector<uint32_t> allRows(size_t n) {
  std::vector<uint32_t> rows(n);
  for (size_t i = 0; i < n; ++i) rows[i] = static_cast<uint32_t>(i);
  return rows;
}

TEST(TableLoad, SoundTableLoadsWithEveryRecordShown) {
  const TableLoad load = loadPlanets(encodeTable(plainColumns(14, 3), "TTN", "YYY"));
  ASSERT_TRUE(load.table) << static_cast<int>(load.error);
  EXPECT_EQ(load.table->recordCount(), 3u);
  EXPECT_EQ(load.table->shownCount, 3u);
  EXPECT_EQ(load.table->shownRecords(), (std::vector<uint32_t>{0, 1, 2}));
  EXPECT_TRUE(load.table->index.isNumeric(2));
  // Planets: field 2 is never a graph axis, whatever the file says.
  EXPECT_TRUE(load.table->index.isPlottable(1));
  EXPECT_FALSE(load.table->index.isPlottable(2));
  const ColumnRead column = readColumn(*load.table->data, load.table->index, 13);
  ASSERT_TRUE(column.column);
  EXPECT_EQ(column.column->value(2), "13.2");
}

TEST(TableLoad, FlagCorrectionsOfElementsAndCompounds) {
  auto elements = encodeTable(plainColumns(83, 1));
  const TableLoad e =
      loadTable(3, "d/", memoryOpener({{"d/daelem.ndx", elements.index}, {"d/daelem.dat", elements.data}}));
  ASSERT_TRUE(e.table);
  EXPECT_TRUE(e.table->index.isNumeric(14));
  EXPECT_TRUE(e.table->index.isPlottable(14));
  EXPECT_TRUE(e.table->index.isPlottable(0));
  EXPECT_FALSE(e.table->index.isPlottable(1));
  auto compounds = encodeTable(plainColumns(14, 1), "", std::string(14, 'Y'));
  const TableLoad c =
      loadTable(0, "d/", memoryOpener({{"d/dacomp.ndx", compounds.index}, {"d/dacomp.dat", compounds.data}}));
  ASSERT_TRUE(c.table);
  EXPECT_FALSE(c.table->index.isPlottable(2));
  EXPECT_FALSE(c.table->index.isPlottable(3));
  EXPECT_TRUE(c.table->index.isPlottable(4));
}

TEST(TableLoad, EmptyTableLoads) {
  const TableLoad load = loadPlanets(encodeTable(plainColumns(14, 0)));
  ASSERT_TRUE(load.table);
  EXPECT_EQ(load.table->shownCount, 0u);
  EXPECT_TRUE(load.table->shownRecords().empty());
}

TEST(TableLoad, MissingFilesNameTheConcatenatedPath) {
  const auto files = encodeTable(plainColumns(14, 2));
  // No separator at the end of the folder: the names run into it, as they are appended.
  TableLoad load = loadPlanets(files, "/disc");
  EXPECT_EQ(load.error, TableError::IndexMissing);
  EXPECT_EQ(load.path, "/discdaplanet.ndx");
  EXPECT_FALSE(load.table);

  load = loadTable(kPlanets, "/disc/", memoryOpener({{"/disc/daplanet.ndx", files.index}}));
  EXPECT_EQ(load.error, TableError::DataMissing);
  EXPECT_EQ(load.path, "/disc/daplanet.dat");

  load = loadTable(7, "/disc/", memoryOpener({}));
  EXPECT_FALSE(load.table);
}

TEST(TableLoad, WrongFieldCountIsRefused) {
  // An elements index under the planets' name.
  const TableLoad load = loadPlanets(encodeTable(plainColumns(83, 2)));
  EXPECT_EQ(load.error, TableError::BadFieldCount);
  EXPECT_FALSE(load.table);
}

TEST(TableLoad, DamagedIndexOrDataIsRefusedWhole) {
  const auto sound = encodeTable(plainColumns(14, 3));
  struct Case {
    const char* what;
    std::string index, data;
    TableError error;
  };
  std::vector<Case> cases;
  cases.push_back({"index cut inside the flags", sound.index.substr(0, sound.index.size() - 1), sound.data,
                   TableError::DamagedIndex});
  cases.push_back({"index of two bytes", sound.index.substr(0, 2), sound.data, TableError::DamagedIndex});
  cases.push_back({"empty index", "", sound.data, TableError::DamagedIndex});
  std::string negative = sound.index;
  negative.replace(2, 4, "\xff\xff\xff\xff");
  cases.push_back({"negative record count", negative, sound.data, TableError::DamagedIndex});
  std::string huge = sound.index;
  huge.replace(2, 4, "\xff\xff\xff\x7f");
  cases.push_back({"record count beyond the data", huge, sound.data, TableError::DamagedData});
  std::string backwards = sound.index;
  std::string offset;
  putI32(offset, 1);
  backwards.replace(6 + 4 * 3, 4, offset);  // offset 3 below offset 2
  cases.push_back({"offsets going back", backwards, sound.data, TableError::DamagedIndex});
  std::string beyond = sound.index;
  offset.clear();
  putI32(offset, static_cast<int32_t>(sound.data.size() + 1));
  beyond.replace(6 + 4 * 14, 4, offset);
  cases.push_back({"end beyond the data file", beyond, sound.data, TableError::DamagedIndex});
  std::string unterminated = sound.data;
  unterminated.back() = 'x';
  cases.push_back({"last value without terminator", sound.index, unterminated, TableError::DamagedData});
  std::string extra = sound.data;
  extra[sound.data.find('\0') + 1] = '\0';  // one more value in column 0
  cases.push_back({"a column with a value too many", sound.index, extra, TableError::DamagedData});
  for (const Case& c : cases) {
    const TableLoad load = loadPlanets({c.index, c.data});
    EXPECT_FALSE(load.table) << c.what;
    EXPECT_EQ(load.error, c.error) << c.what;
    EXPECT_FALSE(load.path.empty()) << c.what;
  }
}

TEST(TableLoad, ColumnReadAfterTheFileShrankFailsCleanly) {
  const auto files = encodeTable(plainColumns(14, 3));
  TableLoad load = loadPlanets(files);
  ASSERT_TRUE(load.table);
  MemoryFile shorter(files.data.substr(0, files.data.size() / 2));
  EXPECT_FALSE(readColumn(shorter, load.table->index, 13).column);
  EXPECT_FALSE(readColumn(shorter, load.table->index, 99).column);
}

TEST(NumberRule, GreekNumbersUnitsAndRemarks) {
  EXPECT_EQ(numberFromText("12,011"), 12.011);
  EXPECT_EQ(numberFromText("1.084,5"), 1084.5);
  EXPECT_EQ(numberFromText("2.613.000"), 2613000.0);
  EXPECT_EQ(numberFromText("-38,83 (υπό πίεση)"), -38.83);
  EXPECT_EQ(numberFromText("1.538 °C"), 1538.0);
  EXPECT_EQ(numberFromText("-250000"), -250000.0);
  EXPECT_EQ(numberFromText("5,97\t"), 5.97);
  EXPECT_EQ(numberFromText("12-15"), 12.0);  // a range reads as its start
  EXPECT_FALSE(numberFromText("Δε διατίθεται"));
  EXPECT_FALSE(numberFromText(""));
  EXPECT_FALSE(numberFromText("-"));
  EXPECT_FALSE(numberFromText(std::string(400, '9')));
  EXPECT_EQ(numberFromText(std::string(300, '9')).has_value(), true);
}

TEST(NumberRule, DoesNotDependOnTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "el_GR.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    EXPECT_EQ(numberFromText("12,5"), 12.5);
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(RowOrder, NumbersByValueWordsFirstTiesInFileOrder) {
  const Column column = columnOf(
      {"13", "12,7", "άγνωστο", "12", "2.613.000", "900.000", "12,5", "-250.000", "", "-100.000", "12,50", "-"});
  const std::vector<uint32_t> order = orderByNumber(column, allRows(column.size()));
  std::vector<std::string> shown;
  for (uint32_t r : order) shown.emplace_back(column.value(r));
  EXPECT_EQ(shown, (std::vector<std::string>{"άγνωστο", "", "-", "-250.000", "-100.000", "12", "12,5", "12,50", "12,7",
                                             "13", "900.000", "2.613.000"}));
}

TEST(RowOrder, RanksOrderStablyAndOnlyTheGivenRows) {
  const Column column = columnOf({"b", "a", "b", "c", "a"});
  const std::vector<uint32_t> rows{0, 1, 2, 4};  // record 3 filtered out
  const DistinctValues distinct = distinctValues(column, rows);
  ASSERT_EQ(distinct.values.size(), 2u);
  EXPECT_EQ(distinct.values[0], "b");
  std::vector<uint32_t> rank;  // "a" before "b"
  for (uint32_t v : distinct.valueOfRow) rank.push_back(distinct.values[v] == "a" ? 0 : 1);
  EXPECT_EQ(orderByRank(rows, rank, 2), (std::vector<uint32_t>{1, 4, 0, 2}));
  EXPECT_EQ(joinedValues(column, {4, 3}), "a\tc\t");
  EXPECT_EQ(joinedValues(column, {}), "");
}

TEST(FieldSelection, AddRemoveAndTheSortPosition) {
  FieldSelection s;
  s.reset(6);
  EXPECT_EQ(s.available(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(s.toBlock(), (std::vector<int32_t>{2, 0}));
  ASSERT_TRUE(s.add(2));  // field 3
  ASSERT_TRUE(s.add(0));  // field 1
  ASSERT_TRUE(s.add(0));  // field 2
  EXPECT_EQ(s.selected(), (std::vector<int>{0, 3, 1, 2}));
  EXPECT_EQ(s.widths(), (std::vector<int>{108, 108, 108, 108}));
  s.setSortColumn(3);
  EXPECT_EQ(s.remove(1), FieldSelection::Removal::Removed);
  // The sort column is a position: it now names the next field.
  EXPECT_EQ(s.sortColumn(), 3);
  EXPECT_EQ(s.sortPosition(), 0);  // ... which is past the end now: counts as 0
  s.setSortColumn(2);
  EXPECT_EQ(s.remove(2), FieldSelection::Removal::Removed);
  EXPECT_EQ(s.sortColumn(), 0);
  EXPECT_EQ(s.remove(0), FieldSelection::Removal::KeyField);
  EXPECT_EQ(s.remove(7), FieldSelection::Removal::NoSuchEntry);
  EXPECT_EQ(s.available(), (std::vector<int>{4, 5, 3, 2}));
  s.setSortColumn(-5);
  EXPECT_EQ(s.sortPosition(), 0);
}

TEST(FieldSelection, AddAllRemoveAllAndWidths) {
  FieldSelection s;
  s.reset(4);
  EXPECT_FALSE(s.removeAll());  // only the key: nothing to do
  ASSERT_TRUE(s.setWidth(0, 10));
  EXPECT_EQ(s.width(0), 50);
  EXPECT_FALSE(s.setWidth(99, 2147483647));
  EXPECT_EQ(s.width(99), 50);
  EXPECT_EQ(s.width(-1), 50);
  EXPECT_TRUE(s.addAll());
  EXPECT_FALSE(s.addAll());
  EXPECT_TRUE(s.setWidth(3, 2147483647));
  EXPECT_EQ(s.width(3), kMaxColumnWidth);
  EXPECT_EQ(s.totalWidth(), 50 + 108 + 108 + kMaxColumnWidth);
  s.setSortColumn(2);
  EXPECT_TRUE(s.removeAll());
  EXPECT_EQ(s.selected(), (std::vector<int>{0}));
  EXPECT_EQ(s.widths(), (std::vector<int>{108}));
  EXPECT_EQ(s.sortColumn(), 0);
  EXPECT_EQ(s.available(), (std::vector<int>{1, 2, 3}));
}

TEST(FieldSelection, BlocksAddKnownFieldsOnceAndNeverReadPastTheirCount) {
  FieldSelection s;
  s.reset(6);
  const std::vector<int32_t> block{7, 0, 3, 3, 99, -1, 5, 4};
  EXPECT_EQ(s.addFromBlock(block), 1 + 0 + 0 + 0 + 1);  // 3 and 5; element 7 lies past the count
  EXPECT_EQ(s.toBlock(), (std::vector<int32_t>{3 + 1, 0, 3, 5}));
  EXPECT_EQ(s.addFromBlock(std::vector<int32_t>{100, 0, 1}), 1);
  EXPECT_EQ(s.addFromBlock(std::vector<int32_t>{-3, 0, 2}), 0);
  EXPECT_EQ(s.addFromBlock({}), 0);
}

TEST(GridRows, NormalAndTransposedCells) {
  std::vector<Column> columns;
  columns.push_back(columnOf({"Ar", "Ne", "He"}));
  columns.push_back(columnOf({"18", "10", "2"}));
  GridRows grid;
  grid.assign(columns, {2, 1, 0}, false);
  EXPECT_EQ(grid.rowCount(), 3u);
  EXPECT_EQ(grid.cellCount(), 2u);
  EXPECT_EQ(grid.rowText(0), "He\t2\t");
  EXPECT_EQ(grid.cell(3, 0), "");
  EXPECT_EQ(grid.cell(0, 2), "");
  grid.assign(columns, {0, 2}, true);  // record 1 filtered out
  EXPECT_EQ(grid.rowCount(), 2u);
  EXPECT_EQ(grid.cellCount(), 3u);
  EXPECT_EQ(grid.rowText(1, "Z"), "Z\t18\t2\t");
  EXPECT_EQ(grid.cell(0, 0), "");
  EXPECT_EQ(grid.cell(0, 3), "");
}

TEST(GridRows, ScrollRanges) {
  EXPECT_EQ(normalScroll(108, 778).maximum, 0);
  EXPECT_EQ(normalScroll(108 * 10, 778).maximum, 31);  // 302 pixels over: the last 2 reachable too
  EXPECT_EQ(normalScroll(108 * 10, 778).page, 77);
  EXPECT_EQ(normalScroll(500, 0).page, 1);
  EXPECT_EQ(transposedScroll(100, 778).page, 7);
  EXPECT_EQ(transposedScroll(100, 778).maximum, 101 - 7);
  EXPECT_EQ(transposedScroll(3, 778).maximum, 0);
  EXPECT_EQ(statusText(118, " εγγραφές"), "118 εγγραφές");
}

TEST(Markup, RunsAndUnclosedMarks) {
  auto kinds = [](std::u16string_view text) {
    std::u16string out;
    for (const MarkupRun& run : markupRuns(text)) {
      out += run.kind == MarkupRun::Kind::Normal ? u'n' : run.kind == MarkupRun::Kind::Subscript ? u'_' : u'^';
      out += text.substr(run.begin, run.length);
      out += u'|';
    }
    return out;
  };
  EXPECT_EQ(kinds(u"g/cm{3}"), u"ng/cm|^3|");
  EXPECT_EQ(kinds(u"A[r]/πυκνότητα"), u"nA|_r|n/πυκνότητα|");
  EXPECT_EQ(kinds(u"H[2]SO[4]"), u"nH|_2|nSO|_4|");
  EXPECT_EQ(kinds(u"x[{y]z"), u"nx|_{y|nz|");
  EXPECT_EQ(kinds(u"10{24"), u"n10|^24|");
  EXPECT_EQ(kinds(u"a[]b["), u"na|nb|");
  EXPECT_EQ(kinds(u""), u"");
}

TEST(Catalogue, TablesAndSecondaryRows) {
  EXPECT_EQ(std::string(tableSpec(3).base), "daelem");
  EXPECT_EQ(tableSpec(6).offeredFields, 7);
  EXPECT_EQ(tableSpec(7).base, tableSpec(3).base);
  EXPECT_EQ(tableSpec(-1).base, tableSpec(3).base);
  EXPECT_TRUE(isSecondaryRow("Άνθρακας (Diamond)"));
  EXPECT_TRUE(isSecondaryRow("Ozone"));
  EXPECT_FALSE(isSecondaryRow("Οξυγόνο"));
}

#ifdef DRAVIX_SAMPLE_DISC
TEST(SampleDisc, EveryTableLoadsAndEveryColumnReads) {
  for (int t = 0; t < kTableCount; ++t) {
    TableLoad load = loadTable(t, DRAVIX_SAMPLE_DISC, diskOpener());
    ASSERT_TRUE(load.table) << tableSpec(t).base << " " << static_cast<int>(load.error) << " " << load.path;
    EXPECT_GT(load.table->recordCount(), 0u) << tableSpec(t).base;
    for (int k = 0; k < load.table->index.fieldCount; ++k)
      EXPECT_TRUE(readColumn(*load.table->data, load.table->index, k).column) << tableSpec(t).base << " " << k;
  }
}
#endif

}  // namespace
}  // namespace vantorel::dravix
