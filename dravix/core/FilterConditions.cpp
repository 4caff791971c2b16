#include "dravix/core/FilterConditions.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "dravix/core/NumberRule.h"

namespace vantorel::dravix {
namespace {

constexpr std::array<unsigned char, 256> makeGreekFold() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
  // Capitals Α-Ω to small letters; 0xD2 is no letter in the code page and stays as it is.
  for (int b = 0xC1; b <= 0xD9; ++b)
    if (b != 0xD2) t[static_cast<size_t>(b)] = static_cast<unsigned char>(b + 32);
  struct Map {
    unsigned char from;
    unsigned char to;
  };
  constexpr Map kAccents[] = {
      {0xA2, 0xE1}, {0xDC, 0xE1},                                            // Ά ά -> α
      {0xB8, 0xE5}, {0xDD, 0xE5},                                            // Έ έ -> ε
      {0xB9, 0xE7}, {0xDE, 0xE7},                                            // Ή ή -> η
      {0xBA, 0xE9}, {0xC0, 0xE9}, {0xDA, 0xE9}, {0xDF, 0xE9}, {0xFA, 0xE9},  // Ί ΐ Ϊ ί ϊ -> ι
      {0xBC, 0xEF}, {0xFC, 0xEF},                                            // Ό ό -> ο
      {0xBE, 0xF5}, {0xDB, 0xF5}, {0xE0, 0xF5}, {0xFB, 0xF5}, {0xFD, 0xF5},  // Ύ Ϋ ΰ ϋ ύ -> υ
      {0xBF, 0xF9}, {0xFE, 0xF9},                                            // Ώ ώ -> ω
      {0xF2, 0xF3},                                                          // ς -> σ
  };
  for (const Map& m : kAccents) t[m.from] = m.to;
  return t;
}

constexpr std::array<unsigned char, 256> kGreekFold = makeGreekFold();

constexpr std::array<unsigned char, 256> makeFilterFold() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) {
    unsigned char b = static_cast<unsigned char>(i);
    if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b + 32);
    t[static_cast<size_t>(i)] = kGreekFold[b];
  }
  return t;
}

constexpr std::array<unsigned char, 256> kFilterFold = makeFilterFold();

bool isGroupOrPeriod(int field) {
  return field == kGroupField || field == kPeriodField;
}

bool takesPart(const FilterCondition& c, int field) {
  return c.field == field || (field == 0 && isGroupOrPeriod(c.field));
}

// The typed number as the C library reads it: the leading part that forms a number, else 0.
double typedNumber(std::string_view value) {
  size_t i = 0;
  while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
  double v = 0;
  const auto [end, error] = std::from_chars(value.data() + i, value.data() + value.size(), v);
  return error == std::errc() ? v : 0.0;
}

std::string_view cutRemark(std::string_view text) {
  const size_t at = text.find(" (");
  return at == std::string_view::npos ? text : text.substr(0, at);
}

void lowerInto(std::string_view text, bool fold, std::string& out) {
  out.resize(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    out[i] = static_cast<char>(fold ? kFilterFold[b] : lowerLatin(b));
  }
}

bool textFails(uint8_t type, bool reversed, std::string_view record, std::string_view value) {
  switch (type) {
    case kTypeContains:
      return reversed ? value.find(record) == std::string_view::npos : record.find(value) == std::string_view::npos;
    case kTypeLacks: return record.find(value) != std::string_view::npos;
    case kTypeGreater: return record.compare(value) < 0;
    case kTypeLess: return record.compare(value) > 0;
    default: return true;
  }
}

bool numberFails(uint8_t type, std::optional<double> record, double value) {
  if (!record) return true;
  switch (type) {
    case kTypeContains: return *record != value;
    case kTypeLacks: return *record == value;
    case kTypeGreater: return !(*record > value);
    case kTypeLess: return !(*record < value);
    default: return true;
  }
}

// A condition made ready for many records: its value lowered (and folded) once.
struct Prepared {
  uint8_t type;
  bool fold;
  bool reversed;
  bool startsOr;
  std::string value;
  double number;
};

struct FieldPlan {
  size_t column;
  bool numeric;
  std::vector<Prepared> conditions;
};

}  // namespace

unsigned char lowerLatin(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + 32) : byte;
}

unsigned char foldGreek(unsigned char byte) {
  return kGreekFold[byte];
}

const std::array<unsigned char, 256>& filterFoldTable() {
  return kFilterFold;
}

// Filter ----------------------------------------------------------------------------------------

void Filter::clear() {
  conditions_.assign(1, FilterCondition{});
}

void Filter::assign(std::vector<FilterCondition> conditions) {
  conditions_ = std::move(conditions);
  restoreEmptyIfNone();
  recomputeJoins();
}

void Filter::add(FilterCondition condition, const FilterTexts& texts, const NumericField& numeric) {
  if (!isSet()) conditions_.clear();
  const std::string key = conditionText(condition, texts, numeric(condition.field));
  const auto at = std::find_if(conditions_.begin(), conditions_.end(), [&](const FilterCondition& c) {
    return listOrderLess(key, conditionText(c, texts, numeric(c.field)));
  });
  conditions_.insert(at, std::move(condition));
  recomputeJoins();
}

void Filter::removeAt(size_t index) {
  if (index >= conditions_.size() || !isSet()) return;
  conditions_.erase(conditions_.begin() + static_cast<std::ptrdiff_t>(index));
  restoreEmptyIfNone();
  recomputeJoins();
}

size_t Filter::removeField(int field) {
  return removeIf([field](const FilterCondition& c) { return c.type != kTypeNone && takesPart(c, field); });
}

size_t Filter::removeIf(const std::function<bool(const FilterCondition&)>& pred) {
  if (!isSet()) return 0;
  const size_t before = conditions_.size();
  std::erase_if(conditions_, pred);
  const size_t removed = before - conditions_.size();
  restoreEmptyIfNone();
  recomputeJoins();
  return removed;
}

void Filter::restoreEmptyIfNone() {
  if (conditions_.empty()) clear();
}

void Filter::recomputeJoins() {
  for (size_t i = 0; i < conditions_.size(); ++i) {
    FilterCondition& c = conditions_[i];
    if (i + 1 == conditions_.size() || conditions_[i + 1].field != c.field)
      c.join = kJoinLast;
    else
      c.join = c.field == 0 && c.type == kTypeContains ? kJoinOr : kJoinAnd;
  }
}

std::string Filter::text(size_t index, const FilterTexts& texts, const NumericField& numeric) const {
  if (index >= conditions_.size()) return {};
  const FilterCondition& c = conditions_[index];
  if (c.type == kTypeNone) return texts.all;
  std::string out = conditionText(c, texts, numeric(c.field));
  switch (c.join) {
    case kJoinOr: out += texts.joinOr; break;
    case kJoinAnd: out += texts.joinAnd; break;
    default: out += texts.joinLast; break;
  }
  return out;
}

std::string conditionText(const FilterCondition& c, const FilterTexts& texts, bool numericField) {
  if (c.type == kTypeNone) return texts.all;
  const bool numeric = numericField && !isGroupOrPeriod(c.field);
  std::string out = c.caption;
  switch (c.type) {
    case kTypeContains: out += numeric ? texts.equals : texts.contains; break;
    case kTypeLacks: out += numeric ? texts.notEquals : texts.lacks; break;
    case kTypeGreater: out += texts.greater; break;
    case kTypeLess: out += texts.less; break;
    default: break;
  }
  const std::string_view value = c.value;
  out += value.substr(0, value.find('\t'));
  return out;
}

bool listOrderLess(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char x = kFilterFold[static_cast<unsigned char>(a[i])];
    const unsigned char y = kFilterFold[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

// Field check -----------------------------------------------------------------------------------

bool numericConditionFails(const FilterCondition& c, std::string_view recordText) {
  return numberFails(c.type, numberFromText(recordText), typedNumber(c.value));
}

bool textConditionFails(const FilterCondition& c, std::string_view recordText) {
  const std::string_view record = cutRemark(recordText);
  if (record.empty() || c.value.empty()) return true;
  const bool fold = c.element == 0;
  std::string r, v;
  lowerInto(record, fold, r);
  lowerInto(c.value, fold, v);
  return textFails(c.type, isGroupOrPeriod(c.field), r, v);
}

bool fieldPasses(const Filter& filter, int field, bool numericField, std::string_view value) {
  bool orMode = false, orPassed = false;
  for (const FilterCondition& c : filter.conditions()) {
    if (!takesPart(c, field)) continue;
    if (field == 0 && c.type == kTypeContains) orMode = true;
    const bool fails = numericField ? numericConditionFails(c, value) : textConditionFails(c, value);
    if (!orMode && fails) return false;
    if (orMode && !fails) orPassed = true;
  }
  return !orMode || orPassed;
}

size_t applyFilter(const Filter& filter, const std::vector<int>& selected, const std::vector<const Column*>& columns,
                   LoadedTable& table) {
  const size_t records = table.recordCount();
  if (!filter.isSet() || columns.size() != selected.size()) {
    std::fill(table.excluded.begin(), table.excluded.end(), uint8_t{0});
    table.shownCount = records;
    return records;
  }
  // Each selected field with the conditions that take part in its check, values made ready.
  std::vector<FieldPlan> plans;
  for (size_t k = 0; k < selected.size(); ++k) {
    const int field = selected[k];
    FieldPlan plan{k, table.index.isNumeric(field), {}};
    for (const FilterCondition& c : filter.conditions()) {
      if (!takesPart(c, field)) continue;
      Prepared p{c.type, c.element == 0, isGroupOrPeriod(c.field), field == 0 && c.type == kTypeContains, {}, 0.0};
      if (plan.numeric)
        p.number = typedNumber(c.value);
      else
        lowerInto(c.value, p.fold, p.value);
      plan.conditions.push_back(std::move(p));
    }
    if (!plan.conditions.empty()) plans.push_back(std::move(plan));
  }

  std::string folded, lowered;
  size_t shown = 0;
  for (size_t r = 0; r < records; ++r) {
    bool pass = true;
    for (const FieldPlan& plan : plans) {
      const std::string_view raw = columns[plan.column]->value(r);
      std::optional<double> number;
      std::string_view record;
      bool haveFolded = false, haveLowered = false;
      if (plan.numeric)
        number = numberFromText(raw);
      else
        record = cutRemark(raw);
      bool orMode = false, orPassed = false, failed = false;
      for (const Prepared& p : plan.conditions) {
        if (p.startsOr) orMode = true;
        bool fails;
        if (plan.numeric) {
          fails = numberFails(p.type, number, p.number);
        } else if (record.empty() || p.value.empty()) {
          fails = true;
        } else {
          std::string& text = p.fold ? folded : lowered;
          bool& have = p.fold ? haveFolded : haveLowered;
          if (!have) lowerInto(record, p.fold, text), have = true;
          fails = textFails(p.type, p.reversed, text, p.value);
        }
        if (!orMode && fails) {
          failed = true;
          break;
        }
        if (orMode && !fails) orPassed = true;
      }
      if (failed || (orMode && !orPassed)) {
        pass = false;
        break;
      }
    }
    table.excluded[r] = pass ? 0 : 1;
    shown += pass ? 1 : 0;
  }
  table.shownCount = shown;
  return shown;
}

}  // namespace vantorel::dravix
