#include <gtest/gtest.h>

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

TEST(PrivateProfile, AddsAMissingSectionAtTheEnd) {
  EXPECT_EQ(withProfileValue("[Other]\nX=1", "Settings", "K", "v"), "[Other]\nX=1\n[Settings]\nK=v\n");
  // A section whose last line has no line end.
  EXPECT_EQ(withProfileValue("[Settings]\nA=1", "Settings", "B", "2"), "[Settings]\nA=1\nB=2\n");
}

TEST(PrivateProfile, OddFilesKeepTheirBytes) {
  // NUL bytes and a very long line stay as they were around the edited line.
  const std::string nul("A=\0\0x\n", 6);
  const std::string longLine(1 << 20, 'x');
  const std::string text = nul + longLine + "\n[Settings]\nDataPath=1\n";
  const std::string out = withProfileValue(text, "Settings", "DataPath", "2");
  EXPECT_EQ(out, nul + longLine + "\n[Settings]\nDataPath=2\n");
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
