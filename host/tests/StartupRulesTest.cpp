#include <gtest/gtest.h>

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

TEST(StartupRules, PlacementDefaultsAndSizeValues) {
  // No saved Size: centred on a wide screen, whatever rectangle happens to be stored.
  SavedPlacement saved;
  saved.left = 5;
  saved.right = 9;
  Placement p = decidePlacement(saved, 1024, 768);
  EXPECT_EQ(p.size, 0);
  EXPECT_EQ(p.left, 192);
  EXPECT_EQ(p.top, 144);
  EXPECT_EQ(p.right, 832);
  EXPECT_EQ(p.bottom, 624);
  EXPECT_EQ(p.splitter, 216);
  // Exactly 700 is wide enough to centre; 699 is not and gives maximised at 0,0.
  p = decidePlacement({}, 700, 1000);
  EXPECT_EQ(p.size, 0);
  EXPECT_EQ(p.left, 30);
  EXPECT_EQ(p.top, 260);
  EXPECT_EQ(p.right, 670);
  p = decidePlacement({}, 699, 1000);
  EXPECT_EQ(p.size, 2);
  EXPECT_EQ(p.left, 0);
  EXPECT_EQ(p.right, 640);
  // A saved Size other than 0 or 2 reads as 2; missing rectangle values take their defaults.
  saved = {};
  saved.size = 1;
  saved.splitter = 300;
  saved.top = 12;
  p = decidePlacement(saved, 1024, 768);
  EXPECT_EQ(p.size, 2);
  EXPECT_EQ(p.splitter, 300);
  EXPECT_EQ(p.left, 0);
  EXPECT_EQ(p.top, 12);
  EXPECT_EQ(p.right, 640);
  EXPECT_EQ(p.bottom, 480);
  saved.size = 0;
  saved.left = 0xFFFFFFF6;  // -10 as a DWORD
  EXPECT_EQ(decidePlacement(saved, 1024, 768).left, -10);
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
