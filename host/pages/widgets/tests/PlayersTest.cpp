// The web page dialog with the real page browser, the enlarged players, and the player's
// picture copied and printed.
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStyle>

#include "host/components/CWebBrowser.h"
#include "host/pages/widgets/CWebPageDlg.h"
#include "host/pages/widgets/PlayerPicture.h"
#include "host/pages/widgets/tests/WidgetsTestSupport.h"

namespace vantorel::host::widgetstest {
namespace {

// The embedded windows of `size` inside `browser`.
int windowsOfSize(QWidget* browser, QSize size) {
  int n = 0;
  for (QWidget* child : browser->findChildren<QWidget*>()) n += !child->isWindow() && child->size() == size;
  return n;
}

class Players : public PlayersFixture {
 protected:
  // A page with a molecule viewer and a video player at their page sizes, on black.
  QString playersPage() {
    writeBytes(path(u"mol/ammonia.mol"_qs), sampleMolecule());
    const QString page = path(u"1.htm"_qs);
    writeBytes(page, "<HTML><BODY BGCOLOR=\"#FFFFFF\">\n<TABLE><TR><TD>\n<EMBED SRC=\"" + dir_.path().toUtf8() +
                         "/mol/ammonia.mol\" WIDTH=340 HEIGHT=290\nTYPE=\"chemical/x-mdl-molfile\" "
                         "DISPLAY3D=BALLSTICK\nSTARTSPIN=false\nBGCOLOR=\"#000000\">\n</TD></TR></TABLE>\n"
                         "<EMBED SRC=\"" +
                         dir_.path().toUtf8() +
                         "/video/none.avi\" WIDTH=320 HEIGHT=258 AUTOPLAY=FALSE>\n"
                         "</BODY></HTML>\n");
    return page;
  }

  std::unique_ptr<CWebBrowser> browserOn(const QString& page) {
    auto browser = std::make_unique<CWebBrowser>();
    EXPECT_TRUE(browser->create(view_.get(), QRect(0, 0, 800, 600), true));
    browser->Navigate(page);
    for (int i = 0; i < 5; ++i) {
      QApplication::processEvents();
      QTest::qWait(10);
    }
    return browser;
  }
};

TEST_F(Players, TheWebPageDialogInItsTwoModes) {
  writeBytes(path(u"help.htm"_qs), "<HTML><BODY>help</BODY></HTML>");
  CWebPageDlg help(view_.get(), path(u"help.htm"_qs), CWebPageDlg::ShowAddress, QString(), QString());
  EXPECT_EQ(help.size(), QSize(580, 380));
  EXPECT_TRUE(help.windowTitle().isEmpty());
  ASSERT_NE(help.browser(), nullptr);
  EXPECT_EQ(help.browser()->widget()->geometry(), QRect(0, 0, 580, 354));
  auto* ok = help.findChild<QPushButton*>();
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->geometry(), QRect(260, 358, 60, 20));
  EXPECT_EQ(help.address(), path(u"help.htm"_qs));

  const QString folder = dir_.path() + u'/';
  writeBytes(folder + u"bigvid.htm"_qs, "<HTML><BODY>big</BODY></HTML>");
  CWebPageDlg big(view_.get(), u"ignored"_qs, CWebPageDlg::EnlargedView, folder, u"Αμμωνία"_qs);
  EXPECT_EQ(big.size(), QSize(650, 530));
  EXPECT_EQ(big.windowTitle(), u"Αμμωνία"_qs);
  EXPECT_EQ(big.address(), folder + u"bigvid.htm"_qs);
  const int scrollBar = big.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  EXPECT_EQ(big.browser()->widget()->geometry(), QRect(0, 0, 650 + scrollBar + 14, 504));
  // OK closes it.
  big.show();
  QTest::mouseClick(big.findChild<QPushButton*>(), Qt::LeftButton);
  EXPECT_EQ(big.result(), QDialog::Accepted);
}

TEST_F(Players, TheEnlargedPlayersAre640By498) {
  const QString folder = dir_.path() + u'/';
  writeBytes(path(u"mol/ammonia.mol"_qs), sampleMolecule());
  // The enlarged video page and the enlarged molecule page, as the page transform writes them.
  writeBytes(folder + u"bigvid.htm"_qs, "<HTML>\n<BODY BGCOLOR=\"#c0c0c0\" LEFTMARGIN=0 TOPMARGIN=0>\n<EMBED SRC=\"" +
                                            folder.toUtf8() +
                                            "video/none.avi\" WIDTH=640 HEIGHT=498 AUTOPLAY=TRUE SCALE=2>\n"
                                            "</BODY></HTML>\n");
  {
    CWebPageDlg big(view_.get(), QString(), CWebPageDlg::EnlargedView, folder, u"Video"_qs);
    big.show();
    QApplication::processEvents();
    EXPECT_EQ(windowsOfSize(big.browser()->widget(), {640, 498}), 1);
  }
  writeBytes(folder + u"bigvid.htm"_qs,
             "<HTML>\n<BODY BGCOLOR=\"#000000\">\n<EMBED SRC=\"" + folder.toUtf8() +
                 "mol/ammonia.mol\" WIDTH=640 HEIGHT=498\nTYPE=\"chemical/x-mdl-molfile\" DISPLAY3D=BALLSTICK\n"
                 "STARTSPIN=false\nBGCOLOR=\"#000000\">\n</BODY></HTML>\n");
  CWebPageDlg big(view_.get(), QString(), CWebPageDlg::EnlargedView, folder, u"Αμμωνία"_qs);
  big.show();
  QApplication::processEvents();
  EXPECT_EQ(windowsOfSize(big.browser()->widget(), {640, 498}), 1);
  // The player's whole width lies in the dialog's visible part (the page's scroll bar is beyond it).
  for (QWidget* child : big.browser()->widget()->findChildren<QWidget*>()) {
    if (child->size() != QSize(640, 498)) continue;
    const QRect inDialog(child->mapTo(&big, QPoint(0, 0)), child->size());
    EXPECT_GE(inDialog.left(), 0);
    EXPECT_LE(inDialog.right(), 649);
    EXPECT_LT(inDialog.top(), 30);
  }
}

TEST_F(Players, PicturesAreTakenFromThePlayersWindows) {
  const auto browser = browserOn(playersPage());
  QWidget* molecule = findPlayerWindow(browser->widget(), Player::Molecule);
  QWidget* video = findPlayerWindow(browser->widget(), Player::Video);
  ASSERT_NE(molecule, nullptr);
  ASSERT_NE(video, nullptr);
  EXPECT_NE(molecule, video);
  const QImage picture = playerPicture(browser->widget(), Player::Molecule);
  EXPECT_EQ(picture.size(), QSize(340, 290));
  EXPECT_EQ(picture, molecule->grab().toImage().convertToFormat(QImage::Format_RGB888));
  // The video's picture leaves out its control bar.
  EXPECT_EQ(playerPicture(browser->widget(), Player::Video).size(), QSize(320, 240));
  // A page without players gives nothing.
  writeBytes(path(u"2.htm"_qs), "<HTML><BODY>text</BODY></HTML>");
  browser->Navigate(path(u"2.htm"_qs));
  QApplication::processEvents();
  EXPECT_TRUE(playerPicture(browser->widget(), Player::Molecule).isNull());
  EXPECT_EQ(findPlayerWindow(nullptr, Player::Video), nullptr);
}

TEST_F(Players, AMoleculePrintedToAPdfPrinter) {
  const auto browser = browserOn(playersPage());
  const QImage picture = playerPicture(browser->widget(), Player::Molecule);
  ASSERT_FALSE(picture.isNull());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  const QString pdf = path(u"print.pdf"_qs);
  printer.setOutputFileName(pdf);
  printer.setDocName(u"Vantorel"_qs);
  printPlayerPicture(printer, picture, u"Αμμωνία"_qs);

  QProcess info;
  info.start(u"pdfinfo"_qs, {pdf});
  ASSERT_TRUE(info.waitForFinished(20000));
  const QString details = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(details.contains(QRegularExpression(u"Pages:\\s+1\\n"_qs))) << details.toStdString();
  QProcess text;
  text.start(u"pdftotext"_qs, {pdf, u"-"_qs});
  ASSERT_TRUE(text.waitForFinished(20000));
  EXPECT_EQ(QString::fromUtf8(text.readAllStandardOutput()).trimmed(), u"Αμμωνία"_qs);

  // The page as paper shows it: the black picture half the page wide, a quarter in from the left,
  // the title above it, centred.
  QProcess render;
  render.start(u"pdftoppm"_qs, {u"-r"_qs, u"40"_qs, u"-png"_qs, u"-singlefile"_qs, pdf, path(u"page"_qs)});
  ASSERT_TRUE(render.waitForFinished(20000));
  const QImage page(path(u"page.png"_qs));
  ASSERT_FALSE(page.isNull());
  auto dark = [](QColor c) { return c.lightness() < 60; };
  const int w = page.width();
  const int h = page.height();
  int top = -1, bottom = -1, left = w, right = -1;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!dark(page.pixelColor(x, y))) continue;
      if (x > w / 8 && x < w * 7 / 8 && y > h / 8) {
        if (top < 0) top = y;
        bottom = y;
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_GE(top, 0);
  EXPECT_NEAR(right - left, w / 2, w / 20);
  EXPECT_NEAR(left, w / 4, w / 20);
  EXPECT_NEAR(bottom - top, (w / 2) * 290 / 340, h / 20);
  // The title in the band above the picture, centred across the page.
  int titleLeft = w, titleRight = -1;
  for (int y = 0; y < top - 2; ++y)
    for (int x = 0; x < w; ++x)
      if (dark(page.pixelColor(x, y))) titleLeft = std::min(titleLeft, x), titleRight = std::max(titleRight, x);
  ASSERT_GE(titleRight, 0);
  EXPECT_NEAR((titleLeft + titleRight) / 2, w / 2, w / 20);
}

}  // namespace
}  // namespace vantorel::host::widgetstest
