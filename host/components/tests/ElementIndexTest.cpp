#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "host/components/ElementIndex.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using namespace vantorel::host;

namespace {

QByteArray entry(uint8_t element, uint32_t record) {
  QByteArray bytes(1, char(element));
  for (int i = 0; i < 4; ++i) bytes.append(char((record >> (8 * i)) & 0xFF));
  return bytes;
}

struct Folder {
  QTemporaryDir dir;
  ui::RecordingMessageBoxes boxes;
  QString path() const { return dir.path() + u'/'; }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile f(path() + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
};

}  // namespace

TEST(ElementIndex, EntriesAreFiveBytesAndATrailingPartIsIgnored) {
  Folder f;
  f.write(u"ptable.ndx"_qs, entry(26, 410026) + entry(1, 0xA1B2C3D4) + "\x08\x01");
  const auto table = readElementIndex(f.path());
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(components::findElement(table, 26), 410026u);
  EXPECT_EQ(components::findElement(table, 1), 0xA1B2C3D4u);
  EXPECT_EQ(components::findElement(table, 8), std::nullopt);
  EXPECT_TRUE(f.boxes.shown().empty());
}

TEST(ElementIndex, TheFirstOfDuplicateEntriesWins) {
  const QByteArray bytes = entry(79, 410079) + entry(79, 1) + entry(200, 7);
  const auto table = components::parseElementIndex(
      std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())));
  EXPECT_EQ(components::findElement(table, 79), 410079u);
  EXPECT_EQ(components::findElement(table, 200), 7u);
  EXPECT_EQ(components::findElement(table, -56), std::nullopt);  // a short index never matches a byte by wrapping
}

TEST(ElementIndex, EmptyLargeAndMissingFiles) {
  Folder f;
  f.write(u"ptable.ndx"_qs, QByteArray());
  EXPECT_TRUE(readElementIndex(f.path()).empty());
  EXPECT_TRUE(f.boxes.shown().empty());

  f.write(u"ptable.ndx"_qs, QByteArray(1024 * 1024, '\x05'));
  const auto big = readElementIndex(f.path());
  EXPECT_EQ(big.size(), 1024u * 1024u / 5u);
  EXPECT_EQ(components::findElement(big, 5), 0x05050505u);

  QFile::remove(f.path() + u"ptable.ndx"_qs);
  EXPECT_TRUE(readElementIndex(f.path()).empty());
  QDir().mkpath(f.path() + u"ptable.ndx"_qs);  // a folder of that name is no file
  EXPECT_TRUE(readElementIndex(f.path()).empty());
  ASSERT_EQ(f.boxes.shown().size(), 2u);
  EXPECT_EQ(f.boxes.shown()[0].text, u"Can't open ptable.ndx"_qs);
}

TEST(ElementIndex, ANameInOtherLetterCaseIsFound) {
  Folder f;
  f.write(u"PTABLE.NDX"_qs, entry(6, 410006));
  EXPECT_EQ(components::findElement(readElementIndex(f.path()), 6), 410006u);
}
