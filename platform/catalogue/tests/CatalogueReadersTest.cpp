#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <memory>
#include <string>
#include <vector>

#include "platform/catalogue/CatalogueNames.h"
#include "platform/catalogue/TitleFiles.h"
#include "platform/catalogue/WordFiles.h"

using namespace vantorel::catalogue;

namespace {

std::string field(const std::string& text, size_t size) {
  std::string f = text.substr(0, size);
  f.resize(size, '\0');
  return f;
}

std::string wordRecord(const std::string& word, int32_t recordId, int32_t assetId, int16_t route) {
  std::string r = field(word, kWordFieldSize);
  for (int32_t v : {recordId, assetId})
    for (int i = 0; i < 4; ++i) r += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
  r += static_cast<char>(route & 0xFF);
  r += static_cast<char>((route >> 8) & 0xFF);
  r += '\0';
  return r;
}

}  // namespace

TEST(CatalogueReaders, WordRecordsMatchWholeFieldsOnly) {
  const std::string full(32, 'k');  // fills the field, no NUL
  const std::string bytes = wordRecord("abc", 7, 110003, 2) + wordRecord("abcd", 8, 0, 3) + wordRecord(full, 9, 5, 1) +
                            std::string(20, 'x');  // trailing part of a record
  MemoryFile file{bytes};
  std::vector<WordRecord> seen;
  std::vector<bool> holdsAbc, holdsFull;
  scanWordRecords(file, [&](const RawWordRecord& r) {
    seen.push_back(r.decode());
    holdsAbc.push_back(r.holds("abc"));
    holdsFull.push_back(r.holds(full));
    return true;
  });
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].word, "abc");
  EXPECT_EQ(seen[0].recordId, 7);
  EXPECT_EQ(seen[0].assetId, 110003);
  EXPECT_EQ(seen[0].route, 2);
  EXPECT_EQ(seen[2].word, full);  // the field without NUL ends at the field, not in recordId
  EXPECT_EQ(holdsAbc, (std::vector<bool>{true, false, false}));
  EXPECT_EQ(holdsFull, (std::vector<bool>{false, false, true}));
  EXPECT_FALSE(RawWordRecord{bytes.data()}.holds(full + "k"));  // longer than the field

  size_t visits = 0;
  scanWordRecords(file, [&](const RawWordRecord&) { return ++visits < 2; });
  EXPECT_EQ(visits, 2u);
}

TEST(CatalogueReaders, WordListAndAlternativesStayInsideTheirFields) {
  const std::string ndx = field("alpha", 32) + std::string(32, 'b') + "tail";
  EXPECT_EQ(parseWordList(ndx), (std::vector<std::string>{"alpha", std::string(32, 'b')}));
  EXPECT_TRUE(parseWordList(std::string(31, 'z')).empty());

  std::string alt;
  alt += std::string("\x05\x00\x00\x00", 4) + std::string(26, 'w');  // no NUL in the word
  alt += std::string("\xff\xff\xff\xff", 4) + field("next", 26);
  const auto alternatives = parseAlternatives(alt);
  ASSERT_EQ(alternatives.size(), 2u);
  EXPECT_EQ(alternatives[0].group, 5);
  EXPECT_EQ(alternatives[0].word, std::string(26, 'w'));
  EXPECT_EQ(alternatives[1].group, -1);
  EXPECT_EQ(alternatives[1].word, "next");
}

TEST(CatalogueReaders, FirstLetterTableKeepsEveryWholeRecord) {
  std::string pr1;
  for (int i = 0; i < 201; ++i)
    pr1 += std::string(1, static_cast<char>('a' + i % 26)) + std::string("\x02\x01\x03\x00", 4) + "xyz";
  const auto letters = parseFirstLetters(pr1 + "abc");
  ASSERT_EQ(letters.size(), 201u);
  EXPECT_EQ(letters[1].letter, 'b');
  EXPECT_EQ(letters[1].first, 0x0102);
  EXPECT_EQ(letters[1].count, 3);
  EXPECT_TRUE(parseFirstLetters("").empty());
}

TEST(CatalogueReaders, StoredTitlesReadOnlyRecordsThatExist) {
  TitleFiles titles;
  const int comp = titleFileIndex(2);
  const int history = titleFileIndex(76);
  ASSERT_GE(comp, 0);
  ASSERT_EQ(history, titleFileIndex(74));
  const std::string full(60, 'T');  // a title that fills its record
  titles.setFile(comp, std::make_unique<MemoryFile>(field("first", 60) + full + "short"));
  titles.setFile(history, std::make_unique<MemoryFile>(field("h1", 60)));

  EXPECT_EQ(titles.readStored(20001).title, "first");
  EXPECT_EQ(titles.readStored(20002).title, full);
  EXPECT_EQ(titles.readStored(20003).status, TitleRead::Status::NoRecord);  // only 5 bytes there
  EXPECT_EQ(titles.readStored(20000).status, TitleRead::Status::NoRecord);  // record 0
  EXPECT_EQ(titles.readStored(-5).status, TitleRead::Status::UnknownType);
  EXPECT_EQ(titles.readStored(-20001).status, TitleRead::Status::UnknownType);
  EXPECT_EQ(titles.readStored(99990000).status, TitleRead::Status::UnknownType);
  EXPECT_EQ(titles.readStored(760001).title, "h1");
  EXPECT_EQ(titles.readStored(770001).title, "h1");
  EXPECT_EQ(titles.readStored(10001).status, TitleRead::Status::NotOpen);
}

TEST(CatalogueReaders, DiskFilesAreFoundWhateverTheLetterCase) {
  char pattern[] = "/tmp/catalogue-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path dir = pattern;
  std::ofstream(dir / "WORDS.DAT", std::ios::binary) << "0123456789";
  std::filesystem::create_directory(dir / "folder.dat");
  auto file = DiskFile::open((dir / "words.dat").string());
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->size(), 10u);
  EXPECT_EQ(DiskFile::open((dir / "other.dat").string()), nullptr);
  EXPECT_EQ(DiskFile::open((dir / "FOLDER.DAT").string()), nullptr);  // not a regular file
  std::filesystem::remove_all(dir);
}
