#include "outside/molview/core/Scene.h"

#include <algorithm>
#include <cmath>

namespace vantorel::molview {
namespace {

// The camera stands this many model radii from the centre: enough depth for a clear 3D look
// without distorting the near atoms.
constexpr double kCameraDistance = 3.5;

double atomRadius(const ModelAtom& atom, Style style) {
  switch (style) {
    case Style::BallsAndSticks: return atom.vanDerWaalsRadius * kBallFraction;
    case Style::Sticks: return kSticksStyleRadius;
    case Style::Wireframe: return atom.bondCount == 0 ? kLoneAtomRadius : 0;
    case Style::SpaceFilling: return atom.vanDerWaalsRadius;
  }
  return 0;
}

struct Projector {
  double centreX = 0, centreY = 0;
  double focal = 0;   // perspective: pixels = focal * size / (camera - z)
  double camera = 0;  // 0 for the flat projection
  double flatScale = 0;
  double radius = 1;

  [[nodiscard]] double factor(double z) const {
    if (camera <= 0) return flatScale;
    return focal / std::max(camera - z, 1e-6 * camera);
  }
  [[nodiscard]] double x(const Vec3& v) const { return centreX + v.x * factor(v.z); }
  [[nodiscard]] double y(const Vec3& v) const { return centreY - v.y * factor(v.z); }
  // The back half of the model is drawn darker with depth, which reads as distance. In steps of
  // a tenth: the painter's gradients are then few and its gradient cache holds them all.
  [[nodiscard]] double light(double z) const {
    if (camera <= 0) return 1;
    return std::round((1.0 - 0.4 * std::clamp(-z / radius, 0.0, 1.0)) * 10) / 10;
  }
};

}  // namespace

Matrix3 viewRotation(const Model& model, const ViewState& state) {
  return state.turn * model.presentation();
}

Scene buildScene(const Model& model, const ViewState& state, double width, double height) {
  Scene scene;
  scene.shaded = state.threeD;
  scene.style = state.style;
  if (model.empty() || !(width > 0) || !(height > 0)) return scene;

  const Style style = state.style;
  const Matrix3 rotation = viewRotation(model, state);
  std::vector<Vec3> view;
  view.reserve(model.atoms().size());
  double radius = 0;
  for (const ModelAtom& atom : model.atoms()) {
    view.push_back(rotation.apply(atom.position));
    radius = std::max(radius, atom.position.length() + atomRadius(atom, style));
  }
  radius = std::max(radius, 0.5);  // a single small atom still gets a sensible size

  Projector p;
  p.centreX = width / 2;
  p.centreY = height / 2;
  p.radius = radius;
  const double halfSide = kFillShare * std::min(width, height) / 2;
  if (state.threeD) {
    // The tangent cone of the model's bounding sphere fills the share of the window, so no turn
    // takes any part outside it.
    p.camera = kCameraDistance * radius;
    p.focal = halfSide * std::sqrt(p.camera * p.camera - radius * radius) / radius;
    scene.pixelsPerAngstrom = p.focal / p.camera;
  } else {
    p.flatScale = halfSide / radius;
    scene.pixelsPerAngstrom = p.flatScale;
  }

  auto& items = scene.items;
  items.reserve(model.atoms().size() * 2 + model.bonds().size() * 6);
  for (size_t i = 0; i < view.size(); ++i) {
    const ModelAtom& atom = model.atoms()[i];
    const Vec3& v = view[i];
    const double r = atomRadius(atom, style);
    SceneItem item;
    item.atom = static_cast<int>(i);
    item.depth = v.z;
    item.colour = atom.colour;
    item.light = p.light(v.z);
    item.x1 = p.x(v);
    item.y1 = p.y(v);
    item.r1 = r * p.factor(v.z);
    if (r > 0) {
      item.kind = ItemKind::Sphere;
      items.push_back(item);
    }
    if (state.labels) {
      // Just in front of its own sphere, so the label shows on it but nearer atoms hide it.
      item.kind = ItemKind::Label;
      item.depth = v.z + r * 0.5;
      items.push_back(item);
    }
  }

  if (style != Style::SpaceFilling) {
    const bool wire = style == Style::Wireframe;
    const double stick = style == Style::Sticks ? kSticksStyleRadius : kStickRadius;
    const double lineWidth = std::max(2.0, scene.pixelsPerAngstrom * 0.08);
    for (const ModelBond& bond : model.bonds()) {
      const Vec3 a = view[static_cast<size_t>(bond.first)], b = view[static_cast<size_t>(bond.second)];
      const Vec3 side = rotation.apply(bond.side);
      const Vec3 along = (b - a).unit();
      const double length = (b - a).length();
      // Lines of the bond: offsets across it and the radius of each.
      struct Strand {
        double offset;
        double radius;
      };
      Strand strands[3] = {{0, stick}, {0, 0}, {0, 0}};
      int count = 1;
      const double gap = wire ? 0.12 : stick * 0.8;
      if (bond.kind == BondKind::Double || bond.kind == BondKind::Aromatic) {
        strands[0] = {-gap, stick * 0.6};
        strands[1] = {gap, stick * 0.6};
        count = 2;
      } else if (bond.kind == BondKind::Triple) {
        strands[0] = {-gap * 1.5, stick * 0.5};
        strands[1] = {0, stick * 0.5};
        strands[2] = {gap * 1.5, stick * 0.5};
        count = 3;
      }
      for (int half = 0; half < 2; ++half) {
        const int owner = half == 0 ? bond.first : bond.second;
        const ModelAtom& atom = model.atoms()[static_cast<size_t>(owner)];
        const Vec3 start = half == 0 ? a : b;
        const Vec3 towards = half == 0 ? along : along * -1.0;
        const Vec3 middle = (a + b) * 0.5;
        // A stick leaves its ball at the surface, so seen end-on it does not cover the ball.
        const double ball = style == Style::BallsAndSticks ? atomRadius(atom, style) * 0.8 : 0;
        const double skip = std::min(ball, length / 2);
        for (int s = 0; s < count; ++s) {
          const Vec3 shift = side * strands[s].offset;
          const Vec3 from = start + towards * skip + shift;
          const Vec3 to = middle + shift;
          SceneItem item;
          item.kind = wire ? ItemKind::Line : ItemKind::Stick;
          item.atom = owner;
          item.colour = atom.colour;
          item.depth = (from.z + to.z) / 2;
          item.light = p.light(item.depth);
          item.x1 = p.x(from);
          item.y1 = p.y(from);
          item.x2 = p.x(to);
          item.y2 = p.y(to);
          if (wire) {
            item.r1 = count > 1 ? lineWidth * 0.8 : lineWidth;
          } else {
            item.r1 = strands[s].radius * p.factor(from.z);
            item.r2 = strands[s].radius * p.factor(to.z);
          }
          items.push_back(item);
        }
      }
    }
  }

  std::stable_sort(items.begin(), items.end(),
                   [](const SceneItem& l, const SceneItem& r) { return l.depth < r.depth; });
  return scene;
}

}  // namespace vantorel::molview
