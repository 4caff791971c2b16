// Navigation as the host and the user drive it: BeforeNavigate with its Cancel, links as the page
// writes them, the cache flags, the link rules, refreshes and pages that are not there.
#include <QDeadlineTimer>
#include <QImage>
#include <QThread>

#include "platform/browser/tests/BrowserFixture.h"
#include "platform/shell/Shell.h"

namespace vantorel::browser::testing {
namespace {

using Navigation = BrowserFixture;

const QByteArray kFirst =
    "<HTML><HEAD><TITLE>first</TITLE></HEAD><BODY>First page <A HREF=\"biga.htm\">enlarge</A>"
    " <A HREF=\"javascript:alert(1)\">script</A> <A HREF=\"file:///usr/bin/xterm\">program</A>"
    " <A HREF=\"http://example.org/\">web</A> <A HREF=\"../../../../etc/passwd\">secret</A>"
    "</BODY></HTML>";

TEST_F(Navigation, CancelLeavesThePageAsItWas) {
  const QString first = write(u"first.htm"_qs, kFirst);
  write(u"biga.htm"_qs, "<HTML><BODY>Big</BODY></HTML>");
  navigate(first);
  ASSERT_EQ(browser_->title(), u"first"_qs);

  cancelWhen_ = [](const QString&) { return true; };
  navigate(dir_.filePath(u"biga.htm"_qs));
  click(u"enlarge"_qs);
  EXPECT_EQ(browser_->currentPath(), first);
  EXPECT_EQ(browser_->title(), u"first"_qs);
  EXPECT_TRUE(shownText().startsWith(u"First page"_qs));
  EXPECT_EQ(events_.size(), 3);
}

TEST_F(Navigation, AClickedLinkReportsItsAddressAsThePageWritesIt) {
  const QString first = write(u"first.htm"_qs, kFirst);
  write(u"biga.htm"_qs, "<HTML><HEAD><TITLE>big</TITLE></HEAD><BODY>Big</BODY></HTML>");
  navigate(first);
  events_.clear();
  click(u"enlarge"_qs);
  EXPECT_EQ(events_, QStringList{u"BeforeNavigate(\"biga.htm\", 0, \"\", (empty), \"\", false)"_qs});
  EXPECT_EQ(browser_->title(), u"big"_qs);
  EXPECT_EQ(browser_->currentPath(), dir_.filePath(u"biga.htm"_qs));
}

TEST_F(Navigation, TheShownPageIsFreedOnceTheNextIsShownAndTheNewOneStays) {
  const QString first = write(u"first.htm"_qs, kFirst);
  write(u"biga.htm"_qs, "<HTML><HEAD><TITLE>big</TITLE></HEAD><BODY><P>Big <B>page</B></P></BODY></HTML>");
  navigate(first);
  ASSERT_TRUE(browser_->canvas()->document());
  const std::weak_ptr<litehtml::element> oldRoot = browser_->canvas()->document()->root();
  ASSERT_FALSE(oldRoot.expired());
  click(u"enlarge"_qs);
  const std::weak_ptr<litehtml::element> newRoot = browser_->canvas()->document()->root();
  // Freed at idle priority, soon on a machine at rest.
  const QDeadlineTimer deadline(30'000);
  while (!oldRoot.expired() && !deadline.hasExpired()) QThread::msleep(2);
  EXPECT_TRUE(oldRoot.expired());
  EXPECT_FALSE(newRoot.expired());
  EXPECT_EQ(browser_->title(), u"big"_qs);
  EXPECT_TRUE(shownText().startsWith(u"Big page"_qs));
}

TEST_F(Navigation, TheHostsOwnNavigateReportsTheFullPathAndItsFlags) {
  const QString first = write(u"first.htm"_qs, kFirst);
  navigate(first, 14);
  EXPECT_EQ(events_, QStringList{u"BeforeNavigate(\""_qs + first + u"\", 14, \"\", (empty), \"\", false)"_qs});
}

TEST_F(Navigation, OnlyWebAndMailAddressesLeaveAndNoOtherSchemeRunsAnything) {
  QStringList opened;
  shell::setOpenHandler([&](const QString& what) {
    opened << what;
    return true;
  });
  const QString first = write(u"first.htm"_qs, kFirst);
  navigate(first);
  for (const QString& link : {u"script"_qs, u"program"_qs, u"web"_qs}) click(link);
  shell::setOpenHandler({});
  EXPECT_EQ(opened, QStringList{u"http://example.org/"_qs});
  EXPECT_EQ(browser_->currentPath(), first);
  // A relative climb out of the folder is still only a page to show, never a program.
  click(u"secret"_qs);
  EXPECT_EQ(browser_->currentPath(), u"/etc/passwd"_qs);
}

TEST_F(Navigation, ARewrittenPageAndPictureShowTheirNewContentWithFlag14) {
  QImage red(20, 20, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(dir_.filePath(u"pic.bmp"_qs)));
  const QString page = write(u"page.htm"_qs,
                             "<HTML><BODY BGCOLOR=\"#FFFFFF\" TOPMARGIN=0 LEFTMARGIN=0>"
                             "<IMG SRC=\"pic.bmp\" WIDTH=20 HEIGHT=20> old</BODY></HTML>");
  navigate(page, 14);
  EXPECT_EQ(pixelAt(10, 10), QColor(Qt::red));
  EXPECT_EQ(shownText(), u"old"_qs);

  QImage blue(20, 20, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  ASSERT_TRUE(blue.save(dir_.filePath(u"pic.bmp"_qs)));
  write(u"page.htm"_qs,
        "<HTML><BODY BGCOLOR=\"#FFFFFF\" TOPMARGIN=0 LEFTMARGIN=0>"
        "<IMG SRC=\"pic.bmp\" WIDTH=20 HEIGHT=20> new</BODY></HTML>");
  // Without the flags the browser may show what it kept.
  navigate(page, 0);
  EXPECT_EQ(shownText(), u"old"_qs);
  navigate(page, 14);
  EXPECT_EQ(shownText(), u"new"_qs);
  EXPECT_EQ(pixelAt(10, 10), QColor(Qt::blue));
}

TEST_F(Navigation, Refresh2ReadsThePageAgainAndKeepsThePlaceAndFiresNothing) {
  QByteArray tall = "<HTML><BODY>";
  for (int i = 0; i < 200; ++i) tall += "<P>line " + QByteArray::number(i) + "</P>";
  const QString page = write(u"tall.htm"_qs, tall + "</BODY></HTML>");
  navigate(page);
  browser_->scrollArea()->verticalScrollBar()->setValue(500);
  write(u"tall.htm"_qs, tall + "<P>appended</P></BODY></HTML>");
  events_.clear();
  (void)browser_->invoke(dispid::kRefresh2, com::InvokeKind::Method, {});
  EXPECT_TRUE(shownText().endsWith(u"appended"_qs));
  EXPECT_EQ(browser_->scrollArea()->verticalScrollBar()->value(), 500);
  EXPECT_TRUE(events_.isEmpty());
}

TEST_F(Navigation, ThePageScrollsWithTheKeysOnceClicked) {
  QByteArray tall = "<HTML><BODY>";
  for (int i = 0; i < 200; ++i) tall += "<P>line " + QByteArray::number(i) + "</P>";
  navigate(write(u"tall.htm"_qs, tall + "</BODY></HTML>"));
  QScrollBar* bar = browser_->scrollArea()->verticalScrollBar();
  QTest::mouseClick(browser_->canvas(), Qt::LeftButton, {}, QPoint(300, 100));
  QTest::keyClick(browser_->canvas(), Qt::Key_PageDown);
  EXPECT_GT(bar->value(), 300);
  QTest::keyClick(browser_->canvas(), Qt::Key_PageUp);
  QTest::keyClick(browser_->canvas(), Qt::Key_Down);
  EXPECT_GT(bar->value(), 0);
  EXPECT_LT(bar->value(), 100);
}

TEST_F(Navigation, AMissingPageShowsAClearMessageAndItsName) {
  navigate(dir_.filePath(u"nowhere.htm"_qs));
  EXPECT_EQ(browser_->title(), u"Η σελίδα δεν βρέθηκε"_qs);
  EXPECT_TRUE(shownText().contains(u"nowhere.htm"_qs));
}

TEST_F(Navigation, NamesInAnotherLetterCaseAreFound) {
  QDir(dir_.path()).mkdir(u"IMAGES"_qs);
  QImage green(10, 10, QImage::Format_RGB32);
  green.fill(Qt::green);
  ASSERT_TRUE(green.save(dir_.filePath(u"IMAGES/MAINMENU.BMP"_qs)));
  write(u"PAGE.HTM"_qs, "<HTML><BODY TOPMARGIN=0 LEFTMARGIN=0><IMG SRC=\"images/mainmenu.bmp\"></BODY></HTML>");
  navigate(dir_.filePath(u"page.htm"_qs));
  EXPECT_EQ(browser_->currentPath(), dir_.filePath(u"PAGE.HTM"_qs));
  EXPECT_EQ(pixelAt(5, 5), QColor(Qt::green));
}

TEST_F(Navigation, GreekBytesOfTheCodePageShowAsTheirLetters) {
  // 0xA2 is capital alpha with tonos, 0xEB..0xE1 "λα".
  navigate(write(u"greek.htm"_qs, "<HTML><BODY>\xA2\xeb\xeb\xe5\xf2 \xe1</BODY></HTML>"));
  EXPECT_EQ(shownText(), u"Άλλες α"_qs);
}

TEST_F(Navigation, APageThatRefreshesItselfDoesSoAtMostOnceASecond) {
  const QString page = write(u"loop.htm"_qs, "<HTML><HEAD><META HTTP-EQUIV=\"Refresh\" CONTENT=\"0\"></HEAD></HTML>");
  navigate(page);
  events_.clear();
  QTest::qWait(1500);
  // The first refresh comes at once, the next no sooner than a second after it.
  EXPECT_GE(events_.size(), 1);
  EXPECT_LE(events_.size(), 2);
}

TEST_F(Navigation, ARedirectPageLeadsToItsTarget) {
  const QString target = write(u"12.htm"_qs, "<HTML><HEAD><TITLE>target</TITLE></HEAD></HTML>");
  navigate(write(u"redirect.htm"_qs, "<HTML><HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"0; URL=" + target.toUtf8() +
                                         "\"></HEAD><BODY BGCOLOR=\"#949494\"></BODY></HTML>"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return browser_->title() == u"target"_qs; }));
  EXPECT_EQ(events_.last(), u"BeforeNavigate(\""_qs + target + u"\", 4, \"\", (empty), \"\", false)"_qs);
}

}  // namespace
}  // namespace vantorel::browser::testing
