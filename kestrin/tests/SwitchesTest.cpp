#include <gtest/gtest.h>

#include "kestrin/core/Switches.h"

using namespace vantorel::kestrin;

namespace {

SwitchState twoD() {
  SwitchState s;
  s.threeD = false;
  return s;
}

// A click on a copy of `before`: what it asks for, and whether it changed the state.
struct Probe {
  ClickOutcome outcome;
  SwitchState after;
};
Probe probe(SwitchState before, int x, int y) {
  ClickOutcome outcome = click(before, x, y);
  return {outcome, before};
}

// The three on/off switches share one rule; each has its own row, bit and command.
struct Lever {
  const char* name;
  int top;  // first and last rows that count
  int bottom;
  bool SwitchState::*flag;
  Part part;
  int commandId;
};

std::vector<Lever> onOffLevers() {
  return {{"rotation", 62, 72, &SwitchState::rotation, kRotationSwitch, command::kRotation},
          {"labels", 234, 244, &SwitchState::labels, kLabelsSwitch, command::kLabels}};
}

}  // namespace

TEST(Switches, DefaultsAreThreeDWithoutRotationOrLabelsShowingBallsAndSticks) {
  const SwitchState s;
  EXPECT_TRUE(s.threeD);
  EXPECT_FALSE(s.rotation);
  EXPECT_FALSE(s.labels);
  EXPECT_EQ(s.display, DisplayStyle::BallsAndSticks);
}

TEST(Switches, DimensionSwitchGoesToTwoDOnlyFromItsLeftHalf) {
  const ClickOutcome toTwoD{kDimensionSwitch, command::kTwoD, false};
  for (auto [x, y] : {std::pair{8, 20}, {18, 30}, {8, 30}, {18, 20}, {12, 25}}) {
    const Probe p = probe(SwitchState{}, x, y);
    EXPECT_EQ(p.outcome, toTwoD) << x << "," << y;
    EXPECT_FALSE(p.after.threeD);
  }
  // Just outside, and the lit right half.
  for (auto [x, y] : {std::pair{7, 25}, {19, 25}, {12, 19}, {12, 31}, {29, 25}, {39, 25}}) {
    const Probe p = probe(SwitchState{}, x, y);
    EXPECT_EQ(p.outcome, ClickOutcome{}) << x << "," << y;
    EXPECT_EQ(p.after, SwitchState{}) << x << "," << y;
  }
}

TEST(Switches, DimensionSwitchGoesBackToThreeDOnlyFromItsRightHalf) {
  const ClickOutcome toThreeD{kDimensionSwitch, command::kThreeD, false};
  for (auto [x, y] : {std::pair{29, 20}, {39, 30}, {34, 25}}) {
    const Probe p = probe(twoD(), x, y);
    EXPECT_EQ(p.outcome, toThreeD) << x << "," << y;
    EXPECT_TRUE(p.after.threeD);
  }
  for (auto [x, y] : {std::pair{28, 25}, {40, 25}, {34, 19}, {34, 31}, {12, 25}}) {
    const Probe p = probe(twoD(), x, y);
    EXPECT_EQ(p.outcome, ClickOutcome{}) << x << "," << y;
    EXPECT_EQ(p.after, twoD()) << x << "," << y;
  }
}

TEST(Switches, OnOffSwitchesTurnOnFromTheLeftAndOffFromTheRight) {
  for (const Lever& lever : onOffLevers()) {
    SCOPED_TRACE(lever.name);
    const ClickOutcome toggled{lever.part, lever.commandId, false};
    SwitchState off;
    SwitchState on;
    on.*lever.flag = true;

    for (int y : {lever.top, lever.bottom}) {
      for (int x : {8, 18}) {
        Probe p = probe(off, x, y);
        EXPECT_EQ(p.outcome, toggled) << x << "," << y;
        EXPECT_TRUE(p.after.*lever.flag);
      }
      for (int x : {29, 39}) {
        Probe p = probe(on, x, y);
        EXPECT_EQ(p.outcome, toggled) << x << "," << y;
        EXPECT_FALSE(p.after.*lever.flag);
      }
    }
    // Beyond the edges, the lit half, and the gap between the halves.
    const int mid = (lever.top + lever.bottom) / 2;
    for (auto [x, y] :
         {std::pair{7, mid}, {19, mid}, {12, lever.top - 1}, {12, lever.bottom + 1}, {29, mid}, {24, mid}}) {
      Probe p = probe(off, x, y);
      EXPECT_EQ(p.outcome, ClickOutcome{}) << "off " << x << "," << y;
      EXPECT_EQ(p.after, off);
    }
    for (auto [x, y] :
         {std::pair{28, mid}, {40, mid}, {34, lever.top - 1}, {34, lever.bottom + 1}, {12, mid}, {24, mid}}) {
      Probe p = probe(on, x, y);
      EXPECT_EQ(p.outcome, ClickOutcome{}) << "on " << x << "," << y;
      EXPECT_EQ(p.after, on);
    }
  }
}

TEST(Switches, DisplayButtonsFormAGroupWithExactEdges) {
  struct Case {
    int x, y;
    DisplayStyle style;
    int commandId;
  };
  const Case hits[] = {
      {1, 108, DisplayStyle::Wireframe, command::kWireframe},
      {46, 138, DisplayStyle::Wireframe, command::kWireframe},  // the shared row belongs to the upper button
      {1, 139, DisplayStyle::Sticks, command::kSticks},
      {46, 169, DisplayStyle::Sticks, command::kSticks},
      {1, 170, DisplayStyle::BallsAndSticks, command::kBallsAndSticks},
      {46, 200, DisplayStyle::BallsAndSticks, command::kBallsAndSticks},
  };
  for (const Case& c : hits) {
    // Start from a style other than the target so that the click changes something.
    SwitchState before;
    before.display = c.style == DisplayStyle::Wireframe ? DisplayStyle::Sticks : DisplayStyle::Wireframe;
    Probe p = probe(before, c.x, c.y);
    EXPECT_EQ(p.outcome, (ClickOutcome{kDisplayButtons, c.commandId, c.style == DisplayStyle::BallsAndSticks}))
        << c.x << "," << c.y;
    EXPECT_EQ(p.after.display, c.style);

    // The selected one ignores the click.
    SwitchState selected;
    selected.display = c.style;
    p = probe(selected, c.x, c.y);
    EXPECT_EQ(p.outcome, ClickOutcome{}) << c.x << "," << c.y;
    EXPECT_EQ(p.after, selected);
  }
  SwitchState sticks;
  sticks.display = DisplayStyle::Sticks;
  // The buttons are wider than the part that answers.
  for (auto [x, y] : {std::pair{0, 120}, {47, 120}, {50, 185}, {20, 107}, {20, 201}}) {
    const Probe p = probe(sticks, x, y);
    EXPECT_EQ(p.outcome, ClickOutcome{}) << x << "," << y;
    EXPECT_EQ(p.after, sticks);
  }
}

TEST(Switches, TwoDLocksEveryOtherSwitch) {
  SwitchState locked = twoD();
  locked.display = DisplayStyle::Sticks;
  SwitchState lockedOn = locked;
  lockedOn.rotation = lockedOn.labels = true;
  for (auto [x, y] : {std::pair{12, 67}, {12, 239}, {20, 120}, {20, 185}}) {
    Probe p = probe(locked, x, y);
    EXPECT_EQ(p.outcome, ClickOutcome{}) << x << "," << y;
    EXPECT_EQ(p.after, locked);
  }
  for (auto [x, y] : {std::pair{34, 67}, {34, 239}}) {
    Probe p = probe(lockedOn, x, y);
    EXPECT_EQ(p.outcome, ClickOutcome{}) << x << "," << y;
    EXPECT_EQ(p.after, lockedOn);
  }
  // Back in 3D they answer again.
  ASSERT_EQ(click(locked, 34, 25).command, command::kThreeD);
  EXPECT_EQ(click(locked, 12, 67).command, command::kRotation);
}

TEST(Switches, ChoosingThreeDAlwaysRedrawsAndSends) {
  for (SwitchState s : {SwitchState{}, twoD()}) {
    EXPECT_EQ(chooseThreeD(s), (ClickOutcome{kDimensionSwitch, command::kThreeD, false}));
    EXPECT_TRUE(s.threeD);
  }
}

TEST(Switches, BitmapsFollowTheState) {
  SwitchState s;
  EXPECT_EQ(bitmapFor(Element::DimensionSwitch, s), bitmap::kSwitchRightLit);
  EXPECT_EQ(bitmapFor(Element::RotationSwitch, s), bitmap::kSwitchRightLit);
  EXPECT_EQ(bitmapFor(Element::LabelsSwitch, s), bitmap::kSwitchRightLit);
  EXPECT_EQ(bitmapFor(Element::WireframeButton, s), bitmap::kWireframe);
  EXPECT_EQ(bitmapFor(Element::SticksButton, s), bitmap::kSticks);
  EXPECT_EQ(bitmapFor(Element::BallsAndSticksButton, s), bitmap::kBallsAndSticksSelected);
  s.threeD = false;
  s.rotation = s.labels = true;
  s.display = DisplayStyle::Wireframe;
  EXPECT_EQ(bitmapFor(Element::DimensionSwitch, s), bitmap::kSwitchLeftLit);
  EXPECT_EQ(bitmapFor(Element::RotationSwitch, s), bitmap::kSwitchLeftLit);
  EXPECT_EQ(bitmapFor(Element::LabelsSwitch, s), bitmap::kSwitchLeftLit);
  EXPECT_EQ(bitmapFor(Element::WireframeButton, s), bitmap::kWireframeSelected);
  EXPECT_EQ(bitmapFor(Element::BallsAndSticksButton, s), bitmap::kBallsAndSticks);
  s.display = DisplayStyle::Sticks;
  EXPECT_EQ(bitmapFor(Element::SticksButton, s), bitmap::kSticksSelected);
}
