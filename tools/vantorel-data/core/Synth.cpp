#include "tools/vantorel-data/core/Synth.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Bytes.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/ElementFile.h"
#include "tools/vantorel-data/core/FileIo.h"

namespace vantorel::data {
namespace {

struct Random {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
};

// CP1253 lower-case Greek letters α-ω without final sigma, and the capitals.
std::string greekWord(Random& rng, int minLen, int maxLen) {
  const int len = minLen + rng.below(maxLen - minLen + 1);
  std::string w;
  for (int i = 0; i < len; ++i) {
    int letter = rng.below(24);
    unsigned char lower = static_cast<unsigned char>(0xE1 + letter + (letter >= 17 ? 1 : 0));
    w += static_cast<char>(i == 0 ? lower - 32 : lower);
  }
  return w;
}

std::string greekNumber(Random& rng) {
  const int kind = rng.below(20);
  if (kind == 0) return "";
  if (kind == 1) return "\xDC\xE3\xED\xF9\xF3\xF4\xEF";  // "άγνωστο"
  const bool negative = rng.below(5) == 0;
  const long whole = static_cast<long>(rng.next() % (kind < 6 ? 100 : kind < 12 ? 10000 : 10000000));
  std::string digits = std::to_string(whole);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i && (digits.size() - i) % 3 == 0) grouped += '.';
    grouped += digits[i];
  }
  std::string text = (negative ? "-" : "") + grouped;
  if (rng.below(2)) text += "," + std::to_string(rng.below(1000));
  switch (rng.below(8)) {
    case 0:
      text +=
          " \xB0"
          "C";
      break;                                                   // °C
    case 1: text += " (\xF0\xE5\xF1\xDF\xF0\xEF\xF5)"; break;  // (περίπου)
    case 2: text += " x10{" + std::to_string(rng.below(30)) + "}"; break;
    default: break;
  }
  return text;
}

}  // namespace

size_t synthBaseRecords(const TableInfo& table) {
  const std::string_view base = table.base;
  if (base == "dacomp") return 150;
  if (base == "dacount") return 190;
  if (base == "daenum") return 300;
  if (base == "daelem") return 130;
  return 100;
}

TableFiles synthTable(const TableInfo& table, size_t records, uint64_t seed) {
  static constexpr std::array<const char*, 4> kMarkers = {" (Diamond)", " (red)", " (grey)", " (amorphous)"};
  Random rng{seed};
  const size_t n = table.fields.size();
  std::string typeFlags(n, '-'), plotFlags(n, '-');
  std::vector<std::vector<std::string>> columns(n);
  for (size_t k = 0; k < n; ++k) {
    const bool numeric = k > 0 && k % 3 != 0;
    typeFlags[k] = numeric ? 'N' : '-';
    plotFlags[k] = numeric || k == 0 ? 'Y' : '-';
    auto& column = columns[k];
    column.reserve(records);
    for (size_t r = 0; r < records; ++r) {
      if (k == 0) {
        std::string key = greekWord(rng, 3, 10) + " " + std::to_string(r + 1);
        if (std::string_view(table.base) == "daelem" && rng.below(10) == 0) key += kMarkers[rng.below(4)];
        column.push_back(std::move(key));
      } else if (numeric) {
        column.push_back(greekNumber(rng));
      } else {
        std::string text = greekWord(rng, 2, 9);
        if (rng.below(4) == 0) text += " " + greekWord(rng, 2, 9);
        if (rng.below(6) == 0) text += "[" + std::to_string(rng.below(9) + 2) + "]";
        if (rng.below(15) == 0) text.clear();
        column.push_back(std::move(text));
      }
    }
  }
  return encodeTable(columns, typeFlags, plotFlags);
}

GridCell standardGridCell(int z) {
  if (z >= 58 && z <= 71) return {z - 58 + 3, 8};
  if (z >= 90 && z <= 103) return {z - 90 + 3, 9};
  static constexpr std::array<int, 8> kPeriodEnds = {0, 2, 10, 18, 36, 54, 86, 118};
  int period = 1;
  while (period < 7 && z > kPeriodEnds[period]) ++period;
  const int index = z - kPeriodEnds[period - 1];  // 1-based place within the period
  const int row = period - 1;
  if (period == 1) return {z == 1 ? 0 : 17, row};
  if (period <= 3) return {index <= 2 ? index - 1 : index + 9, row};
  if (period <= 5) return {index - 1, row};
  // Periods 6 and 7: La and Ac stand in group 3, the rest of the f-block in the detached rows.
  if (index <= 3) return {index - 1, row};
  return {index - 15, row};
}

std::string synthElementFile() {
  Random rng{118};
  std::string out;
  for (int z = 1; z <= 118; ++z) {
    std::string record(kElementRecordSize, '\0');
    const auto name = greekWord(rng, 3, 12);
    record.replace(0, name.size(), name);
    std::string symbol(1, static_cast<char>('A' + (z - 1) % 26));
    symbol += static_cast<char>('a' + (z - 1) / 26);
    record.replace(20, symbol.size(), symbol);
    std::string numbers;
    putF64(numbers, z * 2.01);
    putF64(numbers, rng.below(10) == 0 ? -20000.0 : rng.below(22000) / 1000.0);
    for (int i = 0; i < 14; ++i)
      putF32(numbers, rng.below(8) == 0 ? -20000.0f : static_cast<float>(rng.below(100000)) / 10.0f);
    const auto cell = standardGridCell(z);
    putI16(numbers, static_cast<int16_t>(rng.below(3) == 0 ? 2001 + rng.below(7000) : 1600 + rng.below(400)));
    putI16(numbers, static_cast<int16_t>(rng.below(9)));
    putI16(numbers, static_cast<int16_t>(cell.column));
    putI16(numbers, static_cast<int16_t>(cell.row));
    putI16(numbers, static_cast<int16_t>(rng.below(4000) - 273));
    putI16(numbers, static_cast<int16_t>(rng.below(6000) - 273));
    putI16(numbers, static_cast<int16_t>(2 * z));
    putI16(numbers, static_cast<int16_t>(z));
    putI16(numbers, static_cast<int16_t>(z));
    putI16(numbers, static_cast<int16_t>(z + rng.below(60)));
    putI16(numbers, static_cast<int16_t>(rng.below(5) == 0 ? -20000 : 100 + rng.below(200)));
    record.replace(24, numbers.size(), numbers);
    out += record;
  }
  return out;
}

std::vector<TopicRecord> synthTopics(size_t count, int route, uint64_t seed) {
  Random rng{seed};
  std::vector<TopicRecord> out;
  out.reserve(count);
  int level = 0;
  for (size_t i = 0; i < count; ++i) {
    // Walk the levels so that every depth 0-4 occurs and a level never jumps down by more than one.
    if (i > 0) level = std::clamp(level + rng.below(3) - 1, 0, 4);
    std::string title = greekWord(rng, 4, 12);
    if (rng.below(3) == 0) title += " " + greekWord(rng, 3, 10);
    const int32_t page = rng.below(10) == 0 ? makeAssetId(44, 1 + rng.below(118))
                                            : makeAssetId(routePageType(route), 100 + static_cast<int>(i % 9000));
    out.push_back({std::move(title), page, level, static_cast<int32_t>(i + 1)});
  }
  return out;
}

std::vector<WordRecord> synthWords(size_t count, size_t nodesPerRoute, uint64_t seed) {
  Random rng{seed};
  std::vector<std::string> vocabulary;
  for (int i = 0; i < 5000; ++i) {
    std::string w = greekWord(rng, 4, 14);
    for (auto& c : w) c = static_cast<char>(codepage::toLower(static_cast<unsigned char>(c)));
    vocabulary.push_back(std::move(w));
  }
  std::vector<WordRecord> out;
  out.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const int route = 1 + rng.below(7);
    const int32_t node = 1 + static_cast<int32_t>(rng.next() % nodesPerRoute);
    const int32_t asset = rng.below(2) ? 0 : makeAssetId(2, 1 + rng.below(100));
    out.push_back({vocabulary[rng.next() % vocabulary.size()], node, asset, static_cast<int16_t>(route)});
  }
  return out;
}

bool synthDisc(const std::string& outDir, size_t scale, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(outDir, ec);
  auto write = [&](const std::string& name, std::string_view bytes) {
    const auto path = (fs::path(outDir) / name).string();
    if (writeFileAtomically(path, bytes)) return true;
    error = path + ": cannot write the file";
    return false;
  };
  if (!write("element.dat", synthElementFile())) return false;
  uint64_t seed = 1;
  for (const auto& table : tables()) {
    const size_t records = synthBaseRecords(table) * scale;
    const auto files = synthTable(table, records, seed++);
    if (files.data.size() > static_cast<size_t>(INT32_MAX)) {
      error = std::string(table.base) + ": scale too large for 32-bit column offsets";
      return false;
    }
    if (!write(std::string(table.base) + ".ndx", files.index) || !write(std::string(table.base) + ".dat", files.data))
      return false;
  }
  // The catalogue: 100 nodes per route and 1000 word records at scale 1.
  const size_t nodes = 100 * scale;
  for (int route = 1; route <= kRouteCount; ++route) {
    auto topics = encodeTopics(synthTopics(nodes, route, 100 + route));
    std::vector<AssociationRecord> links;
    Random rng{200u + static_cast<uint64_t>(route)};
    for (size_t i = 0; i < nodes; ++i)
      links.push_back({1 + static_cast<int32_t>(rng.next() % nodes), makeAssetId(2, 1 + rng.below(100))});
    if (!topics || !write(std::string(routeStem(route)) + ".dat", *topics) ||
        !write(std::string(routeStem(route)) + ".ass", encodeAssociations(links)))
      return false;
  }
  auto words = encodeWords(synthWords(1000 * scale, nodes, 300));
  if (!words || !write("words.dat", *words)) return false;
  Random rng{400};
  for (const auto& file : titleFiles()) {
    std::vector<std::string> titles;
    for (int i = 0; i < 200; ++i) titles.push_back(greekWord(rng, 4, 20) + " " + greekWord(rng, 3, 20));
    if (!write(std::string(file), *encodeTitles(titles))) return false;
  }
  return true;
}

}  // namespace vantorel::data
