#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "host/pages/PageHooks.h"
#include "host/pages/core/History.h"
#include "host/pages/core/PageCacheNumbers.h"

namespace vantorel::host {
class CQuillet2View;
class HostComponents;
struct NavigateRequest;
}  // namespace vantorel::host

namespace vantorel::host::pages {

// The topic pages of the main view: every page is transformed into a private cache folder of
// this run and shown from there; the places the user went are kept for Back and Next; clicks on
// glossary and enlarged-view links are turned into the pop-up and the enlarged view. It owns the
// Back and Next commands (menu, Alt+Left, Alt+Right) and the text size of the page (Ctrl+Plus,
// Ctrl+Minus, Ctrl+0).
class TopicPages : public QObject {
 public:
  // Takes over the page browser's BeforeNavigate and registers the commands on `view`.
  TopicPages(CQuillet2View& view, HostComponents& components, QString dataFolder);
  // Deletes every page of the run and the cache folder.
  ~TopicPages() override;

  // Records the place, writes the page into the cache and shows it; a page that cannot be read
  // or written shows its message and then the browser's not-found page, never an older page.
  void ShowTopicPage(int page);
  void CleanPageCache(bool final);
  void RecordHistory(int treeRecord, int object, int section);
  void Back();
  void Next();
  void GoToHistoryEntry(const HistoryEntry& entry);
  // The enlarged view of the shown page (its link, or command 9821).
  void openEnlargedView();
  // The main menu is shown: no page is there any more.
  void mainMenuShown();

  void zoomIn();
  void zoomOut();
  void zoomReset();
  [[nodiscard]] int textZoom() const { return textZoom_; }

  [[nodiscard]] PageHooks& hooks() { return hooks_; }
  [[nodiscard]] bool hasVideo() const { return hasVideo_; }
  [[nodiscard]] bool hasMolecule() const { return hasMolecule_; }
  // Ends in a separator; empty when the folder could not be made.
  [[nodiscard]] QString cacheFolder() const;
  [[nodiscard]] const QString& lastGeneratedPage() const { return lastGeneratedPage_; }
  [[nodiscard]] const History& history() const { return history_; }
  [[nodiscard]] const PageCacheNumbers& numbers() const { return numbers_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool beforeNavigate(const NavigateRequest& request);
  void navigate(const QString& path);
  void setTextZoom(int percent);

  CQuillet2View& view_;
  HostComponents& components_;
  QString dataFolder_;
  QTemporaryDir cache_;
  PageCacheNumbers numbers_;
  History history_;
  PageHooks hooks_;
  QString lastGeneratedPage_;
  bool hasVideo_ = false;
  bool hasMolecule_ = false;
  bool firstPaintPending_ = true;
  int textZoom_ = 100;
};

}  // namespace vantorel::host::pages
