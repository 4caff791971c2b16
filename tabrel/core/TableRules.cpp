#include "tabrel/core/TableRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/codepage/Cp1253.h"
#include "tabrel/core/Properties.h"

namespace vantorel::tabrel {
namespace {

constexpr int kUnknownTemperatureBelow = -999;

std::string number(long long value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lld", value);
  return buf;
}

}  // namespace

PhysicalState stateAt(const ElementTable& table, int record, int temperature) {
  const int m = table.int16At(record, field::kMeltingPoint);
  const int b = table.int16At(record, field::kBoilingPoint);
  const bool mKnown = m >= kUnknownTemperatureBelow;
  const bool bKnown = b >= kUnknownTemperatureBelow;
  if (mKnown && bKnown) {
    if (b < temperature) return PhysicalState::Gas;
    if (m < temperature) return PhysicalState::Liquid;
    return PhysicalState::Solid;
  }
  if (mKnown) return temperature < m ? PhysicalState::Solid : PhysicalState::Unknown;
  if (bKnown) return temperature > b ? PhysicalState::Gas : PhysicalState::Unknown;
  return PhysicalState::Unknown;
}

DiscoveryClass discoveryClass(const ElementTable& table, int record, int year) {
  if (table.int16At(record, field::kDiscoveryYear) == 0) return DiscoveryClass::NoDate;
  return year < table.signedDiscoveryYear(record) ? DiscoveryClass::NotYetKnown : DiscoveryClass::Known;
}

int thermometerTemperature(int y) {
  const int t = static_cast<int>((230 - y) * 33.33) - 273;
  return std::clamp(t, kMinTemperature, kMaxTemperature);
}

int mercuryHeight(int temperature) {
  // Computed in double: a temperature set by the host is not range checked.
  const double h = std::round((static_cast<double>(temperature) + 273) * 0.030003);
  return static_cast<int>(std::clamp(h, 0.0, 188.0));
}

int yearScaleY(int year) {
  // Years after 2000 would take the logarithm of nothing; they stand at the top.
  const double distance = std::max(0.0, 2000.0 - static_cast<double>(year));
  const double y = 69 + std::floor(25.66 * std::log(distance / 9 + 1));
  return static_cast<int>(std::min(y, 100000.0));
}

int roundToTens(int year) {
  const int shifted = year > 0 ? year + 5 : year - 5;
  return shifted / 10 * 10;
}

int yearFromScaleY(int y) {
  // The scale's positions are floored, so the exact inverse of the bottom tick's y falls some
  // 400 years short of it; a click on that tick or below means the tick's own year.
  if (y >= yearScaleY(kMinYear)) return kMinYear;
  const double steps = std::max(0.0, (y - 69) * 0.03897116134060795);
  const double back = std::floor((std::exp(std::min(steps, 30.0)) - 1) * 9);
  const double raw = 2000 - back;
  int year = 0;
  if (raw < -7900)
    year = kMinYear;
  else if (raw > kMaxYear)
    year = kMaxYear;
  else
    year = static_cast<int>(raw);
  return roundToTens(year);
}

EditCorrection correctEditText(std::string_view text, int minimum, int maximum) {
  EditCorrection result;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c >= '0' && c <= '9') || (c == '-' && i == 0)) result.text += c;
  }
  if (result.text.empty()) result.text = "0";
  // A lone "-" stays as typed and means 0; long digit runs saturate rather than overflow.
  long long value = 0;
  const bool negative = result.text[0] == '-';
  for (char c : result.text) {
    if (c == '-') continue;
    value = std::min(value * 10 + (c - '0'), 1000000000LL);
  }
  if (negative) value = -value;
  if (value > maximum) {
    result.text = number(maximum);
    value = maximum;
  } else if (value < minimum) {
    result.text = number(minimum);
    value = minimum;
  }
  result.value = static_cast<int>(value);
  return result;
}

BoxRect detailBoxPlacement(int column, int row, int originX, int originY, int clientWidth, int clientHeight) {
  BoxRect box;
  box.left = 90 + 27 * column + originX;
  box.top = 121 + 27 * row + originY;
  if (box.left >= clientWidth - box.width) box.left = clientWidth - box.width - 1;
  if (box.top >= clientHeight - box.height) box.top -= 88;
  return box;
}

std::vector<DetailLine> detailBoxLines(const ElementTable& table, int record, TableMode mode, int property,
                                       const DetailLabels& labels) {
  std::vector<DetailLine> lines;
  if (!table.validRecord(record)) return lines;
  const std::string name = table.name(record);
  switch (mode) {
    case TableMode::Categories: {
      lines.push_back({1, number(record + 1), DetailFont::Normal11, DetailAlign::Centre});
      lines.push_back({12, table.symbol(record), DetailFont::Bold15, DetailAlign::Centre});
      lines.push_back({27, name, DetailFont::Normal11, DetailAlign::Centre});
      const double mass = table.doubleAt(record, field::kAtomicMass);
      if (mass > 0 && std::isfinite(mass)) {
        std::string text = trimmedDecimals(mass, 6);
        if (const size_t dot = text.find('.'); dot != std::string::npos) text[dot] = ',';
        lines.push_back({38, text, DetailFont::Normal11, DetailAlign::Centre});
      }
      break;
    }
    case TableMode::State: {
      lines.push_back({1, name, DetailFont::Normal11, DetailAlign::Centre});
      auto celsius = [&](size_t offset) {
        const int v = table.int16At(record, offset);
        return v < -300 ? labels.unknown : number(v) + codepage::fromUtf8Lossy(" °C");
      };
      lines.push_back({16, labels.melting, DetailFont::Normal11, DetailAlign::Left});
      lines.push_back({16, celsius(field::kMeltingPoint), DetailFont::Bold11, DetailAlign::Right});
      lines.push_back({32, labels.boiling, DetailFont::Normal11, DetailAlign::Left});
      lines.push_back({32, celsius(field::kBoilingPoint), DetailFont::Bold11, DetailAlign::Right});
      break;
    }
    case TableMode::Discovery: {
      lines.push_back({1, name, DetailFont::Normal11, DetailAlign::Centre});
      lines.push_back({14, labels.yearOf, DetailFont::Normal11, DetailAlign::Centre});
      lines.push_back({24, labels.discoveryOf, DetailFont::Normal11, DetailAlign::Centre});
      const int stored = table.int16At(record, field::kDiscoveryYear);
      const std::string year =
          stored == 0 ? labels.unknown : number(stored) + codepage::fromUtf8Lossy(stored <= 2000 ? " μ.Χ." : " π.Χ.");
      lines.push_back({37, year, DetailFont::Bold11, DetailAlign::Centre});
      break;
    }
    case TableMode::Property:
      lines.push_back({1, name, DetailFont::Normal11, DetailAlign::Centre});
      lines.push_back({25, withDecimalCommas(formatPropertyValue(table, record, property)), DetailFont::Bold11,
                       DetailAlign::Centre});
      break;
  }
  return lines;
}

}  // namespace vantorel::tabrel
