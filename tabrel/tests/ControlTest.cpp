// What a person sees and what the host hears: cell colours at their places in each mode, the
// detail box, the edit box corrections, clicks on the scales and tabs, and the event.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "platform/codepage/Cp1253.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "tabrel/PropertyList.h"
#include "tabrel/TabrelCtrl.h"
#include "tabrel/tests/RecordBuilder.h"

namespace vantorel::tabrel {
namespace {

namespace fs = std::filesystem;
using com::Variant;

// The application lives from before the first test to after the last one, and is gone before
// static destructors run (the input devices the tests create must die with it).
class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "tabrel_gui_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};
[[maybe_unused]] auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

void app() {
  ASSERT_TRUE(QApplication::instance());
}

const QColor kSolid(85, 103, 144), kLiquid(110, 145, 209), kGas(158, 195, 250), kUnknown(223, 213, 162);
const QColor kKnown(74, 171, 168), kNotYet(56, 129, 126), kNoDate(78, 215, 165);

// Six elements on the grid, with enough facts to tell every colour apart.
std::vector<uint8_t> sampleRecords() {
  using field::kCategory, field::kDiscoveryYear, field::kDensity;
  testing::RecordBuilder b;
  const std::string hydrogen = codepage::fromUtf8Lossy("Υδρογόνο");
  b.add(hydrogen, "H", 0, 0).setInt16(kCategory, 5).temperatures(-259, -253).setInt16(kDiscoveryYear, 1766);
  b.setDouble(kDensity, 0.00009);
  b.add("Helium", "He", 17, 0).setInt16(kCategory, 6).temperatures(-272, -269).setInt16(kDiscoveryYear, 1868);
  b.setDouble(kDensity, 0.0002);
  b.add("Lithium", "Li", 0, 1).setInt16(kCategory, 0).temperatures(180, 1330).setInt16(kDiscoveryYear, 1817);
  b.setDouble(kDensity, 0.53);
  b.add("Iron", "Fe", 8, 3).setInt16(kCategory, 2).temperatures(1538, 2862).setInt16(kDiscoveryYear, 3000);
  b.setDouble(kDensity, 7.87);
  b.add("Mercury", "Hg", 11, 5).setInt16(kCategory, 2).temperatures(-39, 357).setDouble(kDensity, 13.53);
  b.add("Oddity", "X", 3, 8).setInt16(kCategory, 9);
  return b.bytes();
}

class TabrelControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    dir_ = fs::temp_directory_path() / ("tabrel-gui-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    const auto bytes = sampleRecords();
    std::ofstream(dir_ / "element.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    host_ = new QWidget;
    host_->resize(800, 560);
    ctrl_ = new CTabrelCtrl;
    ctrl_->advise([this](int dispid, std::vector<Variant>& args) { events_.push_back({dispid, args}); });
    ctrl_->createWindow(host_, 1, QRect(0, 0, 800, 560), true);
    host_->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    delete host_;
    fs::remove_all(dir_);
  }

  QString dataPath() const { return QString::fromStdString(dir_.string() + "/"); }
  void load() { ASSERT_TRUE(ctrl_->LoadData(dataPath())); }
  // A complete paint as the host's repaint after SetState gives.
  QImage shot() { return ctrl_->grab().toImage(); }
  // A point inside cell (column, row), clear of its texts, in window coordinates.
  QPoint cellPoint(int column, int row, bool hydrogen = false) const {
    return ctrl_->origin() + QPoint(130 + 27 * column + 25 + (hydrogen ? 13 : 0), 90 + 27 * row + 3);
  }
  QColor colourAt(const QImage& image, const QPoint& at) const { return image.pixelColor(at); }
  // Sent straight to the control, as the container does: a pointer move to where the cursor
  // already is would otherwise produce no event.
  void move(const QPoint& at) {
    QMouseEvent event(QEvent::MouseMove, at, ctrl_->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(ctrl_, &event);
  }
  void click(const QPoint& at) { QTest::mouseClick(ctrl_, Qt::LeftButton, {}, at); }
  void clickDesign(int x, int y) { click(ctrl_->origin() + QPoint(x, y)); }

  fs::path dir_;
  QWidget* host_ = nullptr;
  CTabrelCtrl* ctrl_ = nullptr;
  std::vector<std::pair<int, std::vector<Variant>>> events_;
};

TEST_F(TabrelControlTest, BlankUntilLoadedThenCentredSurface) {
  EXPECT_EQ(ctrl_->origin(), QPoint(80, 55));
  EXPECT_EQ(colourAt(shot(), cellPoint(0, 1)), QColor(128, 128, 128));
  click(cellPoint(0, 1));
  EXPECT_TRUE(events_.empty());
  EXPECT_FALSE(ctrl_->LoadData(dataPath() + "missing/"));
  load();
  EXPECT_EQ(colourAt(shot(), cellPoint(0, 1)), QColor(0, 190, 190));
}

TEST_F(TabrelControlTest, CellColoursInEveryMode) {
  load();
  QImage image = shot();
  EXPECT_EQ(colourAt(image, cellPoint(0, 0, true)), QColor(229, 213, 138));  // hydrogen, drawn 13 px right
  EXPECT_EQ(colourAt(image, cellPoint(17, 0)), QColor(147, 183, 219));
  EXPECT_EQ(colourAt(image, cellPoint(8, 3)), QColor(85, 103, 144));
  EXPECT_EQ(colourAt(image, cellPoint(3, 8)), QColor(84, 102, 191));  // category 9 draws as 3
  EXPECT_EQ(colourAt(image, ctrl_->origin() + QPoint(130 + 27 * 8, 90 + 27 * 3)), QColor(Qt::black));  // border
  EXPECT_NE(colourAt(image, cellPoint(5, 5)), QColor(85, 103, 144));  // no element there

  ctrl_->SetState(1, 25);
  image = shot();
  EXPECT_EQ(colourAt(image, cellPoint(0, 0, true)), kGas);
  EXPECT_EQ(colourAt(image, cellPoint(0, 1)), kSolid);
  EXPECT_EQ(colourAt(image, cellPoint(11, 5)), kLiquid);
  EXPECT_EQ(colourAt(image, cellPoint(3, 8)), kUnknown);
  EXPECT_EQ(ctrl_->editBox()->text(), u"25"_qs);
  EXPECT_TRUE(ctrl_->editBox()->isVisible());
  EXPECT_FALSE(ctrl_->propertyList()->isVisible());

  ctrl_->SetState(2, 1800);
  image = shot();
  EXPECT_EQ(colourAt(image, cellPoint(0, 0, true)), kKnown);
  EXPECT_EQ(colourAt(image, cellPoint(0, 1)), kNotYet);
  EXPECT_EQ(colourAt(image, cellPoint(8, 3)), kKnown);  // 3000 BC
  EXPECT_EQ(colourAt(image, cellPoint(11, 5)), kNoDate);
  EXPECT_EQ(ctrl_->editBox()->text(), u"1800"_qs);

  ctrl_->SetState(3, 7);  // density: H < He < Li < Fe < Hg, X unknown
  image = shot();
  EXPECT_EQ(colourAt(image, cellPoint(0, 0, true)), QColor(49, 164, 204));
  EXPECT_EQ(colourAt(image, cellPoint(11, 5)), QColor(246, 100, 0));
  EXPECT_EQ(colourAt(image, cellPoint(3, 8)), kUnknown);
  EXPECT_FALSE(ctrl_->editBox()->isVisible());
  EXPECT_TRUE(ctrl_->propertyList()->isVisible());
  EXPECT_EQ(ctrl_->propertyList()->currentIndex(), 7);
}

TEST_F(TabrelControlTest, StateBackAndOutOfRangeValues) {
  load();
  ctrl_->SetState(0, 55);
  EXPECT_EQ(ctrl_->GetMode(), 0);
  EXPECT_EQ(ctrl_->GetExtra(), 0);
  ctrl_->SetState(1, 9000);
  EXPECT_EQ(ctrl_->GetExtra(), 9000);
  QImage image = shot();
  EXPECT_EQ(colourAt(image, cellPoint(8, 3)), kGas);  // used as given, not corrected
  EXPECT_EQ(ctrl_->GetExtra(), 9000);
  ctrl_->SetState(2, 5000);
  (void)shot();
  EXPECT_EQ(ctrl_->GetExtra(), 5000);
  // Property 30: no selection, every value reads 0, shading follows record order.
  ctrl_->SetState(3, 30);
  image = shot();
  EXPECT_EQ(ctrl_->GetExtra(), 30);
  EXPECT_EQ(ctrl_->propertyList()->currentIndex(), -1);
  EXPECT_EQ(colourAt(image, cellPoint(0, 0, true)), QColor(41, 166, 212));
  EXPECT_EQ(colourAt(image, cellPoint(3, 8)), QColor(246, 100, 0));
  ctrl_->SetState(-7, 1);
  EXPECT_EQ(ctrl_->GetMode(), -7);
  EXPECT_EQ(colourAt(shot(), cellPoint(0, 1)), QColor(0, 190, 190));
}

TEST_F(TabrelControlTest, DetailBoxFollowsThePointerOverTheBackingImage) {
  load();
  (void)shot();
  const QImage before = ctrl_->backingImage().copy();
  move(cellPoint(0, 1));
  EXPECT_EQ(ctrl_->hoveredElement(), 2);
  const QRect box(80 + 90, 55 + 121 + 27, 108, 53);
  ASSERT_TRUE(ctrl_->detailBoxRect());
  EXPECT_EQ(*ctrl_->detailBoxRect(), box);
  QApplication::processEvents();
  EXPECT_EQ(ctrl_->backingImage(), before);  // the box never touches the table's pixels
  QImage image = shot();
  EXPECT_EQ(colourAt(image, box.topLeft()), QColor(Qt::black));
  EXPECT_EQ(colourAt(image, box.bottomRight() - QPoint(3, 3)), QColor(255, 255, 224));

  // Hydrogen: the left 13 pixels of its column are empty.
  move(ctrl_->origin() + QPoint(135, 95));
  EXPECT_EQ(ctrl_->hoveredElement(), -1);
  EXPECT_FALSE(ctrl_->detailBoxRect());
  move(ctrl_->origin() + QPoint(150, 95));
  EXPECT_EQ(ctrl_->hoveredElement(), 0);
  move(ctrl_->origin() + QPoint(600, 420));
  EXPECT_EQ(ctrl_->hoveredElement(), -1);
  EXPECT_EQ(colourAt(shot(), box.topLeft() + QPoint(4, 4)), colourAt(before, box.topLeft() + QPoint(4, 4)));
}

TEST_F(TabrelControlTest, DetailBoxStaysInsideASmallWindow) {
  load();
  ctrl_->resize(640, 380);
  (void)shot();
  EXPECT_EQ(ctrl_->origin(), QPoint(0, 0));
  move(cellPoint(17, 0));
  ASSERT_TRUE(ctrl_->detailBoxRect());
  EXPECT_EQ(ctrl_->detailBoxRect()->left(), 640 - 109);
  move(cellPoint(3, 8));
  ASSERT_TRUE(ctrl_->detailBoxRect());
  EXPECT_EQ(ctrl_->detailBoxRect()->top(), 121 + 27 * 8 - 88);
}

TEST_F(TabrelControlTest, WatchdogHidesTheBoxWhenThePointerLeaves) {
  load();
  (void)shot();
  QCursor::setPos(ctrl_->mapToGlobal(cellPoint(0, 1)));
  move(cellPoint(0, 1));
  ASSERT_TRUE(ctrl_->detailBoxRect());
  QTest::qWait(250);
  EXPECT_EQ(ctrl_->hoveredElement(), 2);
  QCursor::setPos(ctrl_->mapToGlobal(QPoint(5000, 5000)));
  QTest::qWait(250);
  EXPECT_FALSE(ctrl_->detailBoxRect());
  EXPECT_EQ(ctrl_->hoveredElement(), -1);
}

TEST_F(TabrelControlTest, ClickOnAnElementRaisesElementDetail) {
  load();
  (void)shot();
  move(cellPoint(0, 0, true));
  click(cellPoint(0, 0, true));
  move(cellPoint(11, 5));
  click(cellPoint(11, 5));
  move(ctrl_->origin() + QPoint(300, 40));
  click(ctrl_->origin() + QPoint(300, 40));
  ASSERT_EQ(events_.size(), 2u);
  EXPECT_EQ(events_[0].first, kElementDetailEvent);
  EXPECT_EQ(events_[0].second.at(0), Variant::fromShort(1));
  EXPECT_EQ(events_[1].second.at(0), Variant::fromShort(5));
}

TEST_F(TabrelControlTest, TemperatureEditCorrections) {
  load();
  ctrl_->SetState(1, 1000);
  (void)shot();
  QLineEdit* edit = ctrl_->editBox();
  edit->setText(u"12a3"_qs);
  EXPECT_EQ(edit->text(), u"123"_qs);
  EXPECT_EQ(ctrl_->temperature(), 123);
  edit->setText(u"6000"_qs);
  EXPECT_EQ(edit->text(), u"5727"_qs);
  EXPECT_EQ(ctrl_->temperature(), 5727);
  edit->setText(u"-"_qs);
  EXPECT_EQ(edit->text(), u"-"_qs);
  EXPECT_EQ(ctrl_->temperature(), 0);
  edit->setText(QString());
  EXPECT_EQ(edit->text(), u"0"_qs);
  edit->setText(u"-999"_qs);
  EXPECT_EQ(edit->text(), u"-273"_qs);
  EXPECT_EQ(ctrl_->GetExtra(), -273);
}

TEST_F(TabrelControlTest, TemperatureChangesRepaintOnlyChangedCells) {
  load();
  ctrl_->SetState(1, 25);
  (void)shot();
  EXPECT_EQ(ctrl_->cellsPaintedLast(), 6);
  // 25 -> 200: lithium melts (180), mercury stays liquid, the rest keep their state.
  ctrl_->editBox()->setText(u"200"_qs);
  EXPECT_EQ(ctrl_->cellsPaintedLast(), 1);
  QApplication::processEvents();
  EXPECT_EQ(colourAt(ctrl_->backingImage(), cellPoint(0, 1)), kLiquid);
  EXPECT_EQ(colourAt(ctrl_->grab().toImage(), cellPoint(0, 1)), kLiquid);
  ctrl_->editBox()->setText(u"210"_qs);
  EXPECT_EQ(ctrl_->cellsPaintedLast(), 0);
  // A thermometer click: y 200 is 726 °C; mercury has boiled.
  clickDesign(50, 200);
  EXPECT_EQ(ctrl_->temperature(), 726);
  EXPECT_EQ(ctrl_->editBox()->text(), u"726"_qs);
  EXPECT_EQ(ctrl_->cellsPaintedLast(), 1);
  EXPECT_EQ(colourAt(ctrl_->backingImage(), cellPoint(11, 5)), kGas);
  clickDesign(50, 30);
  EXPECT_EQ(ctrl_->temperature(), 5727);
  clickDesign(50, 270);
  EXPECT_EQ(ctrl_->temperature(), -273);
}

TEST_F(TabrelControlTest, YearScaleClicksAndEdit) {
  load();
  ctrl_->SetState(2, 1700);
  (void)shot();
  clickDesign(50, 60);
  EXPECT_EQ(ctrl_->year(), 2000);
  EXPECT_EQ(ctrl_->editBox()->text(), u"2000"_qs);
  EXPECT_EQ(colourAt(ctrl_->backingImage(), cellPoint(0, 1)), kKnown);
  clickDesign(50, 248);  // on the bottom tick
  EXPECT_EQ(ctrl_->year(), -8000);
  EXPECT_EQ(colourAt(ctrl_->backingImage(), cellPoint(8, 3)), kNotYet);
  EXPECT_EQ(colourAt(ctrl_->backingImage(), cellPoint(11, 5)), kNoDate);
  ctrl_->editBox()->setText(u"-9000"_qs);
  EXPECT_EQ(ctrl_->editBox()->text(), u"-8000"_qs);
  ctrl_->editBox()->setText(u"1234"_qs);
  EXPECT_EQ(ctrl_->year(), 1234);  // typed years are not rounded
}

TEST_F(TabrelControlTest, TabsSwitchModesAndThePropertyListSelects) {
  load();
  (void)shot();
  clickDesign(320, 15);  // the current mode's tab
  EXPECT_EQ(ctrl_->GetMode(), 0);
  clickDesign(400, 20);
  EXPECT_EQ(ctrl_->GetMode(), 1);
  EXPECT_EQ(colourAt(shot(), cellPoint(8, 3)), kSolid);  // 1000 °C by default
  EXPECT_EQ(colourAt(shot(), cellPoint(0, 1)), kLiquid);
  clickDesign(560, 12);
  EXPECT_EQ(ctrl_->GetMode(), 3);
  (void)shot();
  move(cellPoint(0, 1));
  ASSERT_TRUE(ctrl_->detailBoxRect());
  ctrl_->propertyList()->setCurrentIndex(4);  // as the user's choice notifies
  EXPECT_FALSE(ctrl_->detailBoxRect());
  EXPECT_EQ(ctrl_->hoveredElement(), -1);
  EXPECT_EQ(ctrl_->GetExtra(), 4);
  EXPECT_EQ(colourAt(shot(), cellPoint(0, 1)), kUnknown);  // nobody has a neutron count here
  clickDesign(480, 15);
  EXPECT_EQ(ctrl_->GetMode(), 2);
}

TEST_F(TabrelControlTest, ListDropDownStopsHovering) {
  load();
  ctrl_->SetState(3, 0);
  (void)shot();
  move(cellPoint(0, 1));
  ASSERT_TRUE(ctrl_->detailBoxRect());
  ctrl_->propertyList()->showPopup();
  EXPECT_FALSE(ctrl_->detailBoxRect());
  move(cellPoint(8, 3));
  EXPECT_FALSE(ctrl_->detailBoxRect());
  ctrl_->propertyList()->hidePopup();
  QTest::qWait(50);
  (void)shot();
  move(cellPoint(8, 3));
  EXPECT_TRUE(ctrl_->detailBoxRect());
}

// The library as the host meets it: registered, created by its ProgID, called by number.
TEST(TabrelComponentTest, RegistersAndAnswersThroughDispatch) {
  app();
  const fs::path dir = fs::temp_directory_path() / ("tabrel-reg-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  registry::useStoreFile(dir / "registry.reg");
  ASSERT_EQ(com::registerLibrary(TABREL_LIBRARY_PATH), com::kOk);
  EXPECT_EQ(com::classIdFromProgId("TABREL.TabrelCtrlGk.1"), com::ids::kTabrelClass);
  const std::string key = "HKEY_CLASSES_ROOT\\CLSID\\" + com::ids::kTabrelClass.toString();
  EXPECT_EQ(registry::store().queryString(key, ""), "Corvanel Περιοδικός Πίνακας");
  EXPECT_EQ(registry::store().queryString(key + "\\MiscStatus\\1", ""), "131473");
  com::CreateResult created = com::createControl("TABREL.TabrelCtrlGk.1");
  ASSERT_TRUE(created.control) << created.error.toStdString();
  std::unique_ptr<com::Control> control(created.control);
  EXPECT_EQ(control->invoke(1, com::InvokeKind::PropertyGet, {}).value, Variant::fromString(u"1.0.023"_qs));
  EXPECT_EQ(control->invoke(1, com::InvokeKind::PropertyPut, {Variant::fromString(u"2"_qs)}).status,
            com::DispStatus::NotSupported);
  EXPECT_EQ(control->invoke(2, com::InvokeKind::Method, {Variant::fromString(u"/nowhere/"_qs)}).value,
            Variant::fromBool(false));
  EXPECT_TRUE(control->invoke(6, com::InvokeKind::Method, {Variant::fromLong(2), Variant::fromLong(-540)}).ok());
  EXPECT_EQ(control->invoke(4, com::InvokeKind::Method, {}).value, Variant::fromLong(2));
  EXPECT_EQ(control->invoke(5, com::InvokeKind::Method, {}).value, Variant::fromLong(-540));
  const com::EventInfo* event = control->findEvent(1);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->name, "ElementDetail");
  EXPECT_EQ(event->params, std::vector<Variant::Type>{Variant::Type::Short});
  control.reset();
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vantorel::tabrel
