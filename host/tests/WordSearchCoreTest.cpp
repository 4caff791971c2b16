#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/search/core/Occurrences.h"
#include "host/search/core/ResultRows.h"
#include "host/search/core/TypingRules.h"
#include "host/search/core/WordIndex.h"
#include "host/tests/WordSearchFiles.h"
#include "platform/catalogue/WordFiles.h"

using namespace vantorel;
using namespace vantorel::search;
using namespace vantorel::search::testing;

namespace {

const std::string kData = "/disc/";

// The result table as the slow way gives it: one full scan per word, appending while there is room.
std::vector<SearchResult> scanPerWord(const std::string& bytes, const std::vector<std::string>& words, size_t limit) {
  std::vector<SearchResult> table;
  for (const auto& w : words) {
    for (const auto& r : catalogue::parseWordRecords(bytes))
      if (r.word == w && table.size() < limit) table.push_back({r.recordId, r.assetId, r.route});
  }
  return table;
}

std::vector<std::string> cps(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* w : utf8) out.push_back(cp(w));
  return out;
}

}  // namespace

TEST(Occurrences, OnlyWholeWordsMatchAndOnePassEqualsAScanPerWord) {
  std::vector<Occurrence> list;
  const char* words[] = {"οξύ", "οξύτητα", "οξυ", "νερό", "οξύ", "άλας"};
  for (int i = 0; i < 500; ++i) list.push_back({words[(i * 7) % 6], i, i % 3 == 0 ? 0 : 20000 + i, int16_t(1 + i % 7)});
  list.push_back({std::string(32, 'q'), 9999, 0, 1});  // a word that fills its field
  const std::string bytes = wordBytes(list);
  catalogue::MemoryFile file{bytes};

  const auto one = findOccurrences(&file, cps({"οξύ"}));
  ASSERT_FALSE(one.empty());
  EXPECT_EQ(one, scanPerWord(bytes, cps({"οξύ"}), 400));  // neither "οξυ" nor "οξύτητα"

  for (size_t limit : {size_t{1}, size_t{50}, size_t{120}, size_t{400}}) {
    const auto words = cps({"νερό", "οξύ", "άλας", "νερό"});
    EXPECT_EQ(findOccurrences(&file, words, limit), scanPerWord(bytes, words, limit)) << limit;
  }
  EXPECT_EQ(findOccurrences(&file, {std::string(32, 'q')}).size(), 1u);
  EXPECT_TRUE(findOccurrences(&file, {std::string(33, 'q')}).empty());
  EXPECT_TRUE(findOccurrences(nullptr, cps({"οξύ"})).empty());  // no words.dat
}

TEST(Occurrences, TheTableStopsAtFourHundred) {
  for (int count : {400, 401}) {
    std::vector<Occurrence> list;
    for (int i = 0; i < count; ++i) list.push_back({"νερό", i + 1, 0, 2});
    list.push_back({"ύδωρ", 7777, 0, 3});
    catalogue::MemoryFile file{wordBytes(list)};
    const auto table = findOccurrences(&file, cps({"νερό", "ύδωρ"}));
    ASSERT_EQ(table.size(), 400u) << count;
    EXPECT_EQ(table.back().recordId, 400) << "the alternative gets no room";
  }
  std::vector<Occurrence> list;
  for (int i = 0; i < 399; ++i) list.push_back({"νερό", i + 1, 0, 2});
  list.push_back({"ύδωρ", 7777, 0, 3});
  list.push_back({"ύδωρ", 7778, 0, 3});
  catalogue::MemoryFile file{wordBytes(list)};
  const auto table = findOccurrences(&file, cps({"νερό", "ύδωρ"}));
  ASSERT_EQ(table.size(), 400u);
  EXPECT_EQ(table.back().recordId, 7777);
}

TEST(WordIndex, AlternativesAndDamagedFiles) {
  MemoryDisc disc;
  disc.files["words.ndx"] =
      wordListBytes({"νερό", "ύδωρ"}) + std::string(32, 'x') + "tail";  // no NUL, then a partial record
  disc.files["words.alt"] =
      alternativeBytes({{3, "ύδωρ"}, {5, "νερό"}, {5, "ύδωρ"}, {5, "νερό"}, {7, "νερά"}, {5, "νεράκι"}, {3, "νερό"}});
  std::string pr1;
  for (int i = 0; i < 201; ++i) pr1 += std::string(1, char('a' + i % 26)) + std::string(7, '\0');
  disc.files["words.pr1"] = pr1;
  const WordIndex index = WordIndex::load(disc.opener(kData), kData);
  EXPECT_EQ(index.words, (std::vector<std::string>{cp("νερό"), cp("ύδωρ"), std::string(32, 'x')}));
  EXPECT_TRUE(index.tooManyFirstLetters);
  EXPECT_EQ(index.firstLetters.size(), 200u);

  EXPECT_EQ(index.searchWords(cp("νερό"), false), cps({"νερό"}));
  // The group of the first record that holds the word; the word itself once.
  EXPECT_EQ(index.searchWords(cp("νερό"), true), cps({"νερό", "ύδωρ", "νεράκι"}));
  EXPECT_EQ(index.searchWords(cp("ύδωρ"), true), cps({"ύδωρ", "νερό"}));
  EXPECT_EQ(index.searchWords(cp("άλας"), true), cps({"άλας"}));  // no alternatives record

  disc.files["words.pr1"] = "";
  disc.files.erase("words.alt");
  disc.files.erase("words.ndx");
  const WordIndex bare = WordIndex::load(disc.opener(kData), kData);
  EXPECT_TRUE(bare.words.empty());
  EXPECT_TRUE(bare.firstLetters.empty());
  EXPECT_FALSE(bare.tooManyFirstLetters);
  EXPECT_EQ(bare.searchWords(cp("νερό"), true), cps({"νερό"}));
}

TEST(ResultRows, LabelsDuplicatesAndBadIdentifiers) {
  MemoryDisc disc;
  disc.files["react.dat"] = topicDat({{"Καύση", 10}, {"Οξέα", 11}, {"Δεύτερη καύση", 10}});
  const std::string examining = "Εξετάζοντας " + std::string(47, 'a');  // 59 characters
  const std::string full59 = cp(examining);
  disc.files["comp.ttl"] = titleBytes({"Νερό", "Υδροχλωρικό οξύ", examining}) + std::string(60, 'Z') + "short";
  disc.files["history.ttl"] = titleBytes({"Ο Λαβουαζιέ"});
  RowLabeler labeler(disc.opener(kData), kData);
  const std::vector<SearchResult> table = {
      {10, 0, 1},         // 0: the node itself
      {11, 20002, 1},     // 1
      {11, 20002, 1},     // 2: same texts as 1
      {10, 20001, 1},     // 3
      {10, 20000, 1},     // 4: record 0
      {10, 20005, 1},     // 5: only part of a record is there: "?" as 4, merged
      {10, 20004, 1},     // 6: a title that fills its record
      {10, 20003, 1},     // 7: stored as it is, not fixed up
      {10, -5, 1},        // 8
      {10, 99990000, 1},  // 9: no title file for the type
      {10, 440026, 1},    // 10: element node, no title file
      {10, 760001, 1},    // 11
      {10, 20001, 0},     // 12: route 0
      {10, 20001, -1},    // 13
      {99, 20001, 1},     // 14: no such node
      {10, 10001, 2},     // 15: route 2 has no topic file, elem.ttl is missing
      {10, 20001, 1},     // 16: same as 3
  };
  const auto rows = buildRows(table, labeler);
  auto row = [](const char* name, const char* topic, const char* group, int index) {
    return ResultRow{cp(name), cp(topic), cp(group), index};
  };
  const char* r1 = "Αλλαγή των υλικών";
  const std::vector<ResultRow> expected = {
      row("Καύση", r1, "", 0),
      row("Υδροχλωρικό οξύ", r1, "Οξέα", 1),
      row("Νερό", r1, "Καύση", 3),
      row("?", r1, "Καύση", 4),
      ResultRow{std::string(60, 'Z'), cp(r1), cp("Καύση"), 6},
      ResultRow{full59, cp(r1), cp("Καύση"), 7},
      row("", r1, "Καύση", 8),
      row("Ο Λαβουαζιέ", r1, "Καύση", 11),
      row("Νερό", r1, "", 14),
      row("?", "Δομές", "", 15),
  };
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(labeler.assetName(20099), "?");  // past the end
  // Each file once for the whole search, however many results name it.
  EXPECT_EQ(disc.opens["react.dat"], 1);
  EXPECT_EQ(disc.opens["comp.ttl"], 1);
  EXPECT_EQ(disc.opens["struct.dat"], 1);
}

TEST(ResultRows, SortingIsByBytesAndKeepsTies) {
  std::vector<ResultRow> rows = {
      {cp("ωμέγα"), cp("Β"), "", 0}, {cp("Άλφα"), cp("Α"), "", 1},  {cp("αλφα"), cp("Β"), "", 2},
      {"Zeta", cp("Α"), "", 3},      {cp("Ωμέγα"), cp("Α"), "", 4},
  };
  sortRows(rows, Column::Name);
  std::vector<int> order;
  for (const auto& r : rows) order.push_back(r.resultIndex);
  // Latin, then Ά (0xA2), Ω (0xD9), α (0xE1), ω (0xF9).
  EXPECT_EQ(order, (std::vector<int>{3, 1, 4, 2, 0}));
  sortRows(rows, Column::Topic);
  order.clear();
  for (const auto& r : rows) order.push_back(r.resultIndex);
  EXPECT_EQ(order, (std::vector<int>{3, 1, 4, 2, 0}));  // ties keep the name order
}

TEST(TypingRules, PrefixIsFoldedAndStartsAtTheSecondWord) {
  const auto list = cps({"οξύ", "άλας", "οξυγόνο", "σίδηρος", "Σίδηρος", "ύδωρ"});
  EXPECT_EQ(findPrefix(list, cp("οξυ")), 2u) << "the first entry is looked at last";
  EXPECT_EQ(findPrefix(list, cp("οξύ")), 2u);
  EXPECT_EQ(findPrefix(list, cp("ΟΞΥΓ")), 2u);
  EXPECT_EQ(findPrefix(list, cp("αλ")), 1u);
  EXPECT_EQ(findPrefix(list, cp("ΆΛΑΣ")), 1u);  // final and capital sigma fold together
  EXPECT_EQ(findPrefix(list, cp("αλας")), 1u);
  EXPECT_EQ(findPrefix(list, cp("σιδηροσ")), 3u);
  EXPECT_EQ(findPrefix(cps({"οξύ", "νερό"}), cp("ΟΞ")), 0u);  // wraps round to the first
  EXPECT_EQ(findPrefix(list, cp("υδωρα")), std::nullopt);
  EXPECT_EQ(findPrefix(list, std::string(200, 'a')), std::nullopt);
  EXPECT_EQ(findPrefix(list, ""), std::nullopt);
  EXPECT_EQ(findPrefix({}, cp("α")), std::nullopt);

  EXPECT_EQ(withoutSpaces(" ο ξ ύ "), "οξύ");
  EXPECT_TRUE(canSearch(cp("οξύ"), cp("οξύ")));
  EXPECT_FALSE(canSearch(cp("οξύ"), cp("οξυ")));  // the search itself stays exact
  EXPECT_FALSE(canSearch(std::nullopt, ""));
}
