#include <gtest/gtest.h>

#include <utility>

#include "kestrin/core/Switches.h"

using namespace vantorel::kestrin;

namespace {

using Points = std::initializer_list<std::pair<int, int>>;

SwitchState with(void (*change)(SwitchState&)) {
  SwitchState s;
  change(s);
  return s;
}
const SwitchState kThreeD;
const SwitchState kTwoD = with([](SwitchState& s) { s.threeD = false; });

// Each point clicked on a copy of `before` asks for `outcome` and leaves `after`.
void expectClicks(const SwitchState& before, Points points, const ClickOutcome& outcome, const SwitchState& after) {
  for (auto [x, y] : points) {
    SCOPED_TRACE(testing::Message() << "click at " << x << "," << y);
    SwitchState state = before;
    EXPECT_EQ(click(state, x, y), outcome);
    EXPECT_EQ(state, after);
  }
}
void expectIgnored(const SwitchState& state, Points points) {
  expectClicks(state, points, {}, state);
}

}  // namespace

TEST(Switches, DimensionSwitchAnswersOnlyOnItsUnlitHalf) {
  expectClicks(kThreeD, {{8, 20}, {18, 30}, {8, 30}, {18, 20}, {12, 25}}, {kDimensionSwitch, command::kTwoD, false},
               kTwoD);
  expectIgnored(kThreeD, {{7, 25}, {19, 25}, {12, 19}, {12, 31}, {29, 25}, {39, 25}});  // just outside, the lit half
  expectClicks(kTwoD, {{29, 20}, {39, 30}, {34, 25}}, {kDimensionSwitch, command::kThreeD, false}, kThreeD);
  expectIgnored(kTwoD, {{28, 25}, {40, 25}, {34, 19}, {34, 31}, {12, 25}});
}

TEST(Switches, OnOffSwitchesTurnOnFromTheLeftAndOffFromTheRight) {
  // The two on/off switches share one rule; each has its own rows, flag and command.
  struct Lever {
    const char* name;
    int top, bottom;  // first and last rows that count
    bool SwitchState::*flag;
    Part part;
    int commandId;
  };
  for (const Lever& lever : {Lever{"rotation", 62, 72, &SwitchState::rotation, kRotationSwitch, command::kRotation},
                             Lever{"labels", 234, 244, &SwitchState::labels, kLabelsSwitch, command::kLabels}}) {
    SCOPED_TRACE(lever.name);
    const ClickOutcome toggled{lever.part, lever.commandId, false};
    const SwitchState off;
    SwitchState on;
    on.*lever.flag = true;
    const int t = lever.top, b = lever.bottom, mid = (t + b) / 2;
    expectClicks(off, {{8, t}, {18, t}, {8, b}, {18, b}}, toggled, on);
    expectClicks(on, {{29, t}, {39, t}, {29, b}, {39, b}}, toggled, off);
    // Beyond the edges, the lit half, and the gap between the halves.
    expectIgnored(off, {{7, mid}, {19, mid}, {12, t - 1}, {12, b + 1}, {29, mid}, {24, mid}});
    expectIgnored(on, {{28, mid}, {40, mid}, {34, t - 1}, {34, b + 1}, {12, mid}, {24, mid}});
  }
}

TEST(Switches, DisplayButtonsFormAGroupWithExactEdges) {
  struct Row {
    int x, y;
    DisplayStyle style;
    int commandId;
  };
  const Row hits[] = {
      {1, 108, DisplayStyle::Wireframe, command::kWireframe},
      {46, 138, DisplayStyle::Wireframe, command::kWireframe},  // the shared row belongs to the upper button
      {1, 139, DisplayStyle::Sticks, command::kSticks},
      {46, 169, DisplayStyle::Sticks, command::kSticks},
      {1, 170, DisplayStyle::BallsAndSticks, command::kBallsAndSticks},
      {46, 200, DisplayStyle::BallsAndSticks, command::kBallsAndSticks},
  };
  for (const Row& row : hits) {
    // From another style the click selects; only balls and sticks tells the host. The selected
    // button ignores the click.
    SwitchState before, selected;
    before.display = row.style == DisplayStyle::Wireframe ? DisplayStyle::Sticks : DisplayStyle::Wireframe;
    selected.display = row.style;
    expectClicks(before, {{row.x, row.y}}, {kDisplayButtons, row.commandId, row.style == DisplayStyle::BallsAndSticks},
                 selected);
    expectIgnored(selected, {{row.x, row.y}});
  }
  // The buttons are wider than the part that answers.
  expectIgnored(with([](SwitchState& s) { s.display = DisplayStyle::Sticks; }),
                {{0, 120}, {47, 120}, {50, 185}, {20, 107}, {20, 201}});
}

TEST(Switches, TwoDLocksEveryOtherSwitch) {
  SwitchState locked = kTwoD;
  locked.display = DisplayStyle::Sticks;
  SwitchState lockedOn = locked;
  lockedOn.rotation = lockedOn.labels = true;
  expectIgnored(locked, {{12, 67}, {12, 239}, {20, 120}, {20, 185}});
  expectIgnored(lockedOn, {{34, 67}, {34, 239}});
  // Back in 3D they answer again.
  ASSERT_EQ(click(locked, 34, 25).command, command::kThreeD);
  EXPECT_EQ(click(locked, 12, 67).command, command::kRotation);
}

TEST(Switches, ChoosingThreeDAlwaysRedrawsAndSends) {
  for (SwitchState s : {kThreeD, kTwoD}) {
    EXPECT_EQ(chooseThreeD(s), (ClickOutcome{kDimensionSwitch, command::kThreeD, false}));
    EXPECT_TRUE(s.threeD);
  }
}
