// What a person sees on the table page: rows and their colours, the header's dividers, the field
// lists under the buttons and keys, the sort order of Greek texts and numbers, the transposed
// grid, the status line, and the messages for damaged tables.
#include <gtest/gtest.h>

#include <QDir>
#include <QSaveFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "dravix/Bitmaps.h"
#include "dravix/DravixCtrl.h"
#include "dravix/PageWidgets.h"
#include "dravix/RecordGrid.h"
#include "dravix/core/TableCatalogue.h"
#include "dravix/tests/TableBuilder.h"
#include "platform/codepage/Cp1253.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/com/Blocks.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::dravix {
namespace {

using com::InvokeKind;
using com::Variant;

constexpr int kPlanets = 5;
const QColor kInk(169, 74, 0);

std::string cp(const char* utf8) {
  return codepage::fromUtf8Lossy(utf8, '?');
}

void writeFile(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  ASSERT_TRUE(file.commit());
}

// A disc folder holding a planets table whose first columns are given (UTF-8); the other fields
// read "k.r". Column 1 is numeric.
class Disc {
 public:
  explicit Disc(std::initializer_list<std::vector<const char*>> initial, const QString& subfolder = {}) {
    const std::vector<std::vector<const char*>> first(initial);
    if (!subfolder.isEmpty()) {
      EXPECT_TRUE(QDir(dir_.path()).mkdir(subfolder));
      sub_ = subfolder + u'/';
    }
    const size_t records = first.empty() ? 0 : first[0].size();
    auto columns = testing::plainColumns(14, static_cast<int>(records));
    for (size_t k = 0; k < first.size(); ++k)
      for (size_t r = 0; r < records; ++r) columns[k][r] = cp(first[k][r]);
    const auto files = testing::encodeTable(columns, "TN", std::string(14, 'Y'));
    writeFile(folder() + u"daplanet.ndx"_qs, files.index);
    writeFile(folder() + u"daplanet.dat"_qs, files.data);
  }
  [[nodiscard]] QString folder() const { return dir_.path() + u'/' + sub_; }

 private:
  QTemporaryDir dir_;
  QString sub_;
};

QString cellText(const CDravixCtrl& c, size_t row, size_t cell) {
  return codepage::toQString(c.rows().cell(row, cell));
}

QStringList column(const CDravixCtrl& c, size_t cell) {
  QStringList out;
  for (size_t r = 0; r < c.rows().rowCount(); ++r) out << cellText(c, r, cell);
  return out;
}

QStringList listCaptions(const FieldList* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

struct Page {
  Page() {
    control.resize(800, 560);
    control.show();
  }
  Variant call(const char* name, std::vector<Variant> args = {}, InvokeKind kind = InvokeKind::Method) {
    const auto* info = control.dispatchTable().findByName(name);
    EXPECT_TRUE(info) << name;
    const com::InvokeResult result = control.invoke(info ? info->dispid : 0, kind, args);
    EXPECT_TRUE(result.ok()) << name;
    return result.value;
  }
  std::vector<int32_t> selectedFields() {
    const intptr_t block = call("GetSelectedFields").toAddress();
    auto values = com::readIntBlock(block).value_or(std::vector<int32_t>{-1});
    EXPECT_TRUE(com::freeBlock(block));
    return values;
  }
  void load(const QString& folder, int table) {
    call("SetTable", {Variant::fromShort(static_cast<int16_t>(table))});
    call("InitData", {Variant::fromString(folder)});
  }
  void select(std::vector<int32_t> block) {
    const intptr_t address = com::newIntBlock(block);
    call("SetSelectedFields", {Variant::fromAddress(address)});
    com::freeBlock(address);
  }
  QImage gridImage() { return control.grid()->grab().toImage(); }

  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
};

TEST(TablePage, SampleElementsLoadWithTheKeyFieldAndTheStatusLine) {
  Page page;
  page.call("InitData", {Variant::fromString(QString::fromUtf8(DRAVIX_SAMPLE_DISC))});
  ASSERT_TRUE(page.control.hasTable());
  EXPECT_EQ(page.call("GetTable").toShort(), kElementsTable);
  EXPECT_EQ(page.selectedFields(), (std::vector<int32_t>{2, 0}));
  EXPECT_EQ(listCaptions(page.control.selectedList()), QStringList{u"Ονομασία"_qs});
  EXPECT_EQ(page.control.availableList()->count(), 82);
  const auto rows = page.control.rows().rowCount();
  EXPECT_GT(rows, 100u);
  EXPECT_EQ(page.control.statusLine(), QString::number(rows) + u" Επιλεγμένες εγγραφές (κανένα φίλτρο)"_qs);
  EXPECT_EQ(page.call("Version", {}, InvokeKind::PropertyGet).toString(), u"1.0.032"_qs);
  // Scientists: field 7 is never offered.
  page.call("SetTable", {Variant::fromShort(6)});
  EXPECT_EQ(page.control.availableList()->count(), 6);
  EXPECT_TRUE(page.boxes.shown().empty());
}

TEST(TablePage, RowColoursSelectedAndNot) {
  Disc disc({{"Άρης", "Γη", "Ερμής"}});
  Page page;
  page.load(disc.folder(), kPlanets);
  RecordGrid* grid = page.control.grid();
  // Row 1 clicked: selected; rows 0 and 2 not. Pixels right of the only column.
  QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(20, kRowHeight + 8));
  const QImage image = page.gridImage();
  EXPECT_EQ(image.pixelColor(300, 6), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(300, kRowHeight + 6), kInk);
  EXPECT_EQ(image.pixelColor(300, 2 * kRowHeight + 6), QColor(Qt::white));
  // The lines closing each cell and each row.
  EXPECT_EQ(image.pixelColor(107, 6), kInk);
  EXPECT_EQ(image.pixelColor(300, kRowHeight - 1), kInk);
  // Ctrl-click adds a row; Ctrl+A selects every row.
  QTest::mouseClick(grid, Qt::LeftButton, Qt::ControlModifier, QPoint(20, 8));
  EXPECT_EQ(grid->selectedRows(), (std::vector<int>{0, 1}));
  QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(grid->selectedRows(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(page.gridImage().pixelColor(300, 6), kInk);
}

TEST(TablePage, KeyboardMovesAndExtendsTheSelection) {
  std::vector<const char*> names;
  static std::vector<std::string> storage;
  storage.clear();
  for (int i = 0; i < 200; ++i) storage.push_back("Όνομα " + std::to_string(1000 + i));
  for (const auto& s : storage) names.push_back(s.c_str());
  Disc disc({names});
  Page page;
  page.load(disc.folder(), kPlanets);
  RecordGrid* grid = page.control.grid();
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(grid->selectedRows(), (std::vector<int>{1, 2, 3}));
  QTest::keyClick(grid, Qt::Key_End);
  EXPECT_EQ(grid->currentRow(), 199);
  EXPECT_EQ(grid->selectedRows(), std::vector<int>{199});
  EXPECT_EQ(grid->topRow() + grid->rowsPerPage() - 1, 199);  // the last row in view
  QTest::keyClick(grid, Qt::Key_PageUp);
  EXPECT_EQ(grid->currentRow(), 199 - grid->rowsPerPage() + 1);
  const int before = grid->currentRow();
  QTest::keyClick(grid, Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(grid->currentRow(), 0);
  EXPECT_EQ(grid->selectedRows().size(), static_cast<size_t>(before + 1));
  EXPECT_EQ(grid->topRow(), 0);
}

TEST(TablePage, HeaderDragBelowTheMinimumGivesFifty) {
  Disc disc({{"Άρης", "Γη"}});
  Page page;
  page.load(disc.folder(), kPlanets);
  QWidget* header = page.control.header()->viewport();
  const int divider = page.control.header()->sectionSize(0) - 1;
  QTest::mousePress(header, Qt::LeftButton, {}, QPoint(divider, 9));
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 9), header->mapToGlobal(QPointF(10, 9)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(header, &move);
  QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(10, 9));
  EXPECT_EQ(page.call("GetColumnWidth", {Variant::fromShort(0)}).toLong(), 50);
  // The grid follows: the line closing the first cell stands at 49.
  EXPECT_EQ(page.gridImage().pixelColor(49, 6), kInk);
  page.call("SetColumnWidth", {Variant::fromShort(0), Variant::fromLong(10)});
  EXPECT_EQ(page.call("GetColumnWidth", {Variant::fromShort(0)}).toLong(), 50);
  page.call("SetColumnWidth", {Variant::fromShort(99), Variant::fromLong(2147483647)});
  EXPECT_EQ(page.call("GetColumnWidth", {Variant::fromShort(99)}).toLong(), 50);
  page.call("SetColumnWidth", {Variant::fromShort(0), Variant::fromLong(2147483647)});
  EXPECT_EQ(page.call("GetColumnWidth", {Variant::fromShort(0)}).toLong(), kMaxColumnWidth);
  EXPECT_TRUE(page.control.scrollBar()->isEnabled());
}

TEST(TablePage, FieldListsUnderButtonsAndKeys) {
  Disc disc({{"Άρης", "Γη"}});
  Page page;
  page.load(disc.folder(), kPlanets);
  FieldList* available = page.control.availableList();
  FieldList* selected = page.control.selectedList();
  auto click = [&](int bitmap) { QTest::mouseClick(page.control.button(bitmap), Qt::LeftButton); };
  available->setFocus();
  QTest::keyClick(available, Qt::Key_Down);  // the second entry: field 2
  click(bitmaps::kAdd);
  available->setCurrentRow(0);
  QTest::keyClick(available, Qt::Key_Return);  // field 1
  EXPECT_EQ(page.selectedFields(), (std::vector<int32_t>{4, 0, 2, 1}));
  EXPECT_EQ(page.control.header()->count(), 3);
  EXPECT_EQ(available->count(), 11);

  selected->setCurrentRow(1);
  click(bitmaps::kRemove);
  EXPECT_EQ(page.selectedFields(), (std::vector<int32_t>{3, 0, 1}));
  EXPECT_EQ(available->fieldAt(available->count() - 1), 2);  // back at the end
  selected->setCurrentRow(0);
  selected->setFocus();
  QTest::keyClick(selected, Qt::Key_Enter);
  ASSERT_EQ(page.boxes.shown().size(), 1u);
  EXPECT_EQ(page.boxes.shown()[0].text, u"Το αντικείμενο αυτό δεν μπορεί να αφαιρεθεί"_qs);
  EXPECT_EQ(page.boxes.shown()[0].caption, u"Vantorel"_qs);

  click(bitmaps::kAddAll);
  EXPECT_EQ(available->count(), 0);
  EXPECT_EQ(selected->count(), 14);
  EXPECT_EQ(page.control.rows().cellCount(), 14u);
  click(bitmaps::kRemoveAll);
  EXPECT_EQ(selected->count(), 1);
  EXPECT_EQ(available->count(), 13);
  EXPECT_EQ(page.selectedFields(), (std::vector<int32_t>{2, 0}));
  EXPECT_EQ(page.call("GetColumnWidth", {Variant::fromShort(1)}).toLong(), 50);
}

TEST(TablePage, GreekTextsSortWithoutRegardToCaseAndAccentsInTheirPlace) {
  Disc disc({{"Ωμέγα", "βήτα", "Άλφα", "γάμμα", "αλφα", "Βήτα", "άλφα", "Ζήτα"}});
  Page page;
  page.load(disc.folder(), kPlanets);
  // Equal under the collation (letter case only): file order.
  EXPECT_EQ(column(page.control, 0), (QStringList{u"αλφα"_qs, u"Άλφα"_qs, u"άλφα"_qs, u"βήτα"_qs, u"Βήτα"_qs,
                                                  u"γάμμα"_qs, u"Ζήτα"_qs, u"Ωμέγα"_qs}));
  // The label column follows the display order.
  EXPECT_EQ(page.control.labelColumn().substr(0, cp("αλφα\t").size()), cp("αλφα\t"));
}

TEST(TablePage, NumbersSortByValueWordsFirst) {
  Disc disc({{"α", "β", "γ", "δ", "ε", "ζ", "η", "θ"},
             {"2.613.000", "900.000", "12,7", "άγνωστο", "12", "-250.000", "13", "12,5"}});
  Page page;
  page.load(disc.folder(), kPlanets);
  page.select({3, 0, 1});
  page.call("SortColumn", {Variant::fromShort(1)}, InvokeKind::PropertyPut);
  page.select({1});  // a rebuild with the sort column
  EXPECT_EQ(column(page.control, 1), (QStringList{u"άγνωστο"_qs, u"-250.000"_qs, u"12"_qs, u"12,5"_qs, u"12,7"_qs,
                                                  u"13"_qs, u"900.000"_qs, u"2.613.000"_qs}));
  // A header click sorts on that column; a sort column out of range counts as the first.
  QTest::mouseClick(page.control.header()->viewport(), Qt::LeftButton, {}, QPoint(20, 9));
  EXPECT_EQ(column(page.control, 0).first(), u"α"_qs);
  page.call("SortColumn", {Variant::fromShort(-5)}, InvokeKind::PropertyPut);
  page.select({1});
  EXPECT_EQ(column(page.control, 0).last(), u"θ"_qs);
}

TEST(TablePage, TransposedRowsAndTheirScrolling) {
  Disc disc({{"Άρης", "Γη", "Ερμής"}, {"1", "2", ""}});
  Page page;
  page.load(disc.folder(), kPlanets);
  page.select({3, 0, 1});
  page.call("Axis", {Variant::fromBool(true)}, InvokeKind::PropertyPut);
  EXPECT_TRUE(page.call("Axis", {}, InvokeKind::PropertyGet).toBool());
  EXPECT_FALSE(page.control.header()->isVisible());
  ASSERT_EQ(page.control.rows().rowCount(), 2u);
  EXPECT_EQ(page.control.rows().rowText(1, "caption"), "caption\t1\t2\t\t");
  const QImage image = page.gridImage();
  // The caption cell on light grey; a value cell on white; the empty value says so.
  EXPECT_EQ(image.pixelColor(104, 6), QColor(192, 192, 192));
  EXPECT_EQ(image.pixelColor(108 + 104, 6), QColor(Qt::white));
  EXPECT_EQ(page.control.grid()->y(), 229);
  page.call("Axis", {Variant::fromBool(false)}, InvokeKind::PropertyPut);
  EXPECT_EQ(page.control.rows().rowCount(), 3u);
  EXPECT_TRUE(page.control.header()->isVisible());
}

TEST(TablePage, HorizontalScrollingMovesHeaderAndGridTogether) {
  Disc disc({{"Άρης", "Γη", "Ερμής"}});
  Page page;
  page.load(disc.folder(), kPlanets);
  QScrollBar* bar = page.control.scrollBar();
  EXPECT_FALSE(bar->isEnabled());  // one column fits
  QTest::mouseClick(page.control.button(bitmaps::kAddAll), Qt::LeftButton);
  ASSERT_TRUE(bar->isEnabled());
  const int view = page.control.grid()->width() -
                   page.control.grid()->verticalBar()->width() * page.control.grid()->verticalBar()->isVisible();
  EXPECT_EQ(bar->maximum(), (14 * 108 - view + 9) / 10);
  bar->setValue(10);  // 100 pixels
  EXPECT_EQ(page.control.header()->offset(), 100);
  const QImage image = page.gridImage();
  EXPECT_EQ(image.pixelColor(7, 6), kInk);  // the first column's closing line, 100 pixels to the left
  EXPECT_EQ(image.pixelColor(7 + 108, 6), kInk);

  page.call("Axis", {Variant::fromBool(true)}, InvokeKind::PropertyPut);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(page.gridImage().pixelColor(104, 6), QColor(192, 192, 192));
  EXPECT_EQ(bar->maximum(), 0);  // three values and the caption fit
}

TEST(TablePage, DamagedOrMissingTablesLeaveNoTableAndAUsablePage) {
  Disc disc({{"Άρης", "Γη"}});
  Page page;
  page.load(disc.folder(), kPlanets);
  ASSERT_TRUE(page.control.hasTable());
  // The elements table is not on this disc.
  page.call("SetTable", {Variant::fromShort(kElementsTable)});
  ASSERT_EQ(page.boxes.shown().size(), 1u);
  EXPECT_EQ(page.boxes.shown()[0].text, disc.folder() + u"daelem.ndx"_qs);
  EXPECT_EQ(page.boxes.shown()[0].caption, u"Vantorel"_qs);
  EXPECT_FALSE(page.control.hasTable());
  EXPECT_EQ(page.control.rows().rowCount(), 0u);
  EXPECT_EQ(page.control.availableList()->count(), 0);
  EXPECT_EQ(page.control.selectedList()->count(), 0);
  EXPECT_TRUE(page.control.statusLine().isEmpty());

  // A damaged data file: a value loses its terminator.
  QFile data(disc.folder() + u"daplanet.dat"_qs);
  ASSERT_TRUE(data.open(QIODevice::ReadOnly));
  std::string bytes = data.readAll().toStdString();
  data.close();
  bytes.back() = 'x';
  writeFile(disc.folder() + u"daplanet.dat"_qs, bytes);
  page.boxes.clear();
  page.call("SetTable", {Variant::fromShort(kPlanets)});
  ASSERT_EQ(page.boxes.shown().size(), 1u);
  EXPECT_EQ(page.boxes.shown()[0].text, disc.folder() + u"daplanet.dat"_qs);
  EXPECT_FALSE(page.control.hasTable());

  // Out-of-range and unknown arguments change nothing.
  page.boxes.clear();
  page.call("SetTable", {Variant::fromShort(7)});
  page.call("SetTable", {Variant::fromShort(-1)});
  EXPECT_EQ(page.call("GetTable").toShort(), kPlanets);
  EXPECT_TRUE(page.boxes.shown().empty());
}

TEST(TablePage, FoldersWithGreekNamesAndFoldersWithoutTheirSeparator) {
  Disc disc({{"Άρης", "Γη\tκαι\rΣελήνη"}}, u"Δεδομένα δίσκου"_qs);
  Page page;
  QString folder = disc.folder();
  folder.chop(1);
  page.load(folder, kPlanets);
  ASSERT_EQ(page.boxes.shown().size(), 1u);
  EXPECT_EQ(page.boxes.shown()[0].text, folder + u"daplanet.ndx"_qs);
  page.boxes.clear();
  page.call("InitData", {Variant::fromString(disc.folder())});
  EXPECT_TRUE(page.boxes.shown().empty());
  ASSERT_EQ(page.control.rows().rowCount(), 2u);
  EXPECT_EQ(cellText(page.control, 1, 0), u"Γη\tκαι\rΣελήνη"_qs);
  // A TAB or a line break inside a value is drawn as a space: the row looks as with spaces.
  Disc spaced({{"Άρης", "Γη και Σελήνη"}});
  Page other;
  other.load(spaced.folder(), kPlanets);
  const QRect row(0, kRowHeight, 108, kRowHeight);
  EXPECT_EQ(page.gridImage().copy(row), other.gridImage().copy(row));
}

TEST(TablePage, SelectedFieldsBlocksAreCheckedAndReadOnlyWithinTheirSize) {
  Disc disc({{"Άρης", "Γη"}});
  Page page;
  page.load(disc.folder(), kPlanets);
  page.select({5, 0, 4, 4, 99});  // a repeated and an unknown field
  EXPECT_EQ(page.selectedFields(), (std::vector<int32_t>{3, 0, 4}));
  const int32_t fields[] = {3, 0, 2};
  const intptr_t freed = com::newIntBlock(fields);
  ASSERT_TRUE(com::freeBlock(freed));
  page.call("SetSelectedFields", {Variant::fromAddress(freed)});
  page.call("SetSelectedFields", {Variant::fromAddress(0)});
  page.call("SetSelectedFields", {Variant()});
  // A count beyond the block's size reads only what the block holds.
  const int32_t claims[] = {50, 0, 6};
  const intptr_t shortBlock = com::newIntBlock(claims);
  page.call("SetSelectedFields", {Variant::fromAddress(shortBlock)});
  com::freeBlock(shortBlock);
  EXPECT_EQ(page.selectedFields(), (std::vector<int32_t>{4, 0, 4, 6}));
  // A long is not an address.
  const auto* info = page.control.dispatchTable().findByName("SetSelectedFields");
  EXPECT_FALSE(page.control.invoke(info->dispid, InvokeKind::Method, {Variant::fromLong(1234)}).ok());
}

}  // namespace
}  // namespace vantorel::dravix
