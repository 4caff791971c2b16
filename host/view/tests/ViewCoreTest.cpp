#include <gtest/gtest.h>

#include <string>

#include "host/view/core/BmpPicture.h"
#include "host/view/core/MainMenuLayout.h"
#include "host/view/core/Sections.h"
#include "host/view/core/SplitterRules.h"
#include "host/view/core/StripGeometry.h"

using namespace vantorel::host::view;

namespace {

void put32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
}
void put16(std::string& b, size_t at, uint16_t v) {
  b[at] = static_cast<char>(v);
  b[at + 1] = static_cast<char>(v >> 8);
}

// A bitmap file with the given header values and `bitsBytes` bytes of pixel bits after it.
std::string bitmap(int32_t width, int32_t height, uint16_t bits = 24, uint32_t compression = 0, size_t bitsBytes = 0,
                   uint32_t offset = 54) {
  std::string b(54 + bitsBytes, '\0');
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<uint32_t>(b.size()));
  put32(b, 10, offset);
  put32(b, 14, 40);
  put32(b, 18, static_cast<uint32_t>(width));
  put32(b, 22, static_cast<uint32_t>(height));
  put16(b, 26, 1);
  put16(b, 28, bits);
  put32(b, 30, compression);
  for (size_t i = 54; i < b.size(); ++i) b[i] = static_cast<char>(i * 7);
  return b;
}

}  // namespace

TEST(StripGeometry, HitTestAtTheEdgesOfEveryButton) {
  const int w = 800, r = rightButtonsX(w);
  EXPECT_EQ(stripHitTest(0, 10, w), -1);  // x must be above 0
  EXPECT_EQ(stripHitTest(1, 10, w), 0);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(stripHitTest(52 * i + (i == 0 ? 1 : 0), 0, w), i);
    EXPECT_EQ(stripHitTest(52 * i + 51, 45, w), i);
  }
  EXPECT_EQ(stripHitTest(52 * 8 + 51, 46, w), -1);  // below the buttons' active height
  EXPECT_EQ(stripHitTest(468, 10, w), -1);          // the filler is nothing
  EXPECT_EQ(stripHitTest(r - 1, 10, w), -1);
  EXPECT_EQ(stripHitTest(r, 10, w), kMainMenuButton);
  EXPECT_EQ(stripHitTest(r + 51, 10, w), kMainMenuButton);
  EXPECT_EQ(stripHitTest(r + 52, 10, w), kToolsButton);
  EXPECT_EQ(stripHitTest(r + 109, 10, w), kToolsButton);
  EXPECT_EQ(stripHitTest(r + 110, 10, w), -1);
  EXPECT_EQ(stripHitTest(10, -1, w), -1);
}

TEST(StripGeometry, A640PixelClientPutsTheRightButtonsAt530ClearOfTheOthers) {
  EXPECT_EQ(rightButtonsX(640), 530);
  EXPECT_EQ(stripElement(kMainMenuButton, false, 640).destX, 530);
  EXPECT_EQ(stripElement(kToolsButton, false, 640).destX, 582);
  const StripBlit filler = stripElement(kFiller, false, 640);
  EXPECT_EQ(filler.destX, 468);
  EXPECT_EQ(filler.destX + filler.destWidth, 530);
  // The raised button 8 overlaps the filler by one column only, never button 9.
  const StripBlit eight = stripElement(8, false, 640);
  EXPECT_LE(eight.destX + eight.destWidth, 530);
}

TEST(StripGeometry, PressedButtonsSitOnePixelInAndTheirShadowFollows) {
  const StripBlit pressed = stripElement(3, true, 800);
  EXPECT_EQ(pressed.destX, 157);
  EXPECT_EQ(pressed.destWidth, 51);
  EXPECT_EQ(pressed.sourceX, pressed.destX);
  const StripBlit raised = stripElement(3, false, 800);
  EXPECT_EQ(raised.destX, 156);
  EXPECT_EQ(raised.destWidth, 53);
  EXPECT_EQ(shadowX(3, 800), 208);
  EXPECT_EQ(shadowX(kMainMenuButton, 800), rightButtonsX(800) + 52);
  EXPECT_EQ(rightNeighbour(8), kFiller);
  EXPECT_EQ(rightNeighbour(kToolsButton), -1);
}

TEST(Sections, ButtonsCommandsAndStartPagesAgree) {
  EXPECT_EQ(sectionByButton(2)->number, 6);
  EXPECT_EQ(sectionByButton(4)->number, 3);
  EXPECT_EQ(sectionByCommand(32781)->startPage, 410000);
  EXPECT_EQ(sectionByNumber(1)->startPage, 170070);
  EXPECT_EQ(sectionByNumber(8), nullptr);
  EXPECT_EQ(sectionByButton(7), nullptr);
  // The main menu's regions 0..6 open the same sections as the strip's buttons 0..6.
  for (int region = 0; region < 7; ++region) EXPECT_NE(sectionByButton(region), nullptr);
}

TEST(MainMenuLayout, RegionsAreInclusiveAndRegionSevenIsTestedFirst) {
  for (int region = 0; region < kRegionCount; ++region) {
    const Box& b = regionBounds()[static_cast<size_t>(region)];
    EXPECT_EQ(regionAt(b.left, b.top), region) << region;
    EXPECT_EQ(regionAt(b.right, b.bottom), region) << region;
    EXPECT_NE(regionAt(b.right + 1, b.bottom), region) << region;
    EXPECT_NE(regionAt(b.left, b.top - 1), region) << region;
  }
  EXPECT_EQ(regionAt(529, 162), 7);
  EXPECT_EQ(regionAt(528, 162), -1);
  EXPECT_EQ(regionAt(300, 200), -1);  // the central panel itself does nothing
}

TEST(MainMenuLayout, OriginAndHighlightBars) {
  const Point o = mainMenuOrigin(800, 600, 630, 330);
  EXPECT_EQ(o.x, 85);
  EXPECT_EQ(o.y, 160);
  EXPECT_EQ(mainMenuOrigin(640, 300, 630, 330).y, 50);  // never into the strip
  const auto bars = highlightBars(3);
  ASSERT_EQ(bars.size(), 6u);
  EXPECT_EQ(bars[0].left, 166);
  EXPECT_EQ(bars[0].bottom, 76);
  EXPECT_EQ(bars[1].left, 193);
  EXPECT_EQ(bars[1].bottom, 99);
  EXPECT_EQ(bars[2].left, 129);
  EXPECT_TRUE(highlightBars(9).empty());
  EXPECT_TRUE(highlightBars(-1).empty());
}

TEST(SplitterRules, SavedValuesAreClampedOnceAndSmallPositionsNotKept) {
  EXPECT_EQ(openingSplitter(-5, 800), 120);
  EXPECT_EQ(openingSplitter(100000, 800), 650);
  EXPECT_EQ(openingSplitter(216, 800), 216);
  EXPECT_EQ(openingSplitter(300, 250), 100);  // a narrow view: the page pane keeps its 150
  EXPECT_EQ(openingSplitter(300, 100), 0);
  EXPECT_FALSE(splitterWorthSaving(119));
  EXPECT_TRUE(splitterWorthSaving(120));
}

TEST(BmpPicture, ReadsA24BitBottomUpPictureWithPaddedRows) {
  const std::string file = bitmap(131, 2, 24, 0, 2 * 396);
  const PictureParse read = parsePicture(file);
  ASSERT_EQ(read.error, "");
  EXPECT_EQ(read.picture.rowSize(), 396u);
  EXPECT_EQ(read.picture.width(), 131);
  ASSERT_EQ(read.picture.bits.size(), 792u);
  EXPECT_EQ(read.picture.bits[0], static_cast<uint8_t>(54 * 7));
}

TEST(BmpPicture, RefusesEverythingItCannotDrawSafely) {
  EXPECT_NE(parsePicture(bitmap(4, 2, 8, 0, 64)).error, "");                // palette picture
  EXPECT_NE(parsePicture(bitmap(4, 2, 24, 1, 64)).error, "");               // run-length encoded
  EXPECT_NE(parsePicture(bitmap(2, -2, 24, 0, 16)).error, "");              // top-down
  EXPECT_NE(parsePicture(bitmap(0x55555556, 1, 24, 0, 16)).error, "");      // absurd width
  EXPECT_NE(parsePicture(bitmap(8193, 1, 24, 0, 8193 * 3 + 1)).error, "");  // just too wide
  EXPECT_NE(parsePicture(bitmap(0, 1, 24, 0, 16)).error, "");               // no width
  EXPECT_NE(parsePicture(bitmap(5, 5, 24, 0, 5 * 16 - 3)).error, "");       // truncated bits
  EXPECT_NE(parsePicture(bitmap(1, 1, 24, 0, 4, 0xFFFFFFF0u)).error, "");   // offset past the end
  EXPECT_NE(parsePicture(bitmap(1, 1, 24, 0, 4, 10)).error, "");            // bits inside the headers
  EXPECT_NE(parsePicture(bitmap(1, 1).substr(0, 40)).error, "");            // headers cut short
  EXPECT_EQ(parsePicture(bitmap(8192, 1, 24, 0, 8192 * 3)).error, "");      // the largest width
}
