#pragma once

#include <cstdint>
#include <string_view>

#include "outside/core/EmbedAttributes.h"
#include "outside/molview/core/Geometry.h"

// How the viewer shows its molecule, and how the page's attributes and the molecule
// controller's commands change that.
namespace vantorel::molview {

enum class Style { BallsAndSticks, Sticks, Wireframe, SpaceFilling };

// The commands the molecule controller sends with its command message.
namespace command {
inline constexpr int kTwoD = 5000;
inline constexpr int kThreeD = 5001;
inline constexpr int kRotation = 4010;
inline constexpr int kWireframe = 1020;
inline constexpr int kSticks = 1022;
inline constexpr int kBallsAndSticks = 1024;
inline constexpr int kLabels = 1046;
}  // namespace command

inline constexpr double kDefaultSpinSpeed = 2;
// Degrees a second for each step of the page's spin speed.
inline constexpr double kDegreesPerSpinStep = 15;

struct ViewState {
  Style style = Style::BallsAndSticks;
  bool threeD = true;  // shaded and in perspective; otherwise flat
  bool labels = false;
  bool spin = false;
  double spinSpeed = kDefaultSpinSpeed;  // the page's SPINSPEED
  uint32_t background = 0x000000;        // 0xRRGGBB
  Matrix3 turn;                          // the user's rotation, applied after the model's own

  [[nodiscard]] double spinDegreesPerSecond() const { return spinSpeed * kDegreesPerSpinStep; }
};

// DISPLAY3D (BALLSTICK, STICKS, WIREFRAME, SPACEFILL and their usual spellings), STARTSPIN,
// SPINSPEED (kept within 0.1 to 20; other values give the default) and BGCOLOR.
[[nodiscard]] ViewState viewStateFromAttributes(const outside::EmbedAttributes& attributes);
[[nodiscard]] Style styleNamed(std::string_view name, Style fallback);

// Applies a controller command; false (and no change) for an id it does not know. The
// rotation and labels commands switch their setting over: the controller sends the same id
// either way.
bool applyCommand(ViewState& state, int commandId);

}  // namespace vantorel::molview
