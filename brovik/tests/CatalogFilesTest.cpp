#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "brovik/core/CatalogFiles.h"
#include "brovik/tests/SampleCatalog.h"
#include "platform/catalogue/tests/CatalogueWriter.h"
#include "platform/codepage/SearchFold.h"

namespace fs = std::filesystem;
using namespace vantorel::brovik;
using namespace vantorel::brovik::testing;
using vantorel::codepage::fromUtf8Lossy;
using vantorel::codepage::lowerForSearch;

TEST(CatalogFiles, RouteStemsAndFileNames) {
  EXPECT_EQ(topicFileName("/d/", 1), "/d/react.dat");
  EXPECT_EQ(topicFileName("/d/", 6), "/d/elemcomp.dat");
  EXPECT_EQ(topicFileName("/d/", 7), "/d/concept.dat");
  EXPECT_EQ(topicFileName("/d/", 0), "/d/.dat");
  EXPECT_EQ(topicFileName("/d/", 8), "/d/.dat");
  EXPECT_EQ(topicFileName("/d/", -3), "/d/.dat");
  EXPECT_EQ(associationFileName("/d/history.dat"), "/d/history.ass");
  EXPECT_EQ(associationFileName("/d/.dat"), "/d/.ass");
}

TEST(CatalogFiles, TopicRecordsWholeOnly) {
  const std::string bytes = topicBytes({{"Οξέα", 100002, 1, 2}, {"Βάσεις", -5, 7, -1}});
  ASSERT_EQ(bytes.size(), 224u);
  const auto records = parseTopicRecords(bytes);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].title, fromUtf8Lossy("Οξέα"));
  EXPECT_EQ(records[0].page, 100002);
  EXPECT_EQ(records[1].page, -5);
  EXPECT_EQ(records[1].level, 7);
  EXPECT_EQ(records[1].recordId, -1);
  EXPECT_TRUE(parseTopicRecords(bytes.substr(0, 111)).empty());
  EXPECT_TRUE(parseTopicRecords("").empty());
  EXPECT_EQ(parseTopicRecords(bytes.substr(0, 223)).size(), 1u);
  // A caption that fills its field has no NUL: it is taken whole, nothing beyond.
  const auto full = parseTopicRecords(topicBytes({{std::string(100, 'x'), 1, 0, 1}}));
  EXPECT_EQ(full[0].title, std::string(100, 'x'));
}

TEST(CatalogFiles, AssociationsAndMissingFiles) {
  const auto files = sampleCatalog();
  const auto opener = memoryOpener(files);
  const auto a = loadAssociations(opener, "/cat/react.ass");
  ASSERT_EQ(a.size(), 12u);
  EXPECT_EQ(a[1], (AssociationRecord{3, 20001}));
  EXPECT_TRUE(loadAssociations(opener, "/cat/nothing.ass").empty());
  EXPECT_FALSE(loadTopicTree(opener, "/cat/nothing.dat").has_value());
  EXPECT_EQ(parseAssociationRecords(associationBytes({{1, 2}}) + "abc").size(), 1u);
}

TEST(CatalogFiles, TitlesByAssetIdentifier) {
  const auto files = sampleCatalog();
  TitleFiles titles;
  EXPECT_TRUE(titles.open(memoryOpener(files), "/cat/").empty());
  ASSERT_TRUE(titles.allOpen());
  EXPECT_EQ(titles.read(110002).title, fromUtf8Lossy("αέριο υδρογόνο"));
  EXPECT_EQ(titles.read(20001).title, fromUtf8Lossy("Ύδατα"));
  // Types 74, 76 and 77 share the history file.
  EXPECT_EQ(titles.read(740002).title, fromUtf8Lossy("Μεσαίωνας"));
  EXPECT_EQ(titles.read(760002).title, titles.read(740002).title);
  EXPECT_EQ(titles.read(770001).title, fromUtf8Lossy("Αρχαίοι χρόνοι"));
  EXPECT_EQ(titles.read(110004).status, TitleRead::Status::NoRecord);
  EXPECT_EQ(titles.read(110000).status, TitleRead::Status::NoRecord);
  for (int32_t unknown : {440001, 990001, 710008, 750001, 30001, 0, -110001}) {
    EXPECT_EQ(titles.read(unknown).status, TitleRead::Status::UnknownType) << unknown;
  }
}

TEST(CatalogFiles, MissingTitleFilesAreNamedInOpeningOrder) {
  auto files = sampleCatalog();
  files.erase("sci.ttl");
  files.erase("video.ttl");
  TitleFiles titles;
  const auto failed = titles.open(memoryOpener(files), "/cat/");
  EXPECT_EQ(failed, (std::vector<std::string>{"/cat/video.ttl", "/cat/sci.ttl"}));
  EXPECT_FALSE(titles.allOpen());
  EXPECT_EQ(titles.read(80001).status, TitleRead::Status::NotOpen);
}

TEST(CatalogFiles, TitleFixUps) {
  // Fifty-nine characters that begin with the two known prefixes.
  std::string examining = fromUtf8Lossy("Εξετάζοντας ");
  examining.resize(59, 'a');
  EXPECT_EQ(fixTitle(examining), examining + fromUtf8Lossy("υ"));
  std::string final = fromUtf8Lossy("Τελική επιθεώρηση ");
  final.resize(59, 'b');
  EXPECT_EQ(fixTitle(final), final.substr(0, 58));
  EXPECT_EQ(fixTitle(examining.substr(0, 58)), examining.substr(0, 58));
  const std::string other(59, 'c');
  EXPECT_EQ(fixTitle(other), other);
  // Read back through a title file, including one that fills all sixty bytes.
  TitleFiles titles;
  titles.setFile(2, std::make_unique<MemoryFile>(examining + '\0' + std::string(60, 'z')));
  EXPECT_EQ(titles.read(110001).title, examining + fromUtf8Lossy("υ"));
  EXPECT_EQ(titles.read(110002).title, std::string(60, 'z'));
}

TEST(CatalogFiles, FindWordIsExactPerRouteAndCapped) {
  const auto files = sampleCatalog();
  MemoryFile words(files.at("words.dat"));
  const auto acid = findWord(words, fromUtf8Lossy("οξύ"), 1);
  EXPECT_EQ(acid.hits, (std::vector<WordHit>{{3, 0}, {4, 0}, {4, 110003}}));
  EXPECT_TRUE(acid.occursAnywhere);
  // Prefixes and longer words do not match.
  EXPECT_FALSE(findWord(words, fromUtf8Lossy("οξ"), 1).occursAnywhere);
  EXPECT_EQ(findWord(words, fromUtf8Lossy("οξυγόνο"), 1).hits.size(), 1u);
  const auto planet = findWord(words, fromUtf8Lossy("πλανήτης"), 1);
  EXPECT_TRUE(planet.hits.empty());
  EXPECT_TRUE(planet.occursAnywhere);
  EXPECT_FALSE(findWord(words, "", 1).occursAnywhere);

  std::vector<Word> many(450, Word{"x", 1, 0, 3});
  many.push_back(Word{std::string(32, 'y'), 9, 0, 3});  // fills the field, no NUL
  MemoryFile big(wordBytes(many) + "partial");
  EXPECT_EQ(findWord(big, "x", 3).hits.size(), 400u);
  EXPECT_EQ(findWord(big, std::string(32, 'y'), 3).hits.size(), 1u);
  EXPECT_TRUE(findWord(big, std::string(33, 'y'), 3).hits.empty());
}

TEST(CatalogFiles, FindWordFoldsCaseAccentsAndFinalSigmaButTheExactSpellingWins) {
  MemoryFile words(wordBytes({
      {"σίδηρος", 1, 0, 1},
      {"νόμος", 2, 0, 1},
      {"νομός", 3, 0, 1},
      {"νομός", 4, 0, 2},
      {"πρωτεΐνη", 5, 0, 1},
  }));
  auto find = [&](const char* typed, int route) {
    return findWord(words, lowerForSearch(fromUtf8Lossy(typed)), route);
  };
  for (const char* typed : {"ΣΙΔΗΡΟΣ", "σιδηρος", "Σίδηρος", "σίδηρος"})
    EXPECT_EQ(find(typed, 1).hits, (std::vector<WordHit>{{1, 0}})) << typed;
  EXPECT_EQ(find("ΠΡΩΤΕΪΝΗ", 1).hits, (std::vector<WordHit>{{5, 0}}));
  // Where both spellings are indexed, the one typed is the one found.
  EXPECT_EQ(find("νόμος", 1).hits, (std::vector<WordHit>{{2, 0}}));
  EXPECT_EQ(find("νομός", 1).hits, (std::vector<WordHit>{{3, 0}}));
  EXPECT_EQ(find("ΝΟΜΟΣ", 1).hits, (std::vector<WordHit>{{2, 0}, {3, 0}}));
  // Per route: the exact word under another route does not hide a look-alike under this one.
  EXPECT_EQ(find("νόμος", 2).hits, (std::vector<WordHit>{{4, 0}}));
  const auto elsewhere = find("ΣΙΔΗΡΟΣ", 2);
  EXPECT_TRUE(elsewhere.hits.empty());
  EXPECT_TRUE(elsewhere.occursAnywhere);
  EXPECT_FALSE(find("ΣΙΔΗΡΟ", 1).occursAnywhere);
}

TEST(CatalogFiles, DiskFilesReadTheSameLayouts) {
  const fs::path dir = fs::temp_directory_path() / ("brovik-files-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const auto& [name, bytes] : sampleCatalog()) writeFile(dir / name, bytes);
  const auto tree = loadTopicTree(diskOpener(), (dir / "react.dat").string());
  ASSERT_TRUE(tree.has_value());
  EXPECT_EQ(tree->size(), 12u);
  TitleFiles titles;
  EXPECT_TRUE(titles.open(diskOpener(), dir.string() + "/").empty());
  EXPECT_EQ(titles.read(130001).title, fromUtf8Lossy("Μόριο μεθανίου"));
  auto words = DiskFile::open((dir / "words.dat").string());
  ASSERT_TRUE(words);
  EXPECT_EQ(findWord(*words, fromUtf8Lossy("νερό"), 1).hits.size(), 2u);
  EXPECT_EQ(DiskFile::open((dir / "absent.ttl").string()), nullptr);
  fs::remove_all(dir);
}

TEST(CatalogFiles, OnlyRegularFilesOpenAndAPipeNeverHoldsTheReaderUp) {
  const fs::path dir = fs::temp_directory_path() / ("brovik-kinds-" + std::to_string(::getpid()));
  fs::create_directories(dir / "words.dat");
  EXPECT_EQ(DiskFile::open((dir / "words.dat").string()), nullptr);
  const std::string pipe = (dir / "sci.ttl").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  auto open = std::async(std::launch::async, [&] { return DiskFile::open(pipe) == nullptr; });
  if (open.wait_for(std::chrono::seconds(3)) == std::future_status::timeout) {
    // Let the stuck reader go: it waits for a writer.
    const int fd = ::open(pipe.c_str(), O_WRONLY);
    if (fd >= 0) ::close(fd);
    ADD_FAILURE() << "opening a named pipe waited for a writer";
  }
  EXPECT_TRUE(open.get());
  fs::remove_all(dir);
}
