// Pages with embedded objects: the molecule page of the sample disc with the controller and the
// viewer as real child windows, a video page, and objects that scroll and clip with the page.
#include <QFile>
#include <QLibrary>
#include <QPointer>
#include <QRegularExpression>

#include "platform/browser/tests/BrowserFixture.h"
#include "platform/com/Creation.h"
#include "platform/messages/WindowMessages.h"
#include "platform/registry/Registry.h"

namespace vantorel::browser::testing {
namespace {

constexpr int kRefreshRequest = 9822;

// The disc's page with its data-folder markers replaced by the disc's folder, as the host's page
// transform will do.
QByteArray discPage(const QString& name) {
  QFile file(QString::fromUtf8(DISC_DIR) + name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = file.readAll();
  for (const char marker : {'\x03', '\x04', '\x05'}) {
    for (qsizetype at = bytes.indexOf(marker); at >= 0; at = bytes.indexOf(marker, at)) {
      bytes.replace(at, 3, DISC_DIR);
    }
  }
  return bytes;
}

// Pixels that differ between two pictures of one size.
int changedPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  }
  return n;
}

class Plugins : public BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    registry::useStoreFile((dir_.path() + u"/registry.reg"_qs).toStdString());
    // Registering loads a library for the call and unloads it after; the player's codec libraries
    // would leave their thread-local blocks behind as leaks. Held here, nothing is unloaded.
    static const bool held = [] {
      for (const char* library : {KESTRIN_PATH, MOLVIEW_PATH, VIDEOPLAYER_PATH}) {
        QLibrary holder(QString::fromUtf8(library));
        holder.setLoadHints(QLibrary::PreventUnloadHint);
        if (!holder.load()) return false;
      }
      return true;
    }();
    ASSERT_TRUE(held);
    for (const char* library : {KESTRIN_PATH, MOLVIEW_PATH, VIDEOPLAYER_PATH}) {
      ASSERT_EQ(com::registerLibrary(library), com::kOk) << library;
    }
  }

  // Lets the controller paint and tell the viewer its first commands.
  void settle() {
    for (int i = 0; i < 5; ++i) {
      QApplication::processEvents();
      QTest::qWait(20);
    }
  }
};

TEST_F(Plugins, TheMoleculePageHoldsTheControllerAndTheViewerAtTheirSizes) {
  navigate(write(u"009.htm"_qs, discPage(u"13/0/009"_qs)));
  const std::vector<QWidget*> windows = browser_->embeddedWindows();
  ASSERT_EQ(windows.size(), 2u);
  ASSERT_TRUE(windows[0] && windows[1]);
  EXPECT_EQ(windows[0]->size(), QSize(58, 262));
  EXPECT_EQ(windows[1]->size(), QSize(340, 290));
  EXPECT_EQ(windows[1]->parentWidget(), browser_->canvas());
  // Side by side in the table's cells, the text to the right of both.
  EXPECT_LT(windows[0]->geometry().right(), windows[1]->x());
  EXPECT_GT(placeOf(u"Μεγέθυνση"_qs).left(), windows[1]->geometry().right());
}

TEST_F(Plugins, TheControllersStyleSwitchesChangeTheViewersPicture) {
  navigate(write(u"009.htm"_qs, discPage(u"13/0/009"_qs)));
  QWidget* controller = browser_->embeddedWindows().at(0);
  QWidget* viewer = browser_->embeddedWindows().at(1);
  ASSERT_TRUE(controller && viewer);
  settle();
  const QImage ballsAndSticks = viewer->grab().toImage();
  // "Πλέγμα": wireframe; found by the controller's own walk of the window tree.
  QTest::mouseClick(controller, Qt::LeftButton, {}, QPoint(20, 120));
  settle();
  const QImage wireframe = viewer->grab().toImage();
  EXPECT_GT(changedPixels(ballsAndSticks, wireframe), 2000);
}

// A stand-in for the host's view: it refreshes the browser when asked, as the program does.
class HostView : public QWidget {
 public:
  CWebBrowserCtrl* browser = nullptr;
  int refreshes = 0;

 protected:
  bool event(QEvent* event) override {
    if (const auto* message = messages::asWindowMessage(event)) {
      if (message->message() == messages::kCommand && message->lParam() == kRefreshRequest && browser) {
        ++refreshes;
        (void)browser->invoke(dispid::kRefresh2, com::InvokeKind::Method, {});
      }
      return true;
    }
    return QWidget::event(event);
  }
};

TEST_F(Plugins, ARefreshPostedByAControllerClickRebuildsThePageSafely) {
  QWidget frame;
  frame.setWindowTitle(u"Vantorel"_qs);
  auto* view = new HostView;
  view->setParent(&frame);
  view->browser = browser_.get();
  browser_->setParent(view);
  browser_->setGeometry(0, 0, 640, 480);
  frame.resize(640, 480);
  frame.show();
  navigate(write(u"009.htm"_qs, discPage(u"13/0/009"_qs)));
  settle();
  QPointer<QWidget> oldController = browser_->embeddedWindows().at(0);
  // Sticks, then back to balls and sticks: that choice asks the host to refresh the page.
  QTest::mouseClick(oldController, Qt::LeftButton, {}, QPoint(20, 150));
  QTest::mouseClick(oldController, Qt::LeftButton, {}, QPoint(20, 185));
  settle();
  EXPECT_EQ(view->refreshes, 1);
  EXPECT_TRUE(oldController.isNull());
  ASSERT_EQ(browser_->embeddedWindows().size(), 2u);
  EXPECT_EQ(browser_->embeddedWindows().at(1)->size(), QSize(340, 290));
  browser_->setParent(nullptr);
}

TEST_F(Plugins, TheVideoPageHoldsThePlayerAtItsClientSize) {
  navigate(write(u"001.htm"_qs, discPage(u"12/0/001"_qs)));
  const std::vector<QWidget*> windows = browser_->embeddedWindows();
  ASSERT_EQ(windows.size(), 1u);
  ASSERT_TRUE(windows[0]);
  EXPECT_EQ(windows[0]->size(), QSize(320, 258));
}

TEST_F(Plugins, EmbeddedWindowsScrollAndClipWithThePage) {
  QByteArray page = "<HTML><BODY>";
  for (int i = 0; i < 40; ++i) page += "<P>text " + QByteArray::number(i) + "</P>";
  page += "<EMBED SRC=\"" + QByteArray(DISC_DIR) + "mol/glucose.mol\" WIDTH=340 HEIGHT=290>";
  for (int i = 0; i < 40; ++i) page += "<P>more " + QByteArray::number(i) + "</P>";
  navigate(write(u"long.htm"_qs, page + "</BODY></HTML>"));
  QWidget* viewer = browser_->embeddedWindows().at(0);
  ASSERT_TRUE(viewer);
  const int before = viewer->mapTo(browser_.get(), QPoint(0, 0)).y();
  ASSERT_GT(before, browser_->height());  // below the window at first
  EXPECT_TRUE(viewer->visibleRegion().isEmpty());

  browser_->scrollArea()->verticalScrollBar()->setValue(before - 300);
  QApplication::processEvents();
  EXPECT_EQ(viewer->mapTo(browser_.get(), QPoint(0, 0)).y(), 300);
  // Its lower part lies below the window's edge and is clipped away.
  const QRect shown = viewer->visibleRegion().boundingRect();
  EXPECT_EQ(shown.top(), 0);
  EXPECT_EQ(shown.height(), browser_->height() - 300 -
                                browser_->scrollArea()->horizontalScrollBar()->isVisible() *
                                    browser_->scrollArea()->horizontalScrollBar()->height());
}

TEST_F(Plugins, ObjectsNamingNothingUsableLeaveTheirBoxAndNothingElse) {
  QDir(dir_.path()).mkdir(u"folder.mol"_qs);
  const QByteArray page =
      "<HTML><BODY><EMBED SRC=\"missing.mol\" WIDTH=340 HEIGHT=290><EMBED SRC=\"folder.mol\" WIDTH=340 HEIGHT=290>"
      "<EMBED SRC=\"text.avi\" WIDTH=320 HEIGHT=258><EMBED SRC=\"sound.wav\" WIDTH=100 HEIGHT=20>"
      "<OBJECT CLASSID=\"clsid:00000000-0000-0000-0000-000000000001\" WIDTH=50 HEIGHT=50></OBJECT>"
      "<OBJECT CLASSID=\"javascript:x\" WIDTH=50 HEIGHT=50></OBJECT>after</BODY></HTML>";
  write(u"text.avi"_qs, "this is no video");
  navigate(write(u"objects.htm"_qs, page));
  settle();
  const std::vector<QWidget*> windows = browser_->embeddedWindows();
  ASSERT_EQ(windows.size(), 6u);
  // The plug-ins stand with their own message; unknown kinds and classes get no window.
  EXPECT_TRUE(windows[0] && windows[1] && windows[2]);
  EXPECT_FALSE(windows[3] || windows[4] || windows[5]);
  EXPECT_TRUE(shownText().endsWith(u"after"_qs));
}

}  // namespace
}  // namespace vantorel::browser::testing
