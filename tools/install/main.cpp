// vantorel-install: installs a built program folder on this machine. It registers every
// component library in PROGRAM_FOLDER/ActiveX, records the program folder as the install folder
// ("Directory") in the registry, and writes the data folder (and, when given, the bookmark file)
// into PROGRAM_FOLDER/qset.ini, so that the program starts without asking for them. The folder
// must hold the program (pelorin) and at least one component library; a registry store that cannot
// be read is moved aside (registry.reg.bad-<time>) and a fresh one started; what is written into
// qset.ini is read back as the program reads it.
//
//   vantorel-install [--registry FILE] [--bookmark FILE] PROGRAM_FOLDER DATA_FOLDER
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "host/core/IniReader.h"
#include "host/core/StartupRules.h"
#include "platform/com/Creation.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/registry/Registry.h"

using namespace vantorel;

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList positional;
  QString bookmark;
  const QStringList args = app.arguments().mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == u"--registry"_qs && i + 1 < args.size()) {
      registry::useStoreFile(args[++i].toStdString());
    } else if (args[i] == u"--bookmark"_qs && i + 1 < args.size()) {
      bookmark = QFileInfo(args[++i]).absoluteFilePath();
    } else {
      positional << args[i];
    }
  }
  if (positional.size() != 2) {
    std::fprintf(stderr, "usage: vantorel-install [--registry FILE] [--bookmark FILE] PROGRAM_FOLDER DATA_FOLDER\n");
    return 2;
  }
  const QFileInfo programInfo(positional[0]);
  const QFileInfo dataInfo(positional[1]);
  if (!programInfo.isDir()) {
    std::fprintf(stderr, "vantorel-install: %s is not a folder\n", qPrintable(positional[0]));
    return 1;
  }
  if (!dataInfo.isDir() || !QFileInfo(dataInfo.absoluteFilePath() + u"/a.htm"_qs).isFile()) {
    std::fprintf(stderr, "vantorel-install: %s holds no a.htm: not a data folder\n", qPrintable(positional[1]));
    return 1;
  }
  const QString program = programInfo.canonicalFilePath();
  const QString data = dataInfo.canonicalFilePath() + u'/';
  const QFileInfo pelorin(program + u"/pelorin"_qs);
  if (!pelorin.isFile() || !pelorin.isExecutable()) {
    std::fprintf(stderr, "vantorel-install: %s holds no program (pelorin): not a program folder\n",
                 qPrintable(program));
    return 1;
  }
  const QDir components(program + u"/ActiveX"_qs);
  const QStringList libraries = components.entryList({u"*.ocx"_qs}, QDir::Files, QDir::Name);
  if (libraries.isEmpty()) {
    std::fprintf(stderr, "vantorel-install: %s/ActiveX holds no component library (*.ocx)\n", qPrintable(program));
    return 1;
  }
  if (data.contains(u'\r') || data.contains(u'\n')) {
    std::fprintf(stderr, "vantorel-install: a data folder whose name holds a line break cannot be recorded\n");
    return 1;
  }

  auto& reg = registry::store();
  // A damaged store would fail every registration: keep it for inspection, start afresh.
  if (const auto aside = reg.setAsideIfDamaged()) {
    std::printf("vantorel-install: the registry store %s could not be read; moved aside to %s, starting afresh\n",
                reg.path().c_str(), aside->c_str());
  } else if (!reg.lastError().empty()) {
    std::fprintf(stderr, "vantorel-install: cannot use the registry store: %s\n", reg.lastError().c_str());
    return 1;
  }

  int failures = 0;
  for (const QString& file : libraries) {
    QString error;
    if (com::registerLibrary(components.filePath(file).toStdString(), false, &error) == com::kOk) {
      std::printf("registered %s\n", qPrintable(file));
    } else {
      // The library itself may give no reason when the store refused what it registered.
      if (error.isEmpty()) error = QString::fromStdString(reg.lastError());
      if (error.isEmpty()) error = u"its registration entry point failed"_qs;
      std::fprintf(stderr, "vantorel-install: %s: %s\n", qPrintable(file), qPrintable(error));
      ++failures;
    }
  }

  if (!reg.setString(host::registryKeyPath(), "Directory", program.toStdString())) {
    std::fprintf(stderr, "vantorel-install: cannot write the registry: %s\n", reg.lastError().c_str());
    return 1;
  }
  const std::string settings = (program + u'/').toStdString() + std::string(host::kSettingsFileName);
  bool written =
      profile::writePrivateProfileString(settings, host::kSettingsSection, host::kDataPathKey, data.toStdString());
  if (!bookmark.isEmpty())
    written = written && profile::writePrivateProfileString(settings, host::kSettingsSection, host::kBookmarkKey,
                                                            bookmark.toStdString());
  if (!written) {
    std::fprintf(stderr, "vantorel-install: cannot write %s\n", settings.c_str());
    return 1;
  }
  // The program reads the file its own way (the first 1000 bytes, 254 characters a value): what
  // it would not find is no installation.
  QFile settingsFile(QString::fromStdString(settings));
  const QByteArray bytes = settingsFile.open(QIODevice::ReadOnly) ? settingsFile.read(qint64{4096}) : QByteArray();
  const std::string text = host::iniTextOf(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (host::ReadIniValue(text, host::kDataPathKey) != data.toStdString() ||
      (!bookmark.isEmpty() && host::ReadIniValue(text, host::kBookmarkKey) != bookmark.toStdString())) {
    std::fprintf(stderr,
                 "vantorel-install: %s does not read back as written (a value longer than %zu characters, or the "
                 "file too long?)\n",
                 settings.c_str(), host::kIniValueLimit);
    return 1;
  }
  std::printf("installed %s with data folder %s\n", qPrintable(program), qPrintable(data));
  return failures ? 1 : 0;
}
