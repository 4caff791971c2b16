#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "outside/core/EmbedAttributes.h"
#include "outside/molview/core/MolfileReader.h"
#include "outside/molview/core/Scene.h"
#include "outside/molview/tests/MolfileText.h"

using namespace vantorel;
using namespace vantorel::molview;
using namespace vantorel::molview::testing;

namespace {

Model modelOf(const std::string& text) {
  const MolfileRead read = readMolfile(text);
  EXPECT_TRUE(read.molecule) << read.error;
  return read.molecule ? Model(*read.molecule) : Model();
}

Model sample(const char* name) {
  std::ifstream in(std::filesystem::path(MOLVIEW_MOLECULES_DIR) / name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return modelOf(s.str());
}

std::vector<const SceneItem*> itemsOf(const Scene& scene, ItemKind kind, int atom = -1) {
  std::vector<const SceneItem*> out;
  for (const SceneItem& item : scene.items) {
    if (item.kind == kind && (atom < 0 || item.atom == atom)) out.push_back(&item);
  }
  return out;
}

size_t indexOf(const Scene& scene, ItemKind kind, int atom) {
  for (size_t i = 0; i < scene.items.size(); ++i) {
    if (scene.items[i].kind == kind && scene.items[i].atom == atom) return i;
  }
  return scene.items.size();
}

constexpr Style kStyles[] = {Style::BallsAndSticks, Style::Sticks, Style::Wireframe, Style::SpaceFilling};

}  // namespace

TEST(Scene, KeepsEveryMoleculeInsideTheWindowHoweverItIsTurned) {
  for (const auto& entry : std::filesystem::directory_iterator(MOLVIEW_MOLECULES_DIR)) {
    if (entry.path().extension() != ".mol") continue;
    const Model model = sample(entry.path().filename().c_str());
    for (Style style : kStyles) {
      for (bool threeD : {true, false}) {
        ViewState state;
        state.style = style;
        state.threeD = threeD;
        for (int step = 0; step < 12; ++step) {
          state.turn = Matrix3::rotation({0.4, 1, 0.3}, step * 0.55) * Matrix3::rotation({1, 0, 0}, step * 0.3);
          for (const auto& [w, h] : {std::pair{340, 290}, std::pair{640, 498}}) {
            const Scene scene = buildScene(model, state, w, h);
            for (const SceneItem& item : scene.items) {
              if (item.kind != ItemKind::Sphere) continue;
              EXPECT_GE(item.x1 - item.r1, -0.5) << entry.path();
              EXPECT_LE(item.x1 + item.r1, w + 0.5) << entry.path();
              EXPECT_GE(item.y1 - item.r1, -0.5) << entry.path();
              EXPECT_LE(item.y1 + item.r1, h + 0.5) << entry.path();
            }
          }
        }
      }
    }
  }
}

TEST(Scene, PaintsFarThingsFirstAndDrawsNearAtomsLargerOnlyInPerspective) {
  // Two oxygens, one behind the other once turned a quarter round the vertical axis.
  const Model model = modelOf(molfile({atomLine({-1, 0, 0, "O"}), atomLine({1, 0, 0, "O"})}, 2, 0));
  ViewState state;
  Scene flatOn = buildScene(model, state, 340, 290);
  ASSERT_EQ(itemsOf(flatOn, ItemKind::Sphere).size(), 2u);

  state.turn = Matrix3::rotation({0, 1, 0}, std::numbers::pi / 2);
  const Scene turned = buildScene(model, state, 340, 290);
  const auto spheres = itemsOf(turned, ItemKind::Sphere);
  ASSERT_EQ(spheres.size(), 2u);
  EXPECT_LT(spheres[0]->depth, spheres[1]->depth);
  EXPECT_GT(spheres[1]->r1, spheres[0]->r1 * 1.2);
  EXPECT_LT(spheres[0]->light, spheres[1]->light);
  EXPECT_NEAR(spheres[0]->x1, spheres[1]->x1, 0.5);  // one straight behind the other

  state.threeD = false;
  const Scene flat = buildScene(model, state, 340, 290);
  const auto flatSpheres = itemsOf(flat, ItemKind::Sphere);
  EXPECT_DOUBLE_EQ(flatSpheres[0]->r1, flatSpheres[1]->r1);
  EXPECT_FALSE(flat.shaded);
  for (size_t i = 1; i < turned.items.size(); ++i) EXPECT_LE(turned.items[i - 1].depth, turned.items[i].depth);
}

TEST(Scene, EachStyleDrawsItsOwnParts) {
  const Model model = modelOf(ethene());
  ViewState state;
  const auto count = [&](Style style, ItemKind kind) {
    state.style = style;
    return itemsOf(buildScene(model, state, 340, 290), kind).size();
  };
  // Four single bonds in two halves each, and the double bond's two lines in two halves.
  EXPECT_EQ(count(Style::BallsAndSticks, ItemKind::Sphere), 6u);
  EXPECT_EQ(count(Style::BallsAndSticks, ItemKind::Stick), 4u * 2 + 2 * 2);
  EXPECT_EQ(count(Style::Sticks, ItemKind::Stick), 12u);
  EXPECT_EQ(count(Style::Sticks, ItemKind::Sphere), 6u);
  EXPECT_EQ(count(Style::Wireframe, ItemKind::Line), 12u);
  EXPECT_EQ(count(Style::Wireframe, ItemKind::Sphere), 0u);
  EXPECT_EQ(count(Style::SpaceFilling, ItemKind::Sphere), 6u);
  EXPECT_EQ(count(Style::SpaceFilling, ItemKind::Stick) + count(Style::SpaceFilling, ItemKind::Line), 0u);

  // Space filling shows atoms at their van der Waals size; a wireframe atom without bonds
  // still shows as a small ball.
  state.style = Style::SpaceFilling;
  const Scene filled = buildScene(model, state, 340, 290);
  state.style = Style::BallsAndSticks;
  const Scene balls = buildScene(model, state, 340, 290);
  EXPECT_NEAR(itemsOf(filled, ItemKind::Sphere, 0)[0]->r1 / filled.pixelsPerAngstrom, 1.70, 0.35);
  EXPECT_NEAR(itemsOf(balls, ItemKind::Sphere, 0)[0]->r1 / balls.pixelsPerAngstrom, 1.70 * kBallFraction, 0.1);
  state.style = Style::Wireframe;
  const Model lone = modelOf(molfile({atomLine({0, 0, 0, "Na"}), atomLine({3, 0, 0, "Cl"})}, 2, 0));
  EXPECT_EQ(itemsOf(buildScene(lone, state, 340, 290), ItemKind::Sphere).size(), 2u);
}

TEST(Scene, DrawsTripleBondsWithThreeLinesAndLaysDoubleBondsInTheMoleculesPlane) {
  ViewState state;
  state.style = Style::Sticks;
  const Scene triple = buildScene(sample("ethyne.mol"), state, 340, 290);
  EXPECT_EQ(itemsOf(triple, ItemKind::Stick).size(), 2u * 2 + 3u * 2);

  // Ethene lies in the plane y = 0 of its file; its C=C lines must spread within that plane.
  const Model model = modelOf(ethene());
  const ModelBond& cc = model.bonds()[0];
  ASSERT_EQ(cc.kind, BondKind::Double);
  EXPECT_NEAR(cc.side.y, 0, 1e-9);
  EXPECT_NEAR(cc.side.length(), 1, 1e-9);
  EXPECT_NEAR(cc.side.x, 0, 1e-9);  // across the bond, which runs along x
}

TEST(Scene, ShowsAMoleculeBroadsideFirst) {
  // Carbon dioxide written along z shows as a horizontal line; a flat ring written in the
  // plane y = 0 is seen face on.
  const Model line = modelOf(molfile({atomLine({0, 0, -1.16, "O"}), atomLine({0, 0, 0, "C"}),
                                      atomLine({0, 0, 1.16, "O"}), bondLine(1, 2, 2), bondLine(2, 3, 2)},
                                     3, 2));
  for (const ModelAtom& atom : line.atoms()) {
    const Vec3 v = line.presentation().apply(atom.position);
    EXPECT_NEAR(v.y, 0, 1e-6);
    EXPECT_NEAR(v.z, 0, 1e-6);
  }
  std::vector<std::string> ring;
  for (int i = 0; i < 6; ++i) {
    const double a = i * std::numbers::pi / 3;
    ring.push_back(atomLine({1.39 * std::cos(a), 0, 1.39 * std::sin(a), "C"}));
  }
  const Model benzene = modelOf(molfile(ring, 6, 0));
  double det = 0;
  const auto& m = benzene.presentation().m;
  det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) + m[2] * (m[3] * m[7] - m[4] * m[6]);
  EXPECT_NEAR(det, 1, 1e-9);  // turned, never mirrored
  for (const ModelAtom& atom : benzene.atoms()) EXPECT_NEAR(benzene.presentation().apply(atom.position).z, 0, 1e-6);
}

TEST(Scene, LabelsEachAtomJustAfterItsOwnBall) {
  const Model model = modelOf(molfile({atomLine({0, 0, 0, "N", 3}), atomLine({1.2, 0, 0.4, "O", 5}),
                                       atomLine({-1.2, 0, -0.4, "O", 0}), bondLine(1, 2, 1), bondLine(1, 3, 2)},
                                      3, 2, "\n", {"M  CHG  2   1   1   2  -2"}));
  EXPECT_EQ(model.atoms()[0].label, "N+");
  EXPECT_EQ(model.atoms()[1].label, "O2-");
  EXPECT_EQ(model.atoms()[2].label, "O");
  ViewState state;
  EXPECT_TRUE(itemsOf(buildScene(model, state, 340, 290), ItemKind::Label).empty());
  state.labels = true;
  for (Style style : kStyles) {
    state.style = style;
    const Scene scene = buildScene(model, state, 340, 290);
    ASSERT_EQ(itemsOf(scene, ItemKind::Label).size(), 3u);
    for (int atom = 0; atom < 3; ++atom) {
      const size_t label = indexOf(scene, ItemKind::Label, atom);
      const size_t ball = indexOf(scene, ItemKind::Sphere, atom);
      if (ball < scene.items.size()) {
        EXPECT_GT(label, ball);
      }
    }
  }
}

TEST(ViewState, TakesThePagesAttributes) {
  const auto state = [](const char* text) { return viewStateFromAttributes(outside::EmbedAttributes::parse(text)); };
  const ViewState page =
      state("TYPE=chemical/x-mdl-molfile\nDISPLAY3D=BALLSTICK\nSTARTSPIN=true\nSPINSPEED=2\nBGCOLOR=#000000");
  EXPECT_EQ(page.style, Style::BallsAndSticks);
  EXPECT_TRUE(page.spin);
  EXPECT_DOUBLE_EQ(page.spinDegreesPerSecond(), 30);
  EXPECT_EQ(page.background, 0x000000u);
  EXPECT_TRUE(page.threeD);
  EXPECT_FALSE(page.labels);

  EXPECT_EQ(state("DISPLAY3D=spacefill").style, Style::SpaceFilling);
  EXPECT_EQ(state("DISPLAY3D=Wireframe").style, Style::Wireframe);
  EXPECT_EQ(state("DISPLAY3D=sticks").style, Style::Sticks);
  EXPECT_EQ(state("DISPLAY3D=ball&stick").style, Style::BallsAndSticks);
  EXPECT_EQ(state("DISPLAY3D=ribbons").style, Style::BallsAndSticks);
  EXPECT_FALSE(state("STARTSPIN=false\nSPINSPEED=5").spin);
  EXPECT_DOUBLE_EQ(state("SPINSPEED=5").spinSpeed, 5);
  EXPECT_DOUBLE_EQ(state("SPINSPEED=0").spinSpeed, kDefaultSpinSpeed);
  EXPECT_DOUBLE_EQ(state("SPINSPEED=-3").spinSpeed, kDefaultSpinSpeed);
  EXPECT_DOUBLE_EQ(state("SPINSPEED=1e9").spinSpeed, kDefaultSpinSpeed);
  EXPECT_DOUBLE_EQ(state("SPINSPEED=fast").spinSpeed, kDefaultSpinSpeed);
  EXPECT_EQ(state("bgcolor = \"#FFFDF4\"").background, 0xFFFDF4u);
  EXPECT_EQ(state("BGCOLOR=white").background, 0x000000u);
  EXPECT_EQ(state("BGCOLOR=#12345").background, 0x000000u);
}

TEST(ViewState, FollowsTheControllersCommands) {
  ViewState state;
  EXPECT_TRUE(applyCommand(state, command::kWireframe));
  EXPECT_EQ(state.style, Style::Wireframe);
  EXPECT_TRUE(applyCommand(state, command::kSticks));
  EXPECT_EQ(state.style, Style::Sticks);
  EXPECT_TRUE(applyCommand(state, command::kBallsAndSticks));
  EXPECT_EQ(state.style, Style::BallsAndSticks);
  EXPECT_TRUE(applyCommand(state, command::kTwoD));
  EXPECT_FALSE(state.threeD);
  EXPECT_TRUE(applyCommand(state, command::kThreeD));
  EXPECT_TRUE(state.threeD);
  // The same id switches rotation and labels either way.
  EXPECT_TRUE(applyCommand(state, command::kRotation));
  EXPECT_TRUE(state.spin);
  EXPECT_TRUE(applyCommand(state, command::kRotation));
  EXPECT_FALSE(state.spin);
  EXPECT_TRUE(applyCommand(state, command::kLabels));
  EXPECT_TRUE(state.labels);
  const ViewState before = state;
  EXPECT_FALSE(applyCommand(state, 1));
  EXPECT_FALSE(applyCommand(state, 9822));
  EXPECT_EQ(state.style, before.style);
  EXPECT_EQ(state.labels, before.labels);
}

TEST(EmbedAttributes, ReadsTheLinesThePageBrowserHandsOver) {
  const auto a = outside::EmbedAttributes::parse("AUTOPLAY=FALSE\r\nscale = 2\n\nNOVALUE\n=x\nLOOP=yes\nLOOP=0\n");
  EXPECT_EQ(a.value("AUTOPLAY"), "FALSE");
  EXPECT_EQ(a.value("autoplay"), "FALSE");
  EXPECT_FALSE(a.flag("AUTOPLAY", true));
  EXPECT_DOUBLE_EQ(a.number("SCALE", 1), 2);
  EXPECT_FALSE(a.value("NOVALUE"));
  EXPECT_FALSE(a.value(""));
  EXPECT_FALSE(a.flag("LOOP", true));  // the later line wins
  EXPECT_TRUE(a.flag("MISSING", true));
  EXPECT_TRUE(outside::EmbedAttributes::parse("X=maybe").flag("X", true));
  EXPECT_DOUBLE_EQ(outside::EmbedAttributes::parse("X=2px").number("X", 7), 7);
  EXPECT_DOUBLE_EQ(outside::EmbedAttributes::parse("X=nan").number("X", 7), 7);
}
