// The browser's costly steps on a made-up catalogue: loading a route of 100,000 topics, a
// two-word lookup over a million index words, and filling a list of 1,000 resources, both in the
// browser alone and in the component as the host drives it, painting included.
//
// With VANTOREL_SYNTH_DISC naming a disc written by `vantorel-data synth --scale 1000`, the route
// load and the lookup are also measured on that disc.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "brovik/core/Browser.h"
#include "platform/catalogue/tests/CatalogueWriter.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"

namespace fs = std::filesystem;
using namespace vantorel::brovik;
using namespace vantorel::catalogue::testing;

namespace {

class NullSink : public BrowserSink {
 public:
  void treeSelected(int32_t, int32_t) override {}
  void listSelected(int32_t) override {}
  void notice(const Notice&) override {}
};

constexpr int kTopics = 100000;
constexpr int kWords = 1000000;
constexpr int kResources = 1000;
constexpr int32_t kListNode = kTopics + 1;  // a leaf at the end of the tree

// Written once per run into a temporary folder.
const std::string& synthDisc() {
  static const std::string path = [] {
    const fs::path dir = fs::temp_directory_path() / ("brovik-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    static const fs::path made = dir;
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(made, ec);
    });
    std::mt19937 random(1234);
    // A pre-order tree of depth up to 4: each level-0 topic with bushy subtrees.
    std::vector<Topic> topics;
    topics.reserve(kTopics);
    int level = 0;
    for (int i = 0; i < kTopics; ++i) {
      topics.push_back({"Θέμα αριθμός " + std::to_string(i) + " της ενότητας", 100000 + i, level, i + 1});
      const int step = static_cast<int>(random() % 3);
      level = step == 0 ? std::min(level + 1, 4) : step == 1 ? level : std::max(0, level - 1 - int(random() % 2));
    }
    topics.push_back({"Φωτογραφίες", 100000, 0, kListNode});
    writeFile(dir / "react.dat", topicBytes(topics));
    std::vector<std::pair<int32_t, int32_t>> pairs;
    for (int i = 0; i < kResources; ++i) pairs.emplace_back(kListNode, 110000 + 1 + (i * 7919) % 9999);
    writeFile(dir / "react.ass", associationBytes(pairs));
    std::vector<std::string> titles;
    for (int i = 0; i < 9999; ++i) titles.push_back("Φωτογραφία " + std::to_string((i * 31) % 9999) + " εργαστηρίου");
    writeFile(dir / "photo.ttl", titleBytes(titles));
    for (const char* name :
         {"video.ttl", "mol.ttl", "sci.ttl", "elem.ttl", "country.ttl", "mineral.ttl", "comp.ttl", "history.ttl"}) {
      writeFile(dir / name, titleBytes({"Τίτλος"}));
    }
    std::vector<Word> words;
    words.reserve(kWords);
    for (int i = 0; i < kWords; ++i) {
      const int32_t record = static_cast<int32_t>(random() % kTopics) + 1;
      words.push_back({"λέξη" + std::to_string(i % 50000), record, 0, static_cast<int16_t>(1 + i % 7)});
    }
    // The pair that the benchmark looks for, a few times each.
    for (int i = 0; i < 40; ++i) {
      words[static_cast<size_t>(i * 24000)] = {"οξυγόνο", 1000 + i, 0, 1};
      words[static_cast<size_t>(i * 24000 + 7)] = {"νερό", 1000 + i, 0, 1};
    }
    writeFile(dir / "words.dat", wordBytes(words));
    return dir.string() + "/";
  }();
  return path;
}

void SetRoute100kTopics(benchmark::State& state) {
  NullSink sink;
  Browser browser(sink);
  std::array<int, 256> advances;
  advances.fill(6);
  browser.setTreeAdvances(advances);
  browser.initData(synthDisc());
  for (auto _ : state) {
    browser.setRoute(1);
    benchmark::DoNotOptimize(browser.tree().rows().size());
  }
  state.counters["nodes"] = static_cast<double>(browser.tree().nodeCount());
}
BENCHMARK(SetRoute100kTopics)->Unit(benchmark::kMillisecond);

void TwoWordLookup1MWords(benchmark::State& state) {
  NullSink sink;
  Browser browser(sink);
  browser.initData(synthDisc());
  browser.setRoute(1);
  const std::string query = vantorel::codepage::fromUtf8Lossy("οξυγόνο νερό");
  for (auto _ : state) {
    browser.wordTextChanged("");
    browser.wordTextChanged(query);
    browser.pressButton();
    if (browser.results().size() != 40) state.SkipWithError("wrong result count");
  }
}
BENCHMARK(TwoWordLookup1MWords)->Unit(benchmark::kMillisecond);

void FillResourceList1000(benchmark::State& state) {
  NullSink sink;
  Browser browser(sink);
  browser.initData(synthDisc());
  browser.setRoute(1);
  for (auto _ : state) {
    browser.gotoPosition(kListNode, 0, false);
    benchmark::DoNotOptimize(browser.resources().size());
  }
  state.counters["rows"] = static_cast<double>(browser.resources().size());
}
BENCHMARK(FillResourceList1000)->Unit(benchmark::kMillisecond);

// The same list filled by the component: the browser's work, the list view taking its texts and
// widths, and a paint of the whole control.
void FillResourceListWidget1000(benchmark::State& state) {
  using vantorel::com::InvokeKind;
  using vantorel::com::Variant;
  const fs::path store = fs::temp_directory_path() / ("brovik-bench-" + std::to_string(::getpid()) + ".reg");
  vantorel::registry::useStoreFile(store);
  if (vantorel::com::registerLibrary(BROVIK_PATH) != vantorel::com::kOk) {
    state.SkipWithError("the component does not register");
    return;
  }
  auto created = vantorel::com::createControl("BROVIK.BrovikCtrlGk.1");
  std::unique_ptr<vantorel::com::Control> control(created.control);
  if (!control) {
    state.SkipWithError("the component cannot be created");
    return;
  }
  control->resize(300, 600);
  auto call = [&](const char* name, std::vector<Variant> args) {
    const auto* info = control->dispatchTable().findByName(name);
    return control->invoke(info->dispid, InvokeKind::Method, args);
  };
  call("InitData", {Variant::fromString(QString::fromStdString(synthDisc())), Variant::fromLong(0)});
  call("SetRoute", {Variant::fromShort(1)});
  QPixmap canvas(control->size());
  for (auto _ : state) {
    call("GotoPosition", {Variant::fromLong(kListNode), Variant::fromLong(0), Variant::fromBool(false)});
    control->render(&canvas);
    state.PauseTiming();
    call("GotoPosition", {Variant::fromLong(1), Variant::fromLong(0), Variant::fromBool(false)});
    state.ResumeTiming();
  }
  control.reset();
  std::error_code ec;
  fs::remove(store, ec);
}
BENCHMARK(FillResourceListWidget1000)->Unit(benchmark::kMillisecond);

// The first word of the disc's words.dat and the first other word that shares its route and
// record, so that the two-word lookup has results to find.
std::string wordPairOf(const std::string& disc) {
  std::ifstream in(disc + "words.dat", std::ios::binary);
  std::vector<char> records(kWordRecordSize * 20000);
  in.read(records.data(), static_cast<std::streamsize>(records.size()));
  const size_t count = static_cast<size_t>(in.gcount()) / kWordRecordSize;
  auto word = [&](size_t i) {
    const char* at = records.data() + i * kWordRecordSize;
    return std::string(at, strnlen(at, kWordFieldSize));
  };
  for (size_t i = 1; i < count; ++i) {
    if (word(i) != word(0)) return word(0) + " " + word(i);
  }
  return word(0);
}

void registerSynthDiscBenchmarks() {
  const char* env = std::getenv("VANTOREL_SYNTH_DISC");
  if (!env || !*env) return;
  std::string disc = env;
  if (disc.back() != '/') disc += '/';
  benchmark::RegisterBenchmark("SetRouteSynthDisc", [disc](benchmark::State& state) {
    NullSink sink;
    Browser browser(sink);
    browser.initData(disc);
    for (auto _ : state) {
      browser.setRoute(1);
      benchmark::DoNotOptimize(browser.tree().rows().size());
    }
    state.counters["nodes"] = static_cast<double>(browser.tree().nodeCount());
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("TwoWordLookupSynthDisc", [disc](benchmark::State& state) {
    NullSink sink;
    Browser browser(sink);
    browser.initData(disc);
    browser.setRoute(1);
    const std::string query = wordPairOf(disc);
    for (auto _ : state) {
      browser.wordTextChanged("");
      browser.wordTextChanged(query);
      browser.pressButton();
      benchmark::DoNotOptimize(browser.results().size());
    }
  })->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  registerSynthDiscBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
