// The filter as the grid and the bookmarks meet it: which records a set of conditions keeps, the
// bytes of the block and the blocks that must be refused, the dialog's rules, and the picker.
#include <gtest/gtest.h>

#include <cstring>

#include "dravix/core/FilterBlock.h"
#include "dravix/core/FilterConditions.h"
#include "dravix/core/FilterRules.h"
#include "dravix/core/PeriodicPicker.h"
#include "dravix/core/TableCatalogue.h"
#include "dravix/core/TableFiles.h"
#include "platform/codepage/Cp1253.h"

namespace vantorel::dravix {
namespace {

std::string cp(const char* utf8) {
  return codepage::fromUtf8Lossy(utf8, '?');
}

FilterCondition cond(const char* caption, int field, uint8_t type, const char* value, uint8_t element = 0) {
  return {cp(caption), cp(value), type, static_cast<int8_t>(field), kJoinLast, element};
}

FilterTexts texts() {
  return {cp("Όλα"),
          cp(" Περιέχει "),
          cp(" Δεν περιέχει "),
          cp(" Είναι μεγαλύτερο από "),
          cp(" Είναι μικρότερο από "),
          cp(" Ισούται "),
          cp(" Δεν ισούται "),
          " ",
          cp(" ή"),
          cp(" Και")};
}

// A table in memory: columns[k][r] (UTF-8), field 1 numeric.
struct Table {
  std::vector<Column> columns;
  LoadedTable loaded;

  Table(std::initializer_list<std::vector<const char*>> values, std::string typeFlags = "TN") {
    for (const auto& column : values) {
      std::string bytes;
      for (const char* v : column) bytes += cp(v) + '\0';
      columns.push_back(*Column::split(bytes, static_cast<int32_t>(column.size())));
    }
    loaded.index.fieldCount = static_cast<int>(values.size());
    typeFlags.resize(values.size(), 'T');
    loaded.index.typeFlags = typeFlags;
    loaded.excluded.assign(values.begin()->size(), 0);
    loaded.shownCount = values.begin()->size();
  }

  // The key texts of the records the filter keeps, all fields selected.
  std::vector<std::string> shownKeys(const Filter& filter) {
    std::vector<int> selected;
    std::vector<const Column*> pointers;
    for (size_t k = 0; k < columns.size(); ++k) {
      selected.push_back(static_cast<int>(k));
      pointers.push_back(&columns[k]);
    }
    const size_t shown = applyFilter(filter, selected, pointers, loaded);
    std::vector<std::string> keys;
    for (size_t r = 0; r < loaded.excluded.size(); ++r)
      if (!loaded.excluded[r]) keys.push_back(codepage::toUtf8(columns[0].value(r)));
    EXPECT_EQ(shown, keys.size());
    return keys;
  }
};

Filter filterOf(std::vector<FilterCondition> conditions) {
  Filter f;
  f.assign(std::move(conditions));
  return f;
}

using Keys = std::vector<std::string>;

TEST(FilterApply, OrOnTheKeyTogetherWithALackingConditionOnAnotherField) {
  Table t({{"Σίδηρος", "Χαλκός", "Σιδηρίτης", "Άργυρος"},
           {"7,87", "8,96", "3,9", "10,5"},
           {"μέταλλο", "μέταλλο (κόκκινο)", "ορυκτό", "ευγενές μέταλλο"}});
  Filter f = filterOf({cond("Ονομασία", 0, kTypeContains, "σίδη"), cond("Ονομασία", 0, kTypeContains, "άργ"),
                       cond("Είδος", 2, kTypeLacks, "ευγενές")});
  EXPECT_EQ(f[0].join, kJoinOr);
  EXPECT_EQ(f[1].join, kJoinLast);
  EXPECT_EQ(t.shownKeys(f), (Keys{"Σίδηρος", "Σιδηρίτης"}));
  // Without the third condition both alternatives of the key are kept.
  EXPECT_EQ(t.shownKeys(filterOf({f[0], f[1]})), (Keys{"Σίδηρος", "Σιδηρίτης", "Άργυρος"}));
  // A remark in parentheses never matches.
  EXPECT_EQ(t.shownKeys(filterOf({cond("Είδος", 2, kTypeContains, "κόκκινο")})), Keys{});
}

TEST(FilterApply, EmptyAndWordValuesAreNeverShownByANumericCondition) {
  Table t({{"α", "β", "γ", "δ", "ε"}, {"-38,83 (υγρό)", "12,5", "", "άγνωστο", "0"}});
  EXPECT_EQ(t.shownKeys(filterOf({cond("Τ", 1, kTypeLess, "0")})), (Keys{"α"}));
  EXPECT_EQ(t.shownKeys(filterOf({cond("Τ", 1, kTypeLacks, "12.5")})), (Keys{"α", "ε"}));
  EXPECT_EQ(t.shownKeys(filterOf({cond("Τ", 1, kTypeContains, "12.5")})), (Keys{"β"}));
  EXPECT_EQ(t.shownKeys(filterOf({cond("Τ", 1, kTypeGreater, "-100"), cond("Τ", 1, kTypeLess, "12.5")})),
            (Keys{"α", "ε"}));
  // The empty filter keeps every record, the empty value included.
  EXPECT_EQ(t.shownKeys(Filter()).size(), 5u);
  // A text condition on an empty value fails too, "does not contain" included.
  Table u({{"α", "β"}, {"1", "2"}, {"", "κάτι"}});
  EXPECT_EQ(u.shownKeys(filterOf({cond("Χ", 2, kTypeLacks, "ζ")})), (Keys{"β"}));
}

TEST(FilterApply, CapitalsAndAccentsFoldOnBothSides) {
  Table t({{"Σίδηρος", "ΣΙΔΗΡΟΣ", "Σιδηροπυρίτης", "Νερό"}, {"1", "2", "3", "4"}, {"Fe", "FE", "FeS[2]", "H[2]O"}});
  EXPECT_EQ(t.shownKeys(filterOf({cond("Ονομασία", 0, kTypeContains, "ΣΊΔΗΡΟΣ")})), (Keys{"Σίδηρος", "ΣΙΔΗΡΟΣ"}));
  EXPECT_EQ(t.shownKeys(filterOf({cond("Ονομασία", 0, kTypeContains, "σιδηρος")})), (Keys{"Σίδηρος", "ΣΙΔΗΡΟΣ"}));
  EXPECT_EQ(t.shownKeys(filterOf({cond("Τύπος", 2, kTypeContains, "h[2]o")})), (Keys{"Νερό"}));
  // Byte order for greater and less, after folding: "σ..." > "ν...".
  EXPECT_EQ(t.shownKeys(filterOf({cond("Ονομασία", 0, kTypeLess, "ο")})), (Keys{"Νερό"}));
}

TEST(FilterApply, GroupConditionsLookForTheRecordInTheirList) {
  Table t({{"Φθόριο", "Χλώριο", "Άζωτο", "Χλώριο (υγρό)"}, {"9", "17", "7", "17"}});
  FilterCondition group = cond("Ομάδα", kGroupField, kTypeContains, "7\tΦθόριο\tΧλώριο\tΒρώμιο", 255);
  EXPECT_EQ(t.shownKeys(filterOf({group})), (Keys{"Φθόριο", "Χλώριο", "Χλώριο (υγρό)"}));
  // Picked elements compare unfolded: the exact name matches, another spelling does not.
  EXPECT_EQ(t.shownKeys(filterOf(
                {cond("Ονομασία", 0, kTypeContains, "Άζωτο", 7), cond("Ονομασία", 0, kTypeContains, "ΧΛΩΡΙΟ", 17)})),
            (Keys{"Άζωτο"}));
}

TEST(FilterFolding, EveryEntryMapsALetterOfTheCodePageToItsPlainSmallLetter) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const unsigned char to = foldGreek(byte);
    if (to == byte) continue;
    const char32_t from = codepage::toUnicode(byte);
    const char32_t small = codepage::toUnicode(to);
    EXPECT_TRUE(from >= 0x0386 && from <= 0x03CE) << "byte " << b << " is no Greek letter";
    EXPECT_TRUE(small >= 0x03B1 && small <= 0x03C9 && small != 0x03C2) << "byte " << b << " folds to " << int(to);
  }
  EXPECT_EQ(foldGreek(0xBB), 0xBB);  // »
  EXPECT_EQ(foldGreek(0xD2), 0xD2);  // no letter
  EXPECT_EQ(foldGreek(0xDB), 0xF5);  // Ϋ -> υ
  EXPECT_EQ(foldGreek(0xF2), 0xF3);  // ς -> σ
  // Every capital and every accented letter of the code page folds.
  for (const char* letters : {"ΑΆΒΓΔΕΈΖΗΉΘΙΊΪΚΛΜΝΞΟΌΠΡΣΤΥΎΫΦΧΨΩΏ", "άέήίΐϊόύΰϋώς"})
    for (unsigned char byte : cp(letters))
      EXPECT_NE(foldGreek(byte), byte) << codepage::toUtf8(std::string(1, char(byte)));
  // Latin letters lower only through the C rule, whatever the sign of char.
  EXPECT_EQ(lowerLatin('Q'), 'q');
  EXPECT_EQ(lowerLatin(0xC1), 0xC1);
}

TEST(FilterList, JoinsAndTextsFollowTheSortedList) {
  auto numeric = [](int field) { return field == 1; };
  Filter f;
  EXPECT_FALSE(f.isSet());
  EXPECT_EQ(f.text(0, texts(), numeric), cp("Όλα"));
  f.add(cond("Πυκνότητα", 1, kTypeLess, "10"), texts(), numeric);
  f.add(cond("Ονομασία", 0, kTypeContains, "ιο"), texts(), numeric);
  f.add(cond("Πυκνότητα", 1, kTypeGreater, "2.5"), texts(), numeric);
  f.add(cond("Ονομασία", 0, kTypeContains, "αλ"), texts(), numeric);
  std::vector<std::string> shown;
  for (size_t i = 0; i < f.size(); ++i) shown.push_back(codepage::toUtf8(f.text(i, texts(), numeric)));
  EXPECT_EQ(shown,
            (std::vector<std::string>{"Ονομασία Περιέχει αλ ή", "Ονομασία Περιέχει ιο ",
                                      "Πυκνότητα Είναι μεγαλύτερο από 2.5 Και", "Πυκνότητα Είναι μικρότερο από 10 "}));
  // Removing a field's conditions leaves the others with their joins recomputed.
  EXPECT_EQ(f.removeField(0), 2u);
  EXPECT_EQ(f.size(), 2u);
  f.removeAt(1);
  EXPECT_EQ(f[0].join, kJoinLast);
  f.removeAt(0);
  EXPECT_FALSE(f.isSet());
  EXPECT_EQ(f.size(), 1u);
  // Numeric fields say "equals"; the value shows up to its first TAB.
  f.add(cond("Ομάδα", kGroupField, kTypeContains, "2\tΒηρύλλιο", 255), texts(), numeric);
  f.add(cond("Πυκνότητα", 1, kTypeContains, "3"), texts(), numeric);
  EXPECT_EQ(codepage::toUtf8(f.text(0, texts(), numeric)), "Ομάδα Περιέχει 2 ");
  EXPECT_EQ(codepage::toUtf8(f.text(1, texts(), numeric)), "Πυκνότητα Ισούται 3 ");
}

TEST(FilterRules, AllowedTypesPerField) {
  Filter f = filterOf({cond("Ονομασία", 0, kTypeContains, "α"), cond("Μάζα", 3, kTypeGreater, "1"),
                       cond("Χρώμα", 5, kTypeLacks, "μαύρο")});
  EXPECT_EQ(allowedTypes(f, 0, false), (AllowedTypes{false, true, false, false, false}));
  EXPECT_EQ(allowedTypes(f, 3, true), (AllowedTypes{false, false, true, false, true}));
  EXPECT_EQ(allowedTypes(f, 5, false), (AllowedTypes{false, true, true, true, true}));
  EXPECT_EQ(allowedTypes(f, 4, true), (AllowedTypes{false, true, true, true, true}));
  Filter g = filterOf({cond("Ονομασία", 0, kTypeLacks, "α"), cond("Μάζα", 3, kTypeContains, "1")});
  EXPECT_EQ(allowedTypes(g, 0, false), (AllowedTypes{false, false, true, true, true}));
  EXPECT_EQ(allowedTypes(g, 3, true), (AllowedTypes{false, false, false, false, false}));
}

TEST(FilterRules, TypedValues) {
  struct Case {
    const char* typed;
    bool numeric;
    const char* stored;
    int message;
  } cases[] = {
      {"  σίδηρος ", false, "σίδηρος", 0},
      {"   ", false, "", kMessageNoData},
      {"", true, "", kMessageNoData},
      {"12,5", true, "12.5", 0},
      {" -0.5 ", true, "-0.5", 0},
      {"-", true, "", kMessageNotNumeric},
      {".", true, "", kMessageNotNumeric},
      {"1.2.3", true, "", kMessageNotNumeric},
      {"1,2.3", true, "", kMessageNotNumeric},
      {"5-", true, "", kMessageNotNumeric},
      {"1e5", true, "", kMessageNotNumeric},
      {"12345678901", true, "", kMessageTooLong},
      {"1234567890", true, "1234567890", 0},
      {"1.2.3", false, "1.2.3", 0},
  };
  for (const Case& c : cases) {
    const ValueCheck check = checkValue(cp(c.typed), c.numeric);
    EXPECT_EQ(check.message, c.message) << c.typed;
    EXPECT_EQ(codepage::toUtf8(check.value), c.stored) << c.typed;
  }
  // A stored comma value reads back as the number typed.
  Table t({{"α", "β"}, {"12,5", "12"}});
  EXPECT_EQ(t.shownKeys(filterOf({cond("Τ", 1, kTypeContains, checkValue("12,5", true).value.c_str())})),
            (std::vector<std::string>{"α"}));
}

// Block ------------------------------------------------------------------------------------------

FilterLimits elementsLimits() {
  return {83, true, 118};
}

TEST(FilterBlock, TwoConditionsByteForByte) {
  const Filter f = filterOf({cond("Ab", 0, kTypeContains, "x"), cond("C", 3, kTypeGreater, "12.5")});
  const std::string expected = std::string(
                                   "\x01\x00\x00\x00\x03\x00\x02\x00"
                                   "Ab\0x\0",
                                   13) +
                               std::string(
                                   "\x03\x03\x00\x00\x02\x00\x05\x00"
                                   "C\0"
                                   "12.5\0",
                                   15);
  EXPECT_EQ(serialiseFilter(f), expected);
  EXPECT_EQ(expected.size(), 2 + 1 + 10 + 1 + 4 + 10u);
  const FilterDecode back = decodeFilter(expected, 2, elementsLimits());
  ASSERT_TRUE(back.filter) << back.error;
  EXPECT_EQ(*back.filter, f);
  // Greek text travels as its code-page bytes; the empty filter is one condition of ten bytes.
  EXPECT_EQ(serialiseFilter(Filter()), std::string("\0\0\0\0\x01\0\x01\0\0\0", 10));
  const std::string greek = serialiseFilter(filterOf({cond("Ομάδα", kGroupField, kTypeContains, "7\tΦθόριο", 255)}));
  EXPECT_EQ(greek.substr(0, 8), std::string("\x01\x65\x00\xFF\x06\x00\x09\x00", 8));
  EXPECT_EQ(greek.substr(8, 6), cp("Ομάδα") + '\0');
}

TEST(FilterBlock, RefusesEveryKindOfBadBlock) {
  const Filter good = filterOf({cond("Ονομασία", 0, kTypeContains, "ιο"), cond("Πυκν", 4, kTypeLess, "3")});
  const std::string block = serialiseFilter(good);
  ASSERT_TRUE(decodeFilter(block, 2, elementsLimits()).filter);
  auto refused = [&](const std::string& bytes, int count, FilterLimits limits = elementsLimits()) {
    return !decodeFilter(bytes, count, limits).filter;
  };
  EXPECT_TRUE(refused(block, 0));
  EXPECT_TRUE(refused(block, -1));
  EXPECT_TRUE(refused(block, 32767));
  EXPECT_TRUE(refused(block, 3));
  for (size_t cut = 0; cut < block.size(); ++cut) EXPECT_TRUE(refused(block.substr(0, cut), 2)) << cut;
  auto patched = [&](size_t at, std::string bytes) {
    std::string b = block;
    b.replace(at, bytes.size(), bytes);
    return b;
  };
  EXPECT_TRUE(refused(patched(4, std::string("\0\0", 2)), 2));    // caption length 0
  EXPECT_TRUE(refused(patched(6, "\xFF\xFF"), 2));                // value length 0xFFFF
  EXPECT_TRUE(refused(patched(8 + 8, "X"), 2));                   // caption's NUL replaced
  EXPECT_TRUE(refused(patched(8 + 2, std::string("\0", 1)), 2));  // a NUL before the caption's end
  EXPECT_TRUE(refused(patched(1, "\x5A"), 2));                    // field 90
  EXPECT_TRUE(refused(patched(1, "\xF0"), 2));                    // field -16
  EXPECT_TRUE(refused(patched(3, "\xC8"), 2));                    // element byte 200
  EXPECT_TRUE(refused(patched(0, "\x07"), 2));                    // type 7
  EXPECT_TRUE(refused(patched(0, std::string("\0", 1)), 2));      // an empty condition among others
  EXPECT_TRUE(refused(block, 2, {4, false, 0}));                  // field 4 of a four-field table
  const auto group = [](const char* value) {
    return serialiseFilter(filterOf({cond("Ομάδα", kGroupField, kTypeContains, value, 255)}));
  };
  EXPECT_FALSE(refused(group("8"), 1));
  EXPECT_TRUE(refused(group("9"), 1));
  EXPECT_TRUE(refused(group("0\tΉλιο"), 1));
  EXPECT_TRUE(refused(group("x"), 1));
  EXPECT_TRUE(refused(group("3"), 1, {14, false, 0}));  // not the elements table
  EXPECT_TRUE(refused(serialiseFilter(filterOf({cond("Περίοδοι", kPeriodField, kTypeContains, "8", 255)})), 1));
  EXPECT_TRUE(refused(serialiseFilter(filterOf({cond("Ομάδα", kGroupField, kTypeContains, "3", 0)})), 1));
  EXPECT_TRUE(refused(serialiseFilter(filterOf({cond("Ονομασία", 0, kTypeContains, "Ήλιο", 2)})), 1, {83, true, 1}));
  EXPECT_FALSE(refused(serialiseFilter(filterOf({cond("Ονομασία", 0, kTypeContains, "Ήλιο", 2)})), 1));
  // Joins come from the list, not from the block.
  const FilterDecode joins = decodeFilter(patched(2, "\x09"), 2, elementsLimits());
  ASSERT_TRUE(joins.filter);
  EXPECT_EQ((*joins.filter)[0].join, kJoinLast);
}

// Periodic-table picker ----------------------------------------------------------------------------

std::string record(const char* name, const char* symbol, int column, int row, bool nameNul = true) {
  std::string r(kElementRecordSize, '\0');
  const std::string n = cp(name);
  std::memcpy(r.data(), n.data(), std::min<size_t>(n.size(), 20));
  if (!nameNul) std::memset(r.data() + n.size(), 'x', 20 - n.size());
  std::memcpy(r.data() + 20, symbol, std::min<size_t>(std::strlen(symbol), 4));
  r[100] = static_cast<char>(column & 0xFF), r[101] = static_cast<char>((column >> 8) & 0xFF);
  r[102] = static_cast<char>(row & 0xFF), r[103] = static_cast<char>((row >> 8) & 0xFF);
  return r;
}

TEST(PeriodicPickerFile, BoundsEveryField) {
  EXPECT_TRUE(readPickerElements(std::string(119, 'a')).empty());
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += record("Στοιχείο", "X", i % 18, (i / 18) % 10);
  EXPECT_EQ(readPickerElements(bytes).size(), 254u);
  bytes = record("Υδρογόνο", "H", 0, 0) + record("Ήλιο", "He", 40, 0) + record("Λίθιο", "Li", 0, -3) +
          record("Μακρύτατοόνομαχωρίς", "Be", 1, 1, false) + record("Φ", "ABCD", 17, 9);
  const auto elements = readPickerElements(bytes);
  ASSERT_EQ(elements.size(), 5u);
  EXPECT_EQ(elements[0].column, 2);
  EXPECT_EQ(elements[0].row, 2);
  EXPECT_EQ(elements[1].column, -1);
  EXPECT_EQ(elements[2].row, -1);
  EXPECT_EQ(elements[3].name.size(), 20u);
  EXPECT_EQ(elements[4].symbol, "ABCD");
  EXPECT_EQ(elements[4].column, 19);
  EXPECT_EQ(elements[4].row, 11);
  const PeriodicPicker picker(elements);
  EXPECT_EQ(picker.elementAt(2, 2), 0);
  EXPECT_EQ(picker.elementAt(19, 11), 4);
  EXPECT_EQ(picker.elementAt(42, 2), -1);
  EXPECT_EQ(picker.elementAt(2, -1), -1);
  // Element 16 takes its name; 104-108 take the provisional symbols only without their own.
  bytes.clear();
  for (int i = 1; i <= 108; ++i) bytes += record("Ε", i == 105 ? "Db" : "", 0, 0);
  const auto many = readPickerElements(bytes);
  EXPECT_EQ(many[15].name, cp("Θείο"));
  EXPECT_EQ(many[103].symbol, "Unq");
  EXPECT_EQ(many[104].symbol, "Db");
  EXPECT_EQ(many[107].symbol, "Uno");
}

// A small table: H and He in period 1, Li Be B C N O F Ne in period 2, Na Mg Al Si P S Cl Ar in 3.
std::vector<PickerElement> smallTable() {
  std::string bytes;
  const char* symbols[] = {"H",  "He", "Li", "Be", "B",  "C", "N", "O",  "F",
                           "Ne", "Na", "Mg", "Al", "Si", "P", "S", "Cl", "Ar"};
  const char* names[] = {"Υδρογόνο", "Ήλιο",    "Λίθιο",    "Βηρύλλιο", "Βόριο",  "Άνθρακας",
                         "Άζωτο",    "Οξυγόνο", "Φθόριο",   "Νέον",     "Νάτριο", "Μαγνήσιο",
                         "Αργίλιο",  "Πυρίτιο", "Φώσφορος", "Θ",        "Χλώριο", "Αργό"};
  const int columns[] = {0, 17, 0, 1, 12, 13, 14, 15, 16, 17, 0, 1, 12, 13, 14, 15, 16, 17};
  for (int i = 0; i < 18; ++i) bytes += record(names[i], symbols[i], columns[i], i < 2 ? 0 : i < 10 ? 1 : 2);
  return readPickerElements(bytes);
}

TEST(PeriodicPickerRules, AGroupSeventeenFilterRestoredFromItsBlock) {
  PeriodicPicker picker(smallTable());
  ASSERT_TRUE(picker.click(18, 0));  // head 17
  EXPECT_EQ(picker.pickedGroup(), 17);
  Filter f = filterOf(
      {cond("Ονομασία", 0, kTypeContains, "ρ"), cond("Ομάδα", 7, kTypeContains, "x"), cond("Πυκν", 4, kTypeLess, "3")});
  auto numeric = [](int field) { return field == 4; };
  picker.applyTo(f, cp("Ονομασία"), cp("Ομάδα"), cp("Περίοδοι"), texts(), numeric);
  // The name and group-field conditions went; the group condition lists its elements.
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].value, cp("7\tΦθόριο\tΧλώριο"));
  EXPECT_EQ(f[0].field, kGroupField);
  EXPECT_EQ(f[0].element, 255);
  EXPECT_EQ(f[1].field, 4);

  const FilterDecode back = decodeFilter(serialiseFilter(f), 2, {83, true, 18});
  ASSERT_TRUE(back.filter) << back.error;
  PeriodicPicker restored(smallTable());
  restored.show(*back.filter);
  EXPECT_TRUE(restored.groupSelected(17));
  EXPECT_EQ(restored.pickedGroup(), 17);
  for (int i = 0; i < 18; ++i) EXPECT_EQ(restored.elementSelected(i), i == 8 || i == 16) << i;
}

TEST(PeriodicPickerRules, ClicksOnCellsHeadsAndEmptyPlaces) {
  PeriodicPicker picker(smallTable());
  EXPECT_FALSE(picker.click(5, 0));  // head 4 is not drawn
  EXPECT_FALSE(picker.click(0, 9));  // period head 8 is not drawn
  EXPECT_FALSE(picker.click(5, 3));  // no element there
  ASSERT_TRUE(picker.click(0, 3));   // period 2
  EXPECT_EQ(picker.pickedPeriod(), 2);
  for (int i = 0; i < 18; ++i) EXPECT_EQ(picker.elementSelected(i), i >= 2 && i < 10) << i;
  ASSERT_TRUE(picker.click(3, 0));  // group 2 clears the period and its cells
  EXPECT_EQ(picker.pickedPeriod(), 0);
  EXPECT_FALSE(picker.periodSelected(2));
  for (int i = 0; i < 18; ++i) EXPECT_EQ(picker.elementSelected(i), i == 3 || i == 11) << i;
  ASSERT_TRUE(picker.click(3, 0));  // the second click takes the group back
  EXPECT_EQ(picker.pickedGroup(), 0);
  EXPECT_FALSE(picker.elementSelected(3));
  ASSERT_TRUE(picker.click(2, 2));   // H
  ASSERT_TRUE(picker.click(15, 4));  // Si
  Filter f;
  auto numeric = [](int) { return false; };
  picker.applyTo(f, cp("Ονομασία"), cp("Ομάδα"), cp("Περίοδοι"), texts(), numeric);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].value, cp("Πυρίτιο"));
  EXPECT_EQ(f[0].element, 14);
  EXPECT_EQ(f[0].join, kJoinOr);
  EXPECT_EQ(f[1].element, 1);
  picker.clearAll();
  picker.applyTo(f, cp("Ονομασία"), cp("Ομάδα"), cp("Περίοδοι"), texts(), numeric);
  EXPECT_FALSE(f.isSet());
}

}  // namespace
}  // namespace vantorel::dravix
