#include "tabrel/core/Properties.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "platform/codepage/Cp1253.h"

namespace vantorel::tabrel {
namespace {

enum class Source { AtomicNumber, Int16, Float, Double, Year };
enum class Format { Integer, Celsius, Year, Decimals };

struct Property {
  Source source;
  size_t offset;
  double unknownBelow;
  Format format;
  int decimals;
};

constexpr Property kProperties[kPropertyCount] = {
    {Source::AtomicNumber, 0, 0, Format::Integer, 0},
    {Source::Int16, field::kMassNumber, -99, Format::Integer, 0},
    {Source::Int16, field::kProtons, -99, Format::Integer, 0},
    {Source::Int16, field::kElectrons, -99, Format::Integer, 0},
    {Source::Int16, field::kNeutrons, -99, Format::Integer, 0},
    {Source::Int16, field::kMeltingPoint, -999, Format::Celsius, 0},
    {Source::Int16, field::kBoilingPoint, -999, Format::Celsius, 0},
    {Source::Double, field::kDensity, -99, Format::Decimals, 6},
    {Source::Year, field::kDiscoveryYear, 0, Format::Year, 0},
    {Source::Float, field::kAbundanceSun, -99, Format::Decimals, 6},
    {Source::Float, field::kAbundanceMeteorites, -99, Format::Decimals, 6},
    {Source::Float, field::kAbundanceHumanBody, -99, Format::Decimals, 6},
    {Source::Float, field::kDailyIntake, -99, Format::Decimals, 6},
    {Source::Float, field::kWorldProduction, -99, Format::Decimals, 6},
    {Source::Float, field::kAtomicRadius, -99, Format::Decimals, 6},
    // The one radius kept in 16 bits; read as a number like the others.
    {Source::Int16, field::kVanDerWaalsRadius, -99, Format::Decimals, 6},
    {Source::Float, field::kCovalentRadius, -99, Format::Decimals, 6},
    {Source::Float, field::kMolarVolume, -99, Format::Decimals, 6},
    {Source::Float, field::kElectronegativity, -99, Format::Decimals, 6},
    {Source::Float, field::kElectronAffinity, -999, Format::Decimals, 2},
    {Source::Float, field::kEnthalpyFusion, -99, Format::Decimals, 3},
    {Source::Float, field::kEnthalpyVaporisation, -99, Format::Decimals, 3},
    {Source::Float, field::kMohsHardness, -99, Format::Decimals, 2},
    {Source::Float, field::kIonisationEnergy, -99, Format::Decimals, 3},
};

std::string cp1253(const char* utf8) {
  return codepage::fromUtf8Lossy(utf8);
}

}  // namespace

const std::string& unknownText() {
  static const std::string text = cp1253("άγνωστο");
  return text;
}

double propertyValue(const ElementTable& table, int record, int property) {
  if (property < 0 || property >= kPropertyCount) return 0;
  if (!table.validRecord(record)) return kUnknownValue;
  const Property& p = kProperties[property];
  double value = 0;
  switch (p.source) {
    case Source::AtomicNumber: return record + 1;
    case Source::Year: {
      if (table.int16At(record, p.offset) == 0) return kUnknownValue;
      return table.signedDiscoveryYear(record);
    }
    case Source::Int16: value = table.int16At(record, p.offset); break;
    case Source::Float: value = table.floatAt(record, p.offset); break;
    case Source::Double: value = table.doubleAt(record, p.offset); break;
  }
  if (!std::isfinite(value) || value < p.unknownBelow) return kUnknownValue;
  return value;
}

std::string trimmedDecimals(double value, int decimals) {
  // The format is put together at run time from the number of decimals.
  char format[16];
  std::snprintf(format, sizeof format, "%c.%df", '%', decimals);
  const int size = std::snprintf(nullptr, 0, format, value);
  if (size <= 0) return {};
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, value);
  text.resize(static_cast<size_t>(size));
  if (text.find('.') == std::string::npos) return text;
  while (text.size() > 1 && text.back() == '0') text.pop_back();
  if (text.size() > 1 && text.back() == '.') text.pop_back();
  return text;
}

std::string formatPropertyValue(const ElementTable& table, int record, int property) {
  const double value = propertyValue(table, record, property);
  if (!isKnown(value)) return unknownText();
  if (property < 0 || property >= kPropertyCount) return trimmedDecimals(value, 6);
  const Property& p = kProperties[property];
  char buf[64];
  switch (p.format) {
    case Format::Integer: std::snprintf(buf, sizeof buf, "%d", static_cast<int>(value)); return buf;
    case Format::Celsius: std::snprintf(buf, sizeof buf, "%d", static_cast<int>(value)); return buf + cp1253(" °C");
    case Format::Year: {
      const int year = static_cast<int>(value);
      std::snprintf(buf, sizeof buf, "%d", std::abs(year));
      return buf + cp1253(year >= 0 ? " μ.Χ." : " π.Χ.");
    }
    case Format::Decimals: return trimmedDecimals(value, p.decimals);
  }
  return {};
}

std::string withDecimalCommas(std::string text) {
  std::replace(text.begin(), text.end(), '.', ',');
  for (const char* era : {"π.Χ.", "μ.Χ."}) {
    const std::string dotted = cp1253(era);
    std::string commas = dotted;
    std::replace(commas.begin(), commas.end(), '.', ',');
    for (size_t at = text.find(commas); at != std::string::npos; at = text.find(commas, at + dotted.size()))
      text.replace(at, commas.size(), dotted);
  }
  return text;
}

PropertyRanking rankByProperty(const ElementTable& table, int property) {
  const int n = table.recordCount();
  std::vector<double> values(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) values[static_cast<size_t>(i)] = propertyValue(table, i, property);
  PropertyRanking ranking;
  ranking.sortOrder.resize(static_cast<size_t>(n));
  std::iota(ranking.sortOrder.begin(), ranking.sortOrder.end(), uint8_t{0});
  // Equal values keep record order, so elements that share a value still get distinct shades.
  std::stable_sort(ranking.sortOrder.begin(), ranking.sortOrder.end(),
                   [&](uint8_t a, uint8_t b) { return values[a] < values[b]; });
  ranking.rank.assign(static_cast<size_t>(n), 0);
  for (uint8_t record : ranking.sortOrder) {
    if (isKnown(values[record])) ranking.rank[record] = ++ranking.knownCount;
  }
  return ranking;
}

Rgb shadeColour(double x) {
  x = std::clamp(x, 0.0, 100.0);
  auto byte = [](double v) { return static_cast<int>(static_cast<uint8_t>(static_cast<int>(std::floor(v)))); };
  return {byte(246 * x), byte(180 - 80 * x), byte(255 - 255 * x)};
}

Rgb recordShade(const PropertyRanking& ranking, int record) {
  if (record < 0 || static_cast<size_t>(record) >= ranking.rank.size()) return kUnknownShade;
  const int k = ranking.rank[static_cast<size_t>(record)];
  if (k == 0 || ranking.knownCount == 0) return kUnknownShade;
  return shadeColour(static_cast<double>(k) / ranking.knownCount);
}

}  // namespace vantorel::tabrel
