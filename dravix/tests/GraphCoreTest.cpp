// The graph's arithmetic on the worked cases a teacher meets: the 0-25000 axes and their
// scientific labels, all-positive data, ordinals for names, allotropes left out, zoom and the
// faults of degenerate data; and the delimited text that spreadsheets read.
#include <gtest/gtest.h>

#include <cmath>

#include "dravix/core/ExportText.h"
#include "dravix/core/GraphScale.h"
#include "platform/codepage/Cp1253.h"

namespace vantorel::dravix {
namespace {

const PixelRect kScreen{211, 41, 635, 395};  // a 640 x 400 control

GraphPoints points(std::vector<double> x, std::vector<double> y) {
  GraphPoints p;
  p.x = std::move(x);
  p.y = std::move(y);
  return p;
}

std::string label(double value, int exponent) {
  const LabelText t = labelText(value, exponent);
  return t.exponent.empty() ? t.mantissa : t.mantissa + " x10 " + t.exponent;
}

TEST(GraphScaleTest, PositiveDataPutsTheOriginTenPixelsIn) {
  const GraphScale s = computeScale(points({0, 12500, 25000}, {0, 3000, 25000}), true, kScreen);
  ASSERT_TRUE(s.drawable);
  EXPECT_EQ(s.x.plot, 424 - 45);
  EXPECT_EQ(s.y.plot, 354 - 43);
  EXPECT_EQ(s.x.origin, 10);
  EXPECT_EQ(s.y.origin, s.y.plot - 10);
  EXPECT_EQ(s.x.exponent, 4);
  EXPECT_EQ(s.x.top, 20000);
  EXPECT_EQ(s.x.bottom, 10000);  // a zero minimum: the factor becomes 1
  EXPECT_TRUE(s.x.positiveSide);
  EXPECT_EQ(s.x.length, static_cast<int>(std::lround(0.9 * (s.x.plot - 10) * 20000 / 25000)));
  EXPECT_EQ(s.y.length, static_cast<int>(std::lround(0.9 * s.y.origin * 20000 / 25000)));
  EXPECT_DOUBLE_EQ(s.x.scale, s.x.length / 20000.0);
  // The largest value stands at nine tenths of the room right of the origin.
  const ScreenPoint far = mapPoint(s, kScreen, {}, 25000, 25000);
  EXPECT_NEAR(far.x, 211 + 35 + 10 + 0.9 * (s.x.plot - 10), 1.5);
  EXPECT_NEAR(far.y, 41 + 18 + s.y.origin - 0.9 * s.y.origin, 1.5);
}

TEST(GraphScaleTest, TicksAndLabelsOfTheWorkedAxes) {
  const GraphScale s = computeScale(points({0, 25000}, {0, 25000}), true, kScreen);
  const ScreenPoint o = screenOrigin(s, kScreen, {});
  const auto xTicks = axisTicks(s.x, o.x, 211 + 35, 635 - 10, 96, 1, +1);
  ASSERT_GE(xTicks.size(), 5u);
  EXPECT_EQ(xTicks.front().value, 0);
  bool found25000 = false;
  for (const Tick& t : xTicks) {
    EXPECT_EQ(std::fmod(t.value, 5000), 0) << t.value;
    if (t.value == 25000) found25000 = true;
  }
  EXPECT_TRUE(found25000);
  const auto yTicks = axisTicks(s.y, o.y, 41 + 18, 395 - 25, 96, 1, -1);
  ASSERT_GE(yTicks.size(), 2u);
  EXPECT_EQ(yTicks.back().value, 0);  // the lowest tick is the origin
  EXPECT_EQ(yTicks[yTicks.size() - 2].value, 5000);

  EXPECT_EQ(label(25000, s.x.exponent), "2.5 x10 4");
  EXPECT_EQ(label(5000, s.y.exponent), "5.0 x10 3");
  EXPECT_EQ(label(-25000, 4), "-2.5 x10 4");  // the sign stays outside the mantissa
  EXPECT_EQ(label(0, 4), "0");
  EXPECT_EQ(label(-300, 3), "-300");
  // Iron's annual production does not wrap round.
  EXPECT_EQ(label(2400000000.0, 9), "2.4 x10 9");
  EXPECT_EQ(label(2400000000.0, 3), "2400000000");
}

TEST(GraphScaleTest, TextAxisGetsOrdinalsAndAllotropesAreSkipped) {
  const std::vector<std::string> keys = {"Carbon", "Carbon (Diamond)", "Iron", "Gold", "Mercury"};
  const std::vector<std::string> melt = {"3550", "3550", "1535", "1064,4", "-38,9"};
  const AxisSource names{[&](size_t r) { return std::string_view(keys[r]); }, false};
  const AxisSource values{[&](size_t r) { return std::string_view(melt[r]); }, true};
  const GraphPoints p = collectPoints(
      keys.size(), names, values, [&](size_t r) { return std::string_view(keys[r]); }, "C\tC\tFe\tAu\tHg\t");
  EXPECT_EQ(p.x, (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(p.y, (std::vector<double>{3550, 1535, 1064.4, -38.9}));
  EXPECT_EQ(p.labels, (std::vector<std::string>{"C", "Fe", "Au", "Hg"}));

  // A value without digits drops the point; the ordinals count accepted points only.
  const std::vector<std::string> some = {"1", "", "3"};
  const GraphPoints q = collectPoints(3, names, {[&](size_t r) { return std::string_view(some[r]); }, true}, {}, "");
  EXPECT_EQ(q.x, (std::vector<double>{1, 2}));
  EXPECT_TRUE(q.labels.empty());

  // Text X: the reference uses the whole room right of the origin.
  const GraphScale s = computeScale(p, false, kScreen);
  ASSERT_TRUE(s.drawable);
  EXPECT_EQ(s.x.length, s.x.plot - s.x.origin);
}

TEST(GraphScaleTest, DegenerateDataNeverDividesByZero) {
  // Every value in (-1, 0]: the reference lies on the negative side.
  GraphScale s = computeScale(points({1, 2}, {-0.5, -0.25}), true, kScreen);
  ASSERT_TRUE(s.drawable);
  EXPECT_FALSE(s.y.positiveSide);
  EXPECT_GT(s.y.scale, 0);
  EXPECT_GT(mapPoint(s, kScreen, {}, 1, -0.5).y, screenOrigin(s, kScreen, {}).y);
  // No points, one point, all equal: a unit range.
  for (const GraphPoints& p : {points({}, {}), points({7}, {7}), points({0, 0}, {0, 0})}) {
    s = computeScale(p, true, kScreen);
    EXPECT_TRUE(s.drawable);
    EXPECT_TRUE(std::isfinite(s.x.scale) && std::isfinite(s.y.scale));
  }
  // Huge values stay finite and map inside the device.
  s = computeScale(points({1e300, -1e300}, {1e300, 2}), true, kScreen);
  ASSERT_TRUE(s.drawable);
  const ScreenPoint p = mapPoint(s, kScreen, {}, 1e300, 1e300);
  EXPECT_GT(p.x, 211);
  EXPECT_LT(p.x, 635);
  // Out of reach: no graph rather than an overflow.
  EXPECT_FALSE(computeScale(points({1.7e308, -1.7e308}, {1, 2}), true, kScreen).drawable);
  // An empty plot area (a control 240 pixels wide) draws nothing and refuses a zoom.
  s = computeScale(points({1, 2}, {1, 2}), true, {211, 41, 235, 195});
  EXPECT_FALSE(s.drawable);
  ZoomPan z;
  EXPECT_FALSE(zoomTo(s, {211, 41, 235, 195}, {220, 50, 230, 60}, z));
  EXPECT_TRUE(axisTicks(s.x, 250, 246, 225, 96, 1, 1).empty());
}

TEST(GraphScaleTest, ZoomRectangleAndPan) {
  const GraphScale s = computeScale(points({0, 100}, {0, 100}), true, kScreen);
  const ScreenPoint o = screenOrigin(s, kScreen, {});
  ZoomPan z;
  // A 3 x 4 rectangle counts as 10 x 10.
  ASSERT_TRUE(zoomTo(s, kScreen, {o.x + 40, o.y - 60, o.x + 43, o.y - 56}, z));
  EXPECT_FLOAT_EQ(z.zx, s.x.plot / 10.0f);
  EXPECT_FLOAT_EQ(z.zy, s.y.plot / 10.0f);
  EXPECT_FLOAT_EQ(z.px, 40);
  EXPECT_FLOAT_EQ(z.py, 56);
  // The rectangle's lower left corner moves to the origin's place.
  const double atLeft = 40 / s.x.scale, atBottom = 56 / s.y.scale;
  const ScreenPoint corner = mapPoint(s, kScreen, z, atLeft, atBottom);
  EXPECT_NEAR(corner.x, o.x, 1);
  EXPECT_NEAR(corner.y, o.y, 1);
  // Ticks follow the zoom: their labels still read values.
  const auto ticks = axisTicks(s.x, screenOrigin(s, kScreen, z).x, 246, 625, 96, z.zx, +1);
  ASSERT_FALSE(ticks.empty());
  for (const Tick& t : ticks)
    EXPECT_NEAR(t.value, (t.position - screenOrigin(s, kScreen, z).x) / s.x.scale / z.zx, 1.0);
  // A rectangle wholly left of and below the origin uses its right and top edges.
  const GraphScale mixed = computeScale(points({-100, 100}, {-100, 100}), true, kScreen);
  const ScreenPoint m = screenOrigin(mixed, kScreen, {});
  ASSERT_TRUE(zoomTo(mixed, kScreen, {m.x - 80, m.y + 20, m.x - 30, m.y + 70}, z));
  EXPECT_FLOAT_EQ(z.px, -30);
  EXPECT_FLOAT_EQ(z.py, -20);
}

TEST(GraphScaleTest, LineJoinsPointsByScreenX) {
  EXPECT_EQ(lineOrder({{5, 0}, {1, 1}, {5, 2}, {3, 3}}), (std::vector<size_t>{1, 3, 0, 2}));
}

TEST(ExportTextTest, QuotedCellsWithQuotesDoubled) {
  Column a = *Column::split(std::string("Fe\0Au\0", 6), 2);
  Column b = *Column::split(std::string("7,87\0\0", 6), 2);
  Column c = *Column::split(std::string("say \"hi\"\0x\0", 11), 2);
  GridRows rows;
  rows.assign({a, b, c}, {1, 0}, false);
  const std::vector<std::string> captions = {"Name", "Density", "Note"};
  GridTextRequest r{&rows, &captions};
  EXPECT_EQ(gridText(r),
            "\"Name\";\"Density\";\"Note\"\r\n\"Au\";\"\";\"x\"\r\n\"Fe\";\"7,87\";\"say \"\"hi\"\"\"\r\n");
  const std::vector<int> none, second = {1, 5};
  r.onlyRows = &none;
  EXPECT_EQ(gridText(r), "");
  r.onlyRows = &second;
  r.eol = "\n";
  EXPECT_EQ(gridText(r), "\"Fe\";\"7,87\";\"say \"\"hi\"\"\"\n");
  EXPECT_EQ(gridHtml(r), "<table><tr><td>Fe</td><td>7,87</td><td>say &quot;hi&quot;</td></tr>\n</table>");

  rows.assign({a, b}, {0, 1}, true);
  r.onlyRows = nullptr;
  EXPECT_EQ(gridText(r), "\"Name\";\"Fe\";\"Au\"\n\"Density\";\"7,87\";\"\"\n");
}

// The export writes UTF-8 while it quotes: the same text as the code page's converted after,
// for every byte a value can hold, on rows read far out of file order and on values of quotes
// and Greek letters only, which outgrow any size guessed from the columns.
TEST(ExportTextTest, Utf8OutputIsTheCodePageTextConverted) {
  std::string everyByte;
  for (int b = 1; b < 256; ++b) everyByte += static_cast<char>(b);
  const std::string heavy = std::string(300, '"') + std::string(300, '\xE1');
  std::string first, second;
  const uint32_t records = 5000;
  for (uint32_t k = 0; k < records; ++k) {
    const std::string a = k % 97 == 0 ? everyByte : k % 89 == 0 ? heavy : "\xC1\xE8\xDE\xED\xE1 " + std::to_string(k);
    first.append(a).push_back('\0');
    second.append(std::to_string(k * 7)).push_back('\0');
  }
  std::vector<uint32_t> order(records);
  for (uint32_t k = 0; k < records; ++k) order[k] = (k * 2654435761u) % records;  // every record once
  GridRows rows;
  rows.assign({*Column::split(first, records), *Column::split(second, records)}, order, false);
  const std::vector<std::string> captions = {"\xCF\xED\xEF\xEC\xE1", "\"N\""};
  for (const bool transposed : {false, true}) {
    rows.assign(rows.columns(), order, transposed);
    GridTextRequest r{&rows, &captions};
    const std::string text = gridText(r);
    r.encoding = TextEncoding::Utf8;
    r.lead = "\xEF\xBB\xBF";
    EXPECT_EQ(gridText(r), "\xEF\xBB\xBF" + codepage::toUtf8(text));
  }
  // The HTML page around the table, and a cell with every special character.
  rows.assign({*Column::split(std::string("<a&b>\"\0", 7), 1)}, {0}, false);
  GridTextRequest r{&rows, nullptr};
  r.lead = "<body>";
  r.tail = "</body>";
  EXPECT_EQ(gridHtml(r), "<body><table><tr><td>&lt;a&amp;b&gt;&quot;</td></tr>\n</table></body>");
  EXPECT_EQ(gridText(r), "<body>\"<a&b>\"\"\"\r\n</body>");
}

}  // namespace
}  // namespace vantorel::dravix
