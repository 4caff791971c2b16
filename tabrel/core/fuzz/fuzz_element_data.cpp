// element.dat as the table reads it: any bytes must load, place, rank, format and describe
// without reading outside the records or the grid.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/elements/ElementData.h"
#include "tabrel/core/Properties.h"
#include "tabrel/core/TableRules.h"

using namespace vantorel::tabrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ElementTable table;
  table.assign(std::span<const uint8_t>(data, size));
  const DetailLabels labels{"a", "b", "c", "d", "e"};
  for (int record = 0; record < table.recordCount(); ++record) {
    (void)stateAt(table, record, 25);
    (void)discoveryClass(table, record, 1700);
    (void)table.category(record);
    for (int mode = 0; mode < 4; ++mode) (void)detailBoxLines(table, record, TableMode(mode), record % 26, labels);
    for (int property = -1; property <= kPropertyCount; ++property) (void)formatPropertyValue(table, record, property);
  }
  for (int column = -1; column <= kGridColumns; ++column)
    for (int row = -1; row <= kGridRows; ++row) (void)table.recordAt(column, row);
  const PropertyRanking ranking = rankByProperty(table, size % kPropertyCount);
  for (int record = 0; record < table.recordCount(); ++record) (void)recordShade(ranking, record);
  return 0;
}
