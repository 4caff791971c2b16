#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "outside/molview/MoleculeViewerCtrl.h"
#include "outside/molview/core/Scene.h"
#include "outside/molview/tests/MolfileText.h"
#include "outside/molview/tests/ViewerTestSupport.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/com/VersionResource.h"
#include "platform/messages/WindowMessages.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"
#include "platform/ui/StringTable.h"

using namespace vantorel;
using namespace vantorel::molview;
using namespace vantorel::molview::testing;

namespace {

const QString kMolecules = u"" MOLVIEW_MOLECULES_DIR ""_qs;
const QString kPageAttributes =
    u"TYPE=chemical/x-mdl-molfile\nDISPLAY3D=BALLSTICK\nSTARTSPIN=false\nSPINSPEED=2\nBGCOLOR=#000000"_qs;

// A viewer in a page-sized parent, shown, as the page browser places it.
class ViewerWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    page_ = std::make_unique<QWidget>();
    page_->resize(700, 560);
    viewer_ = new CMoleculeViewerCtrl;
    viewer_->createWindow(page_.get(), 7, QRect(10, 10, 340, 290), true);
    page_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
  }
  bool load(const QString& file, const QString& attributes = kPageAttributes) {
    return viewer_->Load(kMolecules + file, attributes);
  }
  std::unique_ptr<QWidget> page_;
  CMoleculeViewerCtrl* viewer_ = nullptr;
};

QString viewerText(int id) {
  return ui::resourceString(u"molview"_qs, id);
}

}  // namespace

TEST_F(ViewerWindow, DrawsTheMoleculeInItsClientAreaWithNoChildWindowOfTheSameSize) {
  ASSERT_TRUE(load(u"caffeine.mol"_qs));
  EXPECT_EQ(viewer_->size(), QSize(340, 290));
  EXPECT_TRUE(viewer_->message().isEmpty());
  // The molecule controller finds the viewer as the first window of exactly this size.
  for (QWidget* child : viewer_->findChildren<QWidget*>()) EXPECT_NE(child->size(), QSize(340, 290));

  const QImage shown = picture(viewer_);
  keepForLooking(shown, u"molview-caffeine"_qs);
  EXPECT_EQ(shown.size(), QSize(340, 290));
  EXPECT_GT(inkPixels(shown), 340 * 290 / 12);
  EXPECT_EQ(shown.pixelColor(2, 2), QColor(0, 0, 0));
  EXPECT_EQ(shown.pixelColor(337, 287), QColor(0, 0, 0));

  // The enlarged page gives it 640 × 498: the same molecule, larger.
  viewer_->resize(640, 498);
  const QImage large = picture(viewer_);
  EXPECT_EQ(large.size(), QSize(640, 498));
  EXPECT_GT(inkPixels(large), inkPixels(shown) * 2);
}

TEST_F(ViewerWindow, TakesTheBackgroundAndStyleOfThePage) {
  ASSERT_TRUE(load(u"water.mol"_qs, u"BGCOLOR=#FFFDF4\nDISPLAY3D=SPACEFILL"_qs));
  EXPECT_EQ(viewer_->viewState().style, Style::SpaceFilling);
  const QImage shown = picture(viewer_);
  EXPECT_EQ(shown.pixelColor(1, 1), QColor(0xFF, 0xFD, 0xF4));
  // Space filling covers much of the window with the big oxygen.
  EXPECT_GT(inkPixels(shown, QColor(0xFF, 0xFD, 0xF4)), 340 * 290 / 5);
}

TEST_F(ViewerWindow, ChangesItsPictureForEachCommandOfTheController) {
  ASSERT_TRUE(load(u"caffeine.mol"_qs));
  const QImage ballsAndSticks = picture(viewer_);
  const auto send = [&](int id) {
    messages::sendMessage(viewer_, messages::kCommand, id, 0);
    QApplication::processEvents();
    return picture(viewer_);
  };
  const QImage wire = send(command::kWireframe);
  EXPECT_EQ(viewer_->viewState().style, Style::Wireframe);
  EXPECT_LT(inkPixels(wire) * 3, inkPixels(ballsAndSticks));
  const QImage sticks = send(command::kSticks);
  EXPECT_NE(sticks, wire);
  EXPECT_NE(sticks, ballsAndSticks);
  EXPECT_EQ(send(command::kBallsAndSticks), ballsAndSticks);

  const QImage labelled = send(command::kLabels);
  EXPECT_TRUE(viewer_->viewState().labels);
  EXPECT_GT(changedPixels(labelled, ballsAndSticks), 24 * 25);  // a letter on each of the 24 atoms
  EXPECT_EQ(send(command::kLabels), ballsAndSticks);

  // The flat look fills each ball with one colour; the 3D look lights it from the upper left.
  const auto frontBall = [&] {
    const Scene scene = buildScene(viewer_->model(), viewer_->viewState(), 340, 290);
    for (auto it = scene.items.rbegin(); it != scene.items.rend(); ++it) {
      if (it->kind == ItemKind::Sphere) return *it;
    }
    return SceneItem{};
  };
  const auto across = [](const QImage& image, const SceneItem& ball) {
    const QPoint centre(qRound(ball.x1), qRound(ball.y1));
    const int step = qRound(ball.r1 / 2);
    return std::pair{image.pixelColor(centre - QPoint(step, step)), image.pixelColor(centre + QPoint(step, step))};
  };
  const auto [litSide, shadedSide] = across(ballsAndSticks, frontBall());
  EXPECT_GT(litSide.lightness(), shadedSide.lightness() + 40);
  const QImage flat = send(command::kTwoD);
  const auto [flatOne, flatOther] = across(flat, frontBall());
  EXPECT_EQ(flatOne, flatOther);
  EXPECT_NE(flat, ballsAndSticks);
  EXPECT_EQ(send(command::kThreeD), ballsAndSticks);

  // An unknown command changes nothing.
  EXPECT_EQ(send(4242), ballsAndSticks);
}

TEST_F(ViewerWindow, TurnsWhenDraggedAndSpinsOnlyWhenAskedAndSeen) {
  ASSERT_TRUE(load(u"caffeine.mol"_qs));
  const QImage before = picture(viewer_);
  EXPECT_FALSE(viewer_->spinning());
  QTest::qWait(150);
  EXPECT_EQ(picture(viewer_), before);

  QTest::mousePress(viewer_, Qt::LeftButton, {}, QPoint(170, 145));
  QTest::mouseMove(viewer_, QPoint(230, 160));
  QTest::mouseRelease(viewer_, Qt::LeftButton, {}, QPoint(230, 160));
  const QImage dragged = picture(viewer_);
  EXPECT_NE(dragged, before);
  EXPECT_GT(std::abs(viewer_->viewState().turn.m[2]), 0.3);  // turned well round the vertical

  ASSERT_TRUE(load(u"caffeine.mol"_qs, u"STARTSPIN=true\nSPINSPEED=4"_qs));
  EXPECT_TRUE(viewer_->spinning());
  const QImage start = picture(viewer_);
  QTest::qWait(250);
  EXPECT_NE(picture(viewer_), start);
  // A quarter of a second turns 15 degrees at speed 4; a slow machine still turns it some.
  const double cosine = viewer_->viewState().turn.m[0];
  EXPECT_LT(cosine, std::cos(3 * std::numbers::pi / 180));

  viewer_->hide();
  EXPECT_FALSE(viewer_->spinning());
  viewer_->show();
  EXPECT_TRUE(viewer_->spinning());
  messages::sendMessage(viewer_, messages::kCommand, command::kTwoD, 0);
  EXPECT_FALSE(viewer_->spinning());  // a flat picture stands still
  messages::sendMessage(viewer_, messages::kCommand, command::kThreeD, 0);
  messages::sendMessage(viewer_, messages::kCommand, command::kRotation, 0);
  EXPECT_FALSE(viewer_->spinning());
}

TEST_F(ViewerWindow, ShowsAClearMessageForAFileItCannotRead) {
  QTemporaryDir dir;
  const auto write = [&](const char* name, const std::string& bytes) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return f.fileName();
  };
  const QString badBond =
      write("bad.mol", molfile({atomLine({0, 0, 0, "C"}), atomLine({1, 0, 0, "C"}), bondLine(0, 2, 1)}, 2, 1));

  EXPECT_FALSE(viewer_->Load(dir.filePath(u"missing.mol"_qs), kPageAttributes));
  EXPECT_EQ(viewer_->message(), viewerText(101));
  const QImage missing = picture(viewer_);
  keepForLooking(missing, u"molview-missing"_qs);
  EXPECT_GT(inkPixels(missing.copy(20, 60, 300, 170)), 500);  // the sign and the words

  EXPECT_FALSE(viewer_->Load(badBond, kPageAttributes));
  EXPECT_EQ(viewer_->message(), viewerText(100));
  keepForLooking(picture(viewer_), u"molview-bad"_qs);
  EXPECT_FALSE(viewer_->Load(dir.path(), kPageAttributes));  // a folder
  EXPECT_EQ(viewer_->message(), viewerText(100));
  EXPECT_FALSE(viewer_->Load(QString(), kPageAttributes));
  EXPECT_EQ(viewer_->message(), viewerText(101));
  EXPECT_FALSE(viewer_->Load(write("nan.mol", molfile({"       nan       nan       nan C   0  0"}, 1, 0)), {}));
  EXPECT_FALSE(viewer_->spinning());

  // Loading another file afterwards shows it.
  EXPECT_TRUE(load(u"water.mol"_qs));
  EXPECT_TRUE(viewer_->message().isEmpty());
  EXPECT_EQ(viewer_->model().atoms().size(), 3u);
}

TEST_F(ViewerWindow, OffersEveryStyleOnItsMenu) {
  ASSERT_TRUE(load(u"caffeine.mol"_qs));
  // Space filling is not among the controller's buttons: the right button's menu has it.
  QTimer::singleShot(50, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i < 4; ++i) QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(170, 145), viewer_->mapToGlobal(QPoint(170, 145)));
  QApplication::sendEvent(viewer_, &event);
  EXPECT_EQ(viewer_->viewState().style, Style::SpaceFilling);
}

TEST(MoleculeViewerComponent, RegistersItselfAndLoadsThroughItsDispatch) {
  QTemporaryDir dir;
  registry::useStoreFile((dir.path() + u"/registry.reg"_qs).toStdString());
  ASSERT_EQ(com::registerLibrary(MOLVIEW_PATH), com::kOk);
  const std::string key = "HKCR\\CLSID\\" + com::ids::kMoleculeViewerClass.toString();
  EXPECT_EQ(registry::store().queryString(key + "\\ProgID", ""), "VANTOREL.MoleculeViewer.1");
  EXPECT_EQ(com::classIdFromProgId("VANTOREL.MoleculeViewer.1"), com::ids::kMoleculeViewerClass);
  EXPECT_EQ(com::readFileVersion(MOLVIEW_PATH), (com::FileVersion{0x10000, 1}));

  QWidget page;  // outlives the control it holds
  com::CreateResult created = com::createControl(com::ids::kMoleculeViewerClass);
  ASSERT_NE(created.control, nullptr) << created.error.toStdString();
  std::unique_ptr<com::Control> control(created.control);
  control->createWindow(&page, 3, QRect(0, 0, 340, 290), true);
  EXPECT_EQ(control->invoke(1, com::InvokeKind::PropertyGet, {}).value, com::Variant::fromString(u"1.0.001"_qs));
  EXPECT_EQ(control->invoke(1, com::InvokeKind::PropertyPut, {com::Variant::fromString(u"x"_qs)}).status,
            com::DispStatus::NotSupported);
  const auto load = [&](const QString& path) {
    return control->invoke(2, com::InvokeKind::Method,
                           {com::Variant::fromString(path), com::Variant::fromString(kPageAttributes)});
  };
  EXPECT_EQ(load(kMolecules + u"caffeine.mol"_qs).value, com::Variant::fromBool(true));
  EXPECT_EQ(load(kMolecules + u"none.mol"_qs).value, com::Variant::fromBool(false));
  EXPECT_EQ(control->invoke(2, com::InvokeKind::Method, {}).status, com::DispStatus::BadParamCount);
  EXPECT_EQ(control->invoke(3, com::InvokeKind::Method, {}).status, com::DispStatus::UnknownMember);
}
