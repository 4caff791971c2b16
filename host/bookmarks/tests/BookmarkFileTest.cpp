#include <gtest/gtest.h>

#include <string>

#include "host/bookmarks/core/BookmarkFile.h"
#include "host/bookmarks/tests/SampleLists.h"

using namespace vantorel::bookmarks;
using namespace vantorel::bookmarks::fixtures;

namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

std::string u16(int v) {
  return bytes({v & 0xFF, (v >> 8) & 0xFF});
}
std::string u32(uint32_t v) {
  return u16(static_cast<int>(v & 0xFFFF)) + u16(static_cast<int>(v >> 16));
}
std::string newClass(std::string_view name, int schema = 1) {
  return u16(0xFFFF) + u16(schema) + u16(static_cast<int>(name.size())) + std::string(name);
}
std::string text(std::string_view s) {
  return bytes({static_cast<int>(s.size())}) + std::string(s);
}
std::string header(uint32_t count) {
  return u32(1) + u32(count) + u16(static_cast<int>(count));
}

RecordPtr dataAn(std::string name, int n) {
  auto r = std::make_shared<CBMDataAn>();
  r->name = std::move(name);
  r->table = static_cast<int16_t>(n % 7);
  r->displayMode = static_cast<int16_t>(n & 1);
  r->showLabels = n & 1;
  r->graphType = static_cast<int16_t>(1 + n % 3);
  r->axis = (n >> 1) & 1;
  r->graphFields = (n << 16) | 3;
  r->sortColumn = static_cast<int16_t>(n % 5);
  r->filterBlock = std::string(static_cast<size_t>(n % 40), static_cast<char>(n));
  r->filterLength = static_cast<int32_t>(r->filterBlock.size());
  r->filterNum = static_cast<int16_t>(n % 4);
  const int c = 1 + n % 9;
  r->selectedFields.push_back(c);
  for (int i = 1; i < c; ++i) r->selectedFields.push_back(i * 3 - 3);
  for (int i = 1; i < c; ++i) r->columnWidths.push_back(50 + i * n % 200);
  return r;
}

// A comparable text of a record, every field included.
std::string describe(const CBMRecord& r) {
  std::string s = std::string(r.className()) + "|" + r.name;
  switch (r.kind()) {
    case Kind::Folder: break;
    case Kind::Browse: {
      const auto& b = static_cast<const CBMBrowse&>(r);
      s += "|" + std::to_string(b.treeRecord) + "|" + std::to_string(b.object) + "|" + std::to_string(b.section);
      break;
    }
    case Kind::Periodic: {
      const auto& p = static_cast<const CBMPeriodic&>(r);
      s += "|" + std::to_string(p.mode) + "|" + std::to_string(p.extra);
      break;
    }
    case Kind::DataAn: {
      const auto& d = static_cast<const CBMDataAn&>(r);
      for (int v : {int(d.table), int(d.displayMode), d.showLabels, int(d.graphType), d.axis, d.graphFields,
                    int(d.sortColumn), d.filterLength, int(d.filterNum)})
        s += "|" + std::to_string(v);
      s += "|" + d.filterBlock + "|";
      for (int v : d.selectedFields) s += std::to_string(v) + ",";
      s += "|";
      for (int v : d.columnWidths) s += std::to_string(v) + ",";
      break;
    }
  }
  return s;
}

std::vector<std::string> describeAll(const std::vector<RecordPtr>& records) {
  std::vector<std::string> out;
  for (const auto& r : records) out.push_back(describe(*r));
  return out;
}

}  // namespace

TEST(BookmarkFile, RecordsAreWrittenByteForByte) {
  // Later records of a class carry the index of its first occurrence.
  const struct {
    std::vector<RecordPtr> records;
    std::string bytes;
  } rows[] = {
      {{folder("abc")},
       bytes({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0xFF, 0xFF, 1, 0, 9, 0}) + "CBMFolder" + bytes({3}) + "abc"},
      {{folder("A"), browse("b1", 30001, 0, 3), browse("b2", 40000, 7, 4), folder("Z")},
       header(4) + newClass("CBMFolder") + text("A") +                          //
           newClass("CBMBrowse") + u32(30001) + u32(0) + u16(3) + text("b1") +  //
           u16(0x8003) + u32(40000) + u32(7) + u16(4) + text("b2") +            //
           u16(0x8001) + text("Z")},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.records.size());
    EXPECT_EQ(writeBookmarkFile(row.records), row.bytes);
  }
}

TEST(BookmarkFile, TenThousandMixedRecordsComeBackUnchanged) {
  std::vector<RecordPtr> records;
  for (int i = 0; i < 10000; ++i) {
    const std::string name = "\xD3\xE5\xEB\xDF\xE4\xE1 " + std::to_string(i);  // Greek bytes too
    switch (i % 10) {
      case 0: records.push_back(folder(name)); break;
      case 1:
      case 2:
      case 3: records.push_back(browse(name, i * 10, i % 7, static_cast<int16_t>(1 + i % 7))); break;
      case 4:
      case 5: records.push_back(periodic(name, i % 4, -i)); break;
      default: records.push_back(dataAn(name, i)); break;
    }
  }
  const std::string written = writeBookmarkFile(records);
  // N is 10000 < 0xFFFF: the list count is a u16 right after the header.
  EXPECT_EQ(written.substr(8, 2), u16(10000));
  const FileReading reading = readBookmarkFile(written);
  ASSERT_TRUE(reading.ok()) << reading.error;
  EXPECT_EQ(describeAll(reading.records), describeAll(records));
  EXPECT_EQ(writeBookmarkFile(reading.records), written);
}

TEST(BookmarkFile, LargeCountsAndIndexesUseTheWideForms) {
  // 0x10000 records: the list count becomes 0xFFFF + u32, and a class first met after index
  // 0x7FFF is named by 0x7FFF + u32 0x80000000 | k.
  std::vector<RecordPtr> records;
  for (int i = 0; i < 0x10000 - 2; ++i) records.push_back(folder(""));
  records.push_back(periodic("p", 1, 2));
  records.push_back(periodic("q", 3, 4));
  const std::string written = writeBookmarkFile(records);
  EXPECT_EQ(written.substr(8, 6), u16(0xFFFF) + u32(0x10000));
  // Indexes: folder class 1, folders 2..0xFFFF, periodic class 0x10000, its record 0x10001.
  const std::string tail = u16(0x7FFF) + u32(0x80000000u | 0x10000) + u32(3) + u32(4) + text("q");
  EXPECT_EQ(written.substr(written.size() - tail.size()), tail);
  const FileReading reading = readBookmarkFile(written);
  ASSERT_TRUE(reading.ok()) << reading.error;
  EXPECT_EQ(describe(*reading.records.back()), "CBMPeriodic|q|3|4");
}

TEST(BookmarkFile, NamesUseEachLengthForm) {
  for (size_t n : {size_t{0}, size_t{254}, size_t{255}, size_t{0xFFFD}, size_t{0xFFFE}, size_t{70000}}) {
    const std::string name(n, '\xE1');
    const std::string written = writeBookmarkFile({folder(name)});
    const std::string prefix = written.substr(header(1).size() + newClass("CBMFolder").size(), 7);
    if (n < 255)
      EXPECT_EQ(prefix[0], static_cast<char>(n));
    else if (n < 0xFFFE)
      EXPECT_EQ(prefix.substr(0, 3), bytes({0xFF}) + u16(static_cast<int>(n)));
    else
      EXPECT_EQ(prefix, bytes({0xFF}) + u16(0xFFFF) + u32(static_cast<uint32_t>(n)));
    const auto list = loadList(written);
    ASSERT_TRUE(list) << n;
    EXPECT_EQ(list->records[0]->name, name);
  }
}

TEST(BookmarkFile, Utf16NamesAreReadIntoTheCodePage) {
  // "Άλφα" and "x", a lone high surrogate, an emoji pair (not in the code page), a lone low one.
  const std::string greek = u16(0x0386) + u16(0x03BB) + u16(0x03C6) + u16(0x03B1);
  const std::string odd = u16('x') + u16(0xD800) + u16(0xD83D) + u16(0xDE00) + u16(0xDC00);
  const std::string file = header(2) + newClass("CBMFolder") + bytes({0xFF}) + u16(0xFFFE) + bytes({4}) + greek +
                           u16(0x8001) + bytes({0xFF}) + u16(0xFFFE) + bytes({5}) + odd;
  const FileReading reading = readBookmarkFile(file);
  ASSERT_TRUE(reading.ok()) << reading.error;
  EXPECT_EQ(reading.records[0]->name, "\xA2\xEB\xF6\xE1");
  EXPECT_EQ(reading.records[1]->name, "x???");
}

TEST(BookmarkFile, DamagedFilesAreRefusedWithTheirFault) {
  const std::string folderA = newClass("CBMFolder") + text("A");
  const std::string dataHead =
      newClass("CBMDataAn") + text("d") + u16(0) + u16(0) + u32(0) + u16(1) + u32(0) + u32(0) + u16(0);
  const struct {
    const char* what;
    std::string file;
    const char* fault;
  } cases[] = {
      {"empty file", "", "ends inside the header"},
      {"only the header words 1 and 0", u32(1) + u32(0), "below 1"},
      {"version 2", u32(2) + u32(1) + u16(1) + folderA, "version 2"},
      {"negative count", u32(1) + u32(0xFFFFFFFFu) + u16(1) + folderA, "below 1"},
      {"counts that differ", u32(1) + u32(2) + u16(1) + folderA, "differs"},
      {"count beyond the file", u32(1) + u32(50000000) + u16(0xFFFF) + u32(50000000) + folderA, "does not fit"},
      {"unknown class", header(1) + newClass("CBMEvil") + text("A"), "unknown class \"CBMEvil\""},
      {"schema 2", header(1) + newClass("CBMFolder", 2) + text("A"), "schema 2"},
      {"unassigned index", header(2) + folderA + u16(0x8005) + text("B"), "unassigned"},
      {"index of a record", header(2) + folderA + u16(0x8002) + text("B"), "a record"},
      {"wide unassigned index", header(2) + folderA + u16(0x7FFF) + u32(0x80000009u) + text("B"), "unassigned"},
      {"record stored twice", header(2) + folderA + u16(0x0002), "reference to record 2"},
      {"wide record reference", header(2) + folderA + u16(0x7FFF) + u32(2), "reference to record 2"},
      {"null entry", header(2) + folderA + u16(0), "null entry"},
      {"first record not a folder", header(1) + newClass("CBMPeriodic") + u32(1) + u32(2) + text("p"), "not a folder"},
      {"name beyond the file", header(1) + newClass("CBMFolder") + bytes({200}) + "abc", "longer than the rest"},
      {"UTF-16 name beyond the file",
       header(1) + newClass("CBMFolder") + bytes({0xFF}) + u16(0xFFFE) + bytes({0xFF}) + u16(0x7000) + "ab",
       "longer than the rest"},
      {"negative filter length", header(2) + folderA + dataHead + u32(0xFFFFFFFFu) + u16(0) + u32(1),
       "filter length -1"},
      {"filter length beyond the file", header(2) + folderA + dataHead + u32(0x7FFFFFFF) + u16(0) + u32(1),
       "filter length"},
      {"C of 0", header(2) + folderA + dataHead + u32(0) + u16(0) + u32(0), "selected-field count 0"},
      {"C of 257", header(2) + folderA + dataHead + u32(0) + u16(0) + u32(257), "selected-field count 257"},
      {"C beyond the file", header(2) + folderA + dataHead + u32(0) + u16(0) + u32(200) + u32(1), "column count"},
  };
  for (const auto& c : cases) {
    const FileReading reading = readBookmarkFile(c.file);
    EXPECT_FALSE(reading.ok()) << c.what;
    EXPECT_NE(reading.error.find(c.fault), std::string::npos) << c.what << ": " << reading.error;
    EXPECT_FALSE(loadList(c.file)) << c.what;
  }
}

TEST(BookmarkFile, AFileCutAtAnyByteIsRefused) {
  const std::string whole =
      writeBookmarkFile({folder("F"), browse("b", 30001, 2, 3), periodic("p", 1, 2), dataAn("d", 13), folder("G")});
  ASSERT_TRUE(loadList(whole));
  for (size_t cut = 0; cut < whole.size(); ++cut) EXPECT_FALSE(loadList(whole.substr(0, cut))) << cut;
}

TEST(BookmarkFile, TrailingBytesAreCountedButDoNotSpoilTheList) {
  const FileReading reading = readBookmarkFile(writeBookmarkFile({folder("F")}) + "xyz");
  EXPECT_TRUE(reading.ok());
  EXPECT_EQ(reading.trailingBytes, 3u);
}

TEST(BookmarkFile, TheLoadedListStartsInItsFirstFolder) {
  const auto list = loadList(writeBookmarkFile({folder("F"), periodic("p", 1, 2), folder("G")}));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->currentFolder, list->records[0].get());
  EXPECT_EQ(checkInvariants(*list), "");
}
