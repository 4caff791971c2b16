// What a person sees and what the host hears: cell colours at their places in each mode, the
// detail box, the edit box corrections, clicks on the scales and tabs, and the event.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolTip>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/codepage/Cp1253.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Graphics.h"
#include "tabrel/Caption.h"
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

// Columns [from, to] of `image` that hold a pixel for which `ink` holds, within rows [top, bottom].
std::vector<int> inkColumns(const QImage& image, int from, int to, int top, int bottom,
                            const std::function<bool(const QColor&)>& ink) {
  std::vector<int> columns;
  for (int x = std::max(0, from); x <= std::min(to, image.width() - 1); ++x) {
    for (int y = std::max(0, top); y <= std::min(bottom, image.height() - 1); ++y) {
      if (ink(image.pixelColor(x, y))) {
        columns.push_back(x);
        break;
      }
    }
  }
  return columns;
}

bool light(const QColor& c) {
  return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}
bool dark(const QColor& c) {
  return c.red() < 120 && c.green() < 120 && c.blue() < 120;
}

TEST_F(TabrelControlTest, TypingAfterEmptyingTheBoxGivesTheValueTyped) {
  load();
  ctrl_->SetState(1, 1000);
  (void)shot();
  QLineEdit* edit = ctrl_->editBox();
  for (int i = 0; i < 4; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), u"0"_qs);
  EXPECT_EQ(ctrl_->temperature(), 0);
  QTest::keyClicks(edit, u"2500"_qs);
  EXPECT_EQ(edit->text(), u"2500"_qs);
  EXPECT_EQ(ctrl_->temperature(), 2500);
  for (int i = 0; i < 4; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, u"-40"_qs);
  EXPECT_EQ(edit->text(), u"-40"_qs);
  EXPECT_EQ(ctrl_->temperature(), -40);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, u"500"_qs);
  EXPECT_EQ(edit->text(), u"-273"_qs);  // -500 °C is below the limit

  clickDesign(480, 15);
  (void)shot();
  ASSERT_EQ(edit->text(), u"1700"_qs);
  for (int i = 0; i < 4; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, u"-8000"_qs);
  EXPECT_EQ(edit->text(), u"-8000"_qs);
  EXPECT_EQ(ctrl_->year(), -8000);
  EXPECT_EQ(ctrl_->GetExtra(), -8000);
  EXPECT_EQ(colourAt(ctrl_->grab().toImage(), cellPoint(8, 3)), kNotYet);
}

TEST_F(TabrelControlTest, EveryValueTheBoxHoldsShowsWhole) {
  load();
  auto lit = [](const QColor& c) { return c.red() > 60; };  // white text on black, edges antialiased
  const QFont font = ui::fontByFace(u"Arial Greek"_qs, 12, true);
  for (const auto& [mode, value] : {std::pair{2, -8000}, {2, -7260}, {2, 2000}, {1, -273}, {1, 5727}}) {
    ctrl_->SetState(mode, value);
    (void)shot();
    QLineEdit* edit = ctrl_->editBox();
    const QString text = QString::number(value);
    ASSERT_EQ(edit->text(), text);
    // The same text drawn whole, for the width its marks take.
    QImage whole(100, 16, QImage::Format_RGB32);
    whole.fill(Qt::black);
    QPainter painter(&whole);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, 90, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();
    const auto wholeInk = inkColumns(whole, 0, 99, 0, 15, lit);
    const QImage box = edit->grab().toImage();
    const auto ink = inkColumns(box, 0, box.width() - 1, 0, box.height() - 1, lit);
    ASSERT_FALSE(ink.empty()) << value;
    EXPECT_EQ(ink.back() - ink.front(), wholeInk.back() - wholeInk.front()) << value;
    EXPECT_GE(ink.front(), 1) << value;
    EXPECT_LE(ink.back(), box.width() - 2) << value;
  }
}

TEST_F(TabrelControlTest, AValueBeyondTheLimitsShowsTheLimitNotACutNumber) {
  load();
  const std::pair<int, int> cases[] = {{1, -5000}, {1, 9000}, {2, -9000}, {2, 5000}, {2, 12345}};
  const QString shown[] = {u"-273"_qs, u"5727"_qs, u"-8000"_qs, u"2000"_qs, u"2000"_qs};
  for (size_t i = 0; i < std::size(cases); ++i) {
    ctrl_->SetState(cases[i].first, cases[i].second);
    (void)shot();
    EXPECT_EQ(ctrl_->editBox()->text(), shown[i]) << cases[i].second;
    EXPECT_EQ(ctrl_->GetExtra(), cases[i].second);  // the host's value stays as given
  }
}

TEST_F(TabrelControlTest, DetailBoxKeepsAGapBetweenLabelAndValue) {
  using field::kMeltingPoint;
  testing::RecordBuilder b;
  b.add("Astatine", "At", 16, 5).setInt16(kMeltingPoint, 302);  // no boiling point known
  b.add("Tungsten", "W", 5, 5).temperatures(3422, 5555);
  const auto bytes = b.bytes();
  std::ofstream(dir_ / "element.dat", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  load();
  ctrl_->SetState(1, 25);
  (void)shot();
  const QFont labelFont = ui::fontByFace(u"Arial Greek"_qs, 11, false);
  for (const QPoint& cell : {cellPoint(16, 5), cellPoint(5, 5)}) {
    move(cell);
    ASSERT_TRUE(ctrl_->detailBoxRect());
    const QRect box = *ctrl_->detailBoxRect();
    const QImage image = shot();
    for (const auto& [top, label] : {std::pair{16, u"Τήξη :"_qs}, {32, u"Βρασμός :"_qs}}) {
      const int y = box.top() + top;
      const int labelEnd = box.left() + 5 + QFontMetrics(labelFont).horizontalAdvance(label);
      const auto ink = inkColumns(image, box.left() + 5, box.right() - 5, y, y + 13, dark);
      std::vector<int> labelInk, valueInk;
      for (int x : ink) (x < labelEnd ? labelInk : valueInk).push_back(x);
      ASSERT_FALSE(labelInk.empty());
      ASSERT_FALSE(valueInk.empty());
      EXPECT_GE(valueInk.front() - labelInk.back() - 1, 3) << label.toStdString() << " at " << cell.x();
    }
  }
}

TEST_F(TabrelControlTest, PanelTitlesKeepToTheirPlaces) {
  load();
  const QPoint o = ctrl_->origin();
  ctrl_->SetState(1, 25);
  QImage image = shot();
  // "Κατάσταση στους" ends clear of the black field at x 135.
  auto ink = inkColumns(image, o.x() + 8, o.x() + 134, o.y() + 12, o.y() + 31, light);
  ASSERT_FALSE(ink.empty());
  EXPECT_LE(ink.back(), o.x() + 131);
  ctrl_->SetState(2, 1700);
  image = shot();
  ink = inkColumns(image, o.x() + 15, o.x() + 216, o.y() + 8, o.y() + 25, light);
  ASSERT_FALSE(ink.empty());
  EXPECT_LE(ink.back(), o.x() + 213);
  // "Ιδιότητες στοιχείου" stays within (12, 3)-(112, 23), above the list.
  ctrl_->SetState(3, 0);
  image = shot();
  ink = inkColumns(image, o.x(), o.x() + 300, o.y() + 3, o.y() + 17, light);
  ASSERT_FALSE(ink.empty());
  EXPECT_GE(ink.front(), o.x() + 12);
  EXPECT_LE(ink.back(), o.x() + 111);
}

TEST_F(TabrelControlTest, BodyContentCaptionNamesItsUnit) {
  // Body contents are grams in a 70 kg adult (oxygen about 43 000 g).
  EXPECT_EQ(ctrl_->propertyList()->itemText(11), u"Μέση εμφάνιση στο ανθρώπινο σώμα (g/70kg)"_qs);
}

TEST(CaptionTest, MarkupAndFitting) {
  app();
  using Runs = std::vector<CaptionRun>;
  EXPECT_EQ(captionRuns(u"Μοριακός όγκος (A{r}/πυκνότητα)"_qs),
            (Runs{{u"Μοριακός όγκος (A"_qs, false}, {u"r"_qs, true}, {u"/πυκνότητα)"_qs, false}}));
  EXPECT_EQ(captionRuns(u"x{2}"_qs), (Runs{{u"x"_qs, false}, {u"2"_qs, true}}));
  EXPECT_EQ(captionRuns(u"a{b"_qs), (Runs{{u"a{b"_qs, false}}));
  EXPECT_EQ(captionRichText(u"(A{r})"_qs), u"<span>(A<sub>r</sub>)</span>"_qs);
  const QFont font = ui::fontByFace(u"Arial Greek"_qs, 10, true);
  const QString intake = u"Μέση καθημερινή πρόσληψη με τη διατροφή (mg)"_qs;
  const Runs fitted = fittedCaption(intake, font, 183);
  QString shown;
  for (const CaptionRun& run : fitted) shown += run.text;
  EXPECT_TRUE(shown.startsWith(u"Μέση καθημερινή"_qs)) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith(u"(mg)"_qs)) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QChar(0x2026)));
  EXPECT_LE(QFontMetrics(font).horizontalAdvance(shown), 183);
  EXPECT_EQ(fittedCaption(u"Πυκνότητα (g/cm3)"_qs, font, 183), (Runs{{u"Πυκνότητα (g/cm3)"_qs, false}}));
}

TEST_F(TabrelControlTest, ClosedFieldFitsEveryCaptionAndTellsItWhole) {
  load();
  ctrl_->SetState(3, 0);
  (void)shot();
  PropertyList* list = ctrl_->propertyList();
  for (int i = 0; i < kPropertyCount; ++i) {
    if (i > 0) QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), i);
    // Text ends before the black strip at x 190, never cut by it.
    const QImage field = list->grab().toImage();
    EXPECT_TRUE(inkColumns(field, 187, 189, 2, 15, light).empty()) << "caption " << i;
  }
  EXPECT_EQ(ctrl_->GetExtra(), 23);
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Up);
  ASSERT_EQ(list->currentIndex(), 17);
  QHelpEvent help(QEvent::ToolTip, QPoint(50, 9), list->mapToGlobal(QPoint(50, 9)));
  QApplication::sendEvent(list, &help);
  EXPECT_EQ(QToolTip::text(), u"<span>Μοριακός όγκος (A<sub>r</sub>/πυκνότητα)</span>"_qs);
  EXPECT_EQ(list->itemData(12, Qt::ToolTipRole).toString(),
            u"<span>Μέση καθημερινή πρόσληψη με τη διατροφή (mg)</span>"_qs);
  QToolTip::hideText();
}

TEST_F(TabrelControlTest, OpenedListIs210By100WithAScrollBarInEveryStyle) {
  const QString before = QApplication::style()->name();
  for (const QString& name : {u"Fusion"_qs, u"Windows"_qs}) {
    QApplication::setStyle(QStyleFactory::create(name));
    auto* ctrl = new CTabrelCtrl;
    ctrl->createWindow(host_, 2, QRect(0, 0, 800, 560), true);
    ctrl->raise();
    ASSERT_TRUE(ctrl->LoadData(dataPath()));
    ctrl->SetState(3, 5);
    (void)ctrl->grab();
    PropertyList* list = ctrl->propertyList();
    ASSERT_TRUE(list->isVisible());
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(100, 9));
    QWidget* popup = list->view()->window();
    ASSERT_NE(popup, list->window());
    ASSERT_TRUE(popup->isVisible()) << name.toStdString();
    EXPECT_EQ(popup->size(), QSize(210, 100 - 18)) << name.toStdString();
    EXPECT_EQ(popup->pos(), list->mapToGlobal(QPoint(0, 18))) << name.toStdString();
    EXPECT_TRUE(list->view()->verticalScrollBar()->isVisible()) << name.toStdString();
    // Items are white rows in the list; the chosen one stays in view, inverted.
    const QRect chosen = list->view()->visualRect(list->model()->index(5, 0));
    EXPECT_TRUE(list->view()->viewport()->rect().contains(chosen)) << name.toStdString();
    list->hidePopup();
    delete ctrl;
  }
  QApplication::setStyle(QStyleFactory::create(before));
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
  const std::string interfaces = "HKEY_CLASSES_ROOT\\Interface\\";
  EXPECT_EQ(registry::store().queryString(interfaces + com::ids::kTabrelDispatch.toString(), ""), "_DTabrel");
  EXPECT_EQ(registry::store().queryString(interfaces + com::ids::kTabrelDispatch.toString(), "HelpString"),
            "Dispatch interface for Tabrel Control");
  EXPECT_EQ(registry::store().queryString(interfaces + com::ids::kTabrelEvents.toString(), "HelpString"),
            "Event interface for Tabrel Control");
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
