#include "platform/files/CaseInsensitivePath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantorel::files {
namespace {

namespace fs = std::filesystem;

class CaseInsensitivePath : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("vantorel-case-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             std::to_string(reinterpret_cast<uintptr_t>(this)));
    fs::create_directories(root_ / "IMAGES" / "Sub");
    std::ofstream(root_ / "IMAGES" / "Sub" / "MainMenu.BMP") << "x";
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

TEST_F(CaseInsensitivePath, FindsEveryComponentIgnoringCaseAndPrefersTheExactName) {
  const std::string exact = (root_ / "IMAGES" / "Sub" / "MainMenu.BMP").string();
  EXPECT_EQ(findIgnoringCase(exact), exact);
  EXPECT_EQ(findIgnoringCase((root_ / "images" / "sub" / "mainmenu.bmp").string()), exact);
  EXPECT_EQ(findIgnoringCase((root_ / "Images" / "SUB").string()), (root_ / "IMAGES" / "Sub").string());
}

TEST_F(CaseInsensitivePath, MissingNamesAndTrickyComponentsFindNothing) {
  EXPECT_FALSE(findIgnoringCase((root_ / "images" / "sub" / "other.bmp").string()));
  EXPECT_FALSE(findIgnoringCase((root_ / "nothing" / "mainmenu.bmp").string()));
  EXPECT_FALSE(findIgnoringCase((root_ / "images" / ".." / "x").string()));
  EXPECT_FALSE(findIgnoringCase(""));
}

}  // namespace
}  // namespace vantorel::files
