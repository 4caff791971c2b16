#include "outside/molview/core/Elements.h"

#include <array>

namespace vantorel::molview {
namespace {

struct Entry {
  const char* symbol;
  ElementLook look;
};

// Colours as molecule viewers have long drawn them; van der Waals radii from Bondi and later
// tables, 2.0 where none is settled.
constexpr std::array kElements{
    Entry{"H", {0xFFFFFF, 1.10}},  Entry{"He", {0xD9FFFF, 1.40}}, Entry{"Li", {0xCC80FF, 1.82}},
    Entry{"Be", {0xC2FF00, 1.53}}, Entry{"B", {0xFFB5B5, 1.92}},  Entry{"C", {0x909090, 1.70}},
    Entry{"N", {0x3050F8, 1.55}},  Entry{"O", {0xFF0D0D, 1.52}},  Entry{"F", {0x90E050, 1.47}},
    Entry{"Ne", {0xB3E3F5, 1.54}}, Entry{"Na", {0xAB5CF2, 2.27}}, Entry{"Mg", {0x8AFF00, 1.73}},
    Entry{"Al", {0xBFA6A6, 1.84}}, Entry{"Si", {0xF0C8A0, 2.10}}, Entry{"P", {0xFF8000, 1.80}},
    Entry{"S", {0xFFFF30, 1.80}},  Entry{"Cl", {0x1FF01F, 1.75}}, Entry{"Ar", {0x80D1E3, 1.88}},
    Entry{"K", {0x8F40D4, 2.75}},  Entry{"Ca", {0x3DFF00, 2.31}}, Entry{"Sc", {0xE6E6E6, 2.11}},
    Entry{"Ti", {0xBFC2C7, 2.0}},  Entry{"V", {0xA6A6AB, 2.0}},   Entry{"Cr", {0x8A99C7, 2.0}},
    Entry{"Mn", {0x9C7AC7, 2.0}},  Entry{"Fe", {0xE06633, 2.0}},  Entry{"Co", {0xF090A0, 2.0}},
    Entry{"Ni", {0x50D050, 1.63}}, Entry{"Cu", {0xC88033, 1.40}}, Entry{"Zn", {0x7D80B0, 1.39}},
    Entry{"Ga", {0xC28F8F, 1.87}}, Entry{"Ge", {0x668F8F, 2.11}}, Entry{"As", {0xBD80E3, 1.85}},
    Entry{"Se", {0xFFA100, 1.90}}, Entry{"Br", {0xA62929, 1.85}}, Entry{"Kr", {0x5CB8D1, 2.02}},
    Entry{"Rb", {0x702EB0, 3.03}}, Entry{"Sr", {0x00FF00, 2.49}}, Entry{"Ag", {0xC0C0C0, 1.72}},
    Entry{"Cd", {0xFFD98F, 1.58}}, Entry{"Sn", {0x668080, 2.17}}, Entry{"Sb", {0x9E63B5, 2.06}},
    Entry{"Te", {0xD47A00, 2.06}}, Entry{"I", {0x940094, 1.98}},  Entry{"Xe", {0x429EB0, 2.16}},
    Entry{"Cs", {0x57178F, 3.43}}, Entry{"Ba", {0x00C900, 2.68}}, Entry{"Pt", {0xD0D0E0, 1.75}},
    Entry{"Au", {0xFFD123, 1.66}}, Entry{"Hg", {0xB8B8D0, 1.55}}, Entry{"Pb", {0x575961, 2.02}},
    Entry{"U", {0x008FFF, 1.86}},  Entry{"D", {0xFFFFC0, 1.10}},  Entry{"T", {0xFFFFA0, 1.10}},
};

constexpr ElementLook kUnknown{0xFF1493, 2.0};
constexpr ElementLook kOtherElement{0xC0A0C0, 2.0};

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameSymbol(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return true;
}

bool isLetters(std::string_view s) {
  for (char c : s) {
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  }
  return !s.empty() && s.size() <= 2;
}

}  // namespace

ElementLook elementLook(std::string_view symbol) {
  for (const Entry& e : kElements) {
    if (sameSymbol(symbol, e.symbol)) return e.look;
  }
  // Symbols of real elements outside the table still look like an element; query atoms do not.
  if (isLetters(symbol) && !sameSymbol(symbol, "A") && !sameSymbol(symbol, "Q") && !sameSymbol(symbol, "L"))
    return kOtherElement;
  return kUnknown;
}

}  // namespace vantorel::molview
