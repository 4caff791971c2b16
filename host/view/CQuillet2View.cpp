#include "host/view/CQuillet2View.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

#include "host/CQuillet2App.h"
#include "host/bookmarks/BookmarkCommands.h"
#include "host/bookmarks/BookmarkStore.h"
#include "host/components/ComponentCheck.h"
#include "host/components/ElementIndex.h"
#include "host/components/HostComponents.h"
#include "host/pages/TopicPages.h"
#include "host/pages/widgets/CWebPageDlg.h"
#include "host/pages/widgets/PageWidgets.h"
#include "host/search/CWordSearchDlg.h"
#include "host/view/CAboutDlg.h"
#include "host/view/Commands.h"
#include "host/view/ESGSplit.h"
#include "host/view/StripArt.h"
#include "host/view/ViewBookmarks.h"
#include "host/view/core/MainMenuLayout.h"
#include "host/view/core/Sections.h"
#include "host/view/core/SplitterRules.h"
#include "host/view/core/StripGeometry.h"
#include "platform/com/Dispatchable.h"
#include "platform/messages/WindowMessages.h"

namespace vantorel::host {

using namespace view;

namespace {

constexpr int kHoverTimerMs = 250;
constexpr int kEnlargedViewRequest = 9821;
constexpr int kRefreshPageRequest = 9822;

// Calls a member of the shown page's document by name ("Copy", "Print"); nothing when the page
// or the member is missing.
void callDocument(CWebBrowser& browser, const char* member) {
  com::Dispatchable* document = browser.Document();
  if (!document) return;
  if (const com::MemberInfo* info = document->dispatchTable().findByName(member))
    (void)document->invoke(info->dispid, com::InvokeKind::Method, {});
}

}  // namespace

CQuillet2View::CQuillet2View(CQuillet2App& app, QWidget* parent) : QWidget(parent), app_(app) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  setMinimumSize(0, 0);
}

CQuillet2View::~CQuillet2View() {
  if (timerId_) killTimer(timerId_);
  if (bookmarkStore_ && !startFailed_) bookmarkStore_->save(this);
  bookmarkCommands_.reset();
  bookmarkSites_.reset();
  // The component windows are children of this view: the wrappers go first, while they live.
  components_.reset();
}

void CQuillet2View::OnInitialUpdate() {
  if (initialised_) return;
  initialised_ = true;
  timerId_ = startTimer(kHoverTimerMs);
  const QString componentFolder = app_.installFolder() + u"/ActiveX/"_qs;
  if (app_.outsideInstallFolder()) {
    ComponentCheck check(componentFolder, this);
    if (!check.run()) {
      startFailed_ = true;
      update();
      return;
    }
  }
  components_ = std::make_unique<HostComponents>();
  const HostComponents::Outcome outcome = components_->create({this, app_.dataFolder(), componentFolder, &app_});
  if (outcome == HostComponents::Outcome::Failed) {
    startFailed_ = true;
    update();
    return;
  }
  connectEvents();
  setCommandHandler(cmd::kSearch, {[this] { runSearch(); }, [] { return CommandState{true, false}; }});
  if (outcome == HostComponents::Outcome::NoBrowser) return;
  browserReady_ = true;
  components_->webBrowser().Navigate(app_.dataFolder() + u"a.htm"_qs);
  pages_ = std::make_unique<pages::TopicPages>(*this, *components_, app_.dataFolder());
  PageWidgets::install(*this);
  elementIndex_ = readElementIndex(app_.dataFolder(), this);
  pictures_.load(app_.dataFolder(), this);
  components_->checkMinimumVersions(this);
  startBookmarks();
  update();
}

void CQuillet2View::startBookmarks() {
  bookmarkStore_ = std::make_unique<bookmarks::BookmarkStore>(app_.bookmarkPath());
  bookmarkStore_->load(this);
  bookmarkSites_ = std::make_unique<ViewBookmarks>(*this, *components_);
  bookmarkCommands_ = std::make_unique<bookmarks::BookmarkCommands>(*bookmarkStore_, *bookmarkSites_, this);
  setCommandHandler(cmd::kAddBookmark, {[this] { bookmarkCommands_->OnBookmarkAdd(); },
                                        [this] {
                                          return CommandState{bookmarkCommands_->canAdd(), false};
                                        }});
  setCommandHandler(cmd::kGoToBookmark, {[this] { bookmarkCommands_->OnBookmarkGoto(); },
                                         [] {
                                           return CommandState{true, false};
                                         }});
}

void CQuillet2View::runSearch() {
  (void)search::CWordSearchDlg::run(
      this, app_.dataFolder(), searchState_,
      [this](int route, int32_t recordId, int32_t assetId) { goToTopic(route, recordId, assetId); });
}

void CQuillet2View::connectEvents() {
  connect(&components_->select(), &CSelect::treeSelected, this, [this](int page, int recordId) {
    treeRecord_ = recordId;
    object_ = 0;
    ShowTopicPage(page);
  });
  connect(&components_->select(), &CSelect::listSelected, this, [this](int object) {
    object_ = object;
    ShowTopicPage(object);
  });
  connect(&components_->periodTable(), &CPeriodTable::elementDetail, this,
          [this](int index) { onElementDetail(index); });
}

// ---- screens ---------------------------------------------------------------------------------

QRect CQuillet2View::belowStrip() const {
  return {0, kStripHeight, width(), std::max(0, height() - kStripHeight)};
}

void CQuillet2View::beginSwitch(Screen next) {
  // Nothing that was under the pointer on the old screen may act on the new one.
  if (hoveredButton_ >= 0) updateStripElement(hoveredButton_);
  hoveredButton_ = -1;
  if (hoveredRegion_ >= 0) update(mainMenuRect());
  hoveredRegion_ = -1;
  if (!components_) return;
  components_->periodTable().hide();
  components_->dataAnal().hide();
  if (screen_ == Topics && next != Topics) {
    if (splitter_) splitter_->hide();
    components_->select().hide();
    if (browserReady_) {
      components_->webBrowser().setGeometry(next == MainMenu ? QRect(-600, 0, 500, 500) : QRect(-800, 0, 400, 200));
    }
  }
}

void CQuillet2View::pressButton(int button) {
  if (button == selectedButton_) return;
  const int old = selectedButton_;
  selectedButton_ = button;
  updateStripElement(old);
  if (rightNeighbour(old) >= 0) updateStripElement(rightNeighbour(old));
  updateStripElement(button);
  if (rightNeighbour(button) >= 0) updateStripElement(rightNeighbour(button));
}

void CQuillet2View::ShowMainMenu() {
  beginSwitch(MainMenu);
  screen_ = MainMenu;
  if (pages_) pages_->mainMenuShown();
  pressButton(kMainMenuButton);
  update(belowStrip());
}

void CQuillet2View::ShowPeriodicTable() {
  if (pages_) pages_->RecordHistory(treeRecord_, object_, -1);
  beginSwitch(PeriodicTable);
  screen_ = PeriodicTable;
  pressButton(kPeriodicTableButton);
  if (!components_) return;
  components_->periodTable().Initialise();
  components_->periodTable().show(belowStrip());
}

void CQuillet2View::ShowDataAnalyser() {
  if (pages_) pages_->RecordHistory(treeRecord_, object_, -2);
  beginSwitch(DataAnalyser);
  screen_ = DataAnalyser;
  pressButton(kDataAnalyserButton);
  if (!components_) return;
  components_->dataAnal().show(belowStrip());
}

void CQuillet2View::OpenSection(int section, int page) {
  const Section* s = sectionByNumber(section);
  if (!s) return;
  const bool wasTopics = screen_ == Topics;
  beginSwitch(Topics);
  screen_ = Topics;
  pressButton(s->stripButton);
  update(belowStrip());
  if (!components_) return;
  components_->select().SetRoute(static_cast<int16_t>(section));
  section_ = section;
  if (!wasTopics) layoutTopicScreen();
  if (page > 0) ShowTopicPage(page);
}

void CQuillet2View::layoutTopicScreen() {
  // One clamped position for the bar and both panes, whatever the saved value was.
  const int s = openingSplitter(app_.placement().splitter, width());
  const int h = height() - kStripHeight;
  if (!splitter_) splitter_ = new ESGSplit;
  splitter_->Create(s, kStripHeight, h, false, kSplitterFirstMinimum, width() - kSplitterRightMargin, this);
  const int p = splitter_->GetPosition();
  if (browserReady_)
    components_->webBrowser().setGeometry(QRect(p + kSplitterWidth, kStripHeight, width() - p - kSplitterWidth, h));
  components_->select().show(QRect(0, kStripHeight, p, h));
}

void CQuillet2View::layoutCommand() {
  if (screen_ != Topics || !splitter_ || !components_) return;
  const int p = splitter_->GetPosition();
  if (splitterWorthSaving(p)) app_.placement().splitter = p;
  const int h = height() - kStripHeight;
  components_->select().setGeometry(QRect(0, kStripHeight, p, h));
  if (browserReady_)
    components_->webBrowser().setGeometry(QRect(p + kSplitterWidth, kStripHeight, width() - p - kSplitterWidth, h));
}

void CQuillet2View::onElementDetail(int index) {
  if (screen_ != PeriodicTable) return;
  const auto tree = components::findElement(elementIndex_, index);
  if (!tree) return;
  OpenSection(6, 0);
  if (components_) components_->select().GotoPosition(static_cast<int32_t>(*tree), 0, false);
}

void CQuillet2View::ShowTopicPage(int page) {
  if (pages_) pages_->ShowTopicPage(page);
}

QString CQuillet2View::lastGeneratedPage() const {
  return pages_ ? pages_->lastGeneratedPage() : QString();
}

void CQuillet2View::setBrowsePosition(int treeRecord, int object, int section) {
  treeRecord_ = treeRecord;
  object_ = object;
  section_ = section;
}

void CQuillet2View::goToTopic(int route, int32_t recordId, int32_t assetId) {
  if (!sectionByNumber(route)) return;
  OpenSection(route, 0);
  if (components_) components_->select().GotoPosition(recordId, assetId, false);
}

void CQuillet2View::frameMinimised() {
  if (components_) components_->periodTable().Initialise();
}

// ---- the strip and the main menu picture ------------------------------------------------------

QRect CQuillet2View::stripElementRect(int element) const {
  const StripBlit b = stripElement(element, element == selectedButton_, width());
  int w = b.destWidth;
  if (element == selectedButton_) w += kShadowWidth;  // its shadow
  return {b.destX, 0, w + 1, kStripHeight};
}

void CQuillet2View::updateStripElement(int element) {
  if (element >= 0) update(stripElementRect(element));
}

QPoint CQuillet2View::mainMenuOrigin() const {
  const QImage& picture = pictures_.mainMenu();
  const Point o = view::mainMenuOrigin(width(), height(), picture.width(), picture.height());
  return {o.x, o.y};
}

QRect CQuillet2View::mainMenuRect() const {
  return {mainMenuOrigin(), pictures_.mainMenu().size()};
}

void CQuillet2View::paintStrip(QPainter& painter, const QRect& dirty) const {
  const StripImages& art = stripImages();
  auto draw = [&](int element) {
    const QImage& look = element == selectedButton_ ? art.pressed : element == hoveredButton_ ? art.hover : art.normal;
    const StripBlit b = stripElement(element, element == selectedButton_, width());
    if (b.destWidth <= 0) return;
    painter.drawImage(QRect(b.destX, 0, b.destWidth, kStripHeight), look,
                      QRect(b.sourceX, 0, b.sourceWidth, kStripHeight));
  };
  if (!dirty.intersects(QRect(0, 0, width(), kStripHeight))) return;
  draw(kFiller);
  for (int i = 0; i <= kToolsButton; ++i)
    if (i != selectedButton_) draw(i);
  // The pressed button last, with its shadow over its right neighbour's edge.
  if (selectedButton_ >= 0) {
    draw(selectedButton_);
    painter.drawImage(shadowX(selectedButton_, width()), 1, art.shadow);
  }
}

void CQuillet2View::paintEvent(QPaintEvent* event) {
  if (startFailed_) {
    // The components could not be made: the program ends instead of drawing.
    if (QWidget* frame = window()) QMetaObject::invokeMethod(frame, &QWidget::close, Qt::QueuedConnection);
    return;
  }
  QPainter painter(this);
  paintStrip(painter, event->rect());
  const QRect below = belowStrip();
  if (!event->rect().intersects(below)) return;
  painter.fillRect(below.intersected(event->rect()), Qt::black);
  if (screen_ == MainMenu) {
    painter.setClipRect(below);
    pictures_.draw(painter, mainMenuOrigin(), hoveredRegion_);
  }
}

void CQuillet2View::hoverTest(const QPoint& point, bool overView) {
  const int button = overView ? stripHitTest(point.x(), point.y(), width()) : -1;
  if (button != hoveredButton_) {
    const int old = hoveredButton_;
    hoveredButton_ = button;
    updateStripElement(old);
    updateStripElement(button);
  }
  int region = -1;
  if (overView && screen_ == MainMenu && button < 0 && point.y() >= kStripHeight && !pictures_.mainMenu().isNull()) {
    const QPoint at = point - mainMenuOrigin();
    region = regionAt(at.x(), at.y());
  }
  if (region != hoveredRegion_) {
    hoveredRegion_ = region;
    update(mainMenuRect());
  }
  const bool hand = (hoveredButton_ >= 0 && hoveredButton_ != selectedButton_) || hoveredRegion_ >= 0;
  setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CQuillet2View::mouseMoveEvent(QMouseEvent* event) {
  hoverTest(event->position().toPoint(), true);
}

void CQuillet2View::leaveEvent(QEvent*) {
  hoverTest({-1, -1}, false);
}

void CQuillet2View::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timerId_) return QWidget::timerEvent(event);
  // The pointer may have left without a move reaching the view.
  const QPoint global = QCursor::pos();
  hoverTest(mapFromGlobal(global), QApplication::widgetAt(global) == this);
}

void CQuillet2View::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  hoverTest(event->position().toPoint(), true);
  const int index = hoveredButton_ >= 0 ? hoveredButton_ : hoveredRegion_;
  if (index < 0) return;
  setCursor(Qt::ArrowCursor);
  clickElement(index);
}

void CQuillet2View::clickElement(int index) {
  if (const Section* s = sectionByButton(index); s && index <= 6) {
    treeRecord_ = s->startPage;
    object_ = 0;
    OpenSection(s->number, s->startPage);
  } else if (index == kPeriodicTableButton) {
    ShowPeriodicTable();
  } else if (index == kDataAnalyserButton) {
    ShowDataAnalyser();
  } else if (index == kMainMenuButton) {
    if (screen_ != MainMenu) ShowMainMenu();
  } else if (index == kToolsButton) {
    runCommand(cmd::kToolsPalette);
  }
}

void CQuillet2View::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (window() && window()->isMinimized()) return;
  if (!components_) return;
  if (screen_ == PeriodicTable) components_->periodTable().setGeometry(belowStrip());
  if (screen_ == DataAnalyser) components_->dataAnal().setGeometry(belowStrip());
  if (screen_ == Topics && splitter_) {
    splitter_->setLength(height() - kStripHeight);
    splitter_->SetRange(kSplitterResizeMinimum, width() - kSplitterRightMargin);
  }
}

bool CQuillet2View::event(QEvent* event) {
  if (const auto* message = messages::asWindowMessage(event)) {
    if (message->message() == messages::kCommand) {
      if (message->lParam() == kSplitterCommand) layoutCommand();
      if (message->lParam() == kRefreshPageRequest && browserReady_) components_->webBrowser().Refresh2();
      if (message->lParam() == kEnlargedViewRequest && pages_) pages_->openEnlargedView();
    }
    return true;
  }
  return QWidget::event(event);
}

// ---- commands ---------------------------------------------------------------------------------

void CQuillet2View::setCommandHandler(int id, CommandHandler handler) {
  handlers_[id] = std::move(handler);
}

bool CQuillet2View::editHasFocus() const {
  const QWidget* edit = app_.browseEditWindow.data();
  return edit && edit->hasFocus();
}

CQuillet2View::CommandState CQuillet2View::commandState(int id) const {
  if (const auto it = handlers_.find(id); it != handlers_.end())
    return it->second.state ? it->second.state() : CommandState{true, false};
  const bool topics = screen_ == Topics;
  const bool analyser = screen_ == DataAnalyser && components_;
  auto graphShown = [&] { return analyser && components_->dataAnal().GetBMSorG() != 0; };
  if (const Section* s = sectionByCommand(id)) return {true, topics && section_ == s->number};
  switch (id) {
    case cmd::kPrint: return {analyser ? graphShown() : topics && browserReady_, false};
    case cmd::kExit:
    case cmd::kAbout:
    case cmd::kProductSite:
    case cmd::kSupport:
    case cmd::kProducts:
    case cmd::kHelpContents: return {true, false};
    case cmd::kCut:
    case cmd::kPaste: return {topics && editHasFocus(), false};
    case cmd::kCopy: return {topics, false};
    case cmd::kCopyAllData: return {analyser, false};
    case cmd::kCopyGraph: return {graphShown(), false};
    case cmd::kCopySelection: return {analyser && !graphShown(), false};
    case cmd::kPeriodicTable: return {true, screen_ == PeriodicTable};
    case cmd::kDataAnalyser: return {true, screen_ == DataAnalyser};
    default: return {false, false};  // provided by a part of the program that is not there
  }
}

void CQuillet2View::runCommand(int id) {
  if (!commandState(id).enabled) return;
  if (const auto it = handlers_.find(id); it != handlers_.end()) {
    if (it->second.run) it->second.run();
    return;
  }
  if (const Section* s = sectionByCommand(id)) {
    treeRecord_ = s->startPage;
    object_ = 0;
    OpenSection(s->number, s->startPage);
    return;
  }
  auto* edit = qobject_cast<QLineEdit*>(app_.browseEditWindow.data());
  switch (id) {
    case cmd::kPrint:
      if (screen_ == DataAnalyser) {
        components_->dataAnal().PrintGraph();
      } else {
        copyInPage(true);
      }
      break;
    case cmd::kExit:
      if (window()) window()->close();
      break;
    case cmd::kCut:
      if (edit) edit->cut();
      break;
    case cmd::kPaste:
      if (edit) edit->paste();
      break;
    case cmd::kCopy:
      if (edit && editHasFocus()) {
        edit->copy();
      } else {
        copyInPage(false);
      }
      break;
    case cmd::kCopyAllData: components_->dataAnal().CopyAllData(); break;
    case cmd::kCopyGraph: components_->dataAnal().CopyGraph(); break;
    case cmd::kCopySelection: components_->dataAnal().CopySelection(); break;
    case cmd::kPeriodicTable: ShowPeriodicTable(); break;
    case cmd::kDataAnalyser: ShowDataAnalyser(); break;
    case cmd::kProductSite: showWebPage(app_.dataFolder() + u"web/site.htm"_qs); break;
    case cmd::kSupport: showWebPage(app_.dataFolder() + u"web/support.htm"_qs); break;
    case cmd::kProducts: showWebPage(app_.dataFolder() + u"web/products.htm"_qs); break;
    case cmd::kHelpContents: showWebPage(app_.dataFolder() + u"help.htm"_qs); break;
    case cmd::kAbout: showAbout(); break;
    default: break;
  }
}

void CQuillet2View::copyInPage(bool print) {
  if (browserReady_) callDocument(components_->webBrowser(), print ? "Print" : "Copy");
}

void CQuillet2View::showWebPage(const QString& address) {
  CWebPageDlg dialog(this, address, CWebPageDlg::ShowAddress, QString(), QString());
  dialog.exec();
}

void CQuillet2View::showAbout() {
  CAboutDlg dialog(this, app_.componentVersions, lastGeneratedPage());
  dialog.exec();
}

}  // namespace vantorel::host
