#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dravix/core/TableFiles.h"

// The filter: an ordered list of conditions on the table's fields that removes records from the
// grid and from graphs. The list always holds at least one condition; the empty filter is one
// condition of type 0. All text is CP1253 bytes.
namespace vantorel::dravix {

enum FilterType : uint8_t {
  kTypeNone = 0,      // "all"
  kTypeContains = 1,  // contains (text) / equals (numeric)
  kTypeLacks = 2,     // does not contain / does not equal
  kTypeGreater = 3,
  kTypeLess = 4,
};

enum FilterJoin : uint8_t { kJoinLast = 0, kJoinOr = 1, kJoinAnd = 2 };

// Field numbers of the periodic-table conditions; both apply to field 0 of the elements table.
inline constexpr int kGroupField = 101;
inline constexpr int kPeriodField = 102;
// Element byte of a group or period condition.
inline constexpr uint8_t kGroupOrPeriodElement = 255;

struct FilterCondition {
  std::string caption;  // the field's caption
  std::string value;    // as typed; a group or period condition: number, then TAB + name per element
  uint8_t type = kTypeNone;
  int8_t field = 0;
  uint8_t join = kJoinLast;
  uint8_t element = 0;  // 0 ordinary; 1-254 picked element; 255 group or period

  bool operator==(const FilterCondition&) const = default;
};

// Lower-cases the Latin capitals A-Z only, on unsigned bytes.
[[nodiscard]] unsigned char lowerLatin(unsigned char byte);
// Greek folding of ordinary text conditions: capitals to small letters, accented letters and
// letters with diaeresis to the plain small vowel, the final sigma to the medial one.
[[nodiscard]] unsigned char foldGreek(unsigned char byte);
// Both steps in one table: lowerLatin, then foldGreek.
[[nodiscard]] const std::array<unsigned char, 256>& filterFoldTable();

// The texts the condition list shows, in CP1253 (from the string table).
struct FilterTexts {
  std::string all;                             // the empty filter's entry
  std::string contains, lacks, greater, less;  // type texts on text fields
  std::string equals, notEquals;               // types 1 and 2 on numeric fields
  std::string joinLast, joinOr, joinAnd;       // " ", " ή", " Και"
};

// Which fields are numeric; group and period conditions and unknown fields are text.
using NumericField = std::function<bool(int field)>;

class Filter {
 public:
  Filter() { clear(); }

  [[nodiscard]] const std::vector<FilterCondition>& conditions() const { return conditions_; }
  [[nodiscard]] size_t size() const { return conditions_.size(); }
  [[nodiscard]] const FilterCondition& operator[](size_t i) const { return conditions_[i]; }
  // A filter is set when its first condition has a type.
  [[nodiscard]] bool isSet() const { return conditions_.front().type != kTypeNone; }

  // Restores the empty filter.
  void clear();
  // Replaces the conditions (at least one) and recomputes the joins.
  void assign(std::vector<FilterCondition> conditions);
  // Adds `condition` at its place in the sorted list of condition texts, dropping the empty
  // filter's entry; joins are recomputed.
  void add(FilterCondition condition, const FilterTexts& texts, const NumericField& numeric);
  // Removes condition `index`; the empty filter comes back when none is left.
  void removeAt(size_t index);
  // Removes every condition on `field` (on field 0 also the group and period conditions);
  // returns how many went.
  size_t removeField(int field);
  // Removes every condition for which `pred` holds; returns how many went.
  size_t removeIf(const std::function<bool(const FilterCondition&)>& pred);

  // The text the dialog lists for condition `index`.
  [[nodiscard]] std::string text(size_t index, const FilterTexts& texts, const NumericField& numeric) const;

  bool operator==(const Filter&) const = default;

 private:
  void recomputeJoins();
  void restoreEmptyIfNone();

  std::vector<FilterCondition> conditions_;
};

// The text of one condition without its join, which orders the list.
[[nodiscard]] std::string conditionText(const FilterCondition& c, const FilterTexts& texts, bool numericField);
// The order of condition texts in the list: case and accents folded, then byte order.
[[nodiscard]] bool listOrderLess(std::string_view a, std::string_view b);

// Whether condition `c` passes or fails on a record value, as the field check judges it.
[[nodiscard]] bool numericConditionFails(const FilterCondition& c, std::string_view recordText);
[[nodiscard]] bool textConditionFails(const FilterCondition& c, std::string_view recordText);

// The field check of one value of field `field`.
[[nodiscard]] bool fieldPasses(const Filter& filter, int field, bool numericField, std::string_view value);

// Applies `filter` to the loaded table: every record's exclusion flag and the shown count.
// `selected` are the selected fields in order and `columns` their columns. Returns the shown
// count (also stored in the table).
size_t applyFilter(const Filter& filter, const std::vector<int>& selected, const std::vector<const Column*>& columns,
                   LoadedTable& table);

}  // namespace vantorel::dravix
