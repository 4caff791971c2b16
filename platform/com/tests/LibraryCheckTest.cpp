// A component library is checked from its bytes before any of its code runs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/com/Creation.h"
#include "platform/com/LibraryCheck.h"
#include "platform/com/tests/TestComponentIds.h"
#include "platform/registry/Registry.h"

namespace fs = std::filesystem;
using namespace vantorel::com;

namespace {

class LibraryCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantorel-libcheck-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::permissions(dir_, fs::perms(0755));
    vantorel::registry::useStoreFile(dir_ / "registry.reg");
  }
  void TearDown() override { fs::remove_all(dir_); }
  // A copy of the test component under another name.
  std::string copy(const std::string& name) const {
    const fs::path to = dir_ / name;
    fs::create_directories(to.parent_path());
    fs::copy_file(TEST_COMPONENT_PATH, to, fs::copy_options::overwrite_existing);
    fs::permissions(to, fs::perms(0755));
    return to.string();
  }
  fs::path dir_;
};

const std::string kServerKey = "HKCR\\CLSID\\" + testids::kClass.toString() + "\\InprocServer32";

}  // namespace

TEST_F(LibraryCheck, TheBuiltComponentPassesUnderItsOwnNameInAnyCase) {
  EXPECT_EQ(checkComponentLibrary(fs::canonical(TEST_COMPONENT_PATH).string()), "");
  EXPECT_EQ(checkComponentLibrary(copy("VANTORELTEST.OCX")), "");
}

TEST_F(LibraryCheck, RefusedLibrariesAreNeitherRegisteredNorLoaded) {
  const std::string platformLibrary = modulePathOf(reinterpret_cast<const void*>(&registerServer));
  const std::string renamed = copy("tabrelgk.ocx");
  const std::string othersMayWrite = copy("vantoreltest.ocx");
  fs::permissions(othersMayWrite, fs::perms(0757));
  fs::create_directories(dir_ / "shared");
  fs::permissions(dir_ / "shared", fs::perms(0777));
  fs::copy_file(TEST_COMPONENT_PATH, dir_ / "shared" / "vantoreltest.ocx");
  fs::create_directories(dir_ / "folder.ocx");
  ::mkfifo((dir_ / "pipe.ocx").c_str(), 0644);
  struct Case {
    std::string path;
    const char* reason;
  };
  std::vector<Case> cases = {
      {"tests/components/vantoreltest.ocx", "not an absolute path"},
      {renamed, "built as \"vantoreltest.ocx\""},
      {othersMayWrite, "written by other users"},
      {(dir_ / "shared" / "vantoreltest.ocx").string(), "written by other users"},
      {platformLibrary, "no version block"},
      {(dir_ / "folder.ocx").string(), "not a regular file"},
      {(dir_ / "pipe.ocx").string(), "not a regular file"},
      {(dir_ / "missing.ocx").string(), "not found"},
  };
  if (::geteuid() == 0) {
    const std::string given = copy("given/vantoreltest.ocx");
    ASSERT_EQ(::chown(given.c_str(), 4242, 4242), 0);
    cases.push_back({given, "another user"});
  }
  for (const Case& c : cases) {
    EXPECT_NE(checkComponentLibrary(c.path).find(c.reason), std::string::npos)
        << c.path << ": " << checkComponentLibrary(c.path);
    QString error;
    EXPECT_EQ(registerLibrary(c.path, false, &error), kFail) << c.path;
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
    // Registered by hand, it is still not loaded.
    ASSERT_TRUE(vantorel::registry::store().setString(kServerKey, "", c.path));
    const CreateResult created = createControl(testids::kClass);
    EXPECT_EQ(created.control, nullptr) << c.path;
    EXPECT_TRUE(created.error.contains(QString::fromUtf8(c.reason))) << created.error.toStdString();
  }
}
