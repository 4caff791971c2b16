#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "host/pages/widgets/PlayerPicture.h"

class QPrinter;

namespace vantorel::host {

class CQuillet2View;
class CPopupNote;
class CToolsPalette;
class CWebPageDlg;

// The small windows of the topic pages, joined to the main view: the glossary pop-up, the
// enlarged view, the tools palette and the copy and print of the video or molecule picture.
// Lives as a child of the view.
class PageWidgets : public QObject {
  Q_OBJECT

 public:
  // Makes the pop-up and the palette, fills the page hooks and takes over the palette, picture
  // copy and picture print commands. Call once the view's pages are up.
  static PageWidgets* install(CQuillet2View& view);
  // The view's page widgets; null before install.
  [[nodiscard]] static PageWidgets* of(const CQuillet2View& view);

  [[nodiscard]] CPopupNote& popupNote() const { return *note_; }
  [[nodiscard]] CToolsPalette& palette() const { return *palette_; }

  // The enlarged view of `cacheFolder` + "bigvid.htm", modal.
  void showEnlargedView(const QString& cacheFolder, const QString& title);
  void copyPicture(Player player);
  void printPicture(Player player);

  // Where picture prints go: the default printer unless a test gives another; a source that
  // gives null means there is no printer.
  void setPrinterSource(std::function<std::unique_ptr<QPrinter>()> source) { printerSource_ = std::move(source); }
  // The title of the last picture print.
  [[nodiscard]] const QString& printTitle() const { return printTitle_; }
  // Called with each web page dialog before it runs (tests look at it there).
  void setDialogWatcher(std::function<void(CWebPageDlg&)> watcher) { dialogWatcher_ = std::move(watcher); }

 private:
  explicit PageWidgets(CQuillet2View& view);
  void installCommands();
  [[nodiscard]] bool pictureShown(Player player) const;
  [[nodiscard]] QWidget* browserWidget() const;

  CQuillet2View& view_;
  CPopupNote* note_ = nullptr;
  CToolsPalette* palette_ = nullptr;
  QString printTitle_;
  std::function<std::unique_ptr<QPrinter>()> printerSource_;
  std::function<void(CWebPageDlg&)> dialogWatcher_;
};

}  // namespace vantorel::host
