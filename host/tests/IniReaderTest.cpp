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

TEST(ReadIniValue, ValueRunsToCarriageReturnOrEnd) {
  EXPECT_EQ(ReadIniValue("DataPath=/at/the/end", "DataPath"), "/at/the/end");
  // A file written with bare line feeds: the value runs on to the end of the text.
  EXPECT_EQ(ReadIniValue("DataPath=/a/\nBookmark=/b", "DataPath"), "/a/\nBookmark=/b");
  EXPECT_EQ(ReadIniValue("DataPath=\r\n", "DataPath"), "");
  EXPECT_EQ(ReadIniValue("DataPath /no/equals", "DataPath"), "");
  EXPECT_EQ(ReadIniValue("Nothing here", "DataPath"), "");
}

TEST(ReadIniValue, LengthLimitsAndTheFirstThousandBytes) {
  EXPECT_EQ(ReadIniValue("DataPath=" + std::string(254, 'x') + "\r\n", "DataPath"), std::string(254, 'x'));
  EXPECT_EQ(ReadIniValue("DataPath=" + std::string(255, 'x') + "\r\n", "DataPath"), "");
  const std::string padded = std::string(995, ' ') + "DataPath=/late/\r\n";
  EXPECT_EQ(ReadIniValue(iniTextOf(padded), "DataPath"), "");
  const std::string cut = std::string(980, ' ') + "DataPath=/abcdefghijklmnop/\r\n";
  EXPECT_EQ(ReadIniValue(iniTextOf(cut), "DataPath"), "/abcdefghij");
  // Text ends at the first NUL, as the reader takes the bytes as a C string.
  EXPECT_EQ(ReadIniValue(iniTextOf(std::string("X=1\0DataPath=/hidden/", 21)), "DataPath"), "");
}
