#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

#include "host/pages/widgets/CWebPageDlg.h"
#include "host/view/CAboutDlg.h"
#include "host/view/Commands.h"
#include "host/view/ESGSplit.h"
#include "host/view/StripArt.h"
#include "host/view/core/MainMenuLayout.h"
#include "host/view/core/StripGeometry.h"
#include "host/view/tests/ViewTestSupport.h"

using namespace vantorel;
using namespace vantorel::host;
using namespace vantorel::host::view;
using namespace vantorel::host::viewtest;

namespace {

QImage grab(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Moves the pointer to a point of the view, so that the view's hover timer sees it there too.
void pointAt(QWidget* view, QPoint at) {
  QCursor::setPos(view->mapToGlobal(at));
  QTest::mouseMove(view, at);
}

// Moves the pointer to a point of the view and presses there, as a person does.
void clickAt(QWidget* view, QPoint at) {
  pointAt(view, at);
  QTest::mouseClick(view, Qt::LeftButton, {}, at);
}

QPoint inPicture(CQuillet2View* view, int x, int y) {
  return view->mainMenuOrigin() + QPoint(x, y);
}

QPoint buttonCentre(CQuillet2View* view, int button) {
  if (button == kMainMenuButton) return {rightButtonsX(view->width()) + 26, 20};
  if (button == kToolsButton) return {rightButtonsX(view->width()) + 80, 20};
  return {button * kButtonWidth + 26, 20};
}

}  // namespace

TEST(MainView, StartsOnTheMainMenuAndLightsRegionsUnderThePointer) {
  ViewSandbox box;
  CMainFrame* frame = box.start();
  ASSERT_NE(frame, nullptr);
  CQuillet2View* view = frame->view();
  EXPECT_TRUE(box.shownTexts().isEmpty()) << box.shownTexts().join(u'|').toStdString();
  EXPECT_EQ(view->screen(), CQuillet2View::MainMenu);
  EXPECT_EQ(view->selectedButton(), kMainMenuButton);
  EXPECT_EQ(box.app->componentVersions[CQuillet2App::Dravix], u"1.0.050"_qs);

  const QPoint o = view->mainMenuOrigin();
  pointAt(view, o + QPoint(300, 200));  // the panel, no region
  EXPECT_EQ(grab(view).pixelColor(o + QPoint(300, 200)), kPictureGrey);
  EXPECT_EQ(grab(view).pixelColor(o + QPoint(-1, 200)), QColor(Qt::black));

  // Region 3 entered at its top-left corner (bounds are inclusive): its highlight, its bars and
  // the panel frame.
  pointAt(view, inPicture(view, 166, 20));
  EXPECT_EQ(view->hoveredRegion(), 3);
  EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);
  QImage lit = grab(view);
  EXPECT_EQ(lit.pixelColor(o + QPoint(131 + 100, 101 + 100)), kHighlightRed);
  const QColor bar(58, 122, 160);
  EXPECT_EQ(lit.pixelColor(o + QPoint(166, 73)), bar);
  EXPECT_EQ(lit.pixelColor(o + QPoint(196, 98)), bar);
  EXPECT_EQ(lit.pixelColor(o + QPoint(129, 99)), bar);
  EXPECT_EQ(lit.pixelColor(o + QPoint(226, 74)), kPictureGrey);  // right edges are exclusive

  // One pixel past the bottom-right corner of region 3: nothing lit, the plain picture again.
  pointAt(view, inPicture(view, 226, 73));
  EXPECT_EQ(view->hoveredRegion(), -1);
  EXPECT_EQ(grab(view).pixelColor(o + QPoint(131 + 100, 101 + 100)), kPictureGrey);
  pointAt(view, inPicture(view, 529, 162));
  EXPECT_EQ(view->hoveredRegion(), 7);
  pointAt(view, inPicture(view, 588, 291));
  EXPECT_EQ(view->hoveredRegion(), 8);
}

TEST(MainView, RegionsAndStripButtonsOpenTheirScreens) {
  ViewSandbox box;
  CQuillet2View* view = box.start()->view();
  HostComponents* c = view->components();

  clickAt(view, inPicture(view, 60, 250));  // region 0: section 1
  EXPECT_EQ(view->screen(), CQuillet2View::Topics);
  EXPECT_EQ(view->section(), 1);
  EXPECT_EQ(view->treeRecord(), 170070);
  EXPECT_EQ(view->selectedButton(), 0);
  EXPECT_TRUE(callLog(c->select()).contains(u"SetRoute(1)"_qs));
  // The start page went through the page cache, its data-folder marker and glossary markup resolved.
  EXPECT_TRUE(callLog(c->webBrowser()).contains(u"1.htm"_qs));
  QFile page(view->lastGeneratedPage());
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QByteArray text = page.readAll();
  EXPECT_TRUE(text.contains((box.dataFolder + u"images/x.bmp"_qs).toUtf8()));
  EXPECT_TRUE(text.contains("<A HREF=\"pjqbhgterm0001.htm\"><U>word</U></A>"));

  // The pressed section button reopens its start page.
  clickAt(view, buttonCentre(view, 0));
  EXPECT_EQ(callLog(c->select()).count(u"SetRoute(1)"_qs), 2);
  EXPECT_TRUE(callLog(c->webBrowser()).contains(u"2.htm"_qs));

  clickAt(view, buttonCentre(view, 2));
  EXPECT_EQ(view->section(), 6);
  clickAt(view, buttonCentre(view, kPeriodicTableButton));
  EXPECT_EQ(view->screen(), CQuillet2View::PeriodicTable);
  EXPECT_TRUE(c->periodTable().widget()->isVisible());
  EXPECT_FALSE(c->select().widget()->isVisible());
  EXPECT_FALSE(view->splitter()->isVisible());
  EXPECT_LT(c->webBrowser().widget()->geometry().right(), 0);  // the page pane is out of sight
  EXPECT_TRUE(callLog(c->periodTable()).contains(u"Initialise()"_qs));
  EXPECT_EQ(c->periodTable().widget()->geometry(), QRect(0, 50, view->width(), view->height() - 50));

  clickAt(view, buttonCentre(view, kDataAnalyserButton));
  EXPECT_EQ(view->screen(), CQuillet2View::DataAnalyser);
  EXPECT_TRUE(c->dataAnal().widget()->isVisible());
  EXPECT_FALSE(c->periodTable().widget()->isVisible());

  clickAt(view, buttonCentre(view, kMainMenuButton));
  EXPECT_EQ(view->screen(), CQuillet2View::MainMenu);
  EXPECT_FALSE(c->dataAnal().widget()->isVisible());
}

TEST(MainView, PressedButtonIsSunkWithAShadowAfterIt) {
  ViewSandbox box;
  CQuillet2View* view = box.start()->view();
  clickAt(view, buttonCentre(view, 4));
  pointAt(view, {300, 300});  // the pointer off the strip: no hover look
  const QImage shown = grab(view);
  const StripImages& art = stripImages();
  // Button 4 from the pressed look, one pixel in; button 5 from the normal look.
  EXPECT_EQ(shown.pixelColor(4 * 52 + 20, 30), art.pressed.pixelColor(4 * 52 + 20, 30));
  EXPECT_EQ(shown.pixelColor(6 * 52 + 20, 30), art.normal.pixelColor(6 * 52 + 20, 30));
  // The shadow darkens the first columns right of the pressed button, from y 1 down to 44.
  const int x = shadowX(4, view->width());
  EXPECT_EQ(x, 260);
  const QColor plain = art.normal.pixelColor(x + 1, 20);
  const QColor shaded = shown.pixelColor(x + 1, 20);
  EXPECT_LT(shaded.lightness(), plain.lightness());
  EXPECT_EQ(shown.pixelColor(x + 1, 47), art.normal.pixelColor(x + 1, 47));
}

TEST(MainView, OnA640PixelClientButtonNineStartsAt530AndDoesNothingOnTheMainMenu) {
  ViewSandbox box;
  CMainFrame* frame = box.start(true, {640, 480});
  CQuillet2View* view = frame->view();
  ASSERT_EQ(view->width(), 640);
  const QImage shown = grab(view);
  const StripImages& art = stripImages();
  EXPECT_EQ(shown.pixelColor(530 + 20, 30), art.pressed.pixelColor(520 + 20, 30));
  EXPECT_EQ(shown.pixelColor(582 + 20, 30), art.normal.pixelColor(572 + 20, 30));
  EXPECT_EQ(shown.pixelColor(500, 30), art.normal.pixelColor(472 + 20, 30));  // the filler, stretched

  const QString before = callLog(view->components()->webBrowser());
  clickAt(view, {531, 10});
  EXPECT_EQ(view->screen(), CQuillet2View::MainMenu);
  EXPECT_EQ(callLog(view->components()->webBrowser()), before);
  EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);  // the pressed button offers no hand
}

TEST(MainView, SwitchingClearsTheLitRegionSoTheFillerDoesNothing) {
  ViewSandbox box;
  CQuillet2View* view = box.start()->view();
  pointAt(view, inPicture(view, 180, 40));
  ASSERT_EQ(view->hoveredRegion(), 3);
  view->runCommand(cmd::kPeriodicTable);  // from the menu, the pointer still where it was
  EXPECT_EQ(view->hoveredRegion(), -1);
  QTest::mouseClick(view, Qt::LeftButton, {}, {480, 10});  // the strip's filler
  EXPECT_EQ(view->screen(), CQuillet2View::PeriodicTable);
  EXPECT_NE(view->section(), 4);
}

TEST(MainView, SplitterClampsTheSavedValueOnceAndSavesOnlyWhatIsWorthKeeping) {
  ViewSandbox box;
  box.setSavedSplitter(-5);
  CQuillet2View* view = box.start()->view();
  HostComponents* c = view->components();
  view->OpenSection(2, 0);
  ESGSplit* bar = view->splitter();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->geometry(), QRect(120, 50, 7, view->height() - 50));
  EXPECT_EQ(c->select().widget()->geometry(), QRect(0, 50, 120, view->height() - 50));
  EXPECT_EQ(c->webBrowser().widget()->geometry(), QRect(127, 50, view->width() - 127, view->height() - 50));

  // Dragged 60 pixels to the right: laid out there and kept.
  QTest::mousePress(bar, Qt::LeftButton, {}, {3, 100});
  EXPECT_TRUE(bar->dragging());
  QTest::mouseMove(bar, {63, 100});
  QTest::mouseRelease(bar, Qt::LeftButton, {}, {63, 100});
  EXPECT_EQ(bar->GetPosition(), 180);
  EXPECT_EQ(c->select().widget()->width(), 180);
  EXPECT_EQ(c->webBrowser().widget()->x(), 187);
  EXPECT_EQ(box.app->placement().splitter, 180);

  // Far past the right limit: stopped at client width - 150.
  QTest::mousePress(bar, Qt::LeftButton, {}, {3, 100});
  QTest::mouseMove(bar, {2000, 100});
  QTest::mouseRelease(bar, Qt::LeftButton, {}, {2000, 100});
  EXPECT_EQ(bar->GetPosition(), view->width() - 150);
}

TEST(MainView, ANarrowViewLaysTheSplitterOutBelow120WithoutSavingIt) {
  ViewSandbox box;
  box.setSavedSplitter(100000);
  CMainFrame* frame = box.start(false);
  CQuillet2View* view = frame->view();
  // The view alone, narrower than any frame allows.
  view->setParent(nullptr);
  view->resize(250, 400);
  view->show();
  view->OpenSection(3, 0);
  EXPECT_EQ(view->splitter()->GetPosition(), 100);
  EXPECT_EQ(view->components()->select().widget()->width(), 100);
  QTest::mousePress(view->splitter(), Qt::LeftButton, {}, {3, 50});
  QTest::mouseRelease(view->splitter(), Qt::LeftButton, {}, {3, 50});
  EXPECT_EQ(box.app->placement().splitter, 100000);
  // After a resize the lower bound is 150.
  view->resize(900, 400);
  EXPECT_EQ(view->splitter()->minimum(), 150);
  EXPECT_EQ(view->splitter()->GetPosition(), 150);
  EXPECT_EQ(box.app->placement().splitter, 150);
  EXPECT_EQ(view->components()->webBrowser().widget()->geometry(), QRect(157, 50, 743, 350));
  delete view;
}

TEST(MainView, ElementDetailOpensTheElementOnlyFromThePeriodicTable) {
  ViewSandbox box;
  CQuillet2View* view = box.start()->view();
  HostComponents* c = view->components();
  fireEvent(c->periodTable(), 1, 26);  // on the main menu: ignored
  EXPECT_EQ(view->screen(), CQuillet2View::MainMenu);
  view->ShowDataAnalyser();
  fireEvent(c->periodTable(), 1, 26);
  EXPECT_EQ(view->screen(), CQuillet2View::DataAnalyser);

  view->ShowPeriodicTable();
  fireEvent(c->periodTable(), 1, 55);  // not in the element index
  EXPECT_EQ(view->screen(), CQuillet2View::PeriodicTable);
  fireEvent(c->periodTable(), 1, 26);
  EXPECT_EQ(view->screen(), CQuillet2View::Topics);
  EXPECT_EQ(view->section(), 6);
  EXPECT_EQ(view->selectedButton(), 2);
  EXPECT_FALSE(c->periodTable().widget()->isVisible());
  const QString log = callLog(c->select());
  const qsizetype route = log.lastIndexOf(u"SetRoute(6)"_qs);
  ASSERT_GE(route, 0);
  EXPECT_GT(log.indexOf(u"GotoPosition(410203,0,false)"_qs, route), route);  // the first entry of 26
  EXPECT_FALSE(log.contains(u"GotoPosition(999"_qs));
}

TEST(MainView, BrowseEventsShowTheirPages) {
  ViewSandbox box;
  CQuillet2View* view = box.start()->view();
  HostComponents* c = view->components();
  view->OpenSection(6, 0);
  fireEvent(c->select(), 1, 410000, 77);
  EXPECT_EQ(view->treeRecord(), 77);
  EXPECT_EQ(view->object(), 0);
  EXPECT_TRUE(callLog(c->webBrowser()).contains(view->lastGeneratedPage()));
  fireEvent(c->select(), 2, 170070);
  EXPECT_EQ(view->object(), 170070);
  fireEvent(c->select(), 1, 410000, 77);  // the same topic again still clears the object
  EXPECT_EQ(view->object(), 0);

  // A glossary link and the enlarged-view link are not followed as pages.
  c->webBrowser().Navigate(u"pjqbhgterm0001.htm"_qs);
  c->webBrowser().Navigate(u"123a.htm"_qs);
  c->webBrowser().Navigate(u"1234a.htm"_qs);
  const QString log = callLog(c->webBrowser());
  EXPECT_TRUE(log.contains(u"refused pjqbhgterm0001.htm"_qs));
  EXPECT_TRUE(log.contains(u"refused 123a.htm"_qs));
  EXPECT_TRUE(log.contains(u"went 1234a.htm"_qs));
}

TEST(MainView, CommandsFollowTheScreenAndDisabledOnesDoNothing) {
  ViewSandbox box;
  CMainFrame* frame = box.start();
  CQuillet2View* view = frame->view();
  CDataAnal& dravix = view->components()->dataAnal();

  view->runCommand(cmd::kCopyAllData);  // not on the data analyser: nothing
  view->runCommand(cmd::kPrint);
  EXPECT_EQ(callLog(dravix).count(u"CopyAllData"_qs), 0);

  view->runCommand(cmd::kDataAnalyser);
  EXPECT_TRUE(view->commandState(cmd::kDataAnalyser).checked);
  EXPECT_TRUE(view->commandState(cmd::kCopySelection).enabled);  // table shown
  EXPECT_FALSE(view->commandState(cmd::kCopyGraph).enabled);
  view->runCommand(cmd::kPrint);  // printing needs a graph
  EXPECT_EQ(callLog(dravix).count(u"PrintGraph"_qs), 0);
  dravix.SetBMSorG(1);
  view->runCommand(cmd::kPrint);
  view->runCommand(cmd::kCopyGraph);
  view->runCommand(cmd::kCopySelection);
  view->runCommand(cmd::kCopyAllData);
  EXPECT_EQ(callLog(dravix),
            u"InitData(\""_qs + box.dataFolder + u"\")\nPrintGraph()\nCopyGraph()\nCopyAllData()\n"_qs);

  // The Go menu checks the section shown.
  view->runCommand(32777);
  EXPECT_EQ(view->section(), 4);
  EXPECT_TRUE(view->commandState(32777).checked);
  EXPECT_FALSE(view->commandState(32781).checked);
  EXPECT_FALSE(view->commandState(cmd::kDataAnalyser).checked);
  EXPECT_FALSE(view->commandState(cmd::kCut).enabled);  // the word box does not have the focus

  // An accelerator runs its command only while the command is enabled.
  int copies = 0;
  bool enabled = false;
  view->setCommandHandler(cmd::kCopy, {[&] { ++copies; }, [&] { return CQuillet2View::CommandState{enabled, false}; }});
  QTest::keyClick(frame, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(frame, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(copies, 0);
  enabled = true;
  QTest::keyClick(frame, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(frame, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(copies, 2);
}

TEST(MainView, MenusAreGreekAndShowTheirState) {
  ViewSandbox box;
  CMainFrame* frame = box.start();
  QStringList titles;
  for (QAction* a : frame->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{u"Αρχείο"_qs, u"Επεξεργασία"_qs, u"Μετάβαση"_qs, u"Επιλογές"_qs, u"Σελιδοδείκτης"_qs,
                                 u"Στο δίκτυο"_qs, u"Βοήθεια"_qs}));
  frame->view()->OpenSection(6, 0);
  QMenu* go = frame->menuBar()->actions()[2]->menu();
  emit go->aboutToShow();
  for (QAction* a : go->actions()) {
    if (a->data().toInt() == 32781) EXPECT_TRUE(a->isChecked()) << a->text().toStdString();
    if (a->data().toInt() == 32776) EXPECT_FALSE(a->isChecked());
    if (a->data().toInt() == cmd::kBack) EXPECT_FALSE(a->isEnabled());
  }
}

TEST(MainView, MinimisingResetsThePeriodicTable) {
  ViewSandbox box;
  CMainFrame* frame = box.start();
  CPeriodTable& tabrel = frame->view()->components()->periodTable();
  const auto before = callLog(tabrel).count(u"Initialise()"_qs);
  frame->showMinimized();
  EXPECT_EQ(callLog(tabrel).count(u"Initialise()"_qs), before + 1);
}

TEST(MainView, WebPageCommandsOpenTheDataFoldersPages) {
  ViewSandbox box;
  CQuillet2View* view = box.start()->view();
  QString shown;
  QSize size;
  QTimer::singleShot(0, [&] {
    auto* dialog = dynamic_cast<CWebPageDlg*>(QApplication::activeModalWidget());
    if (!dialog) return;
    shown = dialog->address();
    size = dialog->size();
    if (dialog->browser()) shown += u" | "_qs + callLog(*dialog->browser()).trimmed();
    dialog->accept();
  });
  view->runCommand(cmd::kSupport);
  const QString page = box.dataFolder + u"web/support.htm"_qs;
  EXPECT_EQ(shown, page + u" | went "_qs + page);
  EXPECT_EQ(size, QSize(580, 380));
}

TEST(MainView, AComponentMissingEndsTheProgramAtItsFirstPaint) {
  ViewSandbox box({u"tabrelgk.ocx"_qs, u"brovikgk.ocx"_qs, u"webfake.ocx"_qs});
  CMainFrame* frame = box.start();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->view()->startFailed());
  EXPECT_TRUE(box.shownTexts().contains(u"Data Analyser component not installed correctly"_qs));
  QTRY_VERIFY(!frame->isVisible());
}

TEST(MainView, DamagedPicturesAreReportedAndMissingOnesSkipped) {
  ViewSandbox box;
  QFile::remove(box.dataFolder + u"images/cm.bmp"_qs);
  QFile bmp(box.dataFolder + u"images/ca.bmp"_qs);
  ASSERT_TRUE(bmp.open(QIODevice::ReadWrite));
  bmp.resize(1000);  // the bits cut short
  bmp.close();
  QByteArray eightBit;
  {
    QImage palette(4, 4, QImage::Format_Indexed8);
    palette.setColorCount(2);
    palette.fill(0);
    palette.save(box.dataFolder + u"images/ec.bmp"_qs, "BMP");
  }
  CQuillet2View* view = box.start()->view();
  EXPECT_EQ(box.shownTexts(), (QStringList{u"BMP file error"_qs, u"BMP file error"_qs}));
  EXPECT_TRUE(view->pictures().highlight(0).isNull());
  EXPECT_TRUE(view->pictures().highlight(3).isNull());
  EXPECT_FALSE(view->pictures().highlight(4).isNull());
  // A lit region without its picture still shows its bars over the plain picture.
  pointAt(view, inPicture(view, 170, 30));
  const QImage shown = grab(view);
  EXPECT_EQ(shown.pixelColor(view->mainMenuOrigin() + QPoint(231, 201)), kPictureGrey);
  EXPECT_EQ(shown.pixelColor(view->mainMenuOrigin() + QPoint(166, 73)), QColor(58, 122, 160));
}

TEST(AboutBox, ShowsTheVersionsAndTheLastPageSourceOnTheHiddenClick) {
  QTemporaryDir dir;
  const QString page = dir.filePath(u"7.htm"_qs);
  writeFile(page, "<HTML>\xe1\xe2\xe3</HTML>");  // CP1253 text
  CAboutDlg about(nullptr, {u"k"_qs, u"f"_qs, u"t"_qs, u"b"_qs, u"1.0.050"_qs}, page);
  about.show();
  EXPECT_EQ(about.findChild<QLabel*>(u"Data Analyser :"_qs)->text(), u"1.0.050"_qs);
  EXPECT_EQ(about.findChild<QLabel*>(u"Periodic Table :"_qs)->text(), u"t"_qs);
  EXPECT_EQ(about.findChild<QLabel*>(u"Molecule Zoom :"_qs)->text(), u"f"_qs);
  QTest::mouseClick(&about, Qt::LeftButton, {}, {217, 20});  // just outside
  EXPECT_EQ(about.sourceWindow(), nullptr);
  QTest::mouseClick(&about, Qt::LeftButton, {}, {314, 39});  // the inclusive corner
  ASSERT_NE(about.sourceWindow(), nullptr);
  EXPECT_TRUE(about.sourceWindow()->isReadOnly());
  EXPECT_EQ(about.sourceWindow()->toPlainText(), u"<HTML>αβγ</HTML>"_qs);

  CAboutDlg none(nullptr, {}, QString());
  none.show();
  QTest::mouseClick(&none, Qt::LeftButton, {}, {250, 20});
  EXPECT_EQ(none.sourceWindow(), nullptr);
}
