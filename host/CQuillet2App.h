#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "host/core/StartupRules.h"

namespace vantorel::host {

class CSplashDlg;

// The application object: locations, saved layout and start-up of the host program.
class CQuillet2App {
 public:
  // What start-up needs from the machine and the user, so that tests can stand in for each.
  struct Environment {
    QString programPath;  // full path of the running program
    QSize screenSize{1024, 768};
    int colourDepth = 24;
    QString tempFolder;  // ends in a separator
    // The user's own settings file: its values come before those of the install folder's, and
    // every value the program writes goes there (never into the install folder). Empty when the
    // user has no home: then nothing is written.
    QString userSettingsFile;
    // The user's own data folder (owner-only), ending in a separator: the bookmark file lives there
    // when no settings file names one. Empty when there is none.
    QString userDataFolder;
    // Sample discs laid out with the program, tried in order when no settings file names a data
    // folder that exists (the build's disc beside the program, an installed one under share/).
    QStringList sampleDiscFolders;
    // The folder locator in a mode (0 data disc, 1 bookmark folder); nothing on Cancel.
    std::function<std::optional<QString>(QWidget* parent, int mode)> findFolder;
    // Creates and shows the main frame; null when it cannot.
    std::function<std::unique_ptr<QWidget>(class CQuillet2App& app)> createMainFrame;
    std::function<void(int milliseconds)> wait;
    bool showSplash = true;
  };

  // The real machine: this program's path, the primary screen, the locator dialog.
  static Environment systemEnvironment();

  explicit CQuillet2App(Environment environment);
  ~CQuillet2App();
  CQuillet2App(const CQuillet2App&) = delete;
  CQuillet2App& operator=(const CQuillet2App&) = delete;

  // The start-up sequence; false ends the program before any window but the splash appeared.
  bool InitInstance();

  [[nodiscard]] const QString& installFolder() const { return installFolder_; }
  [[nodiscard]] bool outsideInstallFolder() const { return outsideInstallFolder_; }
  [[nodiscard]] const QString& dataFolder() const { return dataFolder_; }
  [[nodiscard]] const QString& bookmarkPath() const { return bookmarkPath_; }
  // The settings file in the install folder, which the administrator writes.
  [[nodiscard]] QString settingsFile() const;
  [[nodiscard]] const QString& userSettingsFile() const { return env_.userSettingsFile; }
  [[nodiscard]] Placement& placement() { return placement_; }
  [[nodiscard]] bool firstShowMaximised() const { return firstShowMaximised_; }
  [[nodiscard]] QWidget* mainFrame() const { return mainFrame_.get(); }

  // Filled in by the main view once the components exist.
  enum Component { Kestrin, Fennick, Tabrel, Brovik, Dravix };
  std::array<QString, 5> componentVersions;
  QPointer<QWidget> browseViewWindow;
  QPointer<QWidget> browseEditWindow;

  // Writes the frame placement into the registry (the frame calls this as it goes); silent on
  // failure.
  void savePlacement() const;

  // The application object of this process, if one exists.
  static CQuillet2App* instance();

 private:
  bool readRegistry();
  bool locateDataFolder();
  void settleBookmarkPath();
  // A setting as the user's file gives it when that value is at least `usableLength` characters
  // long, else as the install folder's file gives it; each file read the program's own way.
  [[nodiscard]] std::string readSetting(std::string_view key, size_t usableLength) const;
  void writeSetting(std::string_view key, const QString& value) const;
  void removeSplash();

  Environment env_;
  QString installFolder_;
  bool outsideInstallFolder_ = false;
  QString dataFolder_;
  QString bookmarkPath_;
  Placement placement_;
  bool firstShowMaximised_ = false;
  std::unique_ptr<CSplashDlg> splash_;
  std::unique_ptr<QWidget> mainFrame_;
};

}  // namespace vantorel::host
