#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/TableFile.h"

// A large made-up disc for the grid, filter and graph benchmarks: the same files as the sample,
// with `scale` times as many table records. Values are deterministic for a given scale and cover
// what readers must cope with: decimal commas, thousands points, units, markup, words, empties.
namespace vantorel::data {

// Records per table at scale 1 (at least 100, so that scale 1000 gives 100,000 or more).
[[nodiscard]] size_t synthBaseRecords(const TableInfo& table);

[[nodiscard]] TableFiles synthTable(const TableInfo& table, size_t records, uint64_t seed);
[[nodiscard]] std::string synthElementFile();

// Grid cell of an element in the usual long-form layout, detached rows 8 and 9.
struct GridCell {
  int column;
  int row;
};
[[nodiscard]] GridCell standardGridCell(int atomicNumber);

// Topic trees, word records (for the browser and search benchmarks): deterministic for a seed.
[[nodiscard]] std::vector<TopicRecord> synthTopics(size_t count, int route, uint64_t seed);
[[nodiscard]] std::vector<WordRecord> synthWords(size_t count, size_t nodesPerRoute, uint64_t seed);

[[nodiscard]] bool synthDisc(const std::string& outDir, size_t scale, std::string& error);

}  // namespace vantorel::data
