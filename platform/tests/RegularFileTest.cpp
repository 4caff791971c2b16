#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/files/RegularFile.h"

namespace fs = std::filesystem;
using vantorel::files::openRegularFile;

namespace {

class RegularFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("regular-file-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const char* name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

}  // namespace

TEST_F(RegularFile, OpensFilesAndLinksToThem) {
  std::ofstream(path("words.dat"), std::ios::binary) << "abc";
  fs::create_symlink(path("words.dat"), path("link.dat"));
  for (const char* name : {"words.dat", "link.dat"}) {
    auto file = openRegularFile(path(name));
    ASSERT_TRUE(file) << name;
    char buf[4] = {};
    EXPECT_EQ(std::fread(buf, 1, sizeof buf, file.get()), 3u);
    EXPECT_STREQ(buf, "abc");
  }
  EXPECT_FALSE(openRegularFile(path("missing.dat")));
}

TEST_F(RegularFile, RefusesFoldersDevicesAndPipesWithoutWaiting) {
  fs::create_directory(path("folder.dat"));
  ASSERT_EQ(::mkfifo(path("pipe.dat").c_str(), 0600), 0);
  fs::create_symlink(path("pipe.dat"), path("link.dat"));
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& name : {path("folder.dat"), path("pipe.dat"), path("link.dat"), std::string("/dev/null")})
    EXPECT_FALSE(openRegularFile(name)) << name;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}
