#include "kestrin/core/Switches.h"

namespace vantorel::kestrin {
namespace {

// The switches answer only near their outer ends: the half that is not lit.
bool onLeftHalf(int x) {
  return 7 < x && x < 19;
}
bool onRightHalf(int x) {
  return 28 < x && x < 40;
}

ClickOutcome toggle(bool& on, int x, Part part, int commandId) {
  if (on ? !onRightHalf(x) : !onLeftHalf(x)) return {};
  on = !on;
  return {part, commandId, false};
}

ClickOutcome select(SwitchState& state, DisplayStyle style, int commandId) {
  if (state.display == style) return {};
  state.display = style;
  return {kDisplayButtons, commandId, style == DisplayStyle::BallsAndSticks};
}

}  // namespace

ClickOutcome click(SwitchState& state, int x, int y) {
  if (20 <= y && y <= 30) {
    if (state.threeD && onLeftHalf(x)) {
      state.threeD = false;
      return {kDimensionSwitch, command::kTwoD, false};
    }
    if (!state.threeD && onRightHalf(x)) {
      state.threeD = true;
      return {kDimensionSwitch, command::kThreeD, false};
    }
    return {};
  }
  // A flat picture has no rotation, style or labels to change.
  if (!state.threeD) return {};

  if (61 < y && y < 73) return toggle(state.rotation, x, kRotationSwitch, command::kRotation);
  if (233 < y && y < 245) return toggle(state.labels, x, kLabelsSwitch, command::kLabels);
  if (0 < x && x <= 46 && 108 <= y && y <= 138) return select(state, DisplayStyle::Wireframe, command::kWireframe);
  if (0 < x && x < 47 && 138 < y && y < 170) return select(state, DisplayStyle::Sticks, command::kSticks);
  if (0 < x && x < 47 && 170 <= y && y <= 200) {
    return select(state, DisplayStyle::BallsAndSticks, command::kBallsAndSticks);
  }
  return {};
}

ClickOutcome chooseThreeD(SwitchState& state) {
  state.threeD = true;
  return {kDimensionSwitch, command::kThreeD, false};
}

int bitmapFor(Element element, const SwitchState& state) {
  auto lever = [](bool leftLit) { return leftLit ? bitmap::kSwitchLeftLit : bitmap::kSwitchRightLit; };
  switch (element) {
    case Element::DimensionCaptions: return bitmap::kDimensionCaptions;
    case Element::DimensionSwitch: return lever(!state.threeD);
    case Element::RotationCaption: return bitmap::kRotationCaption;
    case Element::RotationSwitch: return lever(state.rotation);
    case Element::RotationCaptions: return bitmap::kYesNoCaptions;
    case Element::DisplayCaption: return bitmap::kDisplayCaption;
    case Element::WireframeButton:
      return state.display == DisplayStyle::Wireframe ? bitmap::kWireframeSelected : bitmap::kWireframe;
    case Element::SticksButton:
      return state.display == DisplayStyle::Sticks ? bitmap::kSticksSelected : bitmap::kSticks;
    case Element::BallsAndSticksButton:
      return state.display == DisplayStyle::BallsAndSticks ? bitmap::kBallsAndSticksSelected : bitmap::kBallsAndSticks;
    case Element::LabelsCaption: return bitmap::kLabelsCaption;
    case Element::LabelsSwitch: return lever(state.labels);
    case Element::LabelsCaptions: return bitmap::kYesNoCaptions;
  }
  return 0;
}

}  // namespace vantorel::kestrin
