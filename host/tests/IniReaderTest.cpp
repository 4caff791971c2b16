#include <gtest/gtest.h>

#include "host/core/IniReader.h"

using vantorel::host::iniTextOf;
using vantorel::host::ReadIniValue;

TEST(ReadIniValue, FindsTheFirstOccurrenceAnywhere) {
  const std::string text = "[Settings]\r\nDataPath=/disc/\r\nBookmark=/home/b.dat\r\n";
  EXPECT_EQ(ReadIniValue(text, "DataPath"), "/disc/");
  EXPECT_EQ(ReadIniValue(text, "Bookmark"), "/home/b.dat");
  // No section or line awareness: the key's characters anywhere count, even inside a value.
  EXPECT_EQ(ReadIniValue("[Other]\r\nOldDataPath=/old/\r\n[Settings]\r\nDataPath=/new/\r\n", "DataPath"), "/old/");
  EXPECT_EQ(ReadIniValue("Comment mentions Bookmark then\r\nx=/y\r\n", "Bookmark"), "/y");
}

TEST(ReadIniValue, ValueRunsToALineEndOrTheEnd) {
  EXPECT_EQ(ReadIniValue("DataPath=/at/the/end", "DataPath"), "/at/the/end");
  // A file an editor saved with bare line feeds reads as one with CR LF.
  const std::string lf = "[Settings]\nDataPath=/a/\nBookmark=/b\n";
  EXPECT_EQ(ReadIniValue(lf, "DataPath"), "/a/");
  EXPECT_EQ(ReadIniValue(lf, "Bookmark"), "/b");
  EXPECT_EQ(ReadIniValue("DataPath=\r\n", "DataPath"), "");
  EXPECT_EQ(ReadIniValue("DataPath /no/equals", "DataPath"), "");
  EXPECT_EQ(ReadIniValue("Nothing here", "DataPath"), "");
}

TEST(ReadIniValue, LengthLimitsAndTheFirstThousandBytes) {
  EXPECT_EQ(ReadIniValue("DataPath=" + std::string(254, 'x') + "\r\n", "DataPath"), std::string(254, 'x'));
  EXPECT_EQ(ReadIniValue("DataPath=" + std::string(255, 'x') + "\r\n", "DataPath"), "");
  // The limit counts characters: 149 Greek letters are 298 bytes and read back.
  std::string greek;
  for (int i = 0; i < 149; ++i) greek += "α";
  EXPECT_EQ(ReadIniValue("DataPath=/" + greek + "/\r\n", "DataPath"), "/" + greek + "/");
  std::string tooLong;
  for (int i = 0; i < 255; ++i) tooLong += "ω";
  EXPECT_EQ(ReadIniValue("DataPath=" + tooLong + "\r\n", "DataPath"), "");
  const std::string padded = std::string(995, ' ') + "DataPath=/late/\r\n";
  EXPECT_EQ(ReadIniValue(iniTextOf(padded), "DataPath"), "");
  const std::string cut = std::string(980, ' ') + "DataPath=/abcdefghijklmnop/\r\n";
  EXPECT_EQ(ReadIniValue(iniTextOf(cut), "DataPath"), "/abcdefghij");
  // Text ends at the first NUL, as the reader takes the bytes as a C string.
  EXPECT_EQ(ReadIniValue(iniTextOf(std::string("X=1\0DataPath=/hidden/", 21)), "DataPath"), "");
}
