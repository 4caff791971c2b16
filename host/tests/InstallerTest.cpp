#include <gtest/gtest.h>

#include <QProcess>

#include "host/core/IniReader.h"
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

// A program folder as the build lays it out: the program and one component library.
void layOutProgram(const Sandbox& box) {
  vantorel::host::testing::writeFile(box.programFolder + u"/pelorin"_qs, "#!/bin/sh\n");
  QFile::setPermissions(box.programFolder + u"/pelorin"_qs, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                                QFileDevice::ExeOther);
  QDir().mkpath(box.programFolder + u"/ActiveX"_qs);
  QFile::copy(u"" FENNICK_PATH ""_qs, box.programFolder + u"/ActiveX/fennickgk.ocx"_qs);
}

TEST(Installer, RegistersRecordsAndWritesTheSettings) {
  Sandbox box;
  layOutProgram(box);
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

TEST(Installer, RefusesAFolderWithoutTheProgramOrItsComponents) {
  Sandbox box;
  const QString disc = box.dataFolder(u"disc"_qs);
  const QString registryFile = box.dir.filePath(u"r.reg"_qs);
  QString out;
  EXPECT_EQ(runInstaller({u"--registry"_qs, registryFile, box.programFolder, disc}, &out), 1);
  EXPECT_TRUE(out.contains(u"pelorin"_qs)) << out.toStdString();
  layOutProgram(box);
  QFile::remove(box.programFolder + u"/ActiveX/fennickgk.ocx"_qs);
  EXPECT_EQ(runInstaller({u"--registry"_qs, registryFile, box.programFolder, disc}, &out), 1);
  EXPECT_TRUE(out.contains(u"component library"_qs)) << out.toStdString();
  EXPECT_TRUE(box.settingsText().isEmpty());
  EXPECT_FALSE(QFileInfo::exists(registryFile));
}

TEST(Installer, SetsADamagedStoreAsideAndSaysSo) {
  Sandbox box;
  layOutProgram(box);
  const QString disc = box.dataFolder(u"disc"_qs);
  const QString registryFile = box.dir.filePath(u"r.reg"_qs);
  vantorel::host::testing::writeFile(registryFile, "not a registry\n");
  QString out;
  ASSERT_EQ(runInstaller({u"--registry"_qs, registryFile, box.programFolder, disc}, &out), 0) << out.toStdString();
  EXPECT_TRUE(out.contains(u"moved aside"_qs)) << out.toStdString();
  const QStringList aside = QDir(box.dir.path()).entryList({u"r.reg.bad-*"_qs});
  ASSERT_EQ(aside.size(), 1);
  EXPECT_EQ(vantorel::host::testing::readFile(box.dir.filePath(aside[0])), QByteArray("not a registry\n"));
  registry::RegistryStore reg(registryFile.toStdString());
  EXPECT_TRUE(reg.queryString(host::registryKeyPath(), "Directory").has_value());
}

TEST(Installer, AGreekDataFolderReadsBackAndAnOverlongOneIsRefused) {
  Sandbox box;
  layOutProgram(box);
  const QString registryFile = box.dir.filePath(u"r.reg"_qs);
  // 149 Greek letters in two folders: 298 bytes, well under the limit of 254 characters.
  const QString greek = box.dataFolder(QString(75, QChar(u'δ')) + u'/' + QString(74, QChar(u'ε')));
  QString out;
  ASSERT_EQ(runInstaller({u"--registry"_qs, registryFile, box.programFolder, greek}, &out), 0) << out.toStdString();
  const std::string text = box.settingsText().toStdString();
  EXPECT_EQ(host::ReadIniValue(host::iniTextOf(text), host::kDataPathKey),
            (QFileInfo(greek).canonicalFilePath() + u'/').toStdString());
  // A folder whose full path passes 254 characters is written but would never be read back.
  const QString deep =
      box.dataFolder(QString(120, QChar(u'a')) + u'/' + QString(60, QChar(u'β')) + u'/' + QString(60, QChar(u'γ')));
  EXPECT_EQ(runInstaller({u"--registry"_qs, registryFile, box.programFolder, deep}, &out), 1);
  EXPECT_TRUE(out.contains(u"does not read back"_qs)) << out.toStdString();
}

TEST(Installer, ForTheWholeMachineWritesOnlyTheMachineStoreAndKeepsTheSettingsLink) {
  Sandbox box;
  layOutProgram(box);
  const QString disc = box.dataFolder(u"network share/disc"_qs);
  const QString machineStore = box.dir.filePath(u"etc/registry.reg"_qs);
  const QString userStore = box.dir.filePath(u"home/registry.reg"_qs);
  // A package keeps the machine's settings elsewhere and links them into the program folder.
  const QString machineSettings = box.dir.filePath(u"etc/qset.ini"_qs);
  QDir().mkpath(box.dir.filePath(u"etc"_qs));
  ASSERT_TRUE(QFile::link(machineSettings, box.programFolder + u"/qset.ini"_qs));

  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(u"VANTOREL_MACHINE_REGISTRY"_qs, machineStore);
  env.insert(u"VANTOREL_REGISTRY"_qs, userStore);
  p.setProcessEnvironment(env);
  p.start(u"" INSTALLER_PATH ""_qs, {u"--machine"_qs, u"--data"_qs, disc, box.programFolder});
  ASSERT_TRUE(p.waitForFinished(60000));
  ASSERT_EQ(p.exitCode(), 0) << (p.readAllStandardOutput() + p.readAllStandardError()).toStdString();

  registry::RegistryStore machine(machineStore.toStdString());
  EXPECT_EQ(machine.queryString(host::registryKeyPath(), "Directory"),
            QFileInfo(box.programFolder).canonicalFilePath().toStdString());
  EXPECT_TRUE(machine.queryString("HKCR\\CLSID\\" + com::ids::kFennickClass.toString() + "\\InprocServer32", ""));
  EXPECT_FALSE(QFileInfo::exists(userStore));
  // Everyone can read the machine's store; nobody else may change it.
  EXPECT_EQ(QFileInfo(machineStore).permissions() &
                (QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::WriteGroup),
            QFileDevice::ReadOther);
  EXPECT_TRUE(QFileInfo(box.programFolder + u"/qset.ini"_qs).isSymLink());
  EXPECT_EQ(QString::fromUtf8(vantorel::host::testing::readFile(machineSettings)),
            u"[Settings]\r\nDataPath="_qs + QFileInfo(disc).canonicalFilePath() + u"/\r\n"_qs);

  // Registering one library for the machine goes the same way.
  QFile::remove(machineStore);
  p.start(u"" REGSVR_PATH ""_qs, {u"--machine"_qs, box.programFolder + u"/ActiveX/fennickgk.ocx"_qs});
  ASSERT_TRUE(p.waitForFinished(60000));
  ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  EXPECT_TRUE(machine.queryString("HKCR\\CLSID\\" + com::ids::kFennickClass.toString() + "\\InprocServer32", ""));
  EXPECT_FALSE(QFileInfo::exists(userStore));
}
