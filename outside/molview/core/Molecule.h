#pragma once

#include <string>
#include <vector>

// A molecule as the viewer shows it: atoms with their positions in ångströms and the bonds
// between them.
namespace vantorel::molview {

struct Atom {
  std::string symbol;  // "C", "Cl", or a query symbol such as "R#"
  double x = 0;
  double y = 0;
  double z = 0;
  int charge = 0;
};

enum class BondKind { Single = 1, Double = 2, Triple = 3, Aromatic = 4 };

struct Bond {
  int first = 0;  // atom indices from 0
  int second = 0;
  BondKind kind = BondKind::Single;
};

struct Molecule {
  std::string name;  // the header's first line
  std::vector<Atom> atoms;
  std::vector<Bond> bonds;
};

}  // namespace vantorel::molview
