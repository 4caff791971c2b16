// vantorel-install: installs a program folder on this machine. It registers every component
// library in PROGRAM_FOLDER/ActiveX and records the program folder as the install folder
// ("Directory") in the registry: the user's own store, or with --machine the machine store that
// every user's reads fall through to (as the administrator: /etc/vantorel/registry.reg or
// $VANTOREL_MACHINE_REGISTRY). A data folder given (--data FOLDER, or the second folder) and a
// bookmark file given are written into PROGRAM_FOLDER/qset.ini, the settings every user of the
// machine starts from (when that file is a link, the file it names is written), so that the
// program starts without asking for them. Without PROGRAM_FOLDER it is the folder this tool lies
// in. The folder must hold the program (pelorin) and at least one component library; a registry
// store that cannot be read is moved aside (registry.reg.bad-<time>) and a fresh one started; what
// is written into qset.ini is read back as the program reads it.
//
//   vantorel-install [--machine] [--registry FILE] [--data FOLDER] [--bookmark FILE]
//                    [PROGRAM_FOLDER [DATA_FOLDER]]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

#include "host/core/IniReader.h"
#include "host/core/StartupRules.h"
#include "platform/com/Creation.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/registry/Registry.h"

using namespace vantorel;

namespace {

constexpr const char* kUsage =
    "usage: vantorel-install [--machine] [--registry FILE] [--data FOLDER] [--bookmark FILE] "
    "[PROGRAM_FOLDER [DATA_FOLDER]]\n";

// The settings file of the program folder; when it is a link (a package keeps the machine's
// settings under /etc), the file it leads to, so that the link stays.
std::string settingsFileOf(const QString& program) {
  std::filesystem::path file = (program + u'/').toStdString() + std::string(host::kSettingsFileName);
  std::error_code ec;
  // The file the link names need not exist yet: it is made at the first write.
  for (int hops = 0; hops < 8 && std::filesystem::is_symlink(file, ec); ++hops) {
    const std::filesystem::path target = std::filesystem::read_symlink(file, ec);
    if (ec) break;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file.lexically_normal().string();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList positional;
  QString bookmark;
  QString dataArgument;
  QString registryFile;
  bool machine = false;
  const QStringList args = app.arguments().mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == u"--registry"_qs && i + 1 < args.size()) {
      registryFile = args[++i];
    } else if (args[i] == u"--machine"_qs) {
      machine = true;
    } else if (args[i] == u"--data"_qs && i + 1 < args.size()) {
      dataArgument = args[++i];
    } else if (args[i] == u"--bookmark"_qs && i + 1 < args.size()) {
      bookmark = QFileInfo(args[++i]).absoluteFilePath();
    } else if (args[i].startsWith(u"--"_qs)) {
      std::fprintf(stderr, "%s", kUsage);
      return 2;
    } else {
      positional << args[i];
    }
  }
  if (positional.size() > 2 || (positional.size() == 2 && !dataArgument.isEmpty())) {
    std::fprintf(stderr, "%s", kUsage);
    return 2;
  }
  if (positional.size() == 2) dataArgument = positional[1];
  // Installed, the tool lies in the program folder.
  if (positional.isEmpty()) positional << QCoreApplication::applicationDirPath();
  if (!registryFile.isEmpty()) {
    registry::useStoreFile(registryFile.toStdString());
  } else if (machine) {
    registry::useStoreFile(registry::RegistryStore::defaultMachinePath());
  }
  const QFileInfo programInfo(positional[0]);
  if (!programInfo.isDir()) {
    std::fprintf(stderr, "vantorel-install: %s is not a folder\n", qPrintable(positional[0]));
    return 1;
  }
  QString data;
  if (!dataArgument.isEmpty()) {
    const QFileInfo dataInfo(dataArgument);
    if (!dataInfo.isDir() || !QFileInfo(dataInfo.absoluteFilePath() + u"/a.htm"_qs).isFile()) {
      std::fprintf(stderr, "vantorel-install: %s holds no a.htm: not a data folder\n", qPrintable(dataArgument));
      return 1;
    }
    data = dataInfo.canonicalFilePath() + u'/';
  }
  const QString program = programInfo.canonicalFilePath();
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
  if (data.isEmpty() && bookmark.isEmpty()) {
    std::printf("installed %s%s\n", qPrintable(program), machine ? " for every user of this machine" : "");
    return failures ? 1 : 0;
  }
  const std::string settings = settingsFileOf(program);
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(settings).parent_path(), ec);
  bool written = data.isEmpty() || profile::writePrivateProfileString(settings, host::kSettingsSection,
                                                                      host::kDataPathKey, data.toStdString());
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
  if ((!data.isEmpty() && host::ReadIniValue(text, host::kDataPathKey) != data.toStdString()) ||
      (!bookmark.isEmpty() && host::ReadIniValue(text, host::kBookmarkKey) != bookmark.toStdString())) {
    std::fprintf(stderr,
                 "vantorel-install: %s does not read back as written (a value longer than %zu characters, or the "
                 "file too long?)\n",
                 settings.c_str(), host::kIniValueLimit);
    return 1;
  }
  std::printf("installed %s%s%s%s\n", qPrintable(program), machine ? " for every user of this machine" : "",
              data.isEmpty() ? "" : " with data folder ", qPrintable(data));
  return failures ? 1 : 0;
}
