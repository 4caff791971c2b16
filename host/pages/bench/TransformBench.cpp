// The page transform on a 5 MB page with a data-folder marker every 100 bytes, beside a plain
// copy of the same file with std::filesystem::copy_file in the same run: the transform writes its
// page whole through a temporary file and a rename, so the copy is its floor.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/pages/core/PageTransform.h"

namespace {

namespace fs = std::filesystem;
using namespace vantorel::host::pages;

constexpr size_t kPageBytes = 5 * 1024 * 1024;

struct Files {
  fs::path dir = fs::temp_directory_path() / ("pages-bench-" + std::to_string(::getpid()));
  fs::path source = dir / "page";
  std::string text;
  Files() {
    fs::create_directories(dir);
    // Lines of 100 bytes: some words, a picture behind the data-folder marker, a line end.
    const std::string line =
        "<P><FONT FACE=\"Arial Greek\">text text</FONT><IMG SRC=\"\x05"
        "CDimages/pics/flame.bmp\" WIDTH=24>\n";
    std::string filler(100 - line.size(), 'x');
    const std::string hundred = line.substr(0, 5) + filler + line.substr(5);
    while (text.size() + hundred.size() <= kPageBytes) text += hundred;
    std::ofstream(source, std::ios::binary) << text;
  }
  ~Files() { fs::remove_all(dir); }
};

Files& files() {
  static Files once;
  return once;
}

const std::string kFolder = "/home/teacher/Χημεία disc/";

void BM_TransformPageFile5MB(benchmark::State& state) {
  Files& f = files();
  for (auto _ : state) {
    const TransformOutcome outcome = TransformPage(f.source.string(), (f.dir / "1.htm").string(), kFolder);
    if (outcome.status != TransformOutcome::Status::Done) return state.SkipWithError("no page written");
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.text.size()));
}
BENCHMARK(BM_TransformPageFile5MB)->Unit(benchmark::kMillisecond);

void BM_TransformPageText5MB(benchmark::State& state) {
  Files& f = files();
  TransformSettings settings;
  settings.dataFolder = kFolder;
  for (auto _ : state) benchmark::DoNotOptimize(transformPageText(f.text, settings));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.text.size()));
}
BENCHMARK(BM_TransformPageText5MB)->Unit(benchmark::kMillisecond);

void BM_PeerCopyFile5MB(benchmark::State& state) {
  Files& f = files();
  for (auto _ : state) fs::copy_file(f.source, f.dir / "copy.htm", fs::copy_options::overwrite_existing);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.text.size()));
}
BENCHMARK(BM_PeerCopyFile5MB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
