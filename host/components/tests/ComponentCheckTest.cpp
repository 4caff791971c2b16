#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "host/HostStrings.h"
#include "host/components/ComponentCheck.h"
#include "host/components/tests/ComponentsTestSupport.h"
#include "platform/com/ComponentIds.h"

using namespace vantorel;
using namespace vantorel::host;
using componenttest::ComponentSandbox;
using componenttest::kOld;
using componenttest::kPackaged;

namespace {

const std::string kClsidRoot = "HKEY_CLASSES_ROOT\\CLSID\\";

// Points a class at `path` as if an earlier installation had registered it there.
void registerAt(const com::Guid& clsid, const QString& path) {
  ASSERT_TRUE(registry::store().setString(kClsidRoot + clsid.toString() + "\\InprocServer32", "", path.toStdString()));
}

std::string registered(const com::Guid& clsid) {
  return com::registeredServerPath(clsid).value_or("");
}

void writeText(const QString& path, const QByteArray& text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

struct Check {
  ComponentSandbox box;
  ComponentCheck check{box.componentFolder};
  [[nodiscard]] QString packaged(const char* file) const {
    return QFileInfo(box.componentFolder + QLatin1String(file)).canonicalFilePath();
  }
};

}  // namespace

// A machine without the components gets them registered without a question and without a new
// start; one with the same versions is left alone.
TEST(ComponentCheck, MissingComponentsAreRegisteredWithoutARestart) {
  Check c;
  EXPECT_TRUE(c.check.run());
  EXPECT_TRUE(c.box.boxes.shown().empty());
  EXPECT_FALSE(c.check.restartNeeded());
  EXPECT_EQ(registered(com::ids::kDravixClass), c.packaged("dravixgk.ocx").toStdString());

  ComponentCheck again(c.box.componentFolder);
  EXPECT_TRUE(again.run());
  EXPECT_TRUE(c.box.boxes.shown().empty());
}

// A registered file without a version (missing, a text file, a library without a version block)
// counts as version 0.0: replaced without asking, and the program must start again.
TEST(ComponentCheck, UnversionedInstalledFilesAreReplacedWithoutAsking) {
  Check c;
  writeText(c.box.path(u"notes.txt"_qs), "not a library");
  registerAt(com::ids::kTabrelClass, c.box.path(u"gone/tabrelgk.ocx"_qs));
  registerAt(com::ids::kBrovikClass, c.box.path(u"notes.txt"_qs));
  registerAt(com::ids::kKestrinClass, QString::fromLatin1(PLAIN_LIBRARY));
  EXPECT_FALSE(c.check.run());
  EXPECT_EQ(c.box.shownTexts(), QStringList{hostString(61230)});
  EXPECT_EQ(c.check.replaceAnswer(), ComponentCheck::Answer::NotAsked);
  EXPECT_EQ(registered(com::ids::kTabrelClass), c.packaged("tabrelgk.ocx").toStdString());
  EXPECT_EQ(registered(com::ids::kBrovikClass), c.packaged("brovikgk.ocx").toStdString());
  EXPECT_EQ(registered(com::ids::kKestrinClass), c.packaged("kestringk.ocx").toStdString());
}

// Older versioned components: one question for all of them; Yes replaces each and asks for a
// new start.
TEST(ComponentCheck, OlderComponentsAreReplacedAfterOneYes) {
  Check c;
  registerAt(com::ids::kTabrelClass, kOld + u"tabrelgk.ocx"_qs);
  registerAt(com::ids::kDravixClass, kOld + u"tabrelgk.ocx"_qs);
  registerAt(com::ids::kBrovikClass, kPackaged + u"brovikgk.ocx"_qs);  // as new as the packaged one
  c.box.boxes.queueAnswer(ui::Answer::Yes);
  EXPECT_FALSE(c.check.run());
  ASSERT_EQ(c.box.boxes.shown().size(), 2u);
  EXPECT_EQ(c.box.boxes.shown()[0].text, hostString(61228));
  EXPECT_EQ(c.box.boxes.shown()[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(c.box.boxes.shown()[1].text, hostString(61230));
  EXPECT_EQ(registered(com::ids::kTabrelClass), c.packaged("tabrelgk.ocx").toStdString());
  EXPECT_EQ(registered(com::ids::kDravixClass), c.packaged("dravixgk.ocx").toStdString());
  EXPECT_EQ(registered(com::ids::kBrovikClass), (kPackaged + u"brovikgk.ocx"_qs).toStdString());
}

// No keeps the older installation: nothing more is replaced and the start ends with a message
// that says so.
TEST(ComponentCheck, NoReplacesNothingMoreAndEndsWithAMessage) {
  for (const com::Guid& refused : {com::ids::kTabrelClass, com::ids::kKestrinClass}) {
    Check c;
    registerAt(refused, kOld + u"tabrelgk.ocx"_qs);
    registerAt(com::ids::kDravixClass, kOld + u"tabrelgk.ocx"_qs);  // checked last, also older
    c.box.boxes.queueAnswer(ui::Answer::No);
    EXPECT_FALSE(c.check.run());
    EXPECT_EQ(c.box.shownTexts(), (QStringList{hostString(61228), hostString(61231)}));
    EXPECT_FALSE(c.check.restartNeeded());
    EXPECT_EQ(registered(refused), (kOld + u"tabrelgk.ocx"_qs).toStdString());
    EXPECT_EQ(registered(com::ids::kDravixClass), (kOld + u"tabrelgk.ocx"_qs).toStdString());
  }
  EXPECT_FALSE(hostString(61231).isEmpty());
}

// A registration that fails (a read-only registry) asks for no new start, so the next start does
// not ask again for ever; the program goes on with what is installed.
TEST(ComponentCheck, FailedRegistrationNeedsNoRestart) {
  ComponentSandbox box;
  ComponentCheck::Machine machine = ComponentCheck::systemMachine();
  std::vector<QString> tried;
  machine.registeredPath = [](const com::Guid&) { return std::optional<std::string>(OLD_DIR "tabrelgk.ocx"); };
  machine.registerLibrary = [&](const QString& path) {
    tried.push_back(QFileInfo(path).fileName());
    return false;
  };
  ComponentCheck check(box.componentFolder, nullptr, machine);
  box.boxes.queueAnswer(ui::Answer::Yes);
  EXPECT_TRUE(check.run());
  EXPECT_EQ(box.shownTexts(), QStringList{hostString(61228)});
  EXPECT_FALSE(check.restartNeeded());
  EXPECT_EQ(tried, (std::vector<QString>{u"tabrelgk.ocx"_qs, u"brovikgk.ocx"_qs, u"kestringk.ocx"_qs,
                                         u"fennickgk.ocx"_qs, u"dravixgk.ocx"_qs}));
}

// Versions are compared as numbers: an installed 1.0.0.100 is newer than a packaged 1.0.0.99.
TEST(ComponentCheck, FileVersionsCompareAsNumbers) {
  ComponentSandbox box;
  ComponentCheck::Machine machine = ComponentCheck::systemMachine();
  machine.registeredPath = [](const com::Guid&) { return std::optional<std::string>("installed"); };
  machine.fileVersion = [](const QString& path) {
    return path == u"installed"_qs ? com::parseFileVersionText("1.0.0.100") : com::parseFileVersionText("1, 0, 0, 99");
  };
  int registrations = 0;
  machine.registerLibrary = [&](const QString&) { return ++registrations > 0; };
  ComponentCheck check(box.componentFolder, nullptr, machine);
  EXPECT_TRUE(check.run());
  EXPECT_EQ(registrations, 0);
  EXPECT_TRUE(box.boxes.shown().empty());
}

// A library in the system folder is replaced through a new file renamed over it; the old one is
// kept beside it, and no temporary file is left.
TEST(ComponentCheck, RuntimeLibraryIsReplacedByRenameAndTheOldOneKept) {
  ComponentSandbox box;
  const QString system = box.path(u"system"_qs) + u'/';
  QDir().mkpath(system);
  ASSERT_TRUE(QFile::copy(kOld + u"tabrelgk.ocx"_qs, system + u"libx.so"_qs));
  ASSERT_TRUE(QFile::copy(kPackaged + u"tabrelgk.ocx"_qs, box.componentFolder + u"libx.so"_qs));
  const auto version = [](const QString& p) { return com::readFileVersion(p.toStdString()); };
  EXPECT_TRUE(updateRuntimeLibrary(u"libx.so"_qs, system, box.componentFolder, version));
  EXPECT_EQ(version(system + u"libx.so"_qs), version(kPackaged + u"tabrelgk.ocx"_qs));
  EXPECT_EQ(version(system + u"libx.so.qv2k"_qs), version(kOld + u"tabrelgk.ocx"_qs));
  EXPECT_EQ(QDir(system).entryList(QDir::Files), (QStringList{u"libx.so"_qs, u"libx.so.qv2k"_qs}));
  // Now as new as the packaged copy: left alone.
  EXPECT_FALSE(updateRuntimeLibrary(u"libx.so"_qs, system, box.componentFolder, version));
  EXPECT_TRUE(runtimeLibraries().empty());
}
