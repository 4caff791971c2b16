// vantorel-install: installs a built program folder on this machine. It registers every
// component library in PROGRAM_FOLDER/ActiveX, records the program folder as the install folder
// ("Directory") in the registry, and writes the data folder (and, when given, the bookmark file)
// into PROGRAM_FOLDER/qset.ini, so that the program starts without asking for them.
//
//   vantorel-install [--registry FILE] [--bookmark FILE] PROGRAM_FOLDER DATA_FOLDER
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

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

  int failures = 0;
  const QDir components(program + u"/ActiveX"_qs);
  for (const QString& file : components.entryList({u"*.ocx"_qs}, QDir::Files, QDir::Name)) {
    QString error;
    if (com::registerLibrary(components.filePath(file).toStdString(), false, &error) == com::kOk) {
      std::printf("registered %s\n", qPrintable(file));
    } else {
      std::fprintf(stderr, "vantorel-install: %s: %s\n", qPrintable(file), qPrintable(error));
      ++failures;
    }
  }

  auto& reg = registry::store();
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
  std::printf("installed %s with data folder %s\n", qPrintable(program), qPrintable(data));
  return failures ? 1 : 0;
}
