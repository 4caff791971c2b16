// The page widgets inside the program's own view: the palette on the topic screen, the picture
// print without a printer and to a PDF printer, the hooks of the page links.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLibrary>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QThreadPool>

#include "host/pages/TopicPages.h"
#include "host/pages/widgets/CPictureButton.h"
#include "host/pages/widgets/CPopupNote.h"
#include "host/pages/widgets/CToolsPalette.h"
#include "host/pages/widgets/CWebPageDlg.h"
#include "host/pages/widgets/PageWidgets.h"
#include "host/view/Commands.h"
#include "host/view/tests/ViewTestSupport.h"

namespace vantorel::host::viewtest {
namespace {

using namespace view::cmd;

class ViewWidgets : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool held = [] {
      for (const char* library : {PAGEBROWSER_PATH, MOLVIEW_PATH, VIDEOPLAYER_PATH}) {
        QLibrary holder(QString::fromUtf8(library));
        holder.setLoadHints(QLibrary::PreventUnloadHint);
        if (!holder.load()) return false;
      }
      return true;
    }();
    ASSERT_TRUE(held);
    for (const char* library : {PAGEBROWSER_PATH, MOLVIEW_PATH, VIDEOPLAYER_PATH})
      ASSERT_EQ(com::registerLibrary(library), com::kOk) << library;
    frame_ = sandbox_.start(true, {900, 650});
    ASSERT_NE(frame_, nullptr);
    view_ = frame_->findChild<CQuillet2View*>();
    ASSERT_NE(view_, nullptr);
    widgets_ = PageWidgets::of(*view_);
    ASSERT_NE(widgets_, nullptr);
  }

  // Qt's painting threads end with the test, not a moment before the program's leak check.
  void TearDown() override { QThreadPool::globalInstance()->waitForDone(); }

  // Shows `html` in the page browser on the topic screen of section 1.
  void showPage(const QByteArray& html) {
    view_->OpenSection(1, 0);
    const QString page = sandbox_.dir.filePath(u"shown.htm"_qs);
    writeFile(page, html);
    view_->components()->webBrowser().Navigate(page);
    for (int i = 0; i < 5; ++i) {
      QApplication::processEvents();
      QTest::qWait(10);
    }
  }

  QWidget* browser() const { return view_->components()->webBrowser().widget(); }

  // The sandbox registers the stand-ins without their page browser; the real one is registered
  // above.
  ViewSandbox sandbox_{
      {u"tabrelgk.ocx"_qs, u"brovikgk.ocx"_qs, u"dravixgk.ocx"_qs, u"kestringk.ocx"_qs, u"fennickgk.ocx"_qs}};
  CMainFrame* frame_ = nullptr;
  CQuillet2View* view_ = nullptr;
  PageWidgets* widgets_ = nullptr;
};

TEST_F(ViewWidgets, ThePalettesCopyOnTheTopicScreenCopiesThePageSelection) {
  showPage("<HTML><BODY><FONT SIZE=6>Ammonia smells sharp</FONT></BODY></HTML>");
  ASSERT_EQ(view_->screen(), CQuillet2View::Topics);
  // The student selects the line with the mouse.
  QWidget* canvas = browser()->childAt(30, 20);
  ASSERT_NE(canvas, nullptr);
  const QPoint from = canvas->mapFrom(browser(), QPoint(2, 4));
  const QPoint to = canvas->mapFrom(browser(), QPoint(browser()->width() - 40, 60));
  QTest::mousePress(canvas, Qt::LeftButton, {}, from);
  QTest::mouseMove(canvas, to);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
  QApplication::clipboard()->setText(u"old"_qs);

  // Strip button 10 opens the palette; its copy button is clicked.
  QTest::mouseClick(view_, Qt::LeftButton, {}, {view_->width() - 30, 20});
  CToolsPalette& palette = widgets_->palette();
  ASSERT_TRUE(palette.isVisible());
  EXPECT_TRUE(view_->commandState(kToolsPalette).checked);
  QTest::mouseClick(palette.button(801), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), u"Ammonia smells sharp"_qs);
  // The data analyser's copy did not run over it.
  EXPECT_FALSE(callLog(view_->components()->dataAnal()).contains(u"CopyAllData"_qs));
  EXPECT_FALSE(view_->commandState(kCopyMolecule).enabled);

  // The same button on the data analyser copies all its data.
  view_->ShowDataAnalyser();
  QTest::mouseClick(palette.button(801), Qt::LeftButton);
  EXPECT_TRUE(callLog(view_->components()->dataAnal()).contains(u"CopyAllData"_qs));
  EXPECT_FALSE(view_->commandState(kPrintMolecule).enabled);
}

TEST_F(ViewWidgets, PrintingAMoleculeWithoutAPrinterAndToAPdfPrinter) {
  QFile molecule(QStringLiteral(SOURCE_DIR "/data/molecules/ammonia.mol"));
  ASSERT_TRUE(molecule.open(QIODevice::ReadOnly));
  writeFile(sandbox_.dir.filePath(u"ammonia.mol"_qs), molecule.readAll());
  showPage("<HTML><BODY><EMBED SRC=\"" + sandbox_.dir.filePath(u"ammonia.mol"_qs).toUtf8() +
           "\" WIDTH=340 HEIGHT=290 TYPE=\"chemical/x-mdl-molfile\" BGCOLOR=\"#000000\"></BODY></HTML>");
  view_->setBrowsePosition(view_->treeRecord(), 130003, 1);

  widgets_->setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
  widgets_->printPicture(Player::Molecule);
  const QString noPrinter = u"Παρακαλώ ρυθμίστε τον προεπιλεγμένο σας εκτυπωτή και ξαναπροσπαθήστε."_qs;
  EXPECT_EQ(sandbox_.shownTexts().count(noPrinter), 1);

  const QString pdf = sandbox_.dir.filePath(u"molecule.pdf"_qs);
  widgets_->setPrinterSource([pdf] {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return printer;
  });
  widgets_->printPicture(Player::Molecule);
  EXPECT_EQ(widgets_->printTitle(), u"Αντικείμενο"_qs);  // the topic browser's name of the object
  EXPECT_TRUE(callLog(view_->components()->select()).contains(u"GetObjectName(130003)"_qs));
  QProcess text;
  text.start(u"pdftotext"_qs, {pdf, u"-"_qs});
  ASSERT_TRUE(text.waitForFinished(20000));
  EXPECT_EQ(QString::fromUtf8(text.readAllStandardOutput()).trimmed(), u"Αντικείμενο"_qs);
  QProcess info;
  info.start(u"pdfinfo"_qs, {pdf});
  ASSERT_TRUE(info.waitForFinished(20000));
  const QString details = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(details.contains(QRegularExpression(u"Title:\\s+Vantorel\\n"_qs))) << details.toStdString();
  EXPECT_EQ(sandbox_.shownTexts().count(noPrinter), 1);
}

TEST_F(ViewWidgets, PageLinksReachThePopupAndTheEnlargedView) {
  pages::TopicPages* pages = view_->pages();
  ASSERT_NE(pages, nullptr);
  writeFile(sandbox_.dataFolder + u"glossary/oxygen01.htm"_qs, "Oxygen\r\nOxygen: a gas that burning needs.\r\n");
  ASSERT_TRUE(pages->hooks().showGlossary);
  pages->hooks().showGlossary(sandbox_.dataFolder + u"glossary/oxygen01.htm"_qs, {400, view_->height() - 10});
  CPopupNote& note = widgets_->popupNote();
  EXPECT_TRUE(note.isVisible());
  EXPECT_EQ(note.parentWidget(), view_);
  EXPECT_LT(note.geometry().bottom(), view_->height() - 10);

  const QString cache = sandbox_.dir.filePath(u"cache"_qs) + u'/';
  writeFile(cache + u"bigvid.htm"_qs, "<HTML><BODY>big</BODY></HTML>");
  QString shownAddress;
  QString shownTitle;
  widgets_->setDialogWatcher([&](CWebPageDlg& dialog) {
    shownAddress = dialog.address();
    shownTitle = dialog.windowTitle();
    QTimer::singleShot(0, &dialog, &QDialog::accept);
  });
  ASSERT_TRUE(pages->hooks().showEnlargedView);
  pages->hooks().showEnlargedView(cache, u"Αμμωνία"_qs);
  EXPECT_EQ(shownAddress, cache + u"bigvid.htm"_qs);
  EXPECT_EQ(shownTitle, u"Αμμωνία"_qs);
  EXPECT_FALSE(note.isVisible());
}

}  // namespace
}  // namespace vantorel::host::viewtest
