// The table page's costly steps on a made-up 100,000-record table (the planets table at the
// synthetic disc's scale 1000): loading it and rebuilding the grid with ten fields sorted on a
// numeric or a Greek text field, painting one page of the grid, and scrolling a page. Beside
// them, the same work in SQLite: the same columns loaded into an in-memory table and the same
// ORDER BY (numbers by the tables' number rule, texts by the same Greek collation).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QCollator>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "dravix/DravixCtrl.h"
#include "dravix/RecordGrid.h"
#include "dravix/core/NumberRule.h"
#include "dravix/core/TableFiles.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/com/Blocks.h"
#include "platform/ui/MessageBox.h"
#include "tools/vantorel-data/core/Synth.h"
#include "tools/vantorel-data/core/TableFile.h"

namespace {

using namespace vantorel;
using dravix::CDravixCtrl;

constexpr int kPlanets = 5;
constexpr size_t kRecords = 100000;
constexpr int kFields = 10;
constexpr int kNumericPosition = 1;  // field 1: numeric
constexpr int kTextPosition = 3;     // field 3: Greek text

// Written once per run into a temporary folder.
const QString& disc() {
  static QTemporaryDir dir;
  static const QString folder = [] {
    const data::TableInfo& planets = data::tables()[kPlanets];
    const data::TableFiles files = data::synthTable(planets, kRecords, 1000);
    const std::string base = (dir.path() + u"/daplanet"_qs).toStdString();
    std::ofstream(base + ".ndx", std::ios::binary) << files.index;
    std::ofstream(base + ".dat", std::ios::binary) << files.data;
    return dir.path() + u'/';
  }();
  return folder;
}

void selectTenFields(CDravixCtrl& control, int sortPosition) {
  std::vector<int32_t> block{kFields + 1};
  for (int k = 0; k < kFields; ++k) block.push_back(k);
  const intptr_t address = com::newIntBlock(block);
  control.setSortColumn(sortPosition);
  control.SetSelectedFields(address);
  com::freeBlock(address);
}

void loadAndRebuild(benchmark::State& state, int sortPosition) {
  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
  control.resize(800, 560);
  control.InitData(disc());
  for (auto _ : state) {
    control.SetTable(kPlanets);
    selectTenFields(control, sortPosition);
    benchmark::DoNotOptimize(control.rows().rowCount());
  }
  if (control.rows().rowCount() != kRecords || control.rows().cellCount() != kFields) state.SkipWithError("not loaded");
}

void BM_LoadRebuildNumericSort(benchmark::State& state) {
  loadAndRebuild(state, kNumericPosition);
}
BENCHMARK(BM_LoadRebuildNumericSort)->Unit(benchmark::kMillisecond);

void BM_LoadRebuildGreekTextSort(benchmark::State& state) {
  loadAndRebuild(state, kTextPosition);
}
BENCHMARK(BM_LoadRebuildGreekTextSort)->Unit(benchmark::kMillisecond);

// The rebuild alone, from a loaded table, as after a header click: the columns read and ordered.
void rebuildOnly(benchmark::State& state, int sortPosition) {
  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
  control.resize(800, 560);
  control.InitData(disc());
  control.SetTable(kPlanets);
  selectTenFields(control, 0);
  for (auto _ : state) {
    control.sortOn(sortPosition);
    benchmark::DoNotOptimize(control.rows().rowCount());
  }
  if (control.rows().rowCount() != kRecords) state.SkipWithError("not loaded");
}

void BM_RebuildNumericSort(benchmark::State& state) {
  rebuildOnly(state, kNumericPosition);
}
BENCHMARK(BM_RebuildNumericSort)->Unit(benchmark::kMillisecond);

void BM_RebuildGreekTextSort(benchmark::State& state) {
  rebuildOnly(state, kTextPosition);
}
BENCHMARK(BM_RebuildGreekTextSort)->Unit(benchmark::kMillisecond);

// One page of the grid painted, then a one-page scroll painted; the work is the rows in view.
void BM_PaintAndScrollOnePage(benchmark::State& state) {
  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
  control.resize(800, 560);
  control.show();
  control.InitData(disc());
  control.SetTable(kPlanets);
  selectTenFields(control, kNumericPosition);
  dravix::RecordGrid* grid = control.grid();
  QImage image(grid->size(), QImage::Format_RGB32);
  grid->setFocus();
  for (auto _ : state) {
    grid->render(&image);
    QTest::keyClick(grid, grid->currentRow() + 2 * grid->rowsPerPage() < static_cast<int>(kRecords) ? Qt::Key_PageDown
                                                                                                    : Qt::Key_Home);
    grid->render(&image);
  }
  state.counters["rows_painted"] = grid->rowsPaintedLast();
}
BENCHMARK(BM_PaintAndScrollOnePage)->Unit(benchmark::kMicrosecond);

// The SQLite peer: the same ten columns read from the data file, inserted into an in-memory
// table, and ordered.
int greekCompare(void* collator, int n1, const void* a, int n2, const void* b) {
  const QString x = codepage::toQString(std::string_view(static_cast<const char*>(a), static_cast<size_t>(n1)));
  const QString y = codepage::toQString(std::string_view(static_cast<const char*>(b), static_cast<size_t>(n2)));
  return static_cast<QCollator*>(collator)->compare(x, y);
}

void sqlitePeer(benchmark::State& state, int sortPosition) {
  QCollator collator(QLocale(QLocale::Greek, QLocale::Greece));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  const std::string folder = disc().toStdString();
  size_t rows = 0;
  for (auto _ : state) {
    dravix::TableLoad load = dravix::loadTable(kPlanets, folder, dravix::diskOpener());
    if (!load.table) {
      state.SkipWithError("no table");
      return;
    }
    std::vector<dravix::Column> columns;
    for (int k = 0; k < kFields; ++k)
      columns.push_back(*dravix::readColumn(*load.table->data, load.table->index, k).column);
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_create_collation(db, "GREEK", SQLITE_UTF8, &collator, greekCompare);
    std::string create = "CREATE TABLE t(n REAL";
    for (int k = 0; k < kFields; ++k) create += ", c" + std::to_string(k) + " TEXT";
    create += ")";
    sqlite3_exec(db, create.c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO t VALUES(?,?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    for (size_t r = 0; r < kRecords; ++r) {
      const auto number = dravix::numberFromText(columns[kNumericPosition].value(r));
      if (number)
        sqlite3_bind_double(insert, 1, *number);
      else
        sqlite3_bind_null(insert, 1);
      for (int k = 0; k < kFields; ++k) {
        const std::string_view v = columns[static_cast<size_t>(k)].value(r);
        sqlite3_bind_text(insert, k + 2, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
      }
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const char* query = sortPosition == kNumericPosition ? "SELECT rowid FROM t ORDER BY n NULLS FIRST, rowid"
                                                         : "SELECT rowid FROM t ORDER BY c3 COLLATE GREEK, rowid";
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, query, -1, &select, nullptr);
    rows = 0;
    while (sqlite3_step(select) == SQLITE_ROW) ++rows;
    sqlite3_finalize(select);
    sqlite3_close(db);
  }
  if (rows != kRecords) state.SkipWithError("wrong row count");
}

void BM_SqliteLoadOrderNumeric(benchmark::State& state) {
  sqlitePeer(state, kNumericPosition);
}
BENCHMARK(BM_SqliteLoadOrderNumeric)->Unit(benchmark::kMillisecond);

void BM_SqliteLoadOrderGreekText(benchmark::State& state) {
  sqlitePeer(state, kTextPosition);
}
BENCHMARK(BM_SqliteLoadOrderGreekText)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
