#include "dravix/core/TableCatalogue.h"

#include <array>

namespace vantorel::dravix {
namespace {

constexpr std::array<TableSpec, kTableCount> kTables{{
    {102, "dacomp", 14, 1000, 2, 14},
    {104, "dacount", 6, 1100, 0, 6},
    {105, "daenum", 5, 1200, kNoLabelField, 5},
    {101, "daelem", 83, 2000, 1, 83},
    {119, "damin", 22, 1600, 0, 22},
    {106, "daplanet", 14, 1400, 0, 14},
    // The scientists' last field is English text for another edition and never offered.
    {103, "dasci", 8, 1300, kNoLabelField, 7},
}};

void setFlag(std::string& flags, int field, char value) {
  if (field >= 0 && static_cast<size_t>(field) < flags.size()) flags[static_cast<size_t>(field)] = value;
}

}  // namespace

bool isTableNumber(int table) {
  return table >= 0 && table < kTableCount;
}

const TableSpec& tableSpec(int table) {
  return kTables[static_cast<size_t>(isTableNumber(table) ? table : kElementsTable)];
}

void applyFlagCorrections(int table, TableIndex& index) {
  switch (table) {
    case 3:
      setFlag(index.plotFlags, 0, 'Y');
      setFlag(index.plotFlags, 14, 'Y');
      setFlag(index.typeFlags, 14, 'N');
      break;
    case 0:
      setFlag(index.plotFlags, 2, 'N');
      setFlag(index.plotFlags, 3, 'N');
      break;
    case 5: setFlag(index.plotFlags, 2, 'N'); break;
    default: break;
  }
}

bool isSecondaryRow(std::string_view keyText) {
  static constexpr std::string_view kMarks[] = {"(amorphous)", "Ozone", "(C60)",     "(Diamond)",
                                                "(black)",     "(red)", "(Rhombic)", "(grey)"};
  for (std::string_view mark : kMarks) {
    if (keyText.find(mark) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace vantorel::dravix
