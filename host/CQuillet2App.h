#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
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
    // Where the bookmark file goes when the user cancels the bookmark folder question: the user's
    // own data folder (owner-only), ending in a separator; empty when there is none.
    QString bookmarkFallbackFolder;
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
  [[nodiscard]] QString settingsFile() const;
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
  [[nodiscard]] QByteArray readSettingsText() const;
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
