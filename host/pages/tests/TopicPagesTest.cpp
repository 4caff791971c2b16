// The topic pages in the real main window with the real components: pages from the sample disc,
// Back and Next from the keyboard, the companion pages of video and molecule pages, links reaching
// the pop-up and the enlarged view, and the private page cache.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "host/CMainFrame.h"
#include "host/CQuillet2App.h"
#include "host/components/HostComponents.h"
#include "host/core/StartupRules.h"
#include "host/pages/TopicPages.h"
#include "host/tests/HeadlessStart.h"
#include "host/view/CQuillet2View.h"
#include "host/view/Commands.h"
#include "host/view/core/Sections.h"
#include "host/view/core/StripGeometry.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using namespace vantorel::host;

// The video player's libraries load the undefined-behaviour runtime's tables when the first page
// with a player is shown; without full unwinding their allocations cannot be told apart from ours
// in the leak check's suppressions.
extern "C" const char* __asan_default_options() {
  return "fast_unwind_on_malloc=0";
}

namespace {

const QString kDisc = QStringLiteral(SAMPLE_DISC);

// The program installed with the real components, on the sample disc or a data folder of the
// test's own, with a temporary folder of its own.
struct Program {
  QTemporaryDir dir;
  ui::RecordingMessageBoxes boxes;
  QString tempFolder = dir.filePath(u"tmp"_qs);
  std::unique_ptr<CQuillet2App> app;
  CMainFrame* frame = nullptr;
  CQuillet2View* view = nullptr;
  QByteArray oldTemp = qgetenv("TMPDIR");

  explicit Program(const QString& dataFolder = kDisc) {
    ui::setMessageBoxService(&boxes);
    QDir().mkpath(tempFolder);
    qputenv("TMPDIR", QFile::encodeName(tempFolder));
    registry::useStoreFile(dir.filePath(u"registry.reg"_qs).toStdString());
    for (const char* file : {"tabrelgk.ocx", "brovikgk.ocx", "dravixgk.ocx", "kestringk.ocx", "fennickgk.ocx",
                             "pagebrowser.ocx", "molview.ocx", "videoplayer.ocx"})
      (void)com::registerLibrary((QStringLiteral(COMPONENT_DIR) + QLatin1String(file)).toStdString());
    const QString program = dir.filePath(u"program"_qs);
    QDir().mkpath(program);
    registry::store().createKey(registryKeyPath());
    registry::store().setString(registryKeyPath(), "Directory", program.toStdString());
    QFile ini(program + u"/qset.ini"_qs);
    ini.open(QIODevice::WriteOnly);
    ini.write(("[Settings]\r\nDataPath=" + dataFolder + "\r\nBookmark=" + dir.filePath(u"b.dat"_qs) + "\r\n").toUtf8());
  }
  ~Program() {
    app.reset();
    ui::setMessageBoxService(nullptr);
    qputenv("TMPDIR", oldTemp);
  }

  bool start() {
    app = std::make_unique<CQuillet2App>(
        host::testing::headlessStart(dir.filePath(u"program/pelorin"_qs), tempFolder + u'/', {1024, 740}));
    if (!app->InitInstance()) return false;
    frame = static_cast<CMainFrame*>(app->mainFrame());
    view = frame->view();
    frame->activateWindow();
    (void)QTest::qWaitForWindowActive(frame);
    QApplication::processEvents();
    return view && view->pages();
  }

  // A click on strip button `button`, as the user makes it.
  void clickStrip(int button) const {
    const view::StripBlit b = view::stripElement(button, false, view->width());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(b.destX + b.destWidth / 2, view::kStripHeight / 2));
    QApplication::processEvents();
  }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::AltModifier) const {
    QTest::keyClick(frame, k, modifiers);
    QApplication::processEvents();
  }
  [[nodiscard]] QWidget* browser() const { return view->components()->webBrowser().widget(); }
  // The windows of the shown page's plug-ins with the given size.
  [[nodiscard]] int windowsSized(QSize size) const {
    int n = 0;
    for (QWidget* w : browser()->findChildren<QWidget*>()) n += w->isVisibleTo(browser()) && w->size() == size;
    return n;
  }
};

TEST(TopicPagesGui, AltLeftAndAltRightWalkThroughTopicsAndScreens) {
  Program p;
  ASSERT_TRUE(p.start());
  EXPECT_FALSE(p.view->commandState(view::cmd::kBack).enabled);
  p.clickStrip(view::sectionByNumber(1)->stripButton);
  p.clickStrip(view::sectionByNumber(2)->stripButton);
  ASSERT_EQ(p.view->treeRecord(), 370001);
  p.clickStrip(view::kPeriodicTableButton);
  p.clickStrip(view::kDataAnalyserButton);
  ASSERT_EQ(p.view->screen(), CQuillet2View::DataAnalyser);
  const int recorded = p.view->pages()->history().last();

  p.key(Qt::Key_Left);
  EXPECT_EQ(p.view->screen(), CQuillet2View::PeriodicTable);
  p.key(Qt::Key_Left);
  EXPECT_EQ(p.view->screen(), CQuillet2View::Topics);
  EXPECT_EQ(p.view->section(), 2);
  EXPECT_EQ(p.view->treeRecord(), 370001);
  const QString secondSection = p.view->lastGeneratedPage();
  while (p.view->commandState(view::cmd::kBack).enabled) p.key(Qt::Key_Left);
  EXPECT_EQ(p.view->section(), 1);
  EXPECT_EQ(p.view->treeRecord(), 170070);
  EXPECT_NE(p.view->lastGeneratedPage(), secondSection);
  // Going through the history records nothing.
  EXPECT_EQ(p.view->pages()->history().last(), recorded);

  while (p.view->commandState(view::cmd::kForward).enabled) p.key(Qt::Key_Right);
  EXPECT_EQ(p.view->screen(), CQuillet2View::DataAnalyser);
  p.key(Qt::Key_Left);
  p.key(Qt::Key_Left);
  // A new place after going back drops the places ahead.
  p.clickStrip(view::sectionByNumber(5)->stripButton);
  EXPECT_FALSE(p.view->commandState(view::cmd::kForward).enabled);
  EXPECT_TRUE(p.boxes.shown().empty());
}

TEST(TopicPagesGui, VideoAndMoleculePagesGetCompanionPagesAndPlugins) {
  Program p;
  ASSERT_TRUE(p.start());
  p.clickStrip(view::sectionByNumber(7)->stripButton);
  pages::TopicPages& pages = *p.view->pages();
  const QString cache = pages.cacheFolder();

  p.view->ShowTopicPage(120001);
  EXPECT_TRUE(pages.hasVideo());
  QFile enlarged(cache + u"bigvid.htm"_qs);
  ASSERT_TRUE(enlarged.open(QIODevice::ReadOnly));
  const QByteArray video = enlarged.readAll();
  enlarged.close();
  EXPECT_TRUE(video.contains("video/")) << video.constData();
  EXPECT_TRUE(video.contains("WIDTH=640 HEIGHT=498 AUTOPLAY=TRUE SCALE=2")) << video.constData();
  // Through the redirect page to the video page and its player.
  QTRY_COMPARE_WITH_TIMEOUT(p.windowsSized({320, 258}), 1, 3000);

  p.view->ShowTopicPage(130001);
  EXPECT_FALSE(pages.hasVideo());
  EXPECT_TRUE(pages.hasMolecule());
  QFile copy(cache + u"chime.mol"_qs), original(kDisc + u"mol/water.mol"_qs);
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), original.readAll());
  ASSERT_TRUE(enlarged.open(QIODevice::ReadOnly));
  EXPECT_TRUE(enlarged.readAll().contains("<EMBED SRC=\"chime.mol\" WIDTH=640 HEIGHT=498"));
  enlarged.close();
  EXPECT_EQ(p.windowsSized({340, 290}), 1);  // the molecule viewer
  EXPECT_EQ(p.windowsSized({58, 262}), 1);   // Kestrin's switches

  // Page numbers that name no page: the message, then no page of before.
  p.boxes.clear();
  for (int bad : {-1, 0, 1000000}) p.view->ShowTopicPage(bad);
  ASSERT_EQ(p.boxes.shown().size(), 3u);
  EXPECT_TRUE(p.boxes.shown()[0].text.startsWith(u"ERROR: Can't open "_qs));
  EXPECT_EQ(p.windowsSized({340, 290}), 0);
  EXPECT_FALSE(pages.hasMolecule());
}

TEST(TopicPagesGui, LinksReachThePopUpAndTheEnlargedView) {
  Program p;
  ASSERT_TRUE(p.start());
  p.clickStrip(view::sectionByNumber(7)->stripButton);
  QStringList heard;
  pages::PageHooks& hooks = p.view->pages()->hooks();
  hooks.showGlossary = [&](const QString& file, QPoint) { heard << u"glossary "_qs + file; };
  hooks.showEnlargedView = [&](const QString& folder, const QString& title) {
    heard << u"enlarged "_qs + folder + u" "_qs + title;
  };
  p.view->ShowTopicPage(130001);
  const QString page = p.view->lastGeneratedPage();

  // The page's own link to the enlarged view, clicked: the lowest link of the page.
  const QImage shot = p.browser()->grab().toImage();
  QPoint link(-1, -1);
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (shot.pixelColor(x, y) == QColor(0x00, 0x33, 0xAA)) link = {x, y};
  ASSERT_GE(link.y(), 0) << "no link drawn";
  QWidget* canvas = p.browser()->childAt(link);
  ASSERT_NE(canvas, nullptr);
  QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->mapFrom(p.browser(), link));
  QTRY_COMPARE(heard.size(), 1);
  EXPECT_EQ(heard[0], u"enlarged "_qs + p.view->pages()->cacheFolder() + u" "_qs +
                          p.view->components()->select().GetObjectName(p.view->object()));

  auto& browser = p.view->components()->webBrowser();
  browser.Navigate(u"pjqbhgACID0001.htm"_qs);
  for (const QString& bad : {u"pjqbhg../../x"_qs, u"pjqbhg../../etc/passwd.htm"_qs, u"pjqbhgacid01.htm"_qs})
    browser.Navigate(bad);
  QTRY_COMPARE(heard.size(), 2);
  EXPECT_EQ(heard[1], u"glossary "_qs + kDisc + u"glossary/acid0001.htm"_qs);
  QTest::qWait(50);
  EXPECT_EQ(heard.size(), 2);
  EXPECT_EQ(p.windowsSized({340, 290}), 1);  // still the molecule page
  EXPECT_EQ(p.view->lastGeneratedPage(), page);
}

TEST(TopicPagesGui, TheCacheIsPrivateKeepsTwentyPagesAndGoesAtExit) {
  Program p;
  // Names another user could have planted in the shared temporary folder.
  const QString elsewhere = p.dir.filePath(u"elsewhere"_qs);
  QDir().mkpath(elsewhere);
  for (const char* name : {"qv2k", "cache", "pelorin-pages-"})
    QFile::link(elsewhere, p.tempFolder + u'/' + QLatin1String(name));
  ASSERT_TRUE(p.start());
  p.clickStrip(view::sectionByNumber(1)->stripButton);
  const QString cache = p.view->pages()->cacheFolder();
  ASSERT_TRUE(cache.startsWith(p.tempFolder + u'/'));
  struct stat info {};
  ASSERT_EQ(::lstat(QFile::encodeName(cache).constData(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  const uint32_t first = p.view->pages()->numbers().next();
  for (int i = 0; i < 25; ++i) p.view->ShowTopicPage(170070);
  const uint32_t next = p.view->pages()->numbers().next();
  for (uint32_t n = 1; n < next; ++n)
    EXPECT_EQ(QFileInfo::exists(cache + QString::number(n) + u".htm"_qs), n + 20 >= next) << n;
  EXPECT_GE(next - first, 25u);
  EXPECT_TRUE(QDir(elsewhere).isEmpty());

  p.app.reset();
  EXPECT_FALSE(QFileInfo::exists(cache));
  EXPECT_TRUE(QFileInfo(elsewhere).isDir());
}

TEST(TopicPagesGui, CtrlPlusMakesThePageTextLargerForTheWholeRun) {
  Program p;
  ASSERT_TRUE(p.start());
  // A low window, so that the page is taller than the browser at every size.
  p.frame->resize(800, 300);
  QApplication::processEvents();
  p.clickStrip(view::sectionByNumber(1)->stripButton);
  auto* scroll = p.browser()->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  const int normal = scroll->widget()->height();
  p.key(Qt::Key_Plus, Qt::ControlModifier);
  p.key(Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(p.view->pages()->textZoom(), 125);
  const int larger = scroll->widget()->height();
  EXPECT_GT(larger, normal * 11 / 10);
  // The next page keeps the size.
  p.clickStrip(view::sectionByNumber(2)->stripButton);
  p.clickStrip(view::sectionByNumber(1)->stripButton);
  EXPECT_EQ(scroll->widget()->height(), larger);
  p.key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(scroll->widget()->height(), normal);
  for (int i = 0; i < 20; ++i) p.key(Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(p.view->pages()->textZoom(), 50);
}

// A data folder whose name holds what breaks an address: the pictures of its pages still show.
TEST(TopicPagesGui, OddDataFolderNamesStillShowThePictures) {
  QTemporaryDir root;
  const QString folder = root.filePath(u"Δίσκος \"χημείας\" #1 100% & co"_qs) + u'/';
  ASSERT_TRUE(QDir().mkpath(folder + u"17"_qs));
  QImage red(60, 40, QImage::Format_RGB888);
  red.fill(QColor(220, 0, 0));
  ASSERT_TRUE(red.save(folder + u"red.bmp"_qs, "BMP"));
  QFile page(folder + u"17/0070"_qs);
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write(
      "<HTML><BODY BGCOLOR=\"#FFFFFF\"><IMG SRC=\"\x05"
      "CDred.bmp\" WIDTH=60 HEIGHT=40></BODY></HTML>\n");
  page.close();
  for (const QString& file : QDir(kDisc).entryList(QDir::Files))
    if (!QFileInfo::exists(folder + file)) QFile::link(kDisc + file, folder + file);
  QFile::link(kDisc + u"images"_qs, folder + u"images"_qs);

  Program p(folder);
  ASSERT_TRUE(p.start());
  p.clickStrip(view::sectionByNumber(1)->stripButton);
  ASSERT_FALSE(p.view->lastGeneratedPage().isEmpty());
  QTRY_VERIFY_WITH_TIMEOUT(
      [&] {
        const QImage shot = p.browser()->grab().toImage();
        for (int y = 0; y < std::min(shot.height(), 120); ++y)
          for (int x = 0; x < std::min(shot.width(), 200); ++x)
            if (shot.pixelColor(x, y) == QColor(220, 0, 0)) return true;
        return false;
      }(),
      2000);
}

}  // namespace
