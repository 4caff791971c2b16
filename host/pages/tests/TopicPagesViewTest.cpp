// The topic pages inside the real main view with the stand-in components: the history through
// Alt+Left and Alt+Right across topics and screens, the companion pages, the private cache,
// links and the view's two command messages.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "host/pages/TopicPages.h"
#include "host/view/Commands.h"
#include "host/view/core/StripGeometry.h"
#include "host/view/tests/ViewTestSupport.h"
#include "platform/messages/WindowMessages.h"

using namespace vantorel;
using namespace vantorel::host;
using namespace vantorel::host::viewtest;

namespace {

// The sandbox's data folder with a video page, a molecule page and its molecule file, started
// with a temporary folder of the test's own.
struct PagesSandbox {
  QTemporaryDir temp;
  QByteArray oldTemp = qgetenv("TMPDIR");
  std::unique_ptr<ViewSandbox> box;
  CMainFrame* frame = nullptr;
  CQuillet2View* view = nullptr;

  PagesSandbox() {
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    box = std::make_unique<ViewSandbox>();
    writeFile(box->dataFolder + u"12/0/001"_qs,
              "<HTML>\n<BODY BGCOLOR=\"#FFFFFF\">\n<EMBED SRC=\"\x04"
              "CDvideo/a.avi\" WIDTH=320 HEIGHT=258>\n"
              "<A HREF=\"biga.htm\">big</A>\n</BODY></HTML>\n");
    QByteArray molecule = "<HTML>\n";
    for (int n = 2; n <= 12; ++n) molecule += "<!-- " + QByteArray::number(n) + " -->\n";
    molecule +=
        "<EMBED SRC=\"\x03"
        "CDmol/w.mol\" WIDTH=340 HEIGHT=290\nTYPE=x\nSTARTSPIN=true SPINSPEED=2\n";
    molecule += "BGCOLOR=\"#000000\">\n</TD>\n<TD>text</TD>\n</HTML>\n";
    writeFile(box->dataFolder + u"13/0/001"_qs, molecule);
    writeFile(box->dataFolder + u"mol/w.mol"_qs, "water\n");
    frame = box->start();
    view = frame ? frame->view() : nullptr;
    // The keys go to the window that is active, as at the screen.
    if (frame) {
      frame->activateWindow();
      (void)QTest::qWaitForWindowActive(frame);
    }
  }
  ~PagesSandbox() {
    box.reset();
    qputenv("TMPDIR", oldTemp);
  }
  [[nodiscard]] pages::TopicPages& pages() const { return *view->pages(); }
  [[nodiscard]] QString browserLog() const { return callLog(view->components()->webBrowser()); }
  void clickStrip(int button) const {
    const view::StripBlit b = view::stripElement(button, false, view->width());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(b.destX + b.destWidth / 2, view::kStripHeight / 2));
  }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::AltModifier) const { QTest::keyClick(frame, k, modifiers); }
  [[nodiscard]] QByteArray cacheFile(const QString& name) const {
    QFile f(pages().cacheFolder() + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST(TopicPagesView, AltLeftAndAltRightRestoreTopicsAndScreens) {
  PagesSandbox s;
  ASSERT_NE(s.view, nullptr);
  CSelect& brovik = s.view->components()->select();
  s.clickStrip(0);                           // section 1, its start page 170070
  fireEvent(brovik, 1, 170070, 1005);        // a topic chosen in the tree
  fireEvent(brovik, 2, 120011);              // and a resource in its list
  s.clickStrip(view::kPeriodicTableButton);  // recorded as section -1
  s.clickStrip(view::kDataAnalyserButton);   // and -2
  EXPECT_EQ(s.pages().history().last(), 4);
  EXPECT_TRUE(s.view->commandState(view::cmd::kBack).enabled);
  EXPECT_FALSE(s.view->commandState(view::cmd::kForward).enabled);

  s.key(Qt::Key_Left);
  EXPECT_EQ(s.view->screen(), CQuillet2View::PeriodicTable);
  s.key(Qt::Key_Left);
  EXPECT_EQ(s.view->screen(), CQuillet2View::Topics);
  EXPECT_EQ(s.view->section(), 1);
  EXPECT_EQ(s.view->treeRecord(), 1005);
  EXPECT_EQ(s.view->object(), 120011);
  EXPECT_TRUE(callLog(brovik).endsWith(u"GotoPosition(1005,120011,false)\n"_qs)) << callLog(brovik).toStdString();
  s.key(Qt::Key_Left);
  EXPECT_EQ(s.view->object(), 0);
  s.key(Qt::Key_Left);
  // A section's start page is shown at once, then the tree is positioned on it.
  EXPECT_EQ(s.view->treeRecord(), 170070);
  EXPECT_TRUE(callLog(brovik).endsWith(u"SetRoute(1)\nGotoPosition(170070,0,false)\n"_qs) ||
              callLog(brovik).endsWith(u"GotoPosition(170070,0,false)\n"_qs));
  EXPECT_FALSE(s.view->commandState(view::cmd::kBack).enabled);
  // Restoring places records none.
  EXPECT_EQ(s.pages().history().last(), 4);

  s.key(Qt::Key_Right);
  s.key(Qt::Key_Right);
  s.key(Qt::Key_Right);
  EXPECT_EQ(s.view->screen(), CQuillet2View::PeriodicTable);
  s.key(Qt::Key_Right);
  EXPECT_EQ(s.view->screen(), CQuillet2View::DataAnalyser);
  s.key(Qt::Key_Right);  // nothing ahead
  EXPECT_EQ(s.view->screen(), CQuillet2View::DataAnalyser);
  s.key(Qt::Key_Left);
  s.key(Qt::Key_Left);
  s.clickStrip(4);  // a new place drops the two ahead
  EXPECT_EQ(s.pages().history().last(), 3);
  EXPECT_FALSE(s.view->commandState(view::cmd::kForward).enabled);
}

TEST(TopicPagesView, VideoAndMoleculePagesWithTheirCompanionPages) {
  PagesSandbox s;
  ASSERT_NE(s.view, nullptr);
  s.view->OpenSection(1, 0);
  const QString cache = s.pages().cacheFolder();

  s.view->ShowTopicPage(120001);
  EXPECT_TRUE(s.pages().hasVideo());
  // The video page is reached through the redirect page, which names it beside itself.
  EXPECT_TRUE(s.browserLog().endsWith(u"went "_qs + cache + u"redirect.htm\n"_qs)) << s.browserLog().toStdString();
  EXPECT_TRUE(s.cacheFile(u"redirect.htm"_qs).contains("Content=\"0; URL=1.htm\""));
  EXPECT_TRUE(s.cacheFile(u"bigvid.htm"_qs)
                  .contains("<EMBED SRC=\"file://" + QFile::encodeName(s.box->dataFolder) +
                            "video/a.avi\" WIDTH=640 HEIGHT=498 AUTOPLAY=TRUE SCALE=2>"));

  s.view->ShowTopicPage(130001);
  EXPECT_FALSE(s.pages().hasVideo());
  EXPECT_TRUE(s.pages().hasMolecule());
  EXPECT_TRUE(s.browserLog().endsWith(u"went "_qs + cache + u"2.htm\n"_qs));
  EXPECT_EQ(s.cacheFile(u"chime.mol"_qs), "water\n");
  EXPECT_TRUE(s.cacheFile(u"2.htm"_qs).contains("<EMBED SRC=\"chime.mol\" WIDTH=340 HEIGHT=290"));
  EXPECT_TRUE(s.cacheFile(u"bigvid.htm"_qs)
                  .startsWith("<HTML>\n<BODY BGCOLOR=\"#000000\">\n<EMBED SRC=\"chime.mol\" WIDTH=640 HEIGHT=498\n"));
  EXPECT_EQ(s.view->lastGeneratedPage(), cache + u"2.htm"_qs);

  s.view->ShowMainMenu();
  EXPECT_FALSE(s.pages().hasMolecule());

  // Page numbers that name no page: the message, the number used up, and the browser sent to a
  // page that does not exist, so no earlier page stands for it.
  s.view->OpenSection(1, 0);
  s.box->boxes.clear();
  for (int bad : {-1, 0, 1000000}) s.view->ShowTopicPage(bad);
  EXPECT_EQ(s.box->shownTexts(), (QStringList{u"ERROR: Can't open "_qs + s.box->dataFolder + u"-1"_qs,
                                              u"ERROR: Can't open "_qs + s.box->dataFolder + u"0"_qs,
                                              u"ERROR: Can't open "_qs + s.box->dataFolder + u"1000000"_qs}));
  EXPECT_TRUE(s.browserLog().endsWith(u"went "_qs + cache + u"5.htm\n"_qs));
  EXPECT_FALSE(QFileInfo::exists(cache + u"5.htm"_qs));
  EXPECT_FALSE(QFileInfo::exists(cache + u"bigvid.htm"_qs));
  EXPECT_EQ(s.view->lastGeneratedPage(), cache + u"2.htm"_qs);
}

TEST(TopicPagesView, PrivateCacheKeepsTwentyPagesAndGoesAtExit) {
  QTemporaryDir planted;
  auto s = std::make_unique<PagesSandbox>();
  ASSERT_NE(s->view, nullptr);
  const QString cache = s->pages().cacheFolder();
  ASSERT_TRUE(cache.startsWith(s->temp.path() + u'/'));
  struct stat info {};
  ASSERT_EQ(::lstat(QFile::encodeName(cache).constData(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  s->view->OpenSection(1, 0);
  for (int i = 0; i < 25; ++i) s->view->ShowTopicPage(170070);
  for (int n = 1; n <= 25; ++n) EXPECT_EQ(QFileInfo::exists(cache + QString::number(n) + u".htm"_qs), n >= 6) << n;
  ASSERT_EQ(::stat(QFile::encodeName(cache + u"25.htm"_qs).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  s->view->ShowTopicPage(120001);
  s->view->ShowTopicPage(130001);
  ASSERT_TRUE(QFileInfo::exists(cache + u"chime.mol"_qs));

  s.reset();
  EXPECT_FALSE(QFileInfo::exists(cache));
}

TEST(TopicPagesView, AFixedCacheNamePlantedWithLinksIsNeverUsed) {
  QTemporaryDir victim;
  QTemporaryDir temp;
  const QByteArray oldTemp = qgetenv("TMPDIR");
  for (const char* name : {"qv2k", "cache", "pelorin-pages-"})
    ASSERT_TRUE(QFile::link(victim.path(), temp.filePath(QLatin1String(name))));
  {
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    ViewSandbox box;
    CQuillet2View* view = box.start()->view();
    view->OpenSection(1, 170070);
    ASSERT_TRUE(view->pages()->cacheFolder().startsWith(temp.path() + u"/pelorin-pages-"_qs));
    ASSERT_FALSE(QFileInfo(view->pages()->cacheFolder().chopped(1)).isSymLink());
  }
  qputenv("TMPDIR", oldTemp);
  EXPECT_TRUE(QDir(victim.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST(TopicPagesView, LinksAndCommandMessagesReachTheirWindows) {
  PagesSandbox s;
  ASSERT_NE(s.view, nullptr);
  QStringList heard;
  s.pages().hooks().showGlossary = [&](const QString& file, QPoint) { heard << u"glossary "_qs + file; };
  s.pages().hooks().showEnlargedView = [&](const QString& folder, const QString& title) {
    heard << u"enlarged "_qs + folder + u' ' + title;
  };
  s.view->OpenSection(1, 170070);
  CWebBrowser& browser = s.view->components()->webBrowser();
  for (const QString& address : {u"pjqbhgTERM0001.htm"_qs, u"pjqbhg../../x"_qs, u"pjqbhg../../etc/passwd.htm"_qs,
                                 u"pjqbhgterm001.htm"_qs, u"123a.htm"_qs, u"1234a.htm"_qs})
    browser.Navigate(address);
  const QString log = s.browserLog();
  EXPECT_TRUE(log.contains(u"refused pjqbhgTERM0001.htm"_qs));
  EXPECT_TRUE(log.contains(u"refused pjqbhg../../x"_qs));
  EXPECT_TRUE(log.contains(u"refused pjqbhgterm001.htm"_qs));
  EXPECT_TRUE(log.contains(u"refused 123a.htm"_qs));
  EXPECT_TRUE(log.contains(u"went 1234a.htm"_qs));
  QApplication::processEvents();  // the pop-up and the dialog come after the browser's event
  const QString cache = s.pages().cacheFolder();
  EXPECT_EQ(heard, (QStringList{u"glossary "_qs + s.box->dataFolder + u"glossary/term0001.htm"_qs,
                                u"enlarged "_qs + cache + u" Όνομα"_qs}));

  // The enlarged view on command 9821 names the object when there is one; 9822 refreshes.
  fireEvent(s.view->components()->select(), 2, 120011);
  messages::sendMessage(s.view, messages::kCommand, 0, 9821);
  EXPECT_EQ(heard.last(), u"enlarged "_qs + cache + u" Αντικείμενο"_qs);
  messages::sendMessage(s.view, messages::kCommand, 0, 9822);
  EXPECT_TRUE(s.browserLog().endsWith(u"Refresh2((empty))\n"_qs)) << s.browserLog().toStdString();
}

TEST(TopicPagesView, TextSizeKeysStepAndStayForTheRun) {
  PagesSandbox s;
  ASSERT_NE(s.view, nullptr);
  s.key(Qt::Key_Plus, Qt::ControlModifier);
  s.key(Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(s.pages().textZoom(), 125);
  for (int i = 0; i < 20; ++i) s.key(Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(s.pages().textZoom(), 50);
  s.key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(s.pages().textZoom(), 100);
}

}  // namespace
