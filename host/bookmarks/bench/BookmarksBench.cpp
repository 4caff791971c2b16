// Load and save of a large bookmark list against a bare atomic write of the same bytes, and the
// bookmark dialog filled with it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSaveFile>
#include <QTemporaryDir>

#include "host/bookmarks/BookmarkStore.h"
#include "host/bookmarks/BookmarkTreeWidget.h"
#include "host/bookmarks/CBookmarkDlg.h"
#include "host/bookmarks/core/BookmarkFile.h"
#include "host/bookmarks/tests/SampleLists.h"

using namespace vantorel::bookmarks;

namespace {

constexpr size_t kRecords = 10000;

struct Folder {
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("bookmark.dat"));
};

void BM_LoadBookmarks(benchmark::State& state) {
  Folder folder;
  BookmarkStore writer(folder.path);
  writer.reset();
  writer.list() = fixtures::mixedList(kRecords);
  if (!writer.save()) state.SkipWithError("cannot write the file");
  for (auto _ : state) {
    BookmarkStore store(folder.path);
    store.load();
    benchmark::DoNotOptimize(store.list().records.size());
  }
}
BENCHMARK(BM_LoadBookmarks)->Unit(benchmark::kMillisecond);

void BM_SaveBookmarks(benchmark::State& state) {
  Folder folder;
  BookmarkStore store(folder.path);
  store.reset();
  store.list() = fixtures::mixedList(kRecords);
  for (auto _ : state) benchmark::DoNotOptimize(store.save());
}
BENCHMARK(BM_SaveBookmarks)->Unit(benchmark::kMillisecond);

// The peer: the same bytes through a bare QSaveFile, nothing else.
void BM_SaveSameBytesBare(benchmark::State& state) {
  Folder folder;
  const std::string bytes = writeBookmarkFile(fixtures::mixedList(kRecords).records);
  for (auto _ : state) {
    QSaveFile file(folder.path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    benchmark::DoNotOptimize(file.commit());
  }
}
BENCHMARK(BM_SaveSameBytesBare)->Unit(benchmark::kMillisecond);

void BM_FillDialog(benchmark::State& state) {
  BookmarkList list = fixtures::mixedList(kRecords, static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    CBookmarkDlg dialog(list);
    dialog.Setup(QString(), 0, false);
    benchmark::DoNotOptimize(dialog.tree()->topLevelItemCount());
  }
}
// A folder every 10 records, and every record a folder (the sorted insertion's worst case).
BENCHMARK(BM_FillDialog)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
