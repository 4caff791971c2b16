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

TEST(AppStartup, LocatorLoopsUntilTheFirstPageIsFoundAndTheChoiceIsTheUsersOwn) {
  Sandbox box;
  const QString empty = box.dataFolder(u"empty"_qs, false);
  const QString disc = box.dataFolder(u"disc"_qs);
  // The administrator named a disc that is not there (a share not mounted).
  writeFile(box.programFolder + u"/qset.ini"_qs, ("[Settings]\r\nDataPath=" + empty + "\r\n").toUtf8());
  const QByteArray machineSettings = readFile(box.programFolder + u"/qset.ini"_qs);
  box.locatorAnswers = {empty, disc};
  ui::RecordingMessageBoxes boxes;
  CQuillet2App app(box.environment());
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(box.locatorModes, (std::vector<int>{0, 0}));  // and no bookmark question after it
  EXPECT_EQ(app.dataFolder(), disc + u'/');
  EXPECT_EQ(app.bookmarkPath(), box.privateFolder + u"bookmark.dat"_qs);
  EXPECT_TRUE(boxes.shown().empty());
  // The choice is the user's: written into their own settings, never into the install folder.
  EXPECT_EQ(box.userSettingsText(), u"[Settings]\r\nDataPath="_qs + disc + u"\r\n"_qs);
  EXPECT_EQ(readFile(box.programFolder + u"/qset.ini"_qs), machineSettings);

  // The next start asks nothing.
  box.locatorModes.clear();
  CQuillet2App again(box.environment());
  ASSERT_TRUE(again.InitInstance());
  EXPECT_TRUE(box.locatorModes.empty());
  EXPECT_EQ(again.dataFolder(), disc + u'/');
}

TEST(AppStartup, TheUsersSettingsComeBeforeTheInstallFoldersKeyByKey) {
  Sandbox box;
  const QString machineDisc = box.dataFolder(u"machine-disc"_qs);
  const QString greekDisc = box.dataFolder(u"Δίσκοι/Χημεία"_qs);
  writeFile(box.programFolder + u"/qset.ini"_qs,
            ("[Settings]\r\nDataPath=" + machineDisc + "\r\nBookmark=/srv/school/bookmark.dat\r\n").toUtf8());
  struct Case {
    const char* what;
    QByteArray userText;
    QString dataFolder;
    QString bookmark;
  };
  const Case cases[] = {
      {"no file of the user's", {}, machineDisc, u"/srv/school/bookmark.dat"_qs},
      {"a Greek data folder, bare line feeds", ("[Settings]\nDataPath=" + greekDisc + "\n").toUtf8(), greekDisc,
       u"/srv/school/bookmark.dat"_qs},
      {"both values", ("[Settings]\r\nBookmark=/home/anna/b.dat\r\nDataPath=" + greekDisc).toUtf8(), greekDisc,
       u"/home/anna/b.dat"_qs},
      {"values too short to count", "[Settings]\r\nDataPath=x\r\nBookmark=ab\r\n", machineDisc,
       u"/srv/school/bookmark.dat"_qs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(box.userSettingsFile);
    if (!c.userText.isNull()) writeFile(box.userSettingsFile, c.userText);
    box.locatorModes.clear();
    CQuillet2App app(box.environment());
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.dataFolder(), c.dataFolder + u'/');
    EXPECT_EQ(app.bookmarkPath(), c.bookmark);
    EXPECT_TRUE(box.locatorModes.empty());
  }
}

TEST(AppStartup, WithoutABookmarkSettingEachUserKeepsTheirOwnFileWithoutAQuestion) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  writeFile(box.programFolder + u"/qset.ini"_qs, ("DataPath=" + disc + "\r\nBookmark=ab\r\n").toUtf8());
  ui::RecordingMessageBoxes boxes;
  CQuillet2App app(box.environment());
  ASSERT_TRUE(app.InitInstance());
  EXPECT_TRUE(box.locatorModes.empty());
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(app.bookmarkPath(), box.privateFolder + u"bookmark.dat"_qs);
  // Nothing is recorded: another user of the same install folder gets their own.
  EXPECT_FALSE(QFileInfo::exists(box.userSettingsFile));
  EXPECT_FALSE(box.settingsText().contains(u"Bookmark=/"_qs));
  auto other = box.environment();
  other.userDataFolder = box.dir.filePath(u"other/"_qs);
  CQuillet2App second(other);
  ASSERT_TRUE(second.InitInstance());
  EXPECT_EQ(second.bookmarkPath(), box.dir.filePath(u"other/bookmark.dat"_qs));
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

TEST(AppStartup, SampleDiscLaidOutWithTheProgramIsTheFallback) {
  Sandbox box;
  // Installed: the disc under share/, reached from the program folder.
  (void)box.dataFolder(u"share/vantorel/disc"_qs);
  CQuillet2App installed(box.environment());
  ASSERT_TRUE(installed.InitInstance());
  EXPECT_EQ(installed.dataFolder(), box.dir.filePath(u"share/vantorel/disc/"_qs));
  // In the build: the disc beside the program comes first. A one-character DataPath counts as missing.
  (void)box.dataFolder(u"program/disc"_qs);
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

TEST(AppStartup, WithoutAPrivateFolderThereIsNoBookmarkFileAndNoQuestion) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  writeFile(box.programFolder + u"/qset.ini"_qs, ("DataPath=" + disc + "\r\n").toUtf8());
  auto env = box.environment();
  env.userDataFolder.clear();
  env.userSettingsFile.clear();
  CQuillet2App app(env);
  ASSERT_TRUE(app.InitInstance());
  EXPECT_TRUE(box.locatorModes.empty());
  EXPECT_TRUE(app.bookmarkPath().isEmpty());
  EXPECT_FALSE(box.settingsText().contains(u"Bookmark"_qs));
}

TEST(AppStartup, TheRealEnvironmentKeepsTheUsersFilesInTheirOwnFolders) {
  QTemporaryDir home;
  const QByteArray savedData = qgetenv("XDG_DATA_HOME");
  const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_DATA_HOME", (home.path() + u"/data"_qs).toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + u"/config"_qs).toUtf8());
  const CQuillet2App::Environment env = CQuillet2App::systemEnvironment();
  for (const auto& [name, saved] : {std::pair{"XDG_DATA_HOME", savedData}, std::pair{"XDG_CONFIG_HOME", savedConfig}}) {
    if (saved.isNull()) {
      qunsetenv(name);
    } else {
      qputenv(name, saved);
    }
  }
  EXPECT_EQ(env.userDataFolder, home.path() + u"/data/vantorel/"_qs);
  EXPECT_EQ(env.userSettingsFile, home.path() + u"/config/vantorel/qset.ini"_qs);
  const QFileInfo info(env.userDataFolder);
  EXPECT_TRUE(info.isDir());
  const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                      QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
  EXPECT_FALSE(info.permissions() & others);
  EXPECT_TRUE(info.permissions().testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}
