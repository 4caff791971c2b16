// The glossary pop-up's rules and the palette's flight, without windows.
#include <gtest/gtest.h>

#include <string>

#include "host/pages/widgets/core/NoteRules.h"
#include "host/pages/widgets/core/PaletteFlight.h"

namespace vantorel::host::pages {
namespace {

TEST(GlossaryFileName, OnlyEightLettersOrDigitsAndHtm) {
  for (const char* good : {"oxygen01.htm", "ION00001.htm", "12345678.htm", "abcdefgh.htm"})
    EXPECT_TRUE(isGlossaryFileName(good)) << good;
  for (const char* bad :
       {"../../x", "../x.htm", "abc.htm", "oxygen001.htm", "oxygen0.htm", "oxygen01.txt", "oxygen01.htm ",
        "oxy/en01.htm", "oxy.en01.htm", "oxygen01htm", "", "oxyg\xe5n1.htm", "oxygen01.HTM"})
    EXPECT_FALSE(isGlossaryFileName(bad)) << bad;
  EXPECT_FALSE(isGlossaryFileName(std::string("oxy\0en01.htm", 12)));
}

TEST(GlossaryText, TheWholeFirstLineIsSkippedAndTheRestJoinedWithCrLf) {
  const std::string longTerm(300, 'T');  // far past the old 49-character read
  EXPECT_EQ(glossaryNoteText(longTerm + "\r\nfirst line\r\nsecond\r\n"), "first line\r\nsecond");
  EXPECT_EQ(glossaryNoteText("term\nbare\nfeeds"), "bare\r\nfeeds");
  // A long definition line stays one line.
  const std::string longLine(12000, 'd');
  EXPECT_EQ(glossaryNoteText("t\r\n" + longLine + "\r\n"), longLine);
  // Empty lines inside the text stay.
  EXPECT_EQ(glossaryNoteText("t\r\na\r\n\r\nb"), "a\r\n\r\nb");
}

TEST(GlossaryText, OneLineAndTenThousandLineFiles) {
  EXPECT_EQ(glossaryNoteText("only the term, no line end"), "");
  EXPECT_EQ(glossaryNoteText("only the term\r\n"), "");
  std::string big = "term\r\n";
  for (int i = 0; i < 10000; ++i) big += "line " + std::to_string(i) + "\r\n";
  const std::string text = glossaryNoteText(big);
  EXPECT_EQ(text.rfind("line 0\r\n", 0), 0u);
  EXPECT_TRUE(text.ends_with("\r\nline 9999"));
  size_t joins = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++joins;
  EXPECT_EQ(joins, 9999u);
}

TEST(NotePlacement, BelowThePointerOrAboveItNearTheBottomEdge) {
  // Room below: 14 pixels under the pointer, 30 to its left, 15 pixels a line and 2 for the border.
  const NoteRect below = placeNote(100, 100, 3, 800, 600);
  EXPECT_EQ(below.x, 70);
  EXPECT_EQ(below.y, 114);
  EXPECT_EQ(below.width, 260);
  EXPECT_EQ(below.height, 47);
  // Near the bottom edge the note ends just above the pointer's line.
  const NoteRect above = placeNote(100, 560, 3, 800, 600);
  EXPECT_EQ(above.y, 560 + 14 - 27 - 45);
  EXPECT_LT(above.y + above.height, 560);
  // Exactly fitting (y + height + 5 == bottom) stays below.
  EXPECT_EQ(placeNote(100, 600 - 5 - 47 - 14, 3, 800, 600).y, 600 - 5 - 47);
  EXPECT_LT(placeNote(100, 600 - 5 - 47 - 13, 3, 800, 600).y, 600 - 47 - 13);
}

TEST(NotePlacement, NearTheRightEdgeAndInsideSmallViews) {
  EXPECT_EQ(placeNote(790, 100, 2, 800, 600).x, 800 - 265);
  EXPECT_EQ(placeNote(800 - 265 + 30, 100, 2, 800, 600).x, 800 - 265);
  EXPECT_EQ(placeNote(800 - 265 + 29, 100, 2, 800, 600).x, 800 - 266);
  // Far left: not off the view.
  EXPECT_EQ(placeNote(5, 100, 2, 800, 600).x, 0);
  // A note taller than the view fills its height and scrolls.
  const NoteRect tall = placeNote(100, 300, 10000, 800, 600);
  EXPECT_EQ(tall.y, 0);
  EXPECT_EQ(tall.height, 600);
  // Near the top of a short view, above the pointer would be off the view.
  const NoteRect top = placeNote(100, 20, 6, 800, 100);
  EXPECT_GE(top.y, 0);
  EXPECT_LE(top.y + top.height, 100);
}

TEST(PaletteFlight, StepsFollowTheDistance) {
  // 1000 pixels away: 25 steps of 40 pixels, shrinking to the 20-pixel box.
  const std::vector<FlightRect> far = flightSteps({0, 1000, 144, 18}, {0, 0, 20, 20});
  ASSERT_EQ(far.size(), 25u);
  EXPECT_EQ(far[0], (FlightRect{0, 1000, 144, 18}));
  EXPECT_EQ(far[1], (FlightRect{0, 960, 140, 18}));
  EXPECT_EQ(far[24], (FlightRect{0, 40, 144 - 24 * 4, 18}));
  // Diagonal: the distance counts, not the larger side (300, 400 → 500 pixels, 12 steps).
  EXPECT_EQ(flightSteps({0, 0, 144, 18}, {300, 400, 20, 20}).size(), 12u);
  // Within 40 pixels: no flight.
  EXPECT_TRUE(flightSteps({0, 0, 144, 18}, {39, 0, 20, 20}).empty());
  EXPECT_TRUE(flightSteps({5, 5, 144, 18}, {5, 5, 20, 20}).empty());
  EXPECT_EQ(flightSteps({0, 0, 144, 18}, {40, 0, 20, 20}).size(), 1u);
}

TEST(PaletteFlight, Overlap) {
  const FlightRect palette{100, 100, 144, 40};
  EXPECT_TRUE(overlaps({100, 100, 144, 18}, palette));
  EXPECT_TRUE(overlaps({243, 139, 5, 5}, palette));
  EXPECT_FALSE(overlaps({244, 100, 20, 20}, palette));
  EXPECT_FALSE(overlaps({100, 140, 20, 20}, palette));
  EXPECT_FALSE(overlaps({80, 80, 20, 20}, palette));
}

}  // namespace
}  // namespace vantorel::host::pages
