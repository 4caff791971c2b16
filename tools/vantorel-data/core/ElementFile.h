#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// element.dat: one 120-byte record per element, record i being atomic number i + 1.
namespace vantorel::data {

inline constexpr size_t kElementRecordSize = 120;
inline constexpr size_t kMaxElementRecords = 255;  // the table keeps record numbers in one byte
inline constexpr int kGridColumns = 18;
inline constexpr int kGridRows = 10;

enum class ElementFieldType { Text, Double, Float, Int16 };

struct ElementField {
  const char* key;  // column name in the source file and in dumps
  size_t offset;
  size_t size;
  ElementFieldType type;
  double unknownBelow;  // values under this are unknown (atomic mass: not above 0)
  double sentinel;      // what the compiler writes for an unknown value
  bool wholeNumber;     // source must hold an integer (otherwise it is rounded to one)
};

// Every field of the record in file order (the reserved bytes at 118 are not listed).
[[nodiscard]] std::span<const ElementField> elementFields();
[[nodiscard]] const ElementField* findElementField(std::string_view key);

// The discovery year as stored: 1..2000 AD as is, BC years as their number above 2000, 0 unknown.
// `signedYear` is negative for BC. Returns nothing for a year this encoding cannot hold
// (2001 AD and later, 1-2000 BC): those would read back as a different year.
[[nodiscard]] std::optional<int16_t> encodeDiscoveryYear(int signedYear);
[[nodiscard]] int decodeDiscoveryYear(int16_t stored);

// One field of a record, formatted for a dump: text as UTF-8, numbers in C-locale notation,
// "unknown" under the field's threshold. `record` must hold kElementRecordSize bytes.
[[nodiscard]] std::string formatElementField(std::string_view record, const ElementField& field);

// The text of a fixed text field up to its NUL (or the whole field when there is none).
[[nodiscard]] std::string_view fieldText(std::string_view record, const ElementField& field);

}  // namespace vantorel::data
