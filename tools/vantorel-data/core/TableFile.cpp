#include "tools/vantorel-data/core/TableFile.h"

#include <array>

#include "tools/vantorel-data/core/Bytes.h"

namespace vantorel::data {
namespace {

constexpr std::array<TableField, 14> kCompounds = {{
    {"name"},
    {"category"},
    {"formula"},
    {"casNumber"},
    {"molarMass"},
    {"meltingPoint"},
    {"boilingPoint"},
    {"density"},
    {"state"},
    {"colour"},
    {"solubility"},
    {"carbonAtoms"},
    {"atomsPerFormula"},
    {"uses"},
}};

constexpr std::array<TableField, 6> kCountries = {{
    {"name"},
    {"capital"},
    {"continent"},
    {"area"},
    {"population"},
    {"currency"},
}};

constexpr std::array<TableField, 5> kENumbers = {{
    {"number"},
    {"name"},
    {"category"},
    {"origin"},
    {"notes"},
}};

constexpr std::array<TableField, 83> kElements = {{
    {"name"},
    {"symbol"},
    {"atomicNumber"},
    {"atomicMass"},
    {"density"},
    {"meltingPoint"},
    {"boilingPoint"},
    {"group"},
    {"period"},
    {"block"},
    {"category"},
    {"electronConfiguration"},
    {"shells"},
    {"state"},
    {"discoveryYear"},
    {"discoveredBy"},
    {"electronegativity"},
    {"electronAffinity"},
    {"atomicRadius"},
    {"covalentRadius"},
    {"vanDerWaalsRadius"},
    {"molarVolume"},
    {"oxidationStates"},
    {"enthalpyFusion"},
    {"enthalpyVaporisation"},
    {"molarHeatCapacity"},
    {"mohsHardness"},
    {"abundanceSun"},
    {"abundanceMeteorites"},
    {"abundanceHumanBody"},
    {"dailyIntake"},
    {"worldProduction"},
    {"massNumber"},
    {"protons"},
    {"electrons"},
    {"neutrons"},
    {"naturalIsotopes"},
    {"mainIsotope"},
    {"mainIsotopeAbundance"},
    {"mainIsotopeMass"},
    {"knownIsotopes"},
    {"colourCode"},
    {"bonding"},
    {"ionicRadius"},
    {"ionisation1"},
    {"ionisation2"},
    {"ionisation3"},
    {"ionisation4"},
    {"ionisation5"},
    {"ionisation6"},
    {"ionisation7"},
    {"ionisation8"},
    {"ionisation9"},
    {"ionisation10"},
    {"ionisation11"},
    {"ionisation12"},
    {"ionisation13"},
    {"ionisation14"},
    {"ionisation15"},
    {"ionisation16"},
    {"ionisation17"},
    {"ionisation18"},
    {"ionisation19"},
    {"ionisation20"},
    {"ionisation21"},
    {"ionisation22"},
    {"ionisation23"},
    {"ionisation24"},
    {"ionisation25"},
    {"ionisation26"},
    {"ionisation27"},
    {"ionisation28"},
    {"ionisation29"},
    {"ionisation30"},
    {"ionisation31"},
    {"ionisation32"},
    {"ionisation33"},
    {"ionisation34"},
    {"ionisation35"},
    {"ionisation36"},
    {"ionisation37"},
    {"ionisation38"},
    {"ionisation39"},
}};

constexpr std::array<TableField, 22> kMinerals = {{
    {"name"},         {"formula"},       {"mineralClass"},     {"crystalSystem"}, {"hardness"},      {"density"},
    {"colour"},       {"streak"},        {"lustre"},           {"transparency"},  {"cleavage"},      {"molarMass"},
    {"elementCount"}, {"mainMetal"},     {"mainMetalPercent"}, {"oxygenPercent"}, {"sulfurPercent"}, {"uses"},
    {"magnetism"},    {"hardnessClass"}, {"gemVariety"},       {"acidReaction"},
}};

constexpr std::array<TableField, 14> kPlanets = {{
    {"name"},
    {"kind"},
    {"atmosphere"},
    {"distance"},
    {"diameter"},
    {"mass"},
    {"density"},
    {"gravity"},
    {"escapeVelocity"},
    {"rotationPeriod"},
    {"orbitalPeriod"},
    {"meanTemperature"},
    {"moons"},
    {"eccentricity"},
}};

constexpr std::array<TableField, 8> kScientists = {{
    {"name"},
    {"born"},
    {"died"},
    {"country"},
    {"field"},
    {"knownFor"},
    {"nobel"},
    {"contribution"},
}};

const std::array<TableInfo, 7> kTables = {{
    {"dacomp", kCompounds, 1000},
    {"dacount", kCountries, 1100},
    {"daenum", kENumbers, 1200},
    {"daelem", kElements, 2000},
    {"damin", kMinerals, 1600},
    {"daplanet", kPlanets, 1400},
    {"dasci", kScientists, 1300},
}};

}  // namespace

std::span<const TableInfo> tables() {
  return kTables;
}

const TableInfo* findTable(std::string_view base) {
  for (const auto& t : kTables)
    if (base == t.base) return &t;
  return nullptr;
}

std::optional<TableIndex> parseIndex(std::string_view bytes) {
  if (bytes.size() < 6) return std::nullopt;
  TableIndex index;
  index.fieldCount = getU16(bytes, 0);
  index.recordCount = getI32(bytes, 2);
  const size_t n = index.fieldCount;
  if (bytes.size() < indexFileSize(n)) return std::nullopt;
  index.offsets.reserve(n + 1);
  for (size_t k = 0; k <= n; ++k) index.offsets.push_back(getI32(bytes, 6 + 4 * k));
  const size_t flags = 6 + 4 * (n + 1);
  index.typeFlags = std::string(bytes.substr(flags, n));
  index.plotFlags = std::string(bytes.substr(flags + n, n));
  return index;
}

TableFiles encodeTable(const std::vector<std::vector<std::string>>& columns, std::string_view typeFlags,
                       std::string_view plotFlags) {
  TableFiles files;
  const size_t n = columns.size();
  const size_t r = n == 0 ? 0 : columns[0].size();
  std::vector<int32_t> offsets{0};
  for (const auto& column : columns) {
    for (const auto& value : column) {
      files.data += value;
      files.data += '\0';
    }
    offsets.push_back(static_cast<int32_t>(files.data.size()));
  }
  putU16(files.index, static_cast<uint16_t>(n));
  putI32(files.index, static_cast<int32_t>(r));
  for (auto o : offsets) putI32(files.index, o);
  for (size_t k = 0; k < n; ++k) files.index += k < typeFlags.size() ? typeFlags[k] : '-';
  for (size_t k = 0; k < n; ++k) files.index += k < plotFlags.size() ? plotFlags[k] : '-';
  return files;
}

std::optional<std::vector<std::string_view>> readColumn(const TableIndex& index, std::string_view data, size_t k) {
  if (k >= index.fieldCount || index.offsets.size() <= k + 1 || index.recordCount < 0) return std::nullopt;
  const int64_t begin = index.offsets[k];
  const int64_t end = index.offsets[k + 1];
  if (begin < 0 || end < begin || static_cast<uint64_t>(end) > data.size()) return std::nullopt;
  auto column = data.substr(static_cast<size_t>(begin), static_cast<size_t>(end - begin));
  // Each value needs at least its terminator, so a count beyond the column's length is false.
  if (static_cast<uint64_t>(index.recordCount) > column.size()) return std::nullopt;
  std::vector<std::string_view> values;
  values.reserve(static_cast<size_t>(index.recordCount));
  size_t pos = 0;
  for (int32_t r = 0; r < index.recordCount; ++r) {
    const auto nul = column.find('\0', pos);
    if (nul == std::string_view::npos) return std::nullopt;
    values.push_back(column.substr(pos, nul - pos));
    pos = nul + 1;
  }
  if (pos != column.size()) return std::nullopt;
  return values;
}

}  // namespace vantorel::data
