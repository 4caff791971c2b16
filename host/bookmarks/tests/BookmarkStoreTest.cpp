#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "host/bookmarks/BookmarkStore.h"
#include "host/bookmarks/core/BookmarkFile.h"
#include "host/bookmarks/tests/SampleLists.h"
#include "platform/codepage/Cp1253.h"
#include "platform/ui/MessageBox.h"

// Readable QStrings in failure reports.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

using namespace vantorel;
using namespace vantorel::bookmarks;

namespace {

const QString kCorrupt = u"Το αρχείο σελιδοδεικτών είναι κατεστραμμένο. Οι υπάρχοντες σελιδοδείκτες θα χαθούν."_qs;

QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray toBytes(const std::string& s) {
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

class StoreTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath(u"sub/deeper/bookmark.dat"_qs);
  ui::RecordingMessageBoxes boxes;
};

}  // namespace

TEST_F(StoreTest, AMissingFileGivesTheDefaultListSilentlyAndTheFirstSaveMakesTheFolders) {
  BookmarkStore store(path);
  store.load();
  EXPECT_TRUE(boxes.shown().empty());
  ASSERT_EQ(store.list().records.size(), 1u);
  EXPECT_EQ(store.list().records[0]->name, defaultFolderName());
  EXPECT_EQ(store.list().currentFolder, store.list().records[0].get());
  ASSERT_TRUE(store.save());
  EXPECT_EQ(readFile(path), toBytes(writeBookmarkFile(defaultList().records)));
}

TEST_F(StoreTest, ASavedListLoadsBackWhole) {
  BookmarkStore store(path);
  store.reset();
  store.list() = fixtures::mixedList(500);
  ASSERT_TRUE(store.save());
  BookmarkStore again(path);
  again.load();
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(writeBookmarkFile(again.list().records), writeBookmarkFile(store.list().records));
}

TEST_F(StoreTest, ADamagedFileIsReportedKeptAsideAndNeverWrittenOver) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  const std::string whole = writeBookmarkFile(fixtures::mixedList(7).records);
  // The header words 1 and 0, a newer version, and the whole file cut at every byte.
  std::vector<QByteArray> damaged = {QByteArray("\1\0\0\0\0\0\0\0", 8), QByteArray("\2\0\0\0\1\0\0\0", 8)};
  for (size_t cut = 0; cut < whole.size(); ++cut) damaged.push_back(toBytes(whole.substr(0, cut)));
  for (const QByteArray& bytes : damaged) {
    writeFile(path, bytes);
    BookmarkStore store(path);
    store.load();
    ASSERT_EQ(boxes.shown().size(), 1u) << bytes.size();
    EXPECT_EQ(boxes.shown()[0].text,
              kCorrupt + u"\n\nΤο αρχείο φυλάχτηκε ως «"_qs + QDir::toNativeSeparators(store.badPath()) + u"»."_qs);
    EXPECT_EQ(boxes.shown()[0].buttons, ui::Buttons::Ok);
    boxes.clear();
    EXPECT_EQ(writeBookmarkFile(store.list().records), writeBookmarkFile(defaultList().records));
    EXPECT_EQ(readFile(store.badPath()), bytes);
    EXPECT_FALSE(QFileInfo::exists(path));
    if (bytes.size() % 16 != 0) continue;  // saving is the same for every cut
    ASSERT_TRUE(store.save());
    EXPECT_EQ(readFile(path), toBytes(writeBookmarkFile(defaultList().records)));
    EXPECT_EQ(readFile(store.badPath()), bytes);
  }
}

TEST_F(StoreTest, OnlyALoadedListIsEverSaved) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  const QByteArray old = toBytes(writeBookmarkFile(fixtures::mixedList(20).records));
  writeFile(path, old);
  BookmarkStore store(path);  // never loaded: start-up stopped before bookmarks
  EXPECT_TRUE(store.save());
  EXPECT_EQ(readFile(path), old);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(StoreTest, AFolderThatCannotBeMadeKeepsTheListAndWhatStandsThere) {
  // A file stands where the bookmark folder should be: even root cannot make the folder.
  const QString blocker = dir.filePath(u"blocker"_qs);
  writeFile(blocker, "keep me");
  BookmarkStore store(blocker + u"/bookmark.dat"_qs);
  store.load();
  store.list() = fixtures::mixedList(40);
  EXPECT_FALSE(store.save());
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, u"Δεν είναι δυνατή η εγγραφή του αρχείου σελιδοδείκτη: "_qs +
                                       QDir::toNativeSeparators(blocker + u"/bookmark.dat"_qs));
  EXPECT_EQ(readFile(blocker), "keep me");
  EXPECT_EQ(store.list().records.size(), 40u);
}

TEST_F(StoreTest, AFolderWithoutWriteRightsKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  QDir().mkpath(QFileInfo(path).absolutePath());
  const QByteArray old = toBytes(writeBookmarkFile(fixtures::mixedList(20).records));
  writeFile(path, old);
  BookmarkStore store(path);
  store.load();
  store.list() = fixtures::mixedList(40);
  QFile::setPermissions(QFileInfo(path).absolutePath(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(store.save());
  QFile::setPermissions(QFileInfo(path).absolutePath(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_TRUE(boxes.shown()[0].text.startsWith(u"Δεν είναι δυνατή η εγγραφή"_qs));
  EXPECT_EQ(readFile(path), old);
}

TEST_F(StoreTest, APathThatIsAFolderCannotBeWritten) {
  // A folder stands where the file should be: it reads as no file, and saving reports 61204.
  QDir().mkpath(path);
  BookmarkStore store(path);
  store.load();
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_FALSE(store.save());
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_TRUE(boxes.shown()[0].text.startsWith(u"Δεν είναι δυνατή η εγγραφή"_qs));
  EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(StoreTest, AWriterKilledHalfwayLeavesTheOldFileWhole) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  const QByteArray old = toBytes(writeBookmarkFile(fixtures::mixedList(30).records));
  writeFile(path, old);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    BookmarkStore store(path);
    store.load();
    store.list() = fixtures::mixedList(10000);
    // Killed once the first piece of the new file is on its way.
    store.setWriteObserver([](int64_t) { raise(SIGKILL); });
    store.save();
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGKILL);
  EXPECT_EQ(readFile(path), old);
  BookmarkStore store(path);
  store.load();
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(store.list().records.size(), 30u);
}

TEST_F(StoreTest, AFileWrittenFromTheFormatAloneLoadsAndDumps) {
  if (QString(PYTHON_PATH).isEmpty()) GTEST_SKIP() << "no Python";
  const QString file = dir.filePath(u"script-bookmark.dat"_qs);
  ASSERT_EQ(QProcess::execute(PYTHON_PATH, {SCRIPT_PATH, file}), 0);
  BookmarkStore store(file);
  store.load();
  EXPECT_TRUE(boxes.shown().empty());
  const auto& records = store.list().records;
  ASSERT_EQ(records.size(), 7u);
  std::vector<std::string> lines;
  for (const auto& r : records) lines.push_back(std::string(r->className()) + " " + codepage::toUtf8(r->name));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "CBMFolder Οι σελιδοδείκτες μου", "CBMBrowse Δομές - Μέταλλα",
                       "CBMBrowse Ενώσεις και στοιχεία - Χαλκός", "CBMPeriodic Periodic Table - 1", "CBMFolder Πίνακες",
                       "CBMDataAn Data Analyser - 1", "CBMPeriodic " + codepage::toUtf8(std::string(300, '\xC5'))}));
  const auto& browse = static_cast<const CBMBrowse&>(*records[2]);
  EXPECT_EQ(browse.treeRecord, 60000);
  EXPECT_EQ(browse.object, 120005);
  EXPECT_EQ(browse.section, 6);
  const auto& data = static_cast<const CBMDataAn&>(*records[5]);
  EXPECT_EQ(data.table, 3);
  EXPECT_EQ(data.selectedFields, (std::vector<int32_t>{4, 0, 4, 7}));
  EXPECT_EQ(data.columnWidths, (std::vector<int32_t>{108, 150, 60}));
  EXPECT_EQ(data.filterBlock, std::string("\1\2\3\4\5\6"));
  EXPECT_EQ(data.graphFields, 0x20001);

  QProcess tool;
  tool.start(DATA_TOOL_PATH, {u"dump"_qs, file});
  ASSERT_TRUE(tool.waitForFinished(60000));
  EXPECT_EQ(tool.exitCode(), 0);
  const QStringList dumped = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(dumped.size(), 7);
  EXPECT_EQ(dumped[2], u"CBMBrowse\ttreeRecord=60000\tobject=120005\tsection=6\tname=Ενώσεις και στοιχεία - Χαλκός"_qs);
  EXPECT_EQ(dumped[5],
            u"CBMDataAn\ttable=3\tdisplayMode=1\tshowLabels=1\tgraphType=2\taxis=0\tgraphFields=131073\tsortColumn=1"
            "\tfilterLength=6\tfilterNum=1\tfilterBlock=010203040506\tfields=0,4,7\twidths=108,150,60"
            "\tname=Data Analyser - 1"_qs);
  tool.start(DATA_TOOL_PATH, {u"check"_qs, file});
  ASSERT_TRUE(tool.waitForFinished(60000));
  EXPECT_EQ(tool.exitCode(), 0);
  EXPECT_TRUE(tool.readAllStandardOutput().endsWith(": sound\n"));
}

TEST_F(StoreTest, TheDataToolNamesWhatIsWrongWithADamagedFile) {
  const QString file = dir.filePath(u"bookmark.dat"_qs);
  std::string bytes = writeBookmarkFile(fixtures::mixedList(4).records);
  bytes.resize(bytes.size() - 3);
  writeFile(file, toBytes(bytes));
  QProcess tool;
  tool.start(DATA_TOOL_PATH, {u"check"_qs, file});
  ASSERT_TRUE(tool.waitForFinished(60000));
  EXPECT_EQ(tool.exitCode(), 1);
  // The last record, a browse bookmark, lost the end of its name.
  const QString said = QString::fromUtf8(tool.readAllStandardOutput());
  EXPECT_TRUE(said.startsWith(file + u": record 4, offset "_qs)) << said.toStdString();
  EXPECT_TRUE(said.endsWith(u": a name is longer than the rest of the file\n"_qs)) << said.toStdString();
  tool.start(DATA_TOOL_PATH, {u"dump"_qs, file});
  ASSERT_TRUE(tool.waitForFinished(60000));
  EXPECT_EQ(tool.exitCode(), 1);
  EXPECT_TRUE(QString::fromUtf8(tool.readAllStandardOutput()).contains(u"\n# fault: offset "_qs));
}
