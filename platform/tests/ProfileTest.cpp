#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/profile/PrivateProfile.h"

namespace fs = std::filesystem;
using vantorel::profile::withProfileValue;

TEST(PrivateProfile, NewTextGetsSectionAndKeyWithCrLf) {
  EXPECT_EQ(withProfileValue("", "Settings", "DataPath", "/disc/"), "[Settings]\r\nDataPath=/disc/\r\n");
}

TEST(PrivateProfile, UpdatesInPlaceAndKeepsEveryOtherByte) {
  const std::string text = "; notes\r\n[Settings]\r\nDataPath=/old/\r\nBookmark=/b.dat\r\n\r\n[Other]\r\nX=1\r\n";
  EXPECT_EQ(withProfileValue(text, "settings", "DATAPATH", "/new/"),
            "; notes\r\n[Settings]\r\nDATAPATH=/new/\r\nBookmark=/b.dat\r\n\r\n[Other]\r\nX=1\r\n");
}

TEST(PrivateProfile, AddsAMissingKeyAtTheEndOfItsSection) {
  const std::string text = "[Settings]\r\nDataPath=/d/\r\n\r\n[Other]\r\nX=1\r\n";
  EXPECT_EQ(withProfileValue(text, "Settings", "Bookmark", "/b"),
            "[Settings]\r\nDataPath=/d/\r\nBookmark=/b\r\n\r\n[Other]\r\nX=1\r\n");
  // The same key name in another section is not the one to update.
  EXPECT_EQ(withProfileValue(text, "Other", "DataPath", "z"), text + "DataPath=z\r\n");
}

TEST(PrivateProfile, LinesItWritesEndInCrLfWhateverTheFileUses) {
  // An editor's file with bare line feeds keeps its own lines; the written ones end in CR LF.
  EXPECT_EQ(withProfileValue("[Other]\nX=1", "Settings", "K", "v"), "[Other]\nX=1\r\n[Settings]\r\nK=v\r\n");
  EXPECT_EQ(withProfileValue("[Settings]\nA=1", "Settings", "B", "2"), "[Settings]\nA=1\r\nB=2\r\n");
  EXPECT_EQ(withProfileValue("[Settings]\nA=1\nB=2\n", "Settings", "A", "3"), "[Settings]\nA=3\r\nB=2\n");
  // The last line without a line end gets one when it is replaced.
  EXPECT_EQ(withProfileValue("[Settings]\r\nA=1", "Settings", "A", "3"), "[Settings]\r\nA=3\r\n");
}

TEST(PrivateProfile, OddFilesKeepTheirBytes) {
  // NUL bytes and a very long line stay as they were around the edited line.
  const std::string nul("A=\0\0x\n", 6);
  const std::string longLine(1 << 20, 'x');
  const std::string text = nul + longLine + "\n[Settings]\nDataPath=1\n";
  const std::string out = withProfileValue(text, "Settings", "DataPath", "2");
  EXPECT_EQ(out, nul + longLine + "\n[Settings]\nDataPath=2\r\n");
  // No line end anywhere: the text is kept and the section follows it.
  EXPECT_EQ(withProfileValue("just text", "Settings", "K", "v"), "just text\r\n[Settings]\r\nK=v\r\n");
}

TEST(PrivateProfile, WritesTheFileAndCreatesIt) {
  const fs::path file = fs::temp_directory_path() / ("vantorel-profile-" + std::to_string(::getpid()) + ".ini");
  fs::remove(file);
  ASSERT_TRUE(vantorel::profile::writePrivateProfileString(file, "Settings", "DataPath", "/disc/"));
  ASSERT_TRUE(vantorel::profile::writePrivateProfileString(file, "Settings", "Bookmark", "/tmp/b.dat"));
  ASSERT_TRUE(vantorel::profile::writePrivateProfileString(file, "Settings", "DataPath", "/other/"));
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  EXPECT_EQ(s.str(), "[Settings]\r\nDataPath=/other/\r\nBookmark=/tmp/b.dat\r\n");
  fs::remove(file);
  // A folder that does not exist: the write fails and says so.
  EXPECT_FALSE(vantorel::profile::writePrivateProfileString("/nonexistent-folder/x/q.ini", "S", "K", "V"));
}

namespace {

class ProfileFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantorel-profile-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    file_ = dir_ / "qset.ini";
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string read(const fs::path& p) const {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  fs::path dir_;
  fs::path file_;
};

}  // namespace

TEST_F(ProfileFile, TwoProcessesWritingAtOnceLoseNothing) {
  QProcess writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w].start(QStringLiteral(STRESS_PATH), {u"write-profile"_qs, QString::fromStdString(file_.string()),
                                                   QString::number(w), u"0"_qs, u"1000"_qs});
  }
  for (auto& w : writers) {
    ASSERT_TRUE(w.waitForFinished(300000));
    EXPECT_EQ(w.exitCode(), 0) << w.readAllStandardError().toStdString();
  }
  const std::string text = read(file_);
  int present = 0;
  for (int w = 0; w < 2; ++w) {
    const size_t from = text.find("[W" + std::to_string(w) + "]\r\n");
    ASSERT_NE(from, std::string::npos);
    const size_t to = text.find("\r\n[", from + 1);
    const std::string section = text.substr(from, to == std::string::npos ? std::string::npos : to + 2 - from);
    for (int i = 0; i < 1000; ++i)
      present += section.find("\r\nV" + std::to_string(i) + "=value " + std::to_string(w) + " " + std::to_string(i) +
                              " Τιμή\r\n") != std::string::npos;
  }
  EXPECT_EQ(present, 2000);
}

TEST_F(ProfileFile, PlantedLinksAreNeverWrittenThroughAndLineBreaksAreRefused) {
  const fs::path victim = dir_ / "victim.txt";
  std::ofstream(victim) << "keep me";
  fs::create_symlink(victim, dir_ / "qset.ini.tmp");  // the temporary file's name of old
  ASSERT_TRUE(vantorel::profile::writePrivateProfileString(file_, "Settings", "DataPath", "/disc/"));
  EXPECT_EQ(read(victim), "keep me");
  EXPECT_EQ(read(file_), "[Settings]\r\nDataPath=/disc/\r\n");

  for (const std::string& bad : {std::string("/a\r\nBookmark=/evil"), std::string("/a\n"), std::string("/a\0b", 4)}) {
    EXPECT_FALSE(vantorel::profile::writePrivateProfileString(file_, "Settings", "DataPath", bad));
    EXPECT_FALSE(vantorel::profile::writePrivateProfileString(file_, "Settings", bad, "x"));
    EXPECT_FALSE(vantorel::profile::writePrivateProfileString(file_, bad, "DataPath", "x"));
  }
  EXPECT_EQ(read(file_), "[Settings]\r\nDataPath=/disc/\r\n");
  // A file that is not a regular file is never replaced.
  fs::remove(file_);
  fs::create_directory(file_);
  EXPECT_FALSE(vantorel::profile::writePrivateProfileString(file_, "Settings", "DataPath", "/disc/"));
  EXPECT_TRUE(fs::is_directory(file_));
}
