#pragma once

#include <string_view>

#include "dravix/core/TableFiles.h"

// The seven reference tables in chooser order, and the fixed facts the program knows about each.
namespace vantorel::dravix {

inline constexpr int kTableCount = 7;
inline constexpr int kElementsTable = 3;
inline constexpr int kNoLabelField = -1;

struct TableSpec {
  int chooserCaptionId;  // string id of the chooser caption
  const char* base;      // file name without extension, "daelem"
  int fieldCount;        // N of the index file
  int firstCaptionId;    // caption of field k is string firstCaptionId + k
  int labelField;        // the field graphs print beside points, or kNoLabelField
  int offeredFields;     // fields 0 .. offeredFields-1 are shown to the user
};

[[nodiscard]] bool isTableNumber(int table);
// The description of `table`; the elements table for a number outside 0-6.
[[nodiscard]] const TableSpec& tableSpec(int table);

// Type and plot flags that the index files get wrong, corrected in memory after reading.
void applyFlagCorrections(int table, TableIndex& index);

// Rows of the elements table that describe an allotrope or another form of an element already
// listed; graphs leave them out.
[[nodiscard]] bool isSecondaryRow(std::string_view keyText);

}  // namespace vantorel::dravix
