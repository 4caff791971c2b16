// Links as the reader meets them: places within pages that links scroll to, and the colours a
// page gives its plain, visited and pressed links.
#include <QImage>
#include <QTimer>

#include "platform/browser/tests/BrowserFixture.h"

namespace vantorel::browser::testing {
namespace {

using Links = BrowserFixture;

// A long page with two named places: an empty anchor before a heading, and an anchor around text.
QByteArray longPage() {
  QByteArray page = "<HTML><BODY><A HREF=\"#end\">down</A> <A HREF=\"#nowhere\">lost</A><BR>";
  for (int i = 0; i < 150; ++i) page += "line " + QByteArray::number(i) + "<BR>";
  page += "<A NAME=\"middle\"></A><H2>Middle</H2>";
  for (int i = 150; i < 300; ++i) page += "line " + QByteArray::number(i) + "<BR>";
  page += "<A NAME=\"end\">End</A> of it<BR>";
  for (int i = 300; i < 450; ++i) page += "line " + QByteArray::number(i) + "<BR>";
  return page + "</BODY></HTML>";
}

TEST_F(Links, ANamedPlaceIsScrolledToTheTopFromTheSamePageAnotherPageAndTheHost) {
  const QString target = write(u"long.htm"_qs, longPage());
  const QString from = write(u"from.htm"_qs, "<HTML><BODY><A HREF=\"long.htm#middle\">there</A></BODY></HTML>");
  QScrollBar* bar = browser_->scrollArea()->verticalScrollBar();

  navigate(target);
  events_.clear();
  click(u"down"_qs);
  EXPECT_EQ(events_, QStringList{u"BeforeNavigate(\"#end\", 0, \"\", (empty), \"\", false)"_qs});
  EXPECT_EQ(browser_->currentPath(), target);
  const int end = placeOf(u"End"_qs).top();
  ASSERT_GT(end, 1000);
  EXPECT_EQ(bar->value(), end);

  // A name the page does not have leaves the window where it is.
  browser_->scrollArea()->verticalScrollBar()->setValue(0);
  click(u"lost"_qs);
  EXPECT_EQ(bar->value(), 0);

  // From another page: that page is shown, at the empty anchor's place (the heading after it).
  navigate(from);
  click(u"there"_qs);
  EXPECT_EQ(browser_->currentPath(), target);
  const int middle = placeOf(u"Middle"_qs).top();
  EXPECT_GT(middle, 1000);
  EXPECT_NEAR(bar->value(), middle, 4);
  // The place is in the window's top rows, not merely somewhere in it.
  EXPECT_LT(middle - bar->value(), 20);

  navigate(target + u"#end"_qs);
  EXPECT_EQ(bar->value(), end);
}

// Whether the page drew any pixel of exactly `colour` inside `rect` (page coordinates); links
// are underlined in their colour, so a link always has such pixels.
bool hasColour(QWidget* canvas, const QRect& rect, const QColor& colour) {
  const QImage image = canvas->grab(rect).toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

TEST_F(Links, LinksTakeTheBodysColoursForPlainVisitedAndPressedLinks) {
  const QColor link(0, 0, 0xC0), visited(0xC0, 0, 0), active(0, 0xA0, 0);
  write(u"seen.htm"_qs, "<HTML><BODY>seen</BODY></HTML>");
  write(u"unseen.htm"_qs, "<HTML><BODY>unseen</BODY></HTML>");
  const QString page = write(u"links.htm"_qs,
                             "<HTML><BODY LINK=\"#0000C0\" VLINK=\"C00000\" ALINK=\"#00A000\">"
                             "<A HREF=\"seen.htm\">seenlink</A><BR><A HREF=\"unseen.htm\">freshlink</A><BR>"
                             "<A HREF=\"Seen.Htm\">casedlink</A></BODY></HTML>");
  navigate(dir_.filePath(u"SEEN.HTM"_qs));  // a page seen under another letter case is the same page
  navigate(page);
  QWidget* canvas = browser_->canvas();
  EXPECT_TRUE(hasColour(canvas, placeOf(u"seenlink"_qs), visited));
  EXPECT_FALSE(hasColour(canvas, placeOf(u"seenlink"_qs), link));
  EXPECT_TRUE(hasColour(canvas, placeOf(u"freshlink"_qs), link));
  EXPECT_FALSE(hasColour(canvas, placeOf(u"freshlink"_qs), visited));
  EXPECT_TRUE(hasColour(canvas, placeOf(u"casedlink"_qs), visited));

  // Pressed, the link takes ALINK; let go (and the navigation refused), it is a plain link again.
  cancelWhen_ = [](const QString&) { return true; };
  const QRect fresh = placeOf(u"freshlink"_qs);
  QTest::mousePress(canvas, Qt::LeftButton, {}, fresh.center());
  EXPECT_TRUE(hasColour(canvas, fresh, active));
  EXPECT_FALSE(hasColour(canvas, fresh, link));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, fresh.center());
  QApplication::processEvents();
  EXPECT_EQ(browser_->currentPath(), page);
  EXPECT_TRUE(hasColour(canvas, fresh, link));
  EXPECT_FALSE(hasColour(canvas, fresh, active));

  // Without VLINK a visited link has the usual purple.
  cancelWhen_ = nullptr;
  navigate(write(u"plain.htm"_qs, "<HTML><BODY><A HREF=\"seen.htm\">seenlink</A></BODY></HTML>"));
  EXPECT_TRUE(hasColour(canvas, placeOf(u"seenlink"_qs), QColor(0x80, 0, 0x80)));
}

TEST_F(Links, APressEndsWhenTheLinksPopupOpensAndTheLinkKeepsItsFont) {
  const QColor link(0, 0, 0xC0), active(0, 0xA0, 0);
  navigate(write(u"note.htm"_qs,
                 "<HTML><BODY BGCOLOR=\"#FFFFF0\" LINK=\"#0000C0\" ALINK=\"#00A000\"><P>The "
                 "<A HREF=\"glossary.htm\"><FONT FACE=\"Arial\" SIZE=5>large word</FONT></A> and more</P>"
                 "</BODY></HTML>"));
  browser_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(browser_.get()));
  QWidget* canvas = browser_->canvas();
  const QRect word = placeOf(u"large"_qs).united(placeOf(u"word"_qs));
  const QImage unpressed = canvas->grab(word).toImage();
  ASSERT_TRUE(hasColour(canvas, word, link));

  // The host answers the link with a note of its own, which takes the keys and the mouse.
  QWidget note(browser_.get());
  note.setGeometry(400, 300, 120, 60);
  note.setFocusPolicy(Qt::StrongFocus);
  auto openNote = [&note] {
    note.show();
    note.setFocus(Qt::PopupFocusReason);
    note.grabMouse();
  };
  cancelWhen_ = [&](const QString&) {
    QTimer::singleShot(0, &note, openNote);
    return true;
  };
  QTest::mouseClick(canvas, Qt::LeftButton, {}, word.center());
  QApplication::processEvents();
  QApplication::processEvents();
  ASSERT_TRUE(note.isVisible());
  // Let go and restyled, the link is drawn exactly as before: its colour, and its FONT's face and size.
  EXPECT_EQ(canvas->grab(word).toImage(), unpressed);
  note.releaseMouse();
  note.hide();
  canvas->setFocus();

  // A second press (a double click) reaches the page before the note opens; the note then takes
  // that press's release. The link is not left pressed.
  QTest::mousePress(canvas, Qt::LeftButton, {}, word.center());
  ASSERT_TRUE(hasColour(canvas, word, active));
  openNote();
  QTest::mouseRelease(&note, Qt::LeftButton, {}, QPoint(5, 5));
  QApplication::processEvents();
  EXPECT_FALSE(hasColour(canvas, word, active));
  EXPECT_EQ(canvas->grab(word).toImage(), unpressed);
  note.releaseMouse();
}

TEST_F(Links, UnderlinesStandUnderTheirWordsWhereverThePageSitsInItsWindow) {
  const QColor link(0, 0, 0xC0);
  navigate(write(u"under.htm"_qs,
                 "<HTML><BODY LINK=\"#0000C0\"><P>Some <A HREF=\"x.htm\">underlined</A> words</P>"
                 "<P>and more below</P></BODY></HTML>"));
  // The browser inside a window, away from the window's corner, as in the program.
  QWidget window;
  window.resize(900, 700);
  browser_->setParent(&window);
  browser_->move(150, 110);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QRect word = placeOf(u"underlined"_qs);
  const QImage shown = window.grab().toImage();
  const QRect inWindow(browser_->canvas()->mapTo(&window, word.topLeft()), word.size());
  int linkPixelsOutside = 0;
  int longestRowUnder = 0;
  for (int y = 0; y < shown.height(); ++y) {
    int row = 0;
    for (int x = 0; x < shown.width(); ++x) {
      if (shown.pixelColor(x, y) != link) continue;
      if (!inWindow.contains(x, y)) ++linkPixelsOutside;
      if (y > inWindow.center().y() && inWindow.contains(x, y)) ++row;
    }
    longestRowUnder = std::max(longestRowUnder, row);
  }
  browser_->setParent(nullptr);
  EXPECT_EQ(linkPixelsOutside, 0);
  // A line of the link's colour across the word, below its middle.
  EXPECT_GE(longestRowUnder, word.width() - 2);
}

}  // namespace
}  // namespace vantorel::browser::testing
