// The user's registry store over the machine-wide one the installer writes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/registry/RegistryStore.h"
#include "platform/tests/support/FileText.h"

namespace fs = std::filesystem;
using vantorel::registry::RegistryStore;

namespace {

using vantorel::testing::readAll;
using vantorel::testing::writeAll;

const std::string kClass = "HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32";
const std::string kInstall = "HKEY_LOCAL_MACHINE\\Software\\Vantorel";
const std::string kUserKey = "HKEY_CURRENT_USER\\Software\\Vantorel";

const std::string kMachineText =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32]\r\n"
    "@=\"/usr/lib/vantorel/ActiveX/tabrelgk.ocx\"\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Vantorel]\r\n"
    "\"Directory\"=\"/usr/lib/vantorel\"\r\n"
    "\"Splitter\"=dword:000000d8\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Vantorel]\r\n"
    "\"Planted\"=\"for everyone\"\r\n";

class RegistryLayers : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantorel-layers-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "etc");
    fs::create_directories(dir_ / "home");
    fs::permissions(dir_, fs::perms(0755));
    fs::permissions(dir_ / "etc", fs::perms(0755));
    machine_ = dir_ / "etc" / "registry.reg";
    user_ = dir_ / "home" / "registry.reg";
    writeAll(machine_, kMachineText);
    fs::permissions(machine_, fs::perms(0644));
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_, machine_, user_;
};

}  // namespace

TEST_F(RegistryLayers, ClassAndInstallKeysFallThroughAndTheUsersValuesComeFirst) {
  RegistryStore store(user_, machine_);
  // A user who never ran anything finds the machine's registration.
  EXPECT_EQ(store.queryString(kClass, ""), "/usr/lib/vantorel/ActiveX/tabrelgk.ocx");
  EXPECT_EQ(store.queryString(kInstall, "Directory"), "/usr/lib/vantorel");
  EXPECT_TRUE(store.keyExists("HKCR\\CLSID"));
  EXPECT_EQ(store.subKeys("HKCR\\CLSID"), std::vector<std::string>{"{11111111-2222-3333-4444-555555555555}"});
  // The current user's keys are the user's alone, whatever the machine store holds.
  EXPECT_FALSE(store.queryString(kUserKey, "Planted"));
  EXPECT_FALSE(store.keyExists(kUserKey));

  // The user's own value shadows the machine's; a value only the machine holds still shows.
  ASSERT_TRUE(store.setDword(kInstall, "Splitter", 300));
  ASSERT_TRUE(store.setString("HKCR\\CLSID\\{99999999-2222-3333-4444-555555555555}", "", "mine"));
  EXPECT_EQ(store.queryDword(kInstall, "Splitter"), 300u);
  EXPECT_EQ(store.queryString(kInstall, "Directory"), "/usr/lib/vantorel");
  EXPECT_EQ(store.subKeys("HKCR\\CLSID").size(), 2u);
  EXPECT_TRUE(store.lastError().empty());
  EXPECT_TRUE(store.machineError().empty());
}

TEST_F(RegistryLayers, EveryWriteGoesToTheUsersStoreAndTheMachineStoreIsUntouched) {
  const auto before = fs::last_write_time(machine_);
  RegistryStore store(user_, machine_);
  ASSERT_TRUE(store.setString(kInstall, "Directory", "/home/student/vantorel"));
  ASSERT_TRUE(store.setDword(kInstall, "Size", 2));
  EXPECT_EQ(store.queryString(kInstall, "Directory"), "/home/student/vantorel");
  // What only the machine holds cannot be removed by a user: there is nothing of it to remove.
  EXPECT_FALSE(store.deleteValue(kClass, ""));
  EXPECT_FALSE(store.deleteKey("HKCR\\CLSID"));
  EXPECT_EQ(store.queryString(kClass, ""), "/usr/lib/vantorel/ActiveX/tabrelgk.ocx");

  EXPECT_EQ(readAll(machine_), kMachineText);
  EXPECT_EQ(fs::last_write_time(machine_), before);
  RegistryStore userOnly(user_);
  EXPECT_EQ(userOnly.queryString(kInstall, "Directory"), "/home/student/vantorel");
  EXPECT_EQ(userOnly.queryDword(kInstall, "Size"), 2u);
  EXPECT_FALSE(userOnly.queryString(kClass, ""));
}

TEST_F(RegistryLayers, AMachineStoreThatCannotBeTrustedIsPassedOverWithoutHarmingTheUsers) {
  RegistryStore seed(user_);
  ASSERT_TRUE(seed.setDword(kInstall, "Splitter", 250));

  struct Case {
    const char* what;
    std::function<void()> make;
    bool isFault;
  };
  const Case cases[] = {
      {"missing", [&] { fs::remove(machine_); }, false},
      {"empty", [&] { writeAll(machine_, ""); }, false},
      {"corrupt", [&] { writeAll(machine_, "[HKEY_LOCAL_MACHINE\\Software\\Vantorel\n\"Directory\"=\"/x\"\n"); }, true},
      {"binary", [&] { writeAll(machine_, std::string("\0\xff\xfe[", 4)); }, true},
      {"writable by others", [&] { fs::permissions(machine_, fs::perms(0666)); }, true},
      {"in a folder others may write",
       [&] {
         fs::permissions(machine_, fs::perms(0644));
         fs::permissions(dir_ / "etc", fs::perms(0777));
       },
       true},
      {"a folder",
       [&] {
         fs::permissions(dir_ / "etc", fs::perms(0755));
         fs::remove(machine_);
         fs::create_directory(machine_);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(machine_);
    writeAll(machine_, kMachineText);
    c.make();
    const std::string bytes = fs::is_regular_file(machine_) ? readAll(machine_) : std::string();
    RegistryStore store(user_, machine_);
    EXPECT_FALSE(store.queryString(kInstall, "Directory"));
    EXPECT_FALSE(store.queryString(kClass, ""));
    EXPECT_EQ(store.queryDword(kInstall, "Splitter"), 250u);
    EXPECT_TRUE(store.lastError().empty()) << store.lastError();
    EXPECT_EQ(store.machineError().empty(), !c.isFault) << store.machineError();
    ASSERT_TRUE(store.setDword(kInstall, "Size", 0));
    if (fs::is_regular_file(machine_)) {
      EXPECT_EQ(readAll(machine_), bytes);
    }
  }
  // A store another user owns is not the administrator's.
  if (::geteuid() == 0) {
    fs::remove_all(machine_);
    fs::permissions(dir_ / "etc", fs::perms(0755));
    writeAll(machine_, kMachineText);
    ASSERT_EQ(::chown(machine_.c_str(), 4242, 4242), 0);
    RegistryStore store(user_, machine_);
    EXPECT_FALSE(store.queryString(kInstall, "Directory"));
    EXPECT_NE(store.machineError().find("another user"), std::string::npos) << store.machineError();
  }
}

TEST_F(RegistryLayers, AnUnreadableUsersStoreIsStillTheFaultReported) {
  writeAll(user_, "not a registry\n");
  RegistryStore store(user_, machine_);
  EXPECT_FALSE(store.queryString(kInstall, "Directory"));
  EXPECT_FALSE(store.lastError().empty());
  EXPECT_FALSE(store.setDword(kInstall, "Size", 0));
  EXPECT_EQ(readAll(user_), "not a registry\n");
}

TEST_F(RegistryLayers, DefaultPlacesFollowTheEnvironment) {
  const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::unsetenv("VANTOREL_REGISTRY");
  ::unsetenv("VANTOREL_MACHINE_REGISTRY");
  EXPECT_EQ(RegistryStore::defaultMachinePath(), fs::path("/etc/vantorel/registry.reg"));
  ::setenv("VANTOREL_MACHINE_REGISTRY", machine_.c_str(), 1);
  EXPECT_EQ(RegistryStore::defaultMachinePath(), machine_);
  ::unsetenv("VANTOREL_MACHINE_REGISTRY");

  ::setenv("HOME", (dir_ / "home").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
  EXPECT_EQ(RegistryStore::defaultPath(), dir_ / "config" / "vantorel" / "registry.reg");
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);  // not absolute: ignored
  EXPECT_EQ(RegistryStore::defaultPath(), dir_ / "home" / ".config" / "vantorel" / "registry.reg");
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", savedHome.c_str(), 1);
}
