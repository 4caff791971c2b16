#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "host/CQuillet2App.h"
#include "host/core/StartupRules.h"
#include "host/tests/HostTestSupport.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using namespace vantorel::host;
using vantorel::host::testing::readFile;
using vantorel::host::testing::Sandbox;
using vantorel::host::testing::writeFile;

TEST(AppStartup, SettingsFileWithBothValuesAsksNothing) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  writeFile(box.programFolder + u"/qset.ini"_qs,
            ("[Settings]\r\nDataPath=" + disc + "\r\nBookmark=/home/student/b.dat").toUtf8());
  ui::RecordingMessageBoxes boxes;
  CQuillet2App app(box.environment());
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(app.dataFolder(), disc + u'/');
  EXPECT_EQ(app.bookmarkPath(), u"/home/student/b.dat"_qs);
  EXPECT_TRUE(box.locatorModes.empty());
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_TRUE(app.outsideInstallFolder());  // nothing installed
  EXPECT_NE(app.mainFrame(), nullptr);
  // The key exists from now on, ready for the frame's placement.
  EXPECT_TRUE(registry::store().keyExists(registryKeyPath()));
}

TEST(AppStartup, LocatorLoopsUntilTheFirstPageIsFound) {
  Sandbox box;
  const QString empty = box.dataFolder(u"empty"_qs, false);
  const QString disc = box.dataFolder(u"disc"_qs);
  box.locatorAnswers = {empty, disc, QString()};  // then Cancel on the bookmark question
  CQuillet2App app(box.environment());
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(box.locatorModes, (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(app.dataFolder(), disc + u'/');
  // Cancelling the bookmark question puts the file in the user's own data folder and records it.
  EXPECT_EQ(app.bookmarkPath(), box.privateFolder + u"qv2kbookmark.dat"_qs);
  EXPECT_EQ(box.settingsText(), u"[Settings]\r\nDataPath="_qs + disc + u"\r\nBookmark="_qs + box.privateFolder +
                                    u"qv2kbookmark.dat\r\n"_qs);

  // The next start asks nothing.
  box.locatorModes.clear();
  CQuillet2App again(box.environment());
  ASSERT_TRUE(again.InitInstance());
  EXPECT_TRUE(box.locatorModes.empty());
  EXPECT_EQ(again.dataFolder(), disc + u'/');
}

TEST(AppStartup, ChosenBookmarkFolderGetsTheFileName) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  writeFile(box.programFolder + u"/qset.ini"_qs, ("DataPath=" + disc + "\r\nBookmark=ab\r\n").toUtf8());
  box.locatorAnswers = {u"/home/student"_qs};
  CQuillet2App app(box.environment());
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(box.locatorModes, (std::vector<int>{1}));  // a two-character value counts as missing
  EXPECT_EQ(app.bookmarkPath(), u"/home/student/bookmark.dat"_qs);
}

TEST(AppStartup, CancellingTheLocatorEndsQuietly) {
  Sandbox box;
  ui::RecordingMessageBoxes boxes;
  CQuillet2App app(box.environment());
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(box.locatorModes, (std::vector<int>{0}));
  EXPECT_EQ(app.mainFrame(), nullptr);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST(AppStartup, SampleDiscBesideTheProgramIsTheFallback) {
  Sandbox box;
  (void)box.dataFolder(u"program/disc"_qs);
  // A one-character DataPath counts as missing.
  writeFile(box.programFolder + u"/qset.ini"_qs, "DataPath=x\r\nBookmark=/b.dat\r\n");
  CQuillet2App app(box.environment());
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(app.dataFolder(), box.programFolder + u"/disc/"_qs);
  EXPECT_TRUE(box.locatorModes.empty());
}

TEST(AppStartup, OddSettingsFilesFallBackWithoutHarm) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  const QByteArray odd[] = {
      QByteArray(5 << 20, '\xFF'),                                // huge and binary
      QByteArray("DataPath=\0/hidden/", 18),                      // NUL cuts the text
      ("DataPath=" + QByteArray(300, 'x')),                       // too long, no line end
      QByteArray("DataPath=/etc/passwd\r\nBookmark=/b.dat\r\n"),  // a file, not a folder
  };
  for (const QByteArray& bytes : odd) {
    writeFile(box.programFolder + u"/qset.ini"_qs, bytes);
    box.locatorAnswers = {disc, u"/home/x"_qs};
    box.locatorModes.clear();
    CQuillet2App app(box.environment());
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.dataFolder(), disc + u'/');
    EXPECT_EQ(box.locatorModes.front(), 0);
  }
}

TEST(AppStartup, UnreadableRegistryStopsWithItsMessage) {
  Sandbox box;
  const QString registryFile = box.dir.filePath(u"registry.reg"_qs);
  writeFile(registryFile, "garbage that is not a registry\n");
  ui::RecordingMessageBoxes boxes;
  CQuillet2App app(box.environment());
  EXPECT_FALSE(app.InitInstance());
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(
      boxes.shown()[0].text,
      u"Δεν είναι δυνατή η λήψη πληροφοριών από το μητρώο. Παρακαλώ κάντε νέα εγκατάσταση και δοκιμάστε ξανά."_qs);
  EXPECT_EQ(readFile(registryFile), QByteArray("garbage that is not a registry\n"));
  EXPECT_TRUE(box.locatorModes.empty());
}

TEST(AppStartup, RegistryValuesAndScreenDecideThePlacement) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  writeFile(box.programFolder + u"/qset.ini"_qs, ("DataPath=" + disc + "\r\nBookmark=/b.dat\r\n").toUtf8());
  auto& reg = registry::store();
  const std::string key = registryKeyPath();
  reg.setString(key, "Directory", box.programFolder.toUpper().toStdString());
  reg.setDword(key, "Size", 7);
  reg.setDword(key, "Left", 10);
  reg.setString(key, "Top", "20");  // a string where a DWORD belongs counts as missing
  reg.setDword(key, "Splitter", 250);
  CQuillet2App app(box.environment());
  ASSERT_TRUE(app.InitInstance());
  EXPECT_FALSE(app.outsideInstallFolder());
  EXPECT_EQ(app.placement().size, 2);
  EXPECT_EQ(app.placement().left, 10);
  EXPECT_EQ(app.placement().top, 0);
  EXPECT_EQ(app.placement().splitter, 250);
  EXPECT_FALSE(app.firstShowMaximised());

  CQuillet2App small(box.environment({640, 480}));
  ASSERT_TRUE(small.InitInstance());
  EXPECT_TRUE(small.firstShowMaximised());
}

TEST(AppStartup, ColourDepthAdviceAndFrameFailure) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  writeFile(box.programFolder + u"/qset.ini"_qs, ("DataPath=" + disc + "\r\nBookmark=/b.dat\r\n").toUtf8());
  {
    ui::RecordingMessageBoxes boxes;
    CQuillet2App app(box.environment({1024, 768}, 8));
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(u"Η οθόνη σας απεικονίζει μόνο 256 χρώματα.\r\n"_qs));
  }
  {
    ui::RecordingMessageBoxes boxes;
    CQuillet2App app(box.environment({1024, 768}, 16));
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(boxes.shown().empty());
  }
  box.frameFails = true;
  ui::RecordingMessageBoxes boxes;
  CQuillet2App app(box.environment({1024, 768}, 4));
  EXPECT_FALSE(app.InitInstance());
  EXPECT_TRUE(boxes.shown().empty());  // the advice comes only after the frame
}

TEST(AppStartup, WithoutAPrivateFolderCancelKeepsNoBookmarkFile) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  writeFile(box.programFolder + u"/qset.ini"_qs, ("DataPath=" + disc + "\r\n").toUtf8());
  auto env = box.environment();
  env.bookmarkFallbackFolder.clear();
  CQuillet2App app(env);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(box.locatorModes, (std::vector<int>{1}));
  EXPECT_TRUE(app.bookmarkPath().isEmpty());
  EXPECT_FALSE(box.settingsText().contains(u"Bookmark"_qs));
  EXPECT_FALSE(box.settingsText().contains(box.tempFolder));
}

TEST(AppStartup, TheRealEnvironmentKeepsBookmarksInAnOwnerOnlyFolder) {
  QTemporaryDir home;
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  const CQuillet2App::Environment env = CQuillet2App::systemEnvironment();
  if (saved.isNull()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", saved);
  }
  ASSERT_TRUE(env.bookmarkFallbackFolder.startsWith(home.path() + u'/')) << env.bookmarkFallbackFolder.toStdString();
  EXPECT_TRUE(env.bookmarkFallbackFolder.endsWith(u'/'));
  const QFileInfo info(env.bookmarkFallbackFolder);
  EXPECT_TRUE(info.isDir());
  const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
  EXPECT_FALSE(info.permissions() & others);
  EXPECT_TRUE(info.permissions().testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}
