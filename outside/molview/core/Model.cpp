#include "outside/molview/core/Model.h"

#include <algorithm>
#include <array>

#include "outside/molview/core/Elements.h"

namespace vantorel::molview {
namespace {

std::string labelOf(const Atom& atom) {
  std::string label = atom.symbol;
  if (atom.charge == 0) return label;
  const int size = atom.charge < 0 ? -atom.charge : atom.charge;
  if (size > 1) label += std::to_string(size);
  label += atom.charge < 0 ? "-" : "+";
  return label;
}

// Eigenvectors of a symmetric 3 × 3 matrix by Jacobi rotations, as the rows of the result,
// largest eigenvalue first.
Matrix3 principalAxes(std::array<double, 9> a) {
  Matrix3 v;
  for (int sweep = 0; sweep < 50; ++sweep) {
    const double off = a[1] * a[1] + a[2] * a[2] + a[5] * a[5];
    if (off < 1e-18) break;
    for (const auto& [p, q] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}}) {
      const double apq = a[p * 3 + q];
      if (std::fabs(apq) < 1e-15) continue;
      const double theta = (a[q * 3 + q] - a[p * 3 + p]) / (2 * apq);
      const double t = (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
      const double c = 1 / std::sqrt(t * t + 1), s = t * c;
      for (int k = 0; k < 3; ++k) {  // a = J^T a J
        const double akp = a[k * 3 + p], akq = a[k * 3 + q];
        a[k * 3 + p] = c * akp - s * akq;
        a[k * 3 + q] = s * akp + c * akq;
      }
      for (int k = 0; k < 3; ++k) {
        const double apk = a[p * 3 + k], aqk = a[q * 3 + k];
        a[p * 3 + k] = c * apk - s * aqk;
        a[q * 3 + k] = s * apk + c * aqk;
      }
      for (int k = 0; k < 3; ++k) {  // columns of v are the eigenvectors
        const double vkp = v.m[k * 3 + p], vkq = v.m[k * 3 + q];
        v.m[k * 3 + p] = c * vkp - s * vkq;
        v.m[k * 3 + q] = s * vkp + c * vkq;
      }
    }
  }
  std::array<int, 3> order{0, 1, 2};
  std::sort(order.begin(), order.end(), [&](int i, int j) { return a[i * 3 + i] > a[j * 3 + j]; });
  const auto column = [&](int c) { return Vec3{v.m[c], v.m[3 + c], v.m[6 + c]}; };
  const Vec3 x = column(order[0]).unit(), y = column(order[1]).unit();
  const Vec3 z = x.cross(y);  // right-handed, so the molecule is not mirrored
  Matrix3 rows{{x.x, x.y, x.z, y.x, y.y, y.z, z.x, z.y, z.z}};
  return rows.orthonormalised();
}

Vec3 anyPerpendicular(Vec3 u) {
  const Vec3 trial = std::fabs(u.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
  return u.cross(trial).unit();
}

}  // namespace

Model::Model(const Molecule& molecule) {
  if (molecule.atoms.empty()) return;
  Vec3 middle;
  for (const Atom& a : molecule.atoms) middle = middle + Vec3{a.x, a.y, a.z};
  middle = middle * (1.0 / static_cast<double>(molecule.atoms.size()));

  atoms_.reserve(molecule.atoms.size());
  std::array<double, 9> spread{};
  for (const Atom& a : molecule.atoms) {
    const ElementLook look = elementLook(a.symbol);
    ModelAtom atom;
    atom.position = Vec3{a.x, a.y, a.z} - middle;
    atom.colour = look.colour;
    atom.vanDerWaalsRadius = look.vanDerWaalsRadius;
    atom.label = labelOf(a);
    const double p[3] = {atom.position.x, atom.position.y, atom.position.z};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) spread[i * 3 + j] += p[i] * p[j];
    }
    atoms_.push_back(std::move(atom));
  }
  presentation_ = principalAxes(spread);

  std::vector<std::vector<int>> neighbours(atoms_.size());
  for (const Bond& b : molecule.bonds) {
    if (b.first < 0 || b.second < 0 || b.first >= static_cast<int>(atoms_.size()) ||
        b.second >= static_cast<int>(atoms_.size()))
      continue;
    neighbours[static_cast<size_t>(b.first)].push_back(b.second);
    neighbours[static_cast<size_t>(b.second)].push_back(b.first);
    ++atoms_[static_cast<size_t>(b.first)].bondCount;
    ++atoms_[static_cast<size_t>(b.second)].bondCount;
  }
  for (const Bond& b : molecule.bonds) {
    if (b.first < 0 || b.second < 0 || b.first >= static_cast<int>(atoms_.size()) ||
        b.second >= static_cast<int>(atoms_.size()))
      continue;
    ModelBond bond{b.first, b.second, b.kind, {}};
    const Vec3 from = atoms_[static_cast<size_t>(b.first)].position;
    const Vec3 along = (atoms_[static_cast<size_t>(b.second)].position - from).unit();
    // Lines of a multiple bond lie in the plane of the bond and a neighbour, as in a ring.
    for (const auto& [end, other] : {std::pair{b.first, b.second}, std::pair{b.second, b.first}}) {
      for (int n : neighbours[static_cast<size_t>(end)]) {
        if (n == other) continue;
        const Vec3 toNeighbour = atoms_[static_cast<size_t>(n)].position - from;
        const Vec3 side = (toNeighbour - along * toNeighbour.dot(along)).unit();
        if (side.length() > 0.5) {
          bond.side = side;
          break;
        }
      }
      if (bond.side.length() > 0.5) break;
    }
    if (bond.side.length() < 0.5) bond.side = anyPerpendicular(along);
    bonds_.push_back(bond);
  }
}

}  // namespace vantorel::molview
