#include "outside/molview/core/MolfileReader.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace vantorel::molview {
namespace {

constexpr int kHeaderLines = 3;

std::vector<std::string_view> splitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

// Columns [from, to) of a fixed-width line; shorter lines give what they have.
std::string_view columns(std::string_view line, size_t from, size_t to) {
  if (from >= line.size()) return {};
  return line.substr(from, to - from);
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// A right-justified integer field: spaces, then an optional minus and digits up to the field's
// end. A blank or absent field reads 0. A field whose digits stop short of its end is a number
// of another width pushed into it, and is refused.
std::optional<int> integerField(std::string_view line, size_t from, size_t width) {
  const std::string_view field = columns(line, from, from + width);
  size_t start = 0;
  while (start < field.size() && field[start] == ' ') ++start;
  if (start == field.size()) return 0;
  const std::string_view digits = field.substr(start);
  int value = 0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<double> realField(std::string_view line, size_t from, size_t width) {
  const std::string_view text = trimmed(columns(line, from, from + width));
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

bool soundSymbol(std::string_view s) {
  if (s.empty() || s.size() > 3) return false;
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (!letter(s.front()) && s.front() != '*') return false;
  for (char c : s) {
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '#' && c != '*') return false;
  }
  return true;
}

// The atom block's charge code: 1..3 are +3..+1, 5..7 are -1..-3, 4 is a radical.
int chargeFromCode(int code) {
  if (code >= 1 && code <= 3) return 4 - code;
  if (code >= 5 && code <= 7) return 4 - code;
  return 0;
}

MolfileRead fault(int line, const std::string& text) {
  MolfileRead r;
  r.line = line;
  r.error = line > 0 ? "line " + std::to_string(line) + ": " + text : text;
  return r;
}

}  // namespace

MolfileRead readMolfile(std::string_view bytes) {
  if (bytes.size() > kMaxMolfileBytes) return fault(0, "the file is too large to be a molfile");
  const std::vector<std::string_view> lines = splitLines(bytes);
  const int countsLine = kHeaderLines + 1;
  if (static_cast<int>(lines.size()) < countsLine) return fault(0, "the file ends before its counts line");

  const std::string_view counts = lines[countsLine - 1];
  if (counts.find("V3000") != std::string_view::npos)
    return fault(countsLine, "V3000 connection tables are not supported");
  const auto atomCount = integerField(counts, 0, 3);
  const auto bondCount = integerField(counts, 3, 3);
  if (!atomCount || !bondCount || *atomCount < 0 || *bondCount < 0)
    return fault(countsLine, "the counts line is malformed");
  if (*atomCount == 0) return fault(countsLine, "the molecule has no atoms");
  const int atomLines = *atomCount;
  const int bondLines = *bondCount;
  const int available = static_cast<int>(lines.size()) - countsLine;
  if (atomLines + bondLines > available) {
    return fault(countsLine, "the counts line announces " + std::to_string(atomLines) + " atoms and " +
                                 std::to_string(bondLines) + " bonds, but the file has only " +
                                 std::to_string(available) + " more lines");
  }

  Molecule molecule;
  molecule.name = std::string(lines[0]);
  molecule.atoms.reserve(static_cast<size_t>(atomLines));
  for (int i = 0; i < atomLines; ++i) {
    const int number = countsLine + 1 + i;
    const std::string_view line = lines[static_cast<size_t>(number - 1)];
    Atom atom;
    const auto x = realField(line, 0, 10), y = realField(line, 10, 10), z = realField(line, 20, 10);
    if (!x || !y || !z) return fault(number, "an atom's coordinates are not numbers");
    for (double v : {*x, *y, *z}) {
      if (!std::isfinite(v)) return fault(number, "an atom's coordinates are not finite");
      if (std::fabs(v) > kMaxCoordinate) return fault(number, "an atom's coordinates are out of range");
    }
    atom.x = *x;
    atom.y = *y;
    atom.z = *z;
    const std::string_view symbol = trimmed(columns(line, 31, 34));
    if (!soundSymbol(symbol)) return fault(number, "an atom has no sound element symbol");
    atom.symbol = std::string(symbol);
    const auto chargeCode = integerField(line, 36, 3);
    if (!chargeCode) return fault(number, "an atom's charge field is malformed");
    atom.charge = chargeFromCode(*chargeCode);
    molecule.atoms.push_back(std::move(atom));
  }

  molecule.bonds.reserve(static_cast<size_t>(bondLines));
  for (int i = 0; i < bondLines; ++i) {
    const int number = countsLine + 1 + atomLines + i;
    const std::string_view line = lines[static_cast<size_t>(number - 1)];
    const auto first = integerField(line, 0, 3), second = integerField(line, 3, 3), type = integerField(line, 6, 3);
    if (!first || !second || !type) return fault(number, "a bond line is malformed");
    for (int atom : {*first, *second}) {
      if (atom < 1 || atom > atomLines) {
        return fault(number, "a bond names atom " + std::to_string(atom) + ", but there are atoms 1 to " +
                                 std::to_string(atomLines));
      }
    }
    if (*first == *second) return fault(number, "a bond joins an atom to itself");
    Bond bond{*first - 1, *second - 1, BondKind::Single};
    if (*type == 2) {
      bond.kind = BondKind::Double;
    } else if (*type == 3) {
      bond.kind = BondKind::Triple;
    } else if (*type == 4) {
      bond.kind = BondKind::Aromatic;
    } else if (*type < 1 || *type > 8) {  // 5 to 8 are query bonds: drawn single
      return fault(number, "a bond has the unknown type " + std::to_string(*type));
    }
    molecule.bonds.push_back(bond);
  }

  // Properties block. The first charge line replaces every charge of the atom block.
  bool chargesReplaced = false;
  for (size_t i = static_cast<size_t>(countsLine + atomLines + bondLines); i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const int number = static_cast<int>(i) + 1;
    if (line.starts_with("M  END") || line.starts_with("$$$$")) break;
    if (!line.starts_with("M  CHG")) continue;
    const auto entries = integerField(line, 6, 3);
    if (!entries || *entries < 1 || *entries > 8) return fault(number, "a charge line is malformed");
    if (!chargesReplaced) {
      for (Atom& atom : molecule.atoms) atom.charge = 0;
      chargesReplaced = true;
    }
    for (int k = 0; k < *entries; ++k) {
      const size_t at = 9 + 8 * static_cast<size_t>(k);
      if (line.size() <= at + 4) return fault(number, "a charge line ends early");
      const auto atom = integerField(line, at, 4), charge = integerField(line, at + 4, 4);
      if (!atom || !charge || *atom < 1 || *atom > atomLines || *charge < -15 || *charge > 15)
        return fault(number, "a charge line names a missing atom or an impossible charge");
      molecule.atoms[static_cast<size_t>(*atom - 1)].charge = *charge;
    }
  }

  MolfileRead result;
  result.molecule = std::move(molecule);
  return result;
}

}  // namespace vantorel::molview
