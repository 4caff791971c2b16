// The tools palette driven with the mouse: its buttons, where it stands, its flights.
#include <QLineEdit>

#include "host/pages/widgets/CPictureButton.h"
#include "host/pages/widgets/CToolsPalette.h"
#include "host/pages/widgets/PalettePictures.h"
#include "host/pages/widgets/tests/WidgetsTestSupport.h"
#include "host/view/Commands.h"

namespace vantorel::host::widgetstest {
namespace {

using namespace view::cmd;

class Palette : public WidgetsFixture {
 protected:
  void SetUp() override {
    WidgetsFixture::SetUp();
    palette_ = new CToolsPalette(view_.get(), [this](int id) {
      sent_.push_back(id);
      focusAtSend_.push_back(QApplication::focusWidget());
    });
  }
  void TearDown() override {
    CToolsPalette::forceFlights(std::nullopt);
    WidgetsFixture::TearDown();
  }

  void click(int id) {
    CPictureButton* b = palette_->button(id);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
  }

  CToolsPalette* palette_ = nullptr;
  std::vector<int> sent_;
  std::vector<QWidget*> focusAtSend_;
};

TEST_F(Palette, EachButtonSendsItsCommandsInOrder) {
  palette_->toggle();
  ASSERT_TRUE(palette_->isVisible());
  const std::vector<std::pair<int, std::vector<int>>> expected{
      {801, {kCopy, kCopyVideo, kCopyMolecule, kCopyAllData, kCopyGraph}},
      {802, {kPaste}},
      {803, {kPrint}},
      {804, {kBack}},
      {805, {kForward}},
      {806, {kSearch}}};
  for (const auto& [id, commands] : expected) {
    sent_.clear();
    click(id);
    EXPECT_EQ(sent_, commands) << id;
  }
  // A press that leaves the button before release sends nothing.
  sent_.clear();
  CPictureButton* back = palette_->button(804);
  QTest::mousePress(back, Qt::LeftButton, {}, {5, 5});
  QTest::mouseMove(back, {60, 5});
  QTest::mouseRelease(back, Qt::LeftButton, {}, {60, 5});
  EXPECT_TRUE(sent_.empty());
}

TEST_F(Palette, SixButtonsSideBySideWithTheirOwnPictures) {
  QList<QImage> pictures;
  for (int i = 0; i < 6; ++i) {
    CPictureButton* b = palette_->button(801 + i);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->size(), QSize(23, 22));
    EXPECT_EQ(b->x(), palette_->button(801)->x() + 23 * i);
    const QImage& picture = b->picture();
    ASSERT_EQ(picture.size(), QSize(16, 16));
    int inked = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) inked += qAlpha(picture.pixel(x, y)) > 128;
    EXPECT_GT(inked, 40) << 801 + i;  // a real picture, not a speck
    for (const QImage& other : pictures) EXPECT_NE(other, picture) << 801 + i;
    pictures << picture;
  }
  EXPECT_TRUE(palettePicture(171).isNull());
}

TEST_F(Palette, CopyAndPasteActOnTheWindowThatHasTheFocus) {
  auto* edit = new QLineEdit(view_.get());
  edit->setGeometry(10, 10, 200, 24);
  edit->show();
  view_->activateWindow();
  edit->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(edit->hasFocus());
  palette_->toggle();
  QApplication::processEvents();
  // Clicking the palette leaves the focus where it was, so the commands act there.
  click(801);
  click(802);
  ASSERT_EQ(focusAtSend_.size(), 6u);
  for (QWidget* focus : focusAtSend_) EXPECT_EQ(focus, edit);
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(palette_->button(801)->focusPolicy(), Qt::NoFocus);
}

TEST_F(Palette, OpensFirstAtTheViewsTopRightThenWhereItWasLeft) {
  palette_->toggle();
  const QPoint viewTopRight = view_->mapToGlobal(QPoint(view_->width(), 0));
  EXPECT_EQ(palette_->pos(), QPoint(viewTopRight.x() - 144, viewTopRight.y() + 50));
  EXPECT_EQ(palette_->size(), QSize(144, 28));
  EXPECT_TRUE(palette_->shown());
  palette_->move(300, 400);
  palette_->toggle();
  EXPECT_FALSE(palette_->isVisible());
  EXPECT_FALSE(palette_->shown());
  // Offscreen windows cannot be watched flying: none is sent.
  EXPECT_FALSE(palette_->flying());
  palette_->toggle();
  EXPECT_TRUE(palette_->isVisible());
  EXPECT_EQ(palette_->pos(), QPoint(300, 400));
  // The close box hides it too, and the palette lives on.
  palette_->close();
  EXPECT_FALSE(palette_->isVisible());
  palette_->toggle();
  EXPECT_EQ(palette_->pos(), QPoint(300, 400));
}

TEST_F(Palette, ClosingFliesANavyBarToTheStripButtonAndOpeningFliesItBack) {
  CToolsPalette::forceFlights(true);
  palette_->toggle();
  palette_->move(view_->mapToGlobal(QPoint(20, 560)));
  QApplication::processEvents();
  palette_->toggle();
  EXPECT_FALSE(palette_->isVisible());
  ASSERT_TRUE(palette_->flying());
  const std::vector<pages::FlightRect> flight = palette_->lastFlight();
  ASSERT_GT(flight.size(), 15u);
  // Towards the box at the view's top right.
  const QPoint target = view_->mapToGlobal(QPoint(view_->width() - 24, 0));
  EXPECT_LT(std::abs(flight.back().x - target.x()), std::abs(flight.front().x - target.x()) / 10);
  EXPECT_LT(flight.back().width, 40);
  QWidget* bar = palette_->flightBar();
  ASSERT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->grab().toImage().pixelColor(2, 2), QColor(0, 0, 128));
  // No step lies over the palette's old place.
  const QRect old = palette_->frameGeometry();
  EXPECT_FALSE(bar->geometry().intersects(old));
  QTRY_VERIFY_WITH_TIMEOUT(!palette_->flying(), 5000);
  EXPECT_FALSE(bar->isVisible());

  palette_->toggle();
  EXPECT_FALSE(palette_->isVisible());  // still in the air
  EXPECT_TRUE(palette_->shown());
  EXPECT_TRUE(palette_->flying());
  EXPECT_EQ(palette_->lastFlight().front().width, 20);
  QTRY_VERIFY_WITH_TIMEOUT(palette_->isVisible(), 5000);
  EXPECT_EQ(palette_->pos(), view_->mapToGlobal(QPoint(20, 560)));
}

TEST(PictureButton, RaisedAndSunkBevels) {
  QImage dot(3, 3, QImage::Format_ARGB32);
  dot.fill(QColor(255, 0, 0));
  const QImage up = CPictureButton::render(dot, {23, 22}, false);
  const QImage down = CPictureButton::render(dot, {23, 22}, true);
  const QColor white(255, 255, 255), black(0, 0, 0), grey(128, 128, 128), face(192, 192, 192), red(255, 0, 0);
  // Up: light from the top left, the right and bottom edges dark with a grey inner line.
  EXPECT_EQ(up.pixelColor(0, 0), white);
  EXPECT_EQ(up.pixelColor(21, 0), white);
  EXPECT_EQ(up.pixelColor(0, 20), white);
  EXPECT_EQ(up.pixelColor(22, 0), black);
  EXPECT_EQ(up.pixelColor(0, 21), black);
  EXPECT_EQ(up.pixelColor(22, 21), black);
  EXPECT_EQ(up.pixelColor(21, 1), grey);
  EXPECT_EQ(up.pixelColor(2, 20), grey);
  EXPECT_EQ(up.pixelColor(1, 20), face);
  EXPECT_EQ(up.pixelColor(10, 9), red);
  EXPECT_EQ(up.pixelColor(13, 12), face);
  // Down: dark at the top left, light at the bottom right, the picture one pixel on.
  EXPECT_EQ(down.pixelColor(0, 0), black);
  EXPECT_EQ(down.pixelColor(0, 20), black);
  EXPECT_EQ(down.pixelColor(0, 21), white);
  EXPECT_EQ(down.pixelColor(22, 21), white);
  EXPECT_EQ(down.pixelColor(22, 0), white);
  EXPECT_EQ(down.pixelColor(1, 1), grey);
  EXPECT_EQ(down.pixelColor(10, 9), face);
  EXPECT_EQ(down.pixelColor(11, 10), red);
  EXPECT_EQ(down.pixelColor(13, 12), red);
}

}  // namespace
}  // namespace vantorel::host::widgetstest
