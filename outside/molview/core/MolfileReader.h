#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "outside/molview/core/Molecule.h"

// The MDL molfile (V2000 connection table), the file that molecule pages embed.
namespace vantorel::molview {

// V2000 counts are three digits wide.
inline constexpr int kMaxAtoms = 999;
inline constexpr int kMaxBonds = 999;
// Any sound molfile is far smaller; more is not a molfile.
inline constexpr size_t kMaxMolfileBytes = 4 * 1024 * 1024;
// Coordinates beyond this are no molecule, and would overflow the viewer's arithmetic.
inline constexpr double kMaxCoordinate = 1.0e5;

struct MolfileRead {
  std::optional<Molecule> molecule;
  std::string error;  // why not, with the 1-based line number; empty when read
  int line = 0;       // the line at fault, 0 when the fault is not on one line
};

// Reads the first molecule of the text: header, counts line, atom block, bond block and the
// properties block up to "M  END" (charges from "M  CHG" replace those of the atom block).
// Counts beyond the lines present, bonds naming missing atoms, coordinates that are not finite
// numbers, a V3000 table and malformed fields are errors; nothing is guessed.
[[nodiscard]] MolfileRead readMolfile(std::string_view bytes);

}  // namespace vantorel::molview
