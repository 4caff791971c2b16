#include "outside/molview/core/ViewState.h"

#include <string>

namespace vantorel::molview {
namespace {

std::string upperLetters(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') out += c;
  }
  return out;
}

}  // namespace

Style styleNamed(std::string_view name, Style fallback) {
  const std::string word = upperLetters(name);
  if (word == "BALLSTICK" || word == "BALLANDSTICK" || word == "BALLSANDSTICKS" || word == "BALLSTICKS")
    return Style::BallsAndSticks;
  if (word == "STICKS" || word == "STICK" || word == "TUBE" || word == "TUBES") return Style::Sticks;
  if (word == "WIREFRAME" || word == "WIRE" || word == "LINES") return Style::Wireframe;
  if (word == "SPACEFILL" || word == "SPACEFILLING" || word == "CPK" || word == "SPHERES") return Style::SpaceFilling;
  return fallback;
}

ViewState viewStateFromAttributes(const outside::EmbedAttributes& attributes) {
  ViewState state;
  if (const auto display = attributes.value("DISPLAY3D")) state.style = styleNamed(*display, state.style);
  state.spin = attributes.flag("STARTSPIN", false);
  const double speed = attributes.number("SPINSPEED", kDefaultSpinSpeed);
  state.spinSpeed = speed >= 0.1 && speed <= 20 ? speed : kDefaultSpinSpeed;
  state.background = attributes.colour("BGCOLOR", 0x000000);
  return state;
}

bool applyCommand(ViewState& state, int commandId) {
  switch (commandId) {
    case command::kTwoD: state.threeD = false; return true;
    case command::kThreeD: state.threeD = true; return true;
    case command::kRotation: state.spin = !state.spin; return true;
    case command::kWireframe: state.style = Style::Wireframe; return true;
    case command::kSticks: state.style = Style::Sticks; return true;
    case command::kBallsAndSticks: state.style = Style::BallsAndSticks; return true;
    case command::kLabels: state.labels = !state.labels; return true;
    default: return false;
  }
}

}  // namespace vantorel::molview
