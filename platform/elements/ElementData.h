#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// element.dat, the elements' records as the periodic table and the data analyser's element picker
// read it: the records exactly as read, plus the grid index that places them on the 18 x 10 grid
// of the periodic table.
namespace vantorel::elements {

inline constexpr size_t kRecordSize = 120;
// Record numbers live in single bytes; 255 marks an empty cell.
inline constexpr size_t kMaxRecords = 255;
inline constexpr uint8_t kNoElement = 255;
inline constexpr int kGridColumns = 18;
inline constexpr int kGridRows = 10;
inline constexpr int kCategoryCount = 9;

// Field offsets inside a record.
namespace field {
inline constexpr size_t kName = 0, kNameSize = 20;
inline constexpr size_t kSymbol = 20, kSymbolSize = 4;
inline constexpr size_t kAtomicMass = 24, kDensity = 32;
inline constexpr size_t kAbundanceSun = 40, kAbundanceMeteorites = 44, kAbundanceHumanBody = 48;
inline constexpr size_t kDailyIntake = 52, kWorldProduction = 56, kAtomicRadius = 60, kCovalentRadius = 64;
inline constexpr size_t kMolarVolume = 68, kElectronegativity = 72, kElectronAffinity = 76;
inline constexpr size_t kEnthalpyFusion = 80, kEnthalpyVaporisation = 84, kMohsHardness = 88;
inline constexpr size_t kIonisationEnergy = 92;
inline constexpr size_t kDiscoveryYear = 96, kCategory = 98, kColumn = 100, kRow = 102;
inline constexpr size_t kMeltingPoint = 104, kBoilingPoint = 106, kMassNumber = 108, kProtons = 110;
inline constexpr size_t kElectrons = 112, kNeutrons = 114, kVanDerWaalsRadius = 116;
}  // namespace field

class ElementTable {
 public:
  ElementTable() { gridIndex_.fill(kNoElement); }

  // Replaces the table with the whole records of `bytes` (at most kMaxRecords; a trailing
  // partial record is ignored) and rebuilds the grid index, the later record winning a cell.
  void assign(std::span<const uint8_t> bytes);

  [[nodiscard]] int recordCount() const { return static_cast<int>(records_.size() / kRecordSize); }
  [[nodiscard]] bool validRecord(int record) const { return record >= 0 && record < recordCount(); }

  // Raw fields of record `record` (which must be valid).
  [[nodiscard]] std::string name(int record) const;    // CP1253, up to its NUL
  [[nodiscard]] std::string symbol(int record) const;  // CP1253, up to its NUL
  [[nodiscard]] int16_t int16At(int record, size_t offset) const;
  [[nodiscard]] float floatAt(int record, size_t offset) const;
  [[nodiscard]] double doubleAt(int record, size_t offset) const;

  [[nodiscard]] int column(int record) const { return int16At(record, field::kColumn); }
  [[nodiscard]] int row(int record) const { return int16At(record, field::kRow); }
  // The category to draw with: values outside 0-8 draw as 3.
  [[nodiscard]] int category(int record) const;
  // The discovery year as a signed year (negative BC); 0 when unknown.
  [[nodiscard]] int signedDiscoveryYear(int record) const;

  // Record number in grid cell (column, row), or kNoElement (also for cells off the grid).
  [[nodiscard]] uint8_t recordAt(int column, int row) const;
  [[nodiscard]] const std::array<uint8_t, kGridColumns * kGridRows>& gridIndex() const { return gridIndex_; }

 private:
  std::vector<uint8_t> records_;
  std::array<uint8_t, kGridColumns * kGridRows> gridIndex_{};
};

// Reads dataPath + "element.dat" in one read into `table`. On failure (the file cannot be
// opened or read, or is no regular file) returns false and leaves `table` as it was.
[[nodiscard]] bool LoadElementData(const std::string& dataPath, ElementTable& table);

}  // namespace vantorel::elements
