// The filter on a made-up 100,000-record table (the planets table at the synthetic disc's scale
// 1000): three conditions (two alternatives on the key joined by "or", a numeric "greater than"
// on field 1), applied to the exclusion flags and the grid rebuilt, as after the dialog's OK.
// Beside it SQLite in memory: the same columns, the same WHERE with LIKE and a range, with and
// without the grid's ordering.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QCollator>
#include <QTemporaryDir>
#include <fstream>

#include "dravix/DravixCtrl.h"
#include "dravix/core/FilterBlock.h"
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
constexpr int kFields = 4;
const char* const kFirst = "\xE1\xF1";   // "αρ"
const char* const kSecond = "\xE5\xED";  // "εν"
constexpr double kAbove = 50;

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

std::string filterBlock() {
  dravix::Filter filter;
  filter.assign({{"Name", kFirst, dravix::kTypeContains, 0, 0, 0},
                 {"Name", kSecond, dravix::kTypeContains, 0, 0, 0},
                 {"Number", "50", dravix::kTypeGreater, 1, 0, 0}});
  return dravix::serialiseFilter(filter);
}

void BM_FilterApplyAndRebuild(benchmark::State& state) {
  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
  control.resize(800, 560);
  control.InitData(disc());
  control.SetTable(kPlanets);
  std::vector<int32_t> fields{kFields + 1};
  for (int k = 0; k < kFields; ++k) fields.push_back(k);
  const intptr_t fieldBlock = com::newIntBlock(fields);
  const std::string bytes = filterBlock();
  const intptr_t block = com::newByteBlock(bytes);
  for (auto _ : state) {
    control.SetFilter(static_cast<int32_t>(bytes.size()), 3, block);
    control.SetSelectedFields(fieldBlock);  // applies the filter and rebuilds the grid
    benchmark::DoNotOptimize(control.rows().rowCount());
  }
  state.counters["shown"] = static_cast<double>(control.rows().rowCount());
  if (!control.filter().isSet() || control.rows().rowCount() == 0 || control.rows().rowCount() == kRecords)
    state.SkipWithError("filter did not apply");
  com::freeBlock(block);
  com::freeBlock(fieldBlock);
}
BENCHMARK(BM_FilterApplyAndRebuild)->Unit(benchmark::kMillisecond);

// The filter alone, without the rebuild.
void BM_FilterApplyOnly(benchmark::State& state) {
  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
  control.InitData(disc());
  control.SetTable(kPlanets);
  std::vector<int32_t> fields{kFields + 1};
  for (int k = 0; k < kFields; ++k) fields.push_back(k);
  const intptr_t fieldBlock = com::newIntBlock(fields);
  control.SetSelectedFields(fieldBlock);
  const std::string bytes = filterBlock();
  const intptr_t block = com::newByteBlock(bytes);
  control.SetFilter(static_cast<int32_t>(bytes.size()), 3, block);
  for (auto _ : state) benchmark::DoNotOptimize(control.applyFilter());
  com::freeBlock(block);
  com::freeBlock(fieldBlock);
}
BENCHMARK(BM_FilterApplyOnly)->Unit(benchmark::kMillisecond);

int greekCompare(void* collator, int n1, const void* a, int n2, const void* b) {
  const QString x = QString::fromUtf8(static_cast<const char*>(a), n1);
  const QString y = QString::fromUtf8(static_cast<const char*>(b), n2);
  return static_cast<QCollator*>(collator)->compare(x, y);
}

// SQLite in memory, loaded once: the key as given and folded the way the filter folds it (LIKE
// folds only Latin letters), the number by the tables' rule. Only the query is timed.
void sqlitePeer(benchmark::State& state, bool ordered) {
  QCollator collator(QLocale(QLocale::Greek, QLocale::Greece));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  dravix::TableLoad load = dravix::loadTable(kPlanets, disc().toStdString(), dravix::diskOpener());
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
  sqlite3_exec(db, "CREATE TABLE t(k TEXT, folded TEXT, n REAL, c2 TEXT, c3 TEXT)", nullptr, nullptr, nullptr);
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO t VALUES(?,?,?,?,?)", -1, &insert, nullptr);
  const auto& fold = dravix::filterFoldTable();
  for (size_t r = 0; r < kRecords; ++r) {
    const std::string_view key = columns[0].value(r);
    std::string folded(key.substr(0, key.find(" (")));
    for (char& c : folded) c = static_cast<char>(fold[static_cast<unsigned char>(c)]);
    const std::string keyUtf8 = codepage::toUtf8(key), foldedUtf8 = codepage::toUtf8(folded);
    sqlite3_bind_text(insert, 1, keyUtf8.data(), static_cast<int>(keyUtf8.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, foldedUtf8.data(), static_cast<int>(foldedUtf8.size()), SQLITE_TRANSIENT);
    if (const auto number = dravix::numberFromText(columns[1].value(r)))
      sqlite3_bind_double(insert, 3, *number);
    else
      sqlite3_bind_null(insert, 3);
    for (int k = 2; k < kFields; ++k) {
      const std::string v = codepage::toUtf8(columns[static_cast<size_t>(k)].value(r));
      sqlite3_bind_text(insert, k + 2, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  const std::string first = codepage::toUtf8(kFirst), second = codepage::toUtf8(kSecond);
  std::string query = "SELECT rowid, k, n, c2, c3 FROM t WHERE (folded LIKE '%" + first + "%' OR folded LIKE '%" +
                      second + "%') AND n > " + std::to_string(kAbove);
  if (ordered) query += " ORDER BY k COLLATE GREEK, rowid";
  sqlite3_stmt* select = nullptr;
  sqlite3_prepare_v2(db, query.c_str(), -1, &select, nullptr);
  size_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    while (sqlite3_step(select) == SQLITE_ROW) ++rows;
    sqlite3_reset(select);
  }
  state.counters["shown"] = static_cast<double>(rows);
  sqlite3_finalize(select);
  sqlite3_close(db);
}

void BM_SqliteWhereLikeRange(benchmark::State& state) {
  sqlitePeer(state, false);
}
BENCHMARK(BM_SqliteWhereLikeRange)->Unit(benchmark::kMillisecond);

void BM_SqliteWhereLikeRangeOrdered(benchmark::State& state) {
  sqlitePeer(state, true);
}
BENCHMARK(BM_SqliteWhereLikeRangeOrdered)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
