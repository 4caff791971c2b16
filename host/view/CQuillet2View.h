#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "host/components/core/ElementIndex.h"
#include "host/search/core/SearchState.h"
#include "host/view/MainMenuPictures.h"

namespace vantorel::bookmarks {
class BookmarkCommands;
class BookmarkStore;
}  // namespace vantorel::bookmarks

namespace vantorel::host {

class CQuillet2App;
class HostComponents;
class ViewBookmarks;

namespace view {
class ESGSplit;
}
namespace pages {
class TopicPages;
}

// The main view: the button strip across the top and, below it, one of four screens (the main
// menu picture, the periodic table, the topic screen with its splitter, the data analyser). It
// creates the embedded components on its first update, switches screens on clicks, commands and
// component events, and runs the menu commands.
class CQuillet2View : public QWidget {
 public:
  enum Screen { MainMenu = 0, PeriodicTable = 1, Topics = 2, DataAnalyser = 8 };

  struct CommandState {
    bool enabled = false;
    bool checked = false;
  };
  // A command that another part of the program provides (search, bookmarks, history, palette).
  struct CommandHandler {
    std::function<void()> run;
    std::function<CommandState()> state;
  };

  explicit CQuillet2View(CQuillet2App& app, QWidget* parent = nullptr);
  ~CQuillet2View() override;

  // The first update: the component check when running outside the install folder, the
  // components, the first page, the element index and the main menu pictures. A failure marks
  // the start failed; the view then closes its window.
  void OnInitialUpdate();

  void OpenSection(int section, int page);
  void ShowPeriodicTable();
  void ShowDataAnalyser();
  void ShowMainMenu();
  void ShowTopicPage(int page);
  // The browse position without moving anything (a bookmark sets it before opening its section).
  void setBrowsePosition(int treeRecord, int object, int section);
  // Opens the section of `route` and positions the topic browser at the record and its resource,
  // as choosing them in the tree does.
  void goToTopic(int route, int32_t recordId, int32_t assetId);

  // The enabled and checked state of a command, as its menu item shows it.
  [[nodiscard]] CommandState commandState(int id) const;
  // Runs a command from a menu, an accelerator or a button; a disabled one does nothing.
  void runCommand(int id);
  void setCommandHandler(int id, CommandHandler handler);

  // The frame was minimised: the periodic table starts afresh.
  void frameMinimised();

  [[nodiscard]] Screen screen() const { return screen_; }
  [[nodiscard]] int section() const { return section_; }
  [[nodiscard]] int treeRecord() const { return treeRecord_; }
  [[nodiscard]] int object() const { return object_; }
  [[nodiscard]] int selectedButton() const { return selectedButton_; }
  [[nodiscard]] int hoveredButton() const { return hoveredButton_; }
  [[nodiscard]] int hoveredRegion() const { return hoveredRegion_; }
  [[nodiscard]] bool startFailed() const { return startFailed_; }
  [[nodiscard]] HostComponents* components() const { return components_.get(); }
  [[nodiscard]] view::ESGSplit* splitter() const { return splitter_; }
  [[nodiscard]] QString lastGeneratedPage() const;
  // The topic pages, their history and link handling; null until the page browser is up.
  [[nodiscard]] pages::TopicPages* pages() const { return pages_.get(); }
  [[nodiscard]] const view::MainMenuPictures& pictures() const { return pictures_; }
  // Where the main menu picture stands in the view.
  [[nodiscard]] QPoint mainMenuOrigin() const;
  // The bookmark commands; null until the page browser is up.
  [[nodiscard]] bookmarks::BookmarkCommands* bookmarkCommands() const { return bookmarkCommands_.get(); }
  [[nodiscard]] const search::SearchState& searchState() const { return searchState_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void connectEvents();
  void hoverTest(const QPoint& point, bool overView);
  void clickElement(int index);
  void beginSwitch(Screen next);
  void pressButton(int button);
  void layoutTopicScreen();
  void layoutCommand();
  void onElementDetail(int index);
  void paintStrip(QPainter& painter, const QRect& dirty) const;
  [[nodiscard]] QRect stripElementRect(int element) const;
  void updateStripElement(int element);
  [[nodiscard]] QRect mainMenuRect() const;
  [[nodiscard]] QRect belowStrip() const;
  [[nodiscard]] bool editHasFocus() const;
  void copyInPage(bool print);
  void showWebPage(const QString& address);
  void showAbout();
  void startBookmarks();
  void runSearch();

  CQuillet2App& app_;
  Screen screen_ = MainMenu;
  int section_ = 1;
  int treeRecord_ = 0;
  int object_ = 0;
  int selectedButton_ = 9;
  int hoveredButton_ = -1;
  int hoveredRegion_ = -1;
  int timerId_ = 0;
  bool startFailed_ = false;
  bool initialised_ = false;
  bool browserReady_ = false;
  std::unique_ptr<HostComponents> components_;
  view::ESGSplit* splitter_ = nullptr;
  view::MainMenuPictures pictures_;
  std::vector<components::ElementIndexEntry> elementIndex_;
  std::map<int, CommandHandler> handlers_;
  std::unique_ptr<pages::TopicPages> pages_;
  search::SearchState searchState_;
  std::unique_ptr<bookmarks::BookmarkStore> bookmarkStore_;
  std::unique_ptr<ViewBookmarks> bookmarkSites_;
  std::unique_ptr<bookmarks::BookmarkCommands> bookmarkCommands_;
};

}  // namespace vantorel::host
