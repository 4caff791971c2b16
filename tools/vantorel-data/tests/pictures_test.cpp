// The pictures painted with Qt: sizes the disc's readers expect, drawings that are really there,
// and Greek labels with their accents.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "tools/vantorel-data/core/MenuLayout.h"
#include "tools/vantorel-data/core/Raster.h"
#include "tools/vantorel-data/pictures/AtomAndClips.h"
#include "tools/vantorel-data/pictures/Illustrations.h"
#include "tools/vantorel-data/pictures/Paint.h"
#include "tools/vantorel-data/pictures/QtPictureSet.h"

using namespace vantorel::data;

namespace {

size_t colours(const Canvas& c) {
  std::set<uint32_t> seen;
  for (int y = 0; y < c.height(); y += 2)
    for (int x = 0; x < c.width(); x += 2) {
      const auto p = c.pixel(x, y);
      seen.insert(uint32_t(p.r) << 16 | uint32_t(p.g) << 8 | p.b);
    }
  return seen.size();
}

Canvas text(const QString& s) {
  paint::Sheet sheet(60, 30, 60, 30);
  paint::caption(sheet.painter(), QPointF(30, 15), s, 20, Qt::black);
  return sheet.finish();
}

bool same(const Canvas& a, const Canvas& b) {
  return a.toBmp() == b.toBmp();
}

}  // namespace

TEST(Pictures, EveryDrawingPaintsAtBothSizesAndUnknownNamesGiveNothing) {
  const QtPictureSet pictures;
  for (const auto& name : illustrationNames()) {
    ASSERT_TRUE(pictures.hasIllustration(name));
    const auto small = pictures.illustration(name, 240, 180), large = pictures.illustration(name, 480, 360);
    EXPECT_EQ(small.width(), 240);
    EXPECT_EQ(large.height(), 360);
    EXPECT_GT(colours(small), 20u) << name;  // a drawing, not a blank
    EXPECT_EQ(bmpFault(large.toBmp()), "") << name;
  }
  EXPECT_FALSE(pictures.hasIllustration("nothing"));
  EXPECT_EQ(pictures.illustration("nothing", 240, 180).width(), 0);
  for (const char* system : {"cubic", "tetragonal", "hexagonal", "trigonal", "orthorhombic", "monoclinic", "triclinic"})
    EXPECT_TRUE(pictures.hasIllustration(std::string("crystal-") + system)) << system;
  // The seven crystal systems look different from one another.
  std::set<std::string> crystals;
  for (const char* system : {"cubic", "tetragonal", "hexagonal", "trigonal", "orthorhombic", "monoclinic", "triclinic"})
    crystals.insert(pictures.illustration(std::string("crystal-") + system, 120, 90).toBmp());
  EXPECT_EQ(crystals.size(), 7u);
}

TEST(Pictures, LabelsAreWrittenWithAccentsAndSmallLetters) {
  // Real fonts: an accented capital, a small letter and a subscript each change the picture.
  EXPECT_FALSE(same(text(QStringLiteral("Ά")), text(QStringLiteral("Α"))));
  EXPECT_FALSE(same(text(QStringLiteral("ά")), text(QStringLiteral("α"))));
  EXPECT_FALSE(same(text(QStringLiteral("α")), text(QStringLiteral("Α"))));
  EXPECT_FALSE(same(text(QStringLiteral("H_2O")), text(QStringLiteral("H2O"))));
  // The subscript sits lower and is smaller than the letters around it.
  const QFont f = paint::font(20);
  EXPECT_LT(paint::formulaWidth(QStringLiteral("H_2O"), f), paint::formulaWidth(QStringLiteral("H2O"), f));
}

TEST(Pictures, MenuAtomsAndClipsHaveTheSizesTheirReadersUse) {
  const QtPictureSet pictures;
  const auto menu = pictures.mainMenu();
  EXPECT_EQ(menu.width(), kMenuWidth);
  EXPECT_EQ(menu.height(), kMenuHeight);
  for (int region = 0; region < 9; ++region) {
    const auto h = pictures.highlight(region);
    EXPECT_EQ(h.width(), kHighlightWidth);
    EXPECT_EQ(h.height(), kHighlightHeight);
    EXPECT_EQ(bmpFault(h.toBmp()), "");
  }
  // The shells come from the element's own configuration (chromium 2, 8, 13, 1), not from a
  // filling rule that would give 2, 8, 12, 2.
  EXPECT_FALSE(same(pictures.atom("Cr", {2, 8, 13, 1}), pictures.atom("Cr", {2, 8, 12, 2})));
  EXPECT_EQ(pictures.atom("H", {1}).width(), 200);
  for (const auto& clip : clipNames()) {
    ASSERT_TRUE(pictures.hasAnimation(clip));
    const auto first = pictures.animationFrame(clip, 0, 24), later = pictures.animationFrame(clip, 12, 24);
    EXPECT_EQ(first.width(), 160);
    EXPECT_EQ(first.height(), 120);
    EXPECT_FALSE(same(first, later)) << clip;  // the clip moves
  }
}
