#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include "host/CMainFrame.h"
#include "host/InputFilter.h"
#include "host/core/StartupRules.h"
#include "host/tests/HostTestSupport.h"
#include "platform/messages/WindowMessages.h"

using namespace vantorel;
using namespace vantorel::host;
using vantorel::host::testing::Sandbox;
using vantorel::host::testing::writeFile;

namespace {

struct FrameFixture {
  Sandbox box;
  std::unique_ptr<CQuillet2App> app;
  FrameFixture() {
    const QString disc = box.dataFolder(u"disc"_qs);
    writeFile(box.programFolder + u"/qset.ini"_qs, ("DataPath=" + disc + "\r\nBookmark=/b.dat\r\n").toUtf8());
    auto env = box.environment();
    env.createMainFrame = [](CQuillet2App& a) -> std::unique_ptr<QWidget> { return std::make_unique<CMainFrame>(a); };
    app = std::make_unique<CQuillet2App>(env);
    EXPECT_TRUE(app->InitInstance());
  }
  CMainFrame* frame() const { return static_cast<CMainFrame*>(app->mainFrame()); }
  std::optional<uint32_t> saved(const char* name) const {
    return registry::store().queryDword(registryKeyPath(), name);
  }
};

}  // namespace

TEST(MainFrame, TitleAndSavedPlacement) {
  FrameFixture f;
  EXPECT_TRUE(f.frame()->windowTitle().startsWith(u"Vantorel - "_qs));
  f.frame()->show();
  f.frame()->setGeometry(30, 40, 700, 500);
  f.frame()->savePlacement();
  EXPECT_EQ(f.saved("Size"), 0u);
  EXPECT_EQ(f.saved("Left"), 30u);
  EXPECT_EQ(f.saved("Top"), 40u);
  EXPECT_EQ(f.saved("Right"), 730u);
  EXPECT_EQ(f.saved("Bottom"), 540u);
  EXPECT_EQ(f.saved("Splitter"), 216u);
}

TEST(MainFrame, MaximisedSavesSizeTwoAndKeepsTheRectangle) {
  FrameFixture f;
  f.app->placement().left = 11;
  f.frame()->showMaximized();
  f.frame()->savePlacement();
  EXPECT_EQ(f.saved("Size"), 2u);
  EXPECT_EQ(f.saved("Left"), 11u);
}

TEST(MainFrame, MinimisedSavesNothingAndResetsThroughItsHook) {
  FrameFixture f;
  int minimised = 0;
  f.frame()->onMinimised = [&] { ++minimised; };
  f.frame()->show();
  f.frame()->showMinimized();
  EXPECT_EQ(minimised, 1);
  f.frame()->savePlacement();
  EXPECT_FALSE(f.saved("Size"));
}

TEST(MainFrame, NeverSmallerThanTheMinimum) {
  FrameFixture f;
  f.frame()->show();
  f.frame()->resize(300, 200);
  const QSize area = f.frame()->screen()->availableGeometry().size();
  const MinimumSize limit = frameMinimumSize(area.width(), area.height());
  EXPECT_GE(f.frame()->width(), limit.width);
  EXPECT_GE(f.frame()->height(), limit.height);
}

namespace {
class MessageCounter : public QWidget {
 public:
  int go = 0;
  bool event(QEvent* e) override {
    if (auto* m = messages::asWindowMessage(e); m && m->message() == messages::kBrowseGo) {
      ++go;
      return true;
    }
    return QWidget::event(e);
  }
};
class PressCounter : public QWidget {
 public:
  int presses = 0;
  void mousePressEvent(QMouseEvent*) override { ++presses; }
};
}  // namespace

TEST(InputFilter, RightButtonGoesNowhereAndEnterBecomesGo) {
  FrameFixture f;
  InputFilter filter(*f.app);
  qApp->installEventFilter(&filter);
  PressCounter target;
  target.resize(50, 50);
  target.show();
  QTest::mouseClick(&target, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(target.presses, 0);
  QTest::mouseClick(&target, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(target.presses, 1);

  MessageCounter view;
  QLineEdit edit;
  f.app->browseViewWindow = &view;
  f.app->browseEditWindow = &edit;
  edit.show();
  QTest::keyClick(&edit, Qt::Key_Return);
  QTest::keyClicks(&edit, u"ab"_qs);
  EXPECT_EQ(view.go, 1);
  EXPECT_EQ(edit.text(), u"ab"_qs);
  QLineEdit other;
  other.show();
  QTest::keyClick(&other, Qt::Key_Return);
  EXPECT_EQ(view.go, 1);
  qApp->removeEventFilter(&filter);
}
