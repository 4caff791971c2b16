// The molecule controller and the viewer as a molecule page holds them: both created by class
// id through the component model in one canvas inside a scrolled page, the controller's switches
// clicked with the mouse, the viewer's picture read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "outside/molview/MoleculeViewerCtrl.h"
#include "outside/molview/tests/ViewerTestSupport.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"

using namespace vantorel;
using namespace vantorel::molview::testing;

namespace {

class MoleculePage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    registry::useStoreFile((dir_.path() + u"/registry.reg"_qs).toStdString());
    ASSERT_EQ(com::registerLibrary(KESTRIN_PATH), com::kOk);
    ASSERT_EQ(com::registerLibrary(MOLVIEW_PATH), com::kOk);

    page_ = std::make_unique<QScrollArea>();
    page_->resize(760, 420);
    canvas_ = new QWidget;
    canvas_->resize(740, 900);  // taller than the page, as a page with text under the model
    page_->setWidget(canvas_);
    // A picture of another size stands first in the page, as images do.
    auto* image = new QWidget(canvas_);
    image->setGeometry(0, 0, 320, 40);

    com::CreateResult kestrin = com::createControl(com::ids::kKestrinClass);
    ASSERT_NE(kestrin.control, nullptr) << kestrin.error.toStdString();
    kestrin_ = kestrin.control;
    kestrin_->createWindow(canvas_, 1, QRect(12, 50, 58, 262), true);
    com::CreateResult viewer = com::createControl(com::ids::kMoleculeViewerClass);
    ASSERT_NE(viewer.control, nullptr) << viewer.error.toStdString();
    viewer_ = viewer.control;
    viewer_->createWindow(canvas_, 2, QRect(78, 50, 340, 290), true);
    const auto loaded = viewer_->invoke(
        2, com::InvokeKind::Method,
        {com::Variant::fromString(u"" MOLVIEW_MOLECULES_DIR "caffeine.mol"_qs),
         com::Variant::fromString(u"TYPE=chemical/x-mdl-molfile\nDISPLAY3D=BALLSTICK\nBGCOLOR=#000000"_qs)});
    ASSERT_EQ(loaded.value, com::Variant::fromBool(true));
    page_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
    QApplication::processEvents();  // the controller's first paint chooses 3D
  }

  // A press of the left button on the controller, as a person's click.
  QImage click(int x, int y) {
    QTest::mouseClick(kestrin_, Qt::LeftButton, {}, QPoint(x, y));
    QApplication::processEvents();
    return picture(viewer_);
  }

  QTemporaryDir dir_;
  std::unique_ptr<QScrollArea> page_;
  QWidget* canvas_ = nullptr;
  com::Control* kestrin_ = nullptr;
  com::Control* viewer_ = nullptr;
};

}  // namespace

TEST_F(MoleculePage, TheControllersSwitchesChangeTheViewersPicture) {
  const QImage ballsAndSticks = picture(viewer_);
  keepForLooking(page_->grab().toImage(), u"page-balls-and-sticks"_qs);
  EXPECT_GT(inkPixels(ballsAndSticks), 5000);

  const QImage wire = click(20, 120);  // "Πλέγμα"
  keepForLooking(wire, u"kestrin-wireframe"_qs);
  EXPECT_LT(inkPixels(wire) * 3, inkPixels(ballsAndSticks));

  const QImage sticks = click(20, 150);  // "Ράβδοι"
  keepForLooking(sticks, u"kestrin-sticks"_qs);
  EXPECT_NE(sticks, wire);
  EXPECT_GT(inkPixels(sticks), inkPixels(wire));

  const QImage labelled = click(12, 238);  // labels "Ναι"
  keepForLooking(labelled, u"kestrin-sticks-labels"_qs);
  EXPECT_GT(changedPixels(labelled, sticks), 24 * 25);  // a letter on each atom

  const QImage ballsLabelled = click(20, 185);  // "Σφαίρες και ράβδοι", still labelled
  keepForLooking(ballsLabelled, u"kestrin-balls-labels"_qs);
  EXPECT_GT(changedPixels(ballsLabelled, ballsAndSticks), 24 * 25);
  EXPECT_EQ(click(34, 238), ballsAndSticks);  // labels "Όχι" again

  const QImage flat = click(12, 25);  // "2D"
  keepForLooking(flat, u"kestrin-2d"_qs);
  EXPECT_NE(flat, ballsAndSticks);
  EXPECT_EQ(click(20, 120), flat);           // the controller ignores its other switches in 2D
  EXPECT_EQ(click(34, 25), ballsAndSticks);  // "3D"
}

TEST_F(MoleculePage, TheRotationSwitchStartsAndStopsTheSpin) {
  auto* viewer = static_cast<molview::CMoleculeViewerCtrl*>(viewer_);
  EXPECT_FALSE(viewer->spinning());
  click(12, 66);  // rotation "Ναι"
  EXPECT_TRUE(viewer->spinning());
  const QImage first = picture(viewer_);
  QTest::qWait(200);
  EXPECT_NE(picture(viewer_), first);
  click(34, 66);  // rotation "Όχι"
  EXPECT_FALSE(viewer->spinning());
  const QImage still = picture(viewer_);
  QTest::qWait(120);
  EXPECT_EQ(picture(viewer_), still);
}

TEST_F(MoleculePage, TheViewerStillAnswersWhenThePageHasScrolled) {
  page_->verticalScrollBar()->setValue(200);
  QApplication::processEvents();
  const QImage before = picture(viewer_);
  click(20, 150);
  EXPECT_NE(picture(viewer_), before);
}
