#include "platform/browser/core/Pagination.h"

#include <gtest/gtest.h>

namespace vantorel::browser {
namespace {

// True when some break falls strictly inside a line.
bool cutsALine(const std::vector<int>& tops, const std::vector<LineExtent>& lines) {
  for (int top : tops) {
    for (const LineExtent& l : lines) {
      if (l.top < top && top < l.bottom) return true;
    }
  }
  return false;
}

TEST(Pagination, BreaksFallBetweenLinesAndPagesAreFull) {
  std::vector<LineExtent> lines;
  for (int y = 5; y < 2000; y += 17) lines.push_back({y, y + 15});
  const std::vector<int> tops = pageTops(lines, 2000, 300);
  EXPECT_FALSE(cutsALine(tops, lines));
  ASSERT_GE(tops.size(), 7u);
  for (size_t i = 1; i < tops.size(); ++i) {
    EXPECT_GT(tops[i] - tops[i - 1], 300 - 17);  // no more than one line moves to the next page
    EXPECT_LE(tops[i] - tops[i - 1], 300);
  }
}

TEST(Pagination, OverlappingRunsOfOneLineMoveTogether) {
  // A word and its taller neighbour on one line: the break goes above both.
  const std::vector<LineExtent> lines{{0, 90}, {95, 110}, {92, 120}};
  const std::vector<int> tops = pageTops(lines, 200, 100);
  EXPECT_EQ(tops, (std::vector<int>{0, 92, 192}));
}

TEST(Pagination, ShortDocumentsAndOversizedLines) {
  EXPECT_EQ(pageTops({{0, 10}}, 50, 100), std::vector<int>{0});
  EXPECT_EQ(pageTops({}, 0, 0), std::vector<int>{0});
  // A picture-tall run larger than a page is cut, and printing goes on.
  EXPECT_EQ(pageTops({{0, 250}}, 250, 100), (std::vector<int>{0, 100, 200}));
}

}  // namespace
}  // namespace vantorel::browser
