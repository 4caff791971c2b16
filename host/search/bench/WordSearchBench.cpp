// A word search with alternatives on a disc written by `vantorel-data synth --scale 1000`
// (1,000,000 word records): the result table of 400 entries and its rows with their labels, as
// the dialog builds them. Beside it, in the same run: `grep -c` of the first word over words.dat
// as a process, and the topic browser's two-word lookup on the same disc.
//   VANTOREL_SYNTH_DISC=/path/to/disc build/bench/word_search_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "brovik/core/Browser.h"
#include "host/search/core/Occurrences.h"
#include "host/search/core/ResultRows.h"
#include "platform/catalogue/TopicFiles.h"
#include "platform/catalogue/WordFiles.h"

using namespace vantorel;

namespace {

std::string disc() {
  const char* env = std::getenv("VANTOREL_SYNTH_DISC");
  std::string path = env ? env : "";
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

// The three words that occur most often, most frequent first: together they fill the table, as a
// word with two alternative forms does.
std::vector<std::string> busiestWords(const std::string& dir) {
  auto file = catalogue::DiskFile::open(dir + "words.dat");
  std::map<std::string, size_t> counts;
  if (file) {
    catalogue::scanWordRecords(*file, [&](const catalogue::RawWordRecord& r) {
      ++counts[std::string(r.field())];
      return true;
    });
  }
  std::vector<std::pair<size_t, std::string>> byCount;
  for (auto& [word, n] : counts) byCount.emplace_back(n, word);
  std::sort(byCount.rbegin(), byCount.rend());
  std::vector<std::string> words;
  for (size_t i = 0; i < std::min<size_t>(3, byCount.size()); ++i) words.push_back(byCount[i].second);
  return words;
}

// The table as a scan per word gives it, to check the single pass against.
std::vector<search::SearchResult> scanPerWord(const std::string& dir, const std::vector<std::string>& words) {
  std::vector<search::SearchResult> table;
  for (const auto& w : words) {
    auto file = catalogue::DiskFile::open(dir + "words.dat");
    catalogue::scanWordRecords(*file, [&](const catalogue::RawWordRecord& r) {
      if (r.holds(w) && table.size() < search::kMaxResults) table.push_back({r.recordId(), r.assetId(), r.route()});
      return true;
    });
  }
  return table;
}

class NullSink : public brovik::BrowserSink {
 public:
  void treeSelected(int32_t, int32_t) override {}
  void listSelected(int32_t) override {}
  void notice(const brovik::Notice&) override {}
};

void SearchWithAlternatives(benchmark::State& state) {
  const std::string dir = disc();
  const auto words = busiestWords(dir);
  if (words.size() < 3) return state.SkipWithError("VANTOREL_SYNTH_DISC names no synthetic disc");
  auto file = catalogue::DiskFile::open(dir + "words.dat");
  if (search::findOccurrences(file.get(), words) != scanPerWord(dir, words))
    return state.SkipWithError("the single pass differs from a scan per word");
  size_t rows = 0;
  for (auto _ : state) {
    // words.dat stays open for the dialog's life; everything else is done per search.
    const auto table = search::findOccurrences(file.get(), words);
    search::RowLabeler labeler(catalogue::diskOpener(), dir);
    auto built = search::buildRows(table, labeler);
    search::sortRows(built, search::Column::Name);
    rows = built.size();
    if (table.size() != search::kMaxResults) state.SkipWithError("the table is not full");
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(SearchWithAlternatives)->Unit(benchmark::kMillisecond);

void GrepCountProcess(benchmark::State& state) {
  const std::string dir = disc();
  const auto words = busiestWords(dir);
  if (words.empty()) return state.SkipWithError("VANTOREL_SYNTH_DISC names no synthetic disc");
  // The disc's words are plain Greek letters: no quoting needed beyond the single quotes.
  const std::string command = "LC_ALL=C grep -c -a -F '" + words[0] + "' '" + dir + "words.dat' >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) == -1) state.SkipWithError("cannot run grep");
  }
}
BENCHMARK(GrepCountProcess)->Unit(benchmark::kMillisecond);

void BrowserTwoWordLookup(benchmark::State& state) {
  const std::string dir = disc();
  const auto words = busiestWords(dir);
  if (words.size() < 2) return state.SkipWithError("VANTOREL_SYNTH_DISC names no synthetic disc");
  NullSink sink;
  brovik::Browser browser(sink);
  browser.initData(dir);
  browser.setRoute(1);
  const std::string query = words[0] + " " + words[1];
  for (auto _ : state) {
    browser.wordTextChanged("");
    browser.wordTextChanged(query);
    browser.pressButton();
    benchmark::DoNotOptimize(browser.results().size());
  }
}
BENCHMARK(BrowserTwoWordLookup)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
