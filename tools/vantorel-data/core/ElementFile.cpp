#include "tools/vantorel-data/core/ElementFile.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Bytes.h"

namespace vantorel::data {
namespace {

using T = ElementFieldType;
constexpr double kUnknown = -20000;  // below every threshold and inside int16

constexpr std::array<ElementField, 29> kFields = {{
    {"name", 0, 20, T::Text, 0, 0, false},
    {"symbol", 20, 4, T::Text, 0, 0, false},
    {"atomicMass", 24, 8, T::Double, 1e-300, 0, false},
    {"density", 32, 8, T::Double, -99, kUnknown, false},
    {"abundanceSun", 40, 4, T::Float, -99, kUnknown, false},
    {"abundanceMeteorites", 44, 4, T::Float, -99, kUnknown, false},
    {"abundanceHumanBody", 48, 4, T::Float, -99, kUnknown, false},
    {"dailyIntake", 52, 4, T::Float, -99, kUnknown, false},
    {"worldProduction", 56, 4, T::Float, -99, kUnknown, false},
    {"atomicRadius", 60, 4, T::Float, -99, kUnknown, false},
    {"covalentRadius", 64, 4, T::Float, -99, kUnknown, false},
    {"molarVolume", 68, 4, T::Float, -99, kUnknown, false},
    {"electronegativity", 72, 4, T::Float, -99, kUnknown, false},
    {"electronAffinity", 76, 4, T::Float, -999, kUnknown, false},
    {"enthalpyFusion", 80, 4, T::Float, -99, kUnknown, false},
    {"enthalpyVaporisation", 84, 4, T::Float, -99, kUnknown, false},
    {"mohsHardness", 88, 4, T::Float, -99, kUnknown, false},
    {"ionisationEnergy", 92, 4, T::Float, -99, kUnknown, false},
    {"discoveryYear", 96, 2, T::Int16, 1, 0, true},
    {"category", 98, 2, T::Int16, 0, 0, true},
    {"column", 100, 2, T::Int16, 0, 0, true},
    {"row", 102, 2, T::Int16, 0, 0, true},
    {"meltingPoint", 104, 2, T::Int16, -999, kUnknown, false},
    {"boilingPoint", 106, 2, T::Int16, -999, kUnknown, false},
    {"massNumber", 108, 2, T::Int16, -99, kUnknown, true},
    {"protons", 110, 2, T::Int16, -99, kUnknown, true},
    {"electrons", 112, 2, T::Int16, -99, kUnknown, true},
    {"neutrons", 114, 2, T::Int16, -99, kUnknown, true},
    {"vanDerWaalsRadius", 116, 2, T::Int16, -99, kUnknown, false},
}};

}  // namespace

std::span<const ElementField> elementFields() {
  return kFields;
}

const ElementField* findElementField(std::string_view key) {
  for (const auto& f : kFields)
    if (key == f.key) return &f;
  return nullptr;
}

std::optional<int16_t> encodeDiscoveryYear(int signedYear) {
  if (signedYear >= 1 && signedYear <= 2000) return static_cast<int16_t>(signedYear);
  if (signedYear < -2000 && signedYear >= -32767) return static_cast<int16_t>(-signedYear);
  if (signedYear == 0) return int16_t{0};
  return std::nullopt;
}

int decodeDiscoveryYear(int16_t stored) {
  return stored > 2000 ? -stored : stored;
}

std::string_view fieldText(std::string_view record, const ElementField& field) {
  auto text = record.substr(field.offset, field.size);
  const auto nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::string formatElementField(std::string_view record, const ElementField& field) {
  char buf[64];
  double value = 0;
  switch (field.type) {
    case T::Text: return codepage::toUtf8(fieldText(record, field));
    case T::Double: value = getF64(record, field.offset); break;
    case T::Float: value = getF32(record, field.offset); break;
    case T::Int16: {
      const int v = getI16(record, field.offset);
      if (std::string_view(field.key) == "discoveryYear") {
        if (v == 0) return "unknown";
        const int year = decodeDiscoveryYear(static_cast<int16_t>(v));
        std::snprintf(buf, sizeof buf, "%d", year);
        return buf;
      }
      if (v < field.unknownBelow && field.sentinel != 0) return "unknown";
      std::snprintf(buf, sizeof buf, "%d", v);
      return buf;
    }
  }
  if (std::isnan(value) || value < field.unknownBelow) return "unknown";
  // Shortest text that reads back as the same float or double.
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, value);
    const double back = std::strtod(buf, nullptr);
    if (field.type == T::Float ? static_cast<float>(back) == static_cast<float>(value) : back == value) break;
  }
  return buf;
}

}  // namespace vantorel::data
