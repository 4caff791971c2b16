// The registry store under concurrent writers, planted files and names it could not read back.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/com/Server.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"
#include "platform/tests/support/FileText.h"

namespace fs = std::filesystem;
using vantorel::registry::RegistryChanges;
using vantorel::registry::RegistryStore;

namespace {

using vantorel::testing::readAll;

class RegistrySafety : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantorel-regsafe-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::permissions(dir_, fs::perms(0755));
    file_ = dir_ / "registry.reg";
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
  fs::path file_;
};

const std::string kKey = "HKCU\\Software\\Vantorel";

}  // namespace

TEST_F(RegistrySafety, TwoProcessesWritingAtOnceLoseNothing) {
  QProcess writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w].start(QStringLiteral(STRESS_PATH), {u"write-registry"_qs, QString::fromStdString(file_.string()),
                                                   QString::number(w), u"0"_qs, u"1000"_qs});
  }
  for (auto& w : writers) {
    ASSERT_TRUE(w.waitForFinished(300000));
    EXPECT_EQ(w.exitCode(), 0) << w.readAllStandardError().toStdString();
  }
  RegistryStore store(file_);
  int present = 0;
  for (int w = 0; w < 2; ++w) {
    for (int i = 0; i < 1000; ++i) {
      const std::string key =
          "HKEY_CURRENT_USER\\Software\\Stress\\W" + std::to_string(w) + "\\K" + std::to_string(i / 100);
      present += store.queryString(key, "V" + std::to_string(i)).has_value();
    }
  }
  EXPECT_EQ(present, 2000);
}

TEST_F(RegistrySafety, ABatchIsOneWriteAndAllOrNothing) {
  RegistryStore store(file_);
  RegistryChanges batch;
  batch.setString(kKey + "\\A", "One", "1");
  batch.setDword(kKey + "\\A", "Two", 2);
  batch.createKey(kKey + "\\B\\C");
  batch.deleteKey(kKey + "\\Missing");  // nothing to remove is no failure in a batch
  ASSERT_TRUE(store.apply(batch)) << store.lastError();
  EXPECT_EQ(store.queryString(kKey + "\\A", "One"), "1");
  EXPECT_EQ(store.queryDword(kKey + "\\A", "Two"), 2u);
  EXPECT_TRUE(store.keyExists(kKey + "\\B\\C"));

  const std::string before = readAll(file_);
  RegistryChanges bad;
  bad.setString(kKey + "\\A", "One", "changed");
  bad.setString(kKey + "\\A", "Three", std::string("a\nb"));
  EXPECT_FALSE(store.apply(bad));
  EXPECT_EQ(readAll(file_), before);
}

TEST_F(RegistrySafety, RegisteringAComponentInBatchKeepsEveryKey) {
  vantorel::registry::useStoreFile(file_);
  const vantorel::com::ComponentIdentity id{
      .clsid = *vantorel::com::Guid::parse("{11111111-2222-3333-4444-555555555555}"),
      .dispatchIid = *vantorel::com::Guid::parse("{11111111-2222-3333-4444-555555555556}"),
      .eventsIid = *vantorel::com::Guid::parse("{11111111-2222-3333-4444-555555555557}"),
      .typeLibId = *vantorel::com::Guid::parse("{11111111-2222-3333-4444-555555555558}"),
      .progId = "VANTOREL.Batch.1",
      .typeName = "Batch Control",
      .version = "1.0.001",
      .miscStatus = 0x20191,
      .typeLibName = "BATCHLib",
      .typeLibHelp = "Batch",
      .dispatchName = "_DBatch",
      .eventsName = "_DBatchEvents",
  };
  ASSERT_EQ(vantorel::com::registerServer(id, "/opt/batch.ocx"), vantorel::com::kOk);
  const std::string cls = "HKCR\\CLSID\\" + id.clsid.toString();
  auto& store = vantorel::registry::store();
  EXPECT_EQ(store.queryString(cls + "\\InprocServer32", ""), "/opt/batch.ocx");
  EXPECT_EQ(store.queryString("HKCR\\VANTOREL.Batch.1\\CLSID", ""), id.clsid.toString());
  EXPECT_TRUE(store.keyExists(cls + "\\Control"));
  ASSERT_EQ(vantorel::com::unregisterServer(id), vantorel::com::kOk);
  EXPECT_FALSE(store.keyExists(cls));
  EXPECT_FALSE(store.keyExists("HKCR\\VANTOREL.Batch.1"));
  // Unregistering what is not there is no failure.
  EXPECT_EQ(vantorel::com::unregisterServer(id), vantorel::com::kOk);
}

TEST_F(RegistrySafety, PlantedLinksAreNeverWrittenThrough) {
  const fs::path victim = dir_ / "victim.txt";
  std::ofstream(victim) << "keep me";
  // Where the temporary file used to go, and a link at the lock file's name.
  fs::create_symlink(victim, dir_ / ("registry.reg.tmp" + std::to_string(::getpid())));
  RegistryStore store(file_);
  ASSERT_TRUE(store.setString(kKey, "Name", "value")) << store.lastError();
  EXPECT_EQ(readAll(victim), "keep me");
  EXPECT_EQ(store.queryString(kKey, "Name"), "value");

  fs::remove(dir_ / "registry.reg.lock");
  fs::create_symlink(victim, dir_ / "registry.reg.lock");
  EXPECT_FALSE(store.setString(kKey, "Name", "other"));
  EXPECT_EQ(readAll(victim), "keep me");
  EXPECT_EQ(store.queryString(kKey, "Name"), "value");
}

TEST_F(RegistrySafety, TemporaryFilesOfKilledWritersAreRemoved) {
  std::ofstream(dir_ / "registry.reg.tmp-a1B2c3") << "half a file";
  std::ofstream(dir_ / "registry.reg.tmp-notours-at-all") << "someone else's";
  RegistryStore store(file_);
  ASSERT_TRUE(store.setString(kKey, "Name", "value"));
  EXPECT_FALSE(fs::exists(dir_ / "registry.reg.tmp-a1B2c3"));
  EXPECT_TRUE(fs::exists(dir_ / "registry.reg.tmp-notours-at-all"));
}

TEST_F(RegistrySafety, StoresOthersCouldHavePlantedAreRefused) {
  RegistryStore store(file_);
  ASSERT_TRUE(store.setString(kKey, "Name", "value"));
  const std::string text = readAll(file_);
  struct Case {
    const char* what;
    std::function<void()> plant, undo;
  };
  std::vector<Case> cases = {
      {"writable by others", [&] { fs::permissions(file_, fs::perms(0646)); },
       [&] { fs::permissions(file_, fs::perms(0644)); }},
      {"in a folder others may write", [&] { fs::permissions(dir_, fs::perms(0777)); },
       [&] { fs::permissions(dir_, fs::perms(0755)); }},
  };
  // Only the administrator can give a file away.
  if (::geteuid() == 0) {
    cases.push_back({"owned by another user", [&] { ASSERT_EQ(::chown(file_.c_str(), 4242, 4242), 0); },
                     [&] { ASSERT_EQ(::chown(file_.c_str(), 0, 0), 0); }});
  }
  for (const Case& c : cases) {
    c.plant();
    RegistryStore other(file_);
    EXPECT_FALSE(other.queryString(kKey, "Name")) << c.what;
    EXPECT_FALSE(other.lastError().empty()) << c.what;
    EXPECT_FALSE(other.setString(kKey, "Name", "planted")) << c.what;
    c.undo();
    EXPECT_EQ(readAll(file_), text) << c.what;
  }
  // A shared folder with the sticky bit (as /tmp) is fine for one's own file.
  fs::permissions(dir_, fs::perms(01777));
  EXPECT_EQ(RegistryStore(file_).queryString(kKey, "Name"), "value");
  fs::permissions(dir_, fs::perms(0755));
}

TEST_F(RegistrySafety, WithoutHomeTheStoreLivesInThePasswordDatabaseHome) {
  const char* savedHome = std::getenv("HOME");
  const std::string home = savedHome ? savedHome : "";
  ::unsetenv("VANTOREL_REGISTRY");
  ::unsetenv("HOME");
  const fs::path path = RegistryStore::defaultPath();
  if (savedHome) ::setenv("HOME", home.c_str(), 1);
  const passwd* entry = ::getpwuid(::geteuid());
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(path, fs::path(entry->pw_dir) / ".config" / "vantorel" / "registry.reg");
  EXPECT_NE(path.string().rfind(fs::temp_directory_path().string(), 0), 0u);
  // A store without any place fails cleanly.
  RegistryStore nowhere{fs::path()};
  EXPECT_FALSE(nowhere.setString(kKey, "Name", "value"));
  EXPECT_FALSE(nowhere.queryString(kKey, "Name"));
  EXPECT_FALSE(nowhere.lastError().empty());
}

TEST_F(RegistrySafety, EmptyFileIsAnEmptyStoreAndADamagedOneIsSetAside) {
  std::ofstream(file_).close();
  RegistryStore store(file_);
  EXPECT_FALSE(store.queryString(kKey, "Name"));
  EXPECT_TRUE(store.lastError().empty()) << store.lastError();
  EXPECT_FALSE(store.setAsideIfDamaged());
  ASSERT_TRUE(store.setString(kKey, "Name", "value"));

  std::ofstream(file_, std::ios::trunc) << "garbage\n";
  const auto aside = store.setAsideIfDamaged();
  ASSERT_TRUE(aside) << store.lastError();
  EXPECT_NE(aside->filename().string().find("registry.reg.bad-"), std::string::npos);
  EXPECT_EQ(readAll(*aside), "garbage\n");
  EXPECT_FALSE(fs::exists(file_));
  ASSERT_TRUE(store.setString(kKey, "Name", "fresh"));
  EXPECT_EQ(store.queryString(kKey, "Name"), "fresh");
}

TEST_F(RegistrySafety, ControlCharactersAreRefusedAtTheWrite) {
  RegistryStore store(file_);
  ASSERT_TRUE(store.setString(kKey, "Name", "value"));
  const std::string before = readAll(file_);
  EXPECT_FALSE(store.setString(kKey, std::string("a\0b", 3), "x"));
  EXPECT_FALSE(store.setString(kKey, "tab\there", "x"));
  EXPECT_FALSE(store.setString(kKey, "Name", "two\nlines"));
  EXPECT_FALSE(store.setString(kKey, "Name", "bell\x07"));
  EXPECT_FALSE(store.setDword(kKey + "\\line\nbreak", "Name", 1));
  EXPECT_FALSE(store.createKey(kKey + "\\del\x7f"));
  EXPECT_EQ(readAll(file_), before);
  // Every name still reads.
  EXPECT_EQ(store.queryString(kKey, "Name"), "value");
  EXPECT_TRUE(store.lastError().empty());
}

TEST_F(RegistrySafety, LetterCaseFoldsInEveryAlphabet) {
  RegistryStore store(file_);
  ASSERT_TRUE(store.setString(kKey + "\\Δοκιμή", "Τιμή", "1"));
  ASSERT_TRUE(store.setString(kKey + "\\ΔΟΚΙΜΉ", "ΤΙΜΉ", "2"));
  EXPECT_EQ(store.queryString(kKey + "\\δοκιμή", "τιμή"), "2");
  EXPECT_EQ(store.subKeys(kKey), (std::vector<std::string>{"Δοκιμή"}));
  // Final sigma, Cyrillic and Latin with accents.
  ASSERT_TRUE(store.setString(kKey, "ΟΞΥΣ", "σ"));
  EXPECT_EQ(store.queryString(kKey, "οξυς"), "σ");
  ASSERT_TRUE(store.setString(kKey, "Ёлка", "ё"));
  EXPECT_EQ(store.queryString(kKey, "ёЛКА"), "ё");
  EXPECT_TRUE(vantorel::registry::namesEqual("ÉCOLE", "école"));
  EXPECT_FALSE(vantorel::registry::namesEqual("δοκιμη", "δοκιμή"));  // accents are letters, not case
  // Keys differing only in case in a hand-edited file are one key.
  const auto parsed = vantorel::registry::parseRegText(
      "Windows Registry Editor Version 5.00\n[HKLM\\Ωμέγα]\n\"Α\"=\"1\"\n[HKLM\\ωμέγα]\n\"α\"=\"2\"\n");
  ASSERT_TRUE(parsed.ok);
  ASSERT_EQ(parsed.document.keys.size(), 1u);
  ASSERT_EQ(parsed.document.keys[0].values.size(), 1u);
  EXPECT_EQ(parsed.document.keys[0].values[0].text, "2");
}

TEST_F(RegistrySafety, AStoreThatDoesNotExistYetIsNotDamagedAndIsCreatedWithItsFolder) {
  // A new user's first install: neither the store nor its folder exists.
  const fs::path fresh = file_.parent_path() / "new" / "deeper" / "registry.reg";
  RegistryStore store(fresh);
  EXPECT_FALSE(store.setAsideIfDamaged());
  EXPECT_TRUE(store.lastError().empty()) << store.lastError();
  ASSERT_TRUE(store.setString(kKey, "Name", "value")) << store.lastError();
  EXPECT_EQ(RegistryStore(fresh).queryString(kKey, "Name"), "value");
}
