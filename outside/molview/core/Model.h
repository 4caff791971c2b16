#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "outside/molview/core/Geometry.h"
#include "outside/molview/core/Molecule.h"

// A molecule made ready to draw: atoms centred on their middle, their colours and sizes, and the
// side on which each double or triple bond spreads its lines.
namespace vantorel::molview {

struct ModelAtom {
  Vec3 position;  // ångströms, centred
  uint32_t colour = 0;
  double vanDerWaalsRadius = 0;
  std::string label;  // symbol and charge: "C", "N+", "O2-"
  int bondCount = 0;
};

struct ModelBond {
  int first = 0;
  int second = 0;
  BondKind kind = BondKind::Single;
  Vec3 side;  // unit vector across the bond, in the plane of a neighbouring atom where there is one
};

class Model {
 public:
  Model() = default;
  explicit Model(const Molecule& molecule);

  [[nodiscard]] const std::vector<ModelAtom>& atoms() const { return atoms_; }
  [[nodiscard]] const std::vector<ModelBond>& bonds() const { return bonds_; }
  [[nodiscard]] bool empty() const { return atoms_.empty(); }
  // Turns the molecule so that its longest extent lies across the window and its thinnest
  // along the line of sight: the view in which most of it shows.
  [[nodiscard]] const Matrix3& presentation() const { return presentation_; }

 private:
  std::vector<ModelAtom> atoms_;
  std::vector<ModelBond> bonds_;
  Matrix3 presentation_;
};

}  // namespace vantorel::molview
