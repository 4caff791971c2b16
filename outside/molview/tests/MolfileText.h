#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Molfiles written in the V2000 column layout, for the tests.
namespace vantorel::molview::testing {

struct AtomLine {
  double x, y, z;
  std::string symbol;
  int chargeCode = 0;
};

inline std::string atomLine(const AtomLine& a) {
  char line[128];
  std::snprintf(line, sizeof line, "%10.4f%10.4f%10.4f %-3s 0%3d  0  0  0  0  0  0  0  0  0  0", a.x, a.y, a.z,
                a.symbol.c_str(), a.chargeCode);
  return line;
}

inline std::string bondLine(int first, int second, int type) {
  char line[64];
  std::snprintf(line, sizeof line, "%3d%3d%3d  0  0  0  0", first, second, type);
  return line;
}

inline std::string countsLine(int atoms, int bonds) {
  char line[64];
  std::snprintf(line, sizeof line, "%3d%3d  0  0  0  0  0  0  0  0999 V2000", atoms, bonds);
  return line;
}

// Header, counts, the given lines and "M  END", each ended by `eol`.
inline std::string molfile(const std::vector<std::string>& body, int atoms, int bonds, const std::string& eol = "\n",
                           const std::vector<std::string>& properties = {}) {
  std::string text = "test" + eol + "  hand-made" + eol + eol + countsLine(atoms, bonds) + eol;
  for (const auto& l : body) text += l + eol;
  for (const auto& l : properties) text += l + eol;
  return text + "M  END" + eol;
}

// Ethene: C=C with two hydrogens on each carbon, all in the plane y = 0.
inline std::string ethene() {
  return molfile({atomLine({0, 0, 0, "C"}), atomLine({1.34, 0, 0, "C"}), atomLine({-0.56, 0, 0.93, "H"}),
                  atomLine({-0.56, 0, -0.93, "H"}), atomLine({1.9, 0, 0.93, "H"}), atomLine({1.9, 0, -0.93, "H"}),
                  bondLine(1, 2, 2), bondLine(1, 3, 1), bondLine(1, 4, 1), bondLine(2, 5, 1), bondLine(2, 6, 1)},
                 6, 5);
}

}  // namespace vantorel::molview::testing
