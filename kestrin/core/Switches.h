#pragma once

#include <array>

// The switches of the molecule controller strip: their states, where each element stands and
// what a click does. Qt-free, so that the rules can be tested without a window.
namespace vantorel::kestrin {

enum class DisplayStyle { Wireframe, Sticks, BallsAndSticks };  // "Πλέγμα", "Ράβδοι", "Σφαίρες και ράβδοι"

// Command identifiers sent to the molecule viewer.
namespace command {
inline constexpr int kTwoD = 5000;
inline constexpr int kThreeD = 5001;
inline constexpr int kRotation = 4010;
inline constexpr int kWireframe = 1020;
inline constexpr int kSticks = 1022;
inline constexpr int kBallsAndSticks = 1024;
inline constexpr int kLabels = 1046;
}  // namespace command

// Parts of the strip that a change redraws, as bits.
enum Part : unsigned {
  kNoPart = 0,
  kDimensionSwitch = 1u << 0,
  kRotationSwitch = 1u << 1,
  kLabelsSwitch = 1u << 2,
  kDisplayButtons = 1u << 3,
};

struct SwitchState {
  bool threeD = true;
  bool rotation = false;
  bool labels = false;
  DisplayStyle display = DisplayStyle::BallsAndSticks;
  bool operator==(const SwitchState&) const = default;
};

struct ClickOutcome {
  unsigned redraw = kNoPart;  // Part bits
  int command = 0;            // for the viewer; 0 when nothing is sent
  bool notifyHost = false;    // tell the host's view to refresh its page browser
  bool operator==(const ClickOutcome&) const = default;
};

// A left-button press at (x, y) in control coordinates; changes `state` when it hits a switch.
[[nodiscard]] ClickOutcome click(SwitchState& state, int x, int y);

// What the controller does after its first paint: 3D, whatever the switch shows.
[[nodiscard]] ClickOutcome chooseThreeD(SwitchState& state);

// The elements of the strip, top to bottom, and their bitmaps.
enum class Element {
  DimensionCaptions,
  DimensionSwitch,
  RotationCaption,
  RotationSwitch,
  RotationCaptions,
  DisplayCaption,
  WireframeButton,
  SticksButton,
  BallsAndSticksButton,
  LabelsCaption,
  LabelsSwitch,
  LabelsCaptions,
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct Placement {
  Element element;
  Rect rect;
  Part part;  // the redraw group it belongs to; kNoPart for fixed captions
};

inline constexpr std::array<Placement, 12> kLayout{{
    {Element::DimensionCaptions, {8, 8, 32, 7}, kNoPart},
    {Element::DimensionSwitch, {8, 20, 32, 11}, kDimensionSwitch},
    {Element::RotationCaption, {1, 48, 56, 10}, kNoPart},
    {Element::RotationSwitch, {8, 62, 32, 11}, kRotationSwitch},
    {Element::RotationCaptions, {9, 75, 40, 8}, kNoPart},
    {Element::DisplayCaption, {2, 95, 56, 10}, kNoPart},
    {Element::WireframeButton, {1, 108, 56, 31}, kDisplayButtons},
    {Element::SticksButton, {1, 139, 56, 31}, kDisplayButtons},
    {Element::BallsAndSticksButton, {1, 170, 56, 31}, kDisplayButtons},
    {Element::LabelsCaption, {9, 221, 34, 8}, kNoPart},
    {Element::LabelsSwitch, {8, 234, 32, 11}, kLabelsSwitch},
    {Element::LabelsCaptions, {9, 248, 40, 8}, kNoPart},
}};

// Bitmap numbers.
namespace bitmap {
inline constexpr int kDimensionCaptions = 201;  // "2D" left, "3D" right
inline constexpr int kRotationCaption = 204;    // "Περιστροφή"
inline constexpr int kDisplayCaption = 205;     // "Απεικόνιση"
inline constexpr int kLabelsCaption = 212;      // "Ετικέτα"
inline constexpr int kYesNoCaptions = 213;      // "Ναι" left, "Όχι" right
inline constexpr int kSwitchLeftLit = 216;
inline constexpr int kSwitchRightLit = 217;
inline constexpr int kBackground = 218;  // its top-left 10 × 10 pixels fill the strip
inline constexpr int kBallsAndSticks = 220;
inline constexpr int kBallsAndSticksSelected = 221;
inline constexpr int kSticks = 222;
inline constexpr int kSticksSelected = 223;
inline constexpr int kWireframe = 224;
inline constexpr int kWireframeSelected = 225;
}  // namespace bitmap

// The bitmap that shows `element` in `state`.
[[nodiscard]] int bitmapFor(Element element, const SwitchState& state);

}  // namespace vantorel::kestrin
