// The graph page and the copy and export on a made-up 100,000-record table (the planets table at
// the synthetic disc's scale 1000): a line graph of every record computed and painted, the
// grid's ten fields put on the clipboard and exported to a file. Beside them, the peer: SQLite
// holding the same rows and writing them as the same quoted CSV.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>

#include "dravix/DravixCtrl.h"
#include "dravix/DravixDialogs.h"
#include "dravix/GraphPage.h"
#include "dravix/core/ExportText.h"
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

QTemporaryDir& scratch() {
  static QTemporaryDir dir;
  return dir;
}

const QString& disc() {
  static const QString folder = [] {
    const data::TableInfo& planets = data::tables()[kPlanets];
    const data::TableFiles files = data::synthTable(planets, kRecords, 1000);
    const std::string base = (scratch().path() + u"/daplanet"_qs).toStdString();
    std::ofstream(base + ".ndx", std::ios::binary) << files.index;
    std::ofstream(base + ".dat", std::ios::binary) << files.data;
    return scratch().path() + u'/';
  }();
  return folder;
}

struct Loaded {
  Loaded() {
    control.resize(800, 560);
    control.show();
    control.InitData(disc());
    control.SetTable(kPlanets);
    std::vector<int32_t> block{kFields + 1};
    for (int k = 0; k < kFields; ++k) block.push_back(k);
    const intptr_t address = com::newIntBlock(block);
    control.SetSelectedFields(address);
    com::freeBlock(address);
  }
  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
};

// Every record as a point joined by the line: the points collected from the grid, scaled,
// mapped, sorted by X and painted.
void BM_LineGraph100k(benchmark::State& state) {
  Loaded t;
  t.control.openGraphPage();
  dravix::GraphPage& page = *t.control.graphPage();
  page.setGraphType(3, false);
  QImage image(page.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    page.setFields((2 << 16) | 1);  // distance against diameter: recomputed
    page.render(&image);
  }
  state.counters["points"] = static_cast<double>(page.points().x.size());
  if (page.points().x.size() < kRecords / 2) state.SkipWithError("too few points");
}
BENCHMARK(BM_LineGraph100k)->Unit(benchmark::kMillisecond);

void BM_CopyAllData10Fields(benchmark::State& state) {
  Loaded t;
  for (auto _ : state) {
    t.control.CopyAllData();
    benchmark::DoNotOptimize(QGuiApplication::clipboard()->mimeData());
  }
  state.counters["bytes"] = static_cast<double>(QGuiApplication::clipboard()->text().size());
}
BENCHMARK(BM_CopyAllData10Fields)->Unit(benchmark::kMillisecond);

// The two texts alone, without the clipboard.
void BM_GridTextAndHtml10Fields(benchmark::State& state) {
  Loaded t;
  std::vector<std::string> captions(kFields, "caption");
  for (auto _ : state) {
    dravix::GridTextRequest request{&t.control.rows(), &captions};
    benchmark::DoNotOptimize(dravix::gridText(request));
    benchmark::DoNotOptimize(dravix::gridHtml(request));
  }
}
BENCHMARK(BM_GridTextAndHtml10Fields)->Unit(benchmark::kMillisecond);

void BM_Export10Fields(benchmark::State& state) {
  Loaded t;
  const size_t before = t.boxes.shown().size();  // the elements table that InitData looks for
  const QString path = scratch().path() + u"/export.csv"_qs;
  dravix::setSaveFileChooser([&](QWidget*) { return path; });
  for (auto _ : state) t.control.exportTable();
  dravix::setSaveFileChooser({});
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
  if (t.boxes.shown().size() != before)
    state.SkipWithError(("export failed: " + t.boxes.shown().back().text.toStdString()).c_str());
  // The rows after the caption line, built a cell at a time the plain way, are the same bytes.
  std::ifstream in(path.toStdString(), std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string expected;
  const dravix::GridRows& rows = t.control.rows();
  for (size_t r = 0; r < rows.rowCount(); ++r) {
    for (size_t c = 0; c < rows.cellCount(); ++c) {
      QString cell = codepage::toQString(rows.cell(r, c));
      cell.replace(u'"', u"\"\""_qs);
      expected += (c ? ";\"" : "\"") + cell.toStdString() + '"';
    }
    expected += "\r\n";
  }
  const size_t body = file.find("\r\n");
  if (!file.starts_with("\xEF\xBB\xBF") || body == std::string::npos || file.substr(body + 2) != expected)
    state.SkipWithError("exported rows differ from their cells");
}
BENCHMARK(BM_Export10Fields)->Unit(benchmark::kMillisecond);

// The peer: the same rows in an SQLite table (loaded once), selected and written as quoted
// CSV with doubled quotes into a file, in UTF-8, as the export does.
void BM_SqliteWritesCsv(benchmark::State& state) {
  Loaded t;
  const dravix::GridRows& rows = t.control.rows();
  sqlite3* db = nullptr;
  sqlite3_open(":memory:", &db);
  std::string create = "CREATE TABLE t(";
  std::string insert = "INSERT INTO t VALUES(";
  for (int k = 0; k < kFields; ++k) {
    create += (k ? ",c" : "c") + std::to_string(k);
    insert += k ? ",?" : "?";
  }
  sqlite3_exec(db, (create + ")").c_str(), nullptr, nullptr, nullptr);
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  sqlite3_stmt* put = nullptr;
  sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &put, nullptr);
  for (size_t r = 0; r < rows.rowCount(); ++r) {
    for (int k = 0; k < kFields; ++k) {
      const std::string utf8 = codepage::toQString(rows.cell(r, static_cast<size_t>(k))).toStdString();
      sqlite3_bind_text(put, k + 1, utf8.c_str(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    }
    sqlite3_step(put);
    sqlite3_reset(put);
  }
  sqlite3_finalize(put);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  const std::string path = (scratch().path() + u"/peer.csv"_qs).toStdString();
  for (auto _ : state) {
    std::string out = "\xEF\xBB\xBF";
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM t ORDER BY rowid", -1, &select, nullptr);
    while (sqlite3_step(select) == SQLITE_ROW) {
      for (int k = 0; k < kFields; ++k) {
        if (k) out += ';';
        out += '"';
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(select, k));
        for (const char* c = text; c && *c; ++c) {
          if (*c == '"') out += '"';
          out += *c;
        }
        out += '"';
      }
      out += "\r\n";
    }
    sqlite3_finalize(select);
    std::ofstream(path, std::ios::binary) << out;
  }
  sqlite3_close(db);
}
BENCHMARK(BM_SqliteWritesCsv)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
