#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "host/CQuillet2App.h"
#include "platform/registry/Registry.h"

namespace vantorel::host::testing {

inline QApplication& app() {
  return *qApp;
}  // made by the GUI test main

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(bytes);
}

inline QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A program folder, a registry file and a temporary folder of their own, and an environment
// whose locator answers from a queue.
struct Sandbox {
  QTemporaryDir dir;
  QString programFolder;
  QString tempFolder;
  QString privateFolder;       // stands in for the user's own data folder
  QString userSettingsFile;    // stands in for ~/.config/vantorel/qset.ini (not made yet)
  QStringList locatorAnswers;  // "" stands for Cancel
  std::vector<int> locatorModes;
  bool frameFails = false;

  Sandbox() {
    app();
    programFolder = dir.filePath(u"program"_qs);
    tempFolder = dir.filePath(u"tmp"_qs) + u'/';
    QDir().mkpath(programFolder);
    QDir().mkpath(tempFolder);
    privateFolder = dir.filePath(u"private"_qs) + u'/';
    QDir().mkpath(privateFolder);
    userSettingsFile = dir.filePath(u"config/vantorel/qset.ini"_qs);
    registry::useStoreFile(dir.filePath(u"registry.reg"_qs).toStdString());
  }

  [[nodiscard]] QString dataFolder(const QString& name, bool withFirstPage = true) {
    const QString path = dir.filePath(name);
    QDir().mkpath(path);
    if (withFirstPage) writeFile(path + u"/a.htm"_qs, "<html></html>");
    return path;
  }

  [[nodiscard]] QString settingsText() { return QString::fromUtf8(readFile(programFolder + u"/qset.ini"_qs)); }
  [[nodiscard]] QString userSettingsText() { return QString::fromUtf8(readFile(userSettingsFile)); }

  [[nodiscard]] CQuillet2App::Environment environment(QSize screen = {1024, 768}, int depth = 24) {
    CQuillet2App::Environment env;
    env.programPath = programFolder + u"/pelorin"_qs;
    env.screenSize = screen;
    env.colourDepth = depth;
    env.tempFolder = tempFolder;
    env.userDataFolder = privateFolder;
    env.userSettingsFile = userSettingsFile;
    env.sampleDiscFolders = {programFolder + u"/disc/"_qs, dir.filePath(u"share/vantorel/disc/"_qs)};
    env.showSplash = false;
    env.wait = [](int) {};
    env.findFolder = [this](QWidget*, int mode) -> std::optional<QString> {
      locatorModes.push_back(mode);
      if (locatorAnswers.isEmpty()) return std::nullopt;
      const QString answer = locatorAnswers.takeFirst();
      if (answer.isEmpty()) return std::nullopt;
      return answer;
    };
    env.createMainFrame = [this](CQuillet2App&) -> std::unique_ptr<QWidget> {
      return frameFails ? nullptr : std::make_unique<QWidget>();
    };
    return env;
  }
};

}  // namespace vantorel::host::testing
