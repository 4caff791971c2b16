#include <gtest/gtest.h>

#include <array>

#include "host/core/StartupRules.h"

using namespace vantorel::host;

TEST(StartupRules, InstallFolderComparesWithoutLetterCase) {
  EXPECT_EQ(decideInstallFolder("/opt/Vantorel", std::string("/OPT/vantorel")).outsideInstallFolder, false);
  EXPECT_EQ(decideInstallFolder("/opt/Vantorel", std::string("/OPT/vantorel")).folder, "/opt/Vantorel");
  const InstallFolder other = decideInstallFolder("/media/cd", std::string("/opt/vantorel"));
  EXPECT_TRUE(other.outsideInstallFolder);
  EXPECT_EQ(other.folder, "/media/cd");
  EXPECT_TRUE(decideInstallFolder("/media/cd", std::nullopt).outsideInstallFolder);
  EXPECT_EQ(registryKeyPath(), "HKEY_LOCAL_MACHINE\\Software\\Halvenor\\Vantorel Greek\\Ostrevan Edition");
}

TEST(StartupRules, PlacementFromTheSavedValuesAndTheScreen) {
  const std::optional<uint32_t> no;
  const struct {
    const char* what;
    SavedPlacement saved;  // splitter, size, left, top, right, bottom
    int screenWidth, screenHeight;
    Placement placement;  // the same order
  } rows[] = {
      {"no Size: centred, stored rectangle ignored", {no, no, 5, no, 9, no}, 1024, 768, {216, 0, 192, 144, 832, 624}},
      {"exactly 700 wide is enough to centre", {}, 700, 1000, {216, 0, 30, 260, 670, 740}},
      {"699 is not: maximised at 0,0", {}, 699, 1000, {216, 2, 0, 0, 640, 480}},
      {"odd Size reads as 2, missing values default", {300, 1, no, 12, no, no}, 1024, 768, {300, 2, 0, 12, 640, 480}},
      {"-10 as a DWORD", {no, 0, 0xFFFFFFF6, no, no, no}, 1024, 768, {216, 0, -10, 0, 640, 480}},
  };
  const auto fields = [](const Placement& p) {
    return std::array{p.splitter, p.size, p.left, p.top, p.right, p.bottom};
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(fields(decidePlacement(row.saved, row.screenWidth, row.screenHeight)), fields(row.placement));
  }
}

TEST(StartupRules, ScreenSizeRules) {
  EXPECT_TRUE(screenForcesMaximised(640, 480));
  EXPECT_TRUE(screenForcesMaximised(800, 480));
  EXPECT_FALSE(screenForcesMaximised(641, 481));
  EXPECT_EQ(frameMinimumSize(1024, 738).width, 640);
  EXPECT_EQ(frameMinimumSize(600, 400).width, 592);
  EXPECT_EQ(frameMinimumSize(600, 400).height, 392);
}

TEST(StartupRules, LocationsAndShortValues) {
  EXPECT_EQ(initialDataFolder("/disc", "/"), "/disc/");
  EXPECT_EQ(initialDataFolder("/d/", "/"), "/d/");
  EXPECT_EQ(initialDataFolder("x", "/fallback"), "/fallback/");
  EXPECT_EQ(initialDataFolder("", "/"), "/");
  EXPECT_FALSE(usableBookmarkPath("ab"));
  EXPECT_EQ(usableBookmarkPath("/b."), "/b.");
}

TEST(StartupRules, ColourAdvice) {
  EXPECT_NE(colourDepthAdvice(8).find("μόνο 256 χρώματα.\r\nΓια"), std::string::npos);
  EXPECT_NE(colourDepthAdvice(4).find("μόνο 16 χρώματα."), std::string::npos);
  EXPECT_TRUE(colourDepthAdvice(16).empty());
  EXPECT_TRUE(colourDepthAdvice(32).empty());
}
