#pragma once

#include <cstdint>
#include <vector>

#include "outside/molview/core/Model.h"
#include "outside/molview/core/ViewState.h"

// What to draw for one picture of the model, in window pixels, back to front.
namespace vantorel::molview {

enum class ItemKind {
  Sphere,  // an atom: centre (x1, y1), radius r1
  Stick,   // half a bond, as a cylinder from (x1, y1), half-width r1, to (x2, y2), half-width r2
  Line,    // half a bond in the wireframe: from (x1, y1) to (x2, y2), r1 pixels wide
  Label,   // an atom's label at (x1, y1), for a sphere of radius r1 (0 without one)
};

struct SceneItem {
  ItemKind kind = ItemKind::Sphere;
  int atom = 0;  // the atom it belongs to, whose colour it takes
  double depth = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, r1 = 0, r2 = 0;
  uint32_t colour = 0;  // 0xRRGGBB
  double light = 1;     // 1 in front, dimmer further back
};

struct Scene {
  std::vector<SceneItem> items;  // far to near: paint in this order
  double pixelsPerAngstrom = 0;  // at the model's centre
  bool shaded = true;            // the 3D look; flat colours otherwise
  Style style = Style::BallsAndSticks;
};

// Radii of the styles, in ångströms.
inline constexpr double kBallFraction = 0.24;  // of the van der Waals radius
inline constexpr double kStickRadius = 0.14;
inline constexpr double kSticksStyleRadius = 0.2;
inline constexpr double kLoneAtomRadius = 0.25;  // a wireframe atom without bonds
// The whole model, turned any way, stays within this share of the window's smaller side.
inline constexpr double kFillShare = 0.9;

// The window's centre is the model's centre. In 3D the view is in perspective from a distance
// of a few model radii; flat pictures are drawn straight on.
[[nodiscard]] Scene buildScene(const Model& model, const ViewState& state, double width, double height);

// The rotation that takes model coordinates to view coordinates (x right, y up, z towards the
// viewer): the model's presentation followed by the user's turn.
[[nodiscard]] Matrix3 viewRotation(const Model& model, const ViewState& state);

}  // namespace vantorel::molview
