#include "platform/browser/core/Html32.h"

#include <gtest/gtest.h>

#include "platform/browser/core/PluginChoice.h"
#include "platform/com/ComponentIds.h"

namespace vantorel::browser {
namespace {

TEST(Html32, FontSizesAbsoluteAndRelative) {
  EXPECT_EQ(html32::fontSize("1"), "10px");
  EXPECT_EQ(html32::fontSize("2"), "13px");
  EXPECT_EQ(html32::fontSize("+1"), "18px");
  EXPECT_EQ(html32::fontSize("-1"), "13px");
  EXPECT_EQ(html32::fontSize("9"), "48px");
  EXPECT_EQ(html32::fontSize("-9"), "10px");
  EXPECT_EQ(html32::fontSize("big"), "");
}

TEST(Html32, ValuesThatCouldInjectStyleAreRefused) {
  EXPECT_EQ(html32::colour("#FFFDF4"), "#FFFDF4");
  EXPECT_EQ(html32::colour("0059CA"), "#0059CA");
  EXPECT_EQ(html32::colour("Navy"), "navy");
  EXPECT_EQ(html32::colour("red; display:none"), "");
  EXPECT_EQ(html32::length("340"), "340px");
  EXPECT_EQ(html32::length("100%"), "100%");
  EXPECT_EQ(html32::length("99999999999"), "100000px");
  EXPECT_EQ(html32::length("1;position:fixed"), "");
  EXPECT_EQ(html32::align("CENTER"), "center");
  EXPECT_EQ(html32::align("AbsMiddle"), "middle");
  EXPECT_EQ(html32::align("}x{"), "");
  EXPECT_EQ(html32::fontFamily("Arial Greek, 'Times New Roman'"), "'Arial', 'Times New Roman'");
  EXPECT_EQ(html32::fontFamily("x;y"), "");
}

TEST(PluginChoice, ObjectsByClassIdEmbedsByTypeThenExtension) {
  EXPECT_EQ(choosePlugin("OBJECT", "clsid:5DD60FDF-A6CE-4FB3-A386-F16D1B28E636", "", "").clsid,
            com::ids::kKestrinClass);
  EXPECT_FALSE(choosePlugin("object", "clsid:not-a-guid", "", "").clsid);
  EXPECT_EQ(choosePlugin("embed", "", "chemical/x-mdl-molfile", "a.bin").clsid, com::ids::kMoleculeViewerClass);
  EXPECT_EQ(choosePlugin("embed", "", "video/avi", "a.mol").clsid, com::ids::kVideoPlayerClass);
  EXPECT_EQ(choosePlugin("embed", "", "", "/d/mol/GLUCOSE.MOL").clsid, com::ids::kMoleculeViewerClass);
  EXPECT_EQ(choosePlugin("embed", "", "", "/d/vid/flame.avi?x").clsid, com::ids::kVideoPlayerClass);
  EXPECT_FALSE(choosePlugin("embed", "", "", "/d/sound.wav").clsid);
  EXPECT_FALSE(choosePlugin("embed", "", "", "/d/folder.mol/").clsid);
}

}  // namespace
}  // namespace vantorel::browser
