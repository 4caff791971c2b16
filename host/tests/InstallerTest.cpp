#include <gtest/gtest.h>

#include <QProcess>

#include "host/core/StartupRules.h"
#include "host/tests/HostTestSupport.h"
#include "platform/com/ComponentIds.h"
#include "platform/registry/RegistryStore.h"

using namespace vantorel;
using vantorel::host::testing::Sandbox;

namespace {
int runInstaller(const QStringList& args, QString* out = nullptr) {
  QProcess p;
  p.start(u"" INSTALLER_PATH ""_qs, args);
  p.waitForFinished(60000);
  if (out) *out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
  return p.exitCode();
}
}  // namespace

TEST(Installer, RegistersRecordsAndWritesTheSettings) {
  Sandbox box;
  QDir().mkpath(box.programFolder + u"/ActiveX"_qs);
  ASSERT_TRUE(QFile::copy(u"" FENNICK_PATH ""_qs, box.programFolder + u"/ActiveX/fennickgk.ocx"_qs));
  const QString disc = box.dataFolder(u"disc"_qs);
  const QString registryFile = box.dir.filePath(u"installed.reg"_qs);
  QString out;
  ASSERT_EQ(
      runInstaller({u"--registry"_qs, registryFile, u"--bookmark"_qs, u"/tmp/b.dat"_qs, box.programFolder, disc}, &out),
      0)
      << out.toStdString();
  registry::RegistryStore reg(registryFile.toStdString());
  EXPECT_EQ(reg.queryString(host::registryKeyPath(), "Directory"),
            QFileInfo(box.programFolder).canonicalFilePath().toStdString());
  EXPECT_EQ(reg.queryString("HKCR\\CLSID\\" + com::ids::kFennickClass.toString() + "\\InprocServer32", ""),
            QFileInfo(box.programFolder + u"/ActiveX/fennickgk.ocx"_qs).canonicalFilePath().toStdString());
  EXPECT_EQ(box.settingsText(),
            u"[Settings]\r\nDataPath="_qs + QFileInfo(disc).canonicalFilePath() + u"/\r\nBookmark=/tmp/b.dat\r\n"_qs);
}

TEST(Installer, RefusesAFolderWithoutTheFirstPage) {
  Sandbox box;
  const QString notDisc = box.dataFolder(u"empty"_qs, false);
  EXPECT_NE(runInstaller({u"--registry"_qs, box.dir.filePath(u"r.reg"_qs), box.programFolder, notDisc}), 0);
  EXPECT_TRUE(box.settingsText().isEmpty());
  EXPECT_NE(runInstaller({box.programFolder}), 0);
}
