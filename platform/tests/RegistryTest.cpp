#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/registry/RegFile.h"
#include "platform/registry/RegistryStore.h"
#include "platform/tests/support/FileText.h"

namespace fs = std::filesystem;
using vantorel::registry::RegistryStore;

namespace {

using vantorel::testing::readAll;
using vantorel::testing::writeAll;

class RegistryStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantorel-reg-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    file_ = dir_ / "sub" / "registry.reg";
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
  fs::path file_;
};

}  // namespace

TEST_F(RegistryStoreTest, TypedValuesSurviveTheFile) {
  RegistryStore store(file_);
  const std::string key = "HKLM\\Software\\Vantorel\\Ostrevan Edition";
  EXPECT_FALSE(store.queryString(key, "Directory"));
  ASSERT_TRUE(store.setString(key, "Directory", "/opt/vantorel \"quoted\" \\ back"));
  ASSERT_TRUE(store.setDword(key, "Size", 0xd8));
  ASSERT_TRUE(store.setString(key, "", "default"));

  RegistryStore again(file_);  // a second reader, as another process would be
  EXPECT_EQ(again.queryString(key, "Directory"), "/opt/vantorel \"quoted\" \\ back");
  EXPECT_EQ(again.queryDword(key, "Size"), 0xd8u);
  EXPECT_EQ(again.queryString(key, ""), "default");
  // A value of the other type does not answer a typed query.
  EXPECT_FALSE(again.queryDword(key, "Directory"));
  EXPECT_FALSE(again.queryString(key, "Size"));

  EXPECT_EQ(readAll(file_),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_LOCAL_MACHINE\\Software]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantorel]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantorel\\Ostrevan Edition]\n"
            "\"Directory\"=\"/opt/vantorel \\\"quoted\\\" \\\\ back\"\n"
            "\"Size\"=dword:000000d8\n"
            "@=\"default\"\n");
  // No temporary file is left beside it; only the lock file that writers share.
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(file_.parent_path())) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(RegistryStoreTest, NamesIgnoreCase) {
  RegistryStore store(file_);
  ASSERT_TRUE(store.setString("HKEY_CURRENT_USER\\Software\\Vantorel", "Left", "1"));
  EXPECT_EQ(store.queryString("hkcu\\SOFTWARE\\vantorel", "LEFT"), "1");
  ASSERT_TRUE(store.setString("HKCU\\software\\VANTOREL", "left", "2"));
  EXPECT_EQ(store.queryString("HKEY_CURRENT_USER\\Software\\Vantorel", "Left"), "2");
  // The first spelling of a name is kept.
  EXPECT_NE(readAll(file_).find("\"Left\"=\"2\""), std::string::npos);
  EXPECT_TRUE(store.keyExists("HKCU\\Software"));
  EXPECT_FALSE(store.keyExists("HKCU\\Other"));
}

TEST_F(RegistryStoreTest, SubKeysAndRecursiveDelete) {
  RegistryStore store(file_);
  ASSERT_TRUE(store.setString("HKCR\\CLSID\\{A}\\InprocServer32", "", "/a.ocx"));
  ASSERT_TRUE(store.setString("HKCR\\CLSID\\{B}\\InprocServer32", "", "/b.ocx"));
  ASSERT_TRUE(store.createKey("HKCR\\CLSID\\{B}\\Control"));
  EXPECT_EQ(store.subKeys("HKCR\\CLSID"), (std::vector<std::string>{"{A}", "{B}"}));
  ASSERT_TRUE(store.deleteKey("HKCR\\CLSID\\{b}"));
  EXPECT_EQ(store.subKeys("HKCR\\CLSID"), (std::vector<std::string>{"{A}"}));
  EXPECT_FALSE(store.keyExists("HKCR\\CLSID\\{B}\\Control"));
  EXPECT_FALSE(store.deleteKey("HKCR\\CLSID\\{B}"));
  ASSERT_TRUE(store.deleteValue("HKCR\\CLSID\\{A}\\InprocServer32", ""));
  EXPECT_FALSE(store.queryString("HKCR\\CLSID\\{A}\\InprocServer32", ""));
}

TEST_F(RegistryStoreTest, ACorruptFileIsReportedAndNeverOverwritten) {
  fs::create_directories(file_.parent_path());
  const std::string cases[] = {
      "not a registry file\n",
      "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\n",  // truncated key line
      "Windows Registry Editor Version 5.00\n[HKLM\\A]\n\"Size\"=dword:0000",     // fine so far...
      "Windows Registry Editor Version 5.00\n[HKLM\\A]\n\"Name\"=\"unterminated\n",
      "Windows Registry Editor Version 5.00\n\"Orphan\"=\"value\"\n",
      "Windows Registry Editor Version 5.00\n[HKLM\\A]\n\"Bin\"=hex:01,02\n",
      std::string("Windows Registry Editor Version 5.00\n[HKLM\\A]\n\"x\"=\"a") + '\0' + "b\"\n",
  };
  for (const std::string& text : cases) {
    writeAll(file_, text);
    RegistryStore store(file_);
    const auto first = store.queryString("HKLM\\A", "Size");
    if (store.lastError().empty()) continue;  // the third case is a well-formed prefix
    EXPECT_FALSE(first);
    EXPECT_NE(store.lastError().find("line "), std::string::npos) << store.lastError();
    EXPECT_FALSE(store.setString("HKLM\\A", "New", "value"));
    EXPECT_FALSE(store.deleteKey("HKLM\\A"));
    EXPECT_EQ(readAll(file_), text) << "the file was changed";
  }
}

TEST_F(RegistryStoreTest, DefaultPathFollowsTheEnvironment) {
  ::setenv("VANTOREL_REGISTRY", "/tmp/some/registry.reg", 1);
  EXPECT_EQ(RegistryStore::defaultPath(), fs::path("/tmp/some/registry.reg"));
  ::unsetenv("VANTOREL_REGISTRY");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(RegistryStore::defaultPath().filename(), "registry.reg");
  EXPECT_NE(RegistryStore::defaultPath().string().find(".config/vantorel"), std::string::npos);
}

TEST(RegistryKeys, NormalisedToFullRootNames) {
  EXPECT_EQ(RegistryStore::normaliseKey("hklm\\\\Software\\X\\"), "HKEY_LOCAL_MACHINE\\Software\\X");
  EXPECT_EQ(RegistryStore::normaliseKey("HKEY_CLASSES_ROOT"), "HKEY_CLASSES_ROOT");
  EXPECT_FALSE(RegistryStore::normaliseKey("HKEY_NOWHERE\\X"));
  EXPECT_FALSE(RegistryStore::normaliseKey(""));
  EXPECT_FALSE(RegistryStore::normaliseKey("HKLM\\a]b"));
}

TEST(RegText, ParsesWhatTheEditorWrites) {
  const auto r = vantorel::registry::parseRegText(
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n; comment\r\n[HKEY_LOCAL_MACHINE\\A]\r\n"
      "@=\"d\"\r\n\"N\" = dword:FFFFFFFF\r\n[hkey_local_machine\\a]\r\n\"n\"=\"replaced\"\r\n");
  ASSERT_TRUE(r.ok) << r.error;
  ASSERT_EQ(r.document.keys.size(), 1u);
  ASSERT_EQ(r.document.keys[0].values.size(), 2u);
  EXPECT_EQ(r.document.keys[0].values[1].type, vantorel::registry::ValueType::String);
  EXPECT_EQ(r.document.keys[0].values[1].text, "replaced");
  EXPECT_FALSE(
      vantorel::registry::parseRegText("Windows Registry Editor Version 5.00\n[HKLM\\A]\n\"N\"=dword:123456789\n").ok);
  // Nothing at all is an empty store, not a damaged one.
  EXPECT_TRUE(vantorel::registry::parseRegText("").ok);
  EXPECT_TRUE(vantorel::registry::parseRegText(" \r\n\n").ok);
  EXPECT_FALSE(vantorel::registry::parseRegText("\n\nx").ok);
}

TEST_F(RegistryStoreTest, KeysSharingAPrefixStayApart) {
  RegistryStore store(file_);
  ASSERT_TRUE(store.setString("HKCR\\Vantorel.X.1", "", "one"));
  ASSERT_TRUE(store.setString("HKCR\\Vantorel.X.10", "", "ten"));
  ASSERT_TRUE(store.setString("HKCR\\Vantorel.X.10\\CLSID", "", "{T}"));
  ASSERT_TRUE(store.setString("HKCR\\Vantorel.X.1\\CLSID", "", "{O}"));
  EXPECT_EQ(store.subKeys("HKCR\\Vantorel.X.1"), (std::vector<std::string>{"CLSID"}));
  ASSERT_TRUE(store.deleteKey("HKCR\\Vantorel.X.1"));
  EXPECT_FALSE(store.keyExists("HKCR\\Vantorel.X.1"));
  EXPECT_EQ(store.queryString("HKCR\\Vantorel.X.10", ""), "ten");
  EXPECT_EQ(store.queryString("HKCR\\Vantorel.X.10\\CLSID", ""), "{T}");
  ASSERT_TRUE(store.deleteKey("HKCR\\Vantorel.X.10\\CLSID"));
  EXPECT_TRUE(store.keyExists("HKCR\\Vantorel.X.10"));
}
