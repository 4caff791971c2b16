// The filter as a student meets it: typing conditions into the "Φίλτρο" dialog, picking a group
// or a period on the small periodic table, and the grid and status line that follow; and the
// filter block as bookmarks hand it over.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dravix/Bitmaps.h"
#include "dravix/DravixCtrl.h"
#include "dravix/FilterDlg.h"
#include "dravix/PageWidgets.h"
#include "dravix/PeriodicFilterDlg.h"
#include "dravix/core/FilterBlock.h"
#include "dravix/core/TableCatalogue.h"
#include "platform/codepage/Cp1253.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/com/Blocks.h"
#include "platform/ui/MessageBox.h"

// Failures print texts as text.
void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace vantorel::dravix {
namespace {

// A double click as the window system delivers it: press, release, double click, release.
void doubleClick(QWidget* w, const QPoint& pos) {
  QTest::mousePress(w, Qt::LeftButton, {}, pos);
  QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton,
                  Qt::LeftButton, {});
  QApplication::sendEvent(w, &dbl);
  QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

using com::Variant;

const QString kDisc = QString::fromUtf8(DRAVIX_SAMPLE_DISC);
constexpr QColor kPicked(172, 125, 208);
constexpr QColor kUnpicked(0, 190, 190);
constexpr int kDensity = 4;  // numeric field of the elements table

std::string cp(const char* utf8) {
  return codepage::fromUtf8Lossy(utf8, '?');
}

struct Page {
  Page() {
    control.resize(800, 560);
    control.show();
    call("InitData", {Variant::fromString(kDisc)});
  }
  Variant call(const char* name, std::vector<Variant> args = {}, com::InvokeKind kind = com::InvokeKind::Method) {
    const auto* info = control.dispatchTable().findByName(name);
    EXPECT_TRUE(info) << name;
    const com::InvokeResult result = control.invoke(info ? info->dispid : 0, kind, args);
    EXPECT_TRUE(result.ok()) << name;
    return result.value;
  }
  Variant get(const char* name) { return call(name, {}, com::InvokeKind::PropertyGet); }
  void select(std::vector<int32_t> block) {
    const intptr_t address = com::newIntBlock(block);
    call("SetSelectedFields", {Variant::fromAddress(address)});
    com::freeBlock(address);
  }
  void setFilter(int32_t length, int16_t count, intptr_t address) {
    call("SetFilter", {Variant::fromLong(length), Variant::fromShort(count), Variant::fromAddress(address)});
  }
  QStringList keys() const {
    QStringList out;
    for (size_t r = 0; r < control.rows().rowCount(); ++r) out << codepage::toQString(control.rows().cell(r, 0));
    return out;
  }

  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
};

// Runs `act` on the modal dialog that the next event-loop turn shows.
template <class Dialog>
void whenShown(std::function<void(Dialog*)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
    EXPECT_TRUE(dialog);
    if (!dialog) {
      if (QWidget* w = QApplication::activeModalWidget()) w->close();
      return;
    }
    act(dialog);
    if (dialog->isVisible()) dialog->reject();  // never leave a test waiting
  });
}

// With DRAVIX_FILTER_SHOTS set to a folder, the screens are saved there to be looked at.
void saveShot(QWidget* w, const char* name) {
  const QByteArray folder = qgetenv("DRAVIX_FILTER_SHOTS");
  if (!folder.isEmpty()) w->grab().save(QString::fromLocal8Bit(folder) + u'/' + QString::fromLatin1(name));
}

// Types `text` key by key, Greek letters and emoji as a keyboard sends them: a key press with text.
void typeText(QWidget* w, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString ch = text.mid(i, n);
    i += n - 1;
    const char16_t u = ch[0].unicode();
    const Qt::Key key =
        u < 0x80 && ch.size() == 1 ? static_cast<Qt::Key>(QChar(u).toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Press, w, key, ch, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, w, key, ch, Qt::NoModifier);
  }
}

void clickRadio(FilterDlg* dlg, int type) {
  QRadioButton* b = dlg->typeButton(type);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

QStringList listTexts(const FilterDlg* dlg) {
  QStringList out;
  for (int i = 0; i < dlg->conditionList()->count(); ++i) out << dlg->conditionList()->item(i)->text();
  return out;
}

void chooseField(FilterDlg* dlg, int index) {
  dlg->fieldBox()->setFocus();
  while (dlg->fieldBox()->currentIndex() < index) QTest::keyClick(dlg->fieldBox(), Qt::Key_Down);
  while (dlg->fieldBox()->currentIndex() > index) QTest::keyClick(dlg->fieldBox(), Qt::Key_Up);
}

TEST(FilterDialog, TypedConditionsFilterTheGridAndTheStatusLine) {
  Page page;
  page.select({3, 0, kDensity});
  const int all = static_cast<int>(page.control.rows().rowCount());
  ASSERT_GT(all, 100);
  whenShown<FilterDlg>([&](FilterDlg* dlg) {
    EXPECT_EQ(dlg->windowTitle(), u"Φίλτρο"_qs);
    EXPECT_EQ(listTexts(dlg), QStringList{u"Όλα"_qs});
    EXPECT_TRUE(dlg->periodicButton()->isEnabled());
    EXPECT_FALSE(dlg->valueBox()->isEnabled());
    clickRadio(dlg, kTypeContains);
    EXPECT_EQ(dlg->prompt()->text(), u"Τι περιέχει;"_qs);
    typeText(dlg->valueBox(), u"ΣΊΔΗΡΟΣ"_qs);
    QTest::keyClick(dlg->valueBox(), Qt::Key_Return);  // "Και" is the default button
    EXPECT_EQ(dlg->valueBox()->text(), QString());
    // Alternatives on the name: only "contains" stays allowed.
    EXPECT_FALSE(dlg->typeButton(kTypeLacks)->isEnabled());
    typeText(dlg->valueBox(), u"χαλκ"_qs);
    QTest::mouseClick(dlg->addButton(), Qt::LeftButton);

    chooseField(dlg, 1);
    EXPECT_EQ(dlg->typeButton(kTypeContains)->text(), u"Ισούται"_qs);
    EXPECT_EQ(dlg->typeButton(kTypeLacks)->text(), u"Δεν ισούται"_qs);
    clickRadio(dlg, kTypeGreater);
    EXPECT_EQ(dlg->prompt()->text(), u"Είναι μεγαλύτερο από τι;"_qs);
    typeText(dlg->valueBox(), u"1.2.3"_qs);
    QTest::keyClick(dlg->valueBox(), Qt::Key_Return);
    ASSERT_EQ(page.boxes.shown().size(), 1u);
    EXPECT_EQ(page.boxes.shown()[0].text, u"Λανθασμένα δεδομένα για αριθμητικό πεδίο"_qs);
    EXPECT_EQ(page.boxes.shown()[0].caption, u"Vantorel"_qs);
    EXPECT_EQ(dlg->valueBox()->text(), u"1.2.3"_qs);
    dlg->valueBox()->clear();
    typeText(dlg->valueBox(), u"8,5"_qs);
    QTest::keyClick(dlg->valueBox(), Qt::Key_Return);
    EXPECT_EQ(listTexts(dlg), (QStringList{u"Ονομασία Περιέχει ΣΊΔΗΡΟΣ ή"_qs, u"Ονομασία Περιέχει χαλκ "_qs,
                                           u"Πυκνότητα στους 20°C (g/cm3) Είναι μεγαλύτερο από 8.5 "_qs}));
    // A numeric field with a condition allows no "equals" and no second "greater".
    EXPECT_FALSE(dlg->typeButton(kTypeContains)->isEnabled());
    EXPECT_FALSE(dlg->typeButton(kTypeGreater)->isEnabled());
    EXPECT_TRUE(dlg->typeButton(kTypeLess)->isEnabled());
    saveShot(dlg, "filter-dialog.png");
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
  });
  QTest::mouseClick(page.control.button(bitmaps::kFilter), Qt::LeftButton);
  // Copper (8,92) is denser than 8,5; iron (7,874) is not.
  EXPECT_EQ(page.keys(), QStringList{u"Χαλκός"_qs});
  EXPECT_EQ(page.control.statusLine(), u"1 Επιλεγμένες εγγραφές (φιλτραρισμένες)"_qs);
  saveShot(&page.control, "filtered-grid.png");

  // Removing the filtered density field re-applies what is left: iron and copper.
  page.control.selectedList()->setCurrentRow(1);
  QTest::mouseClick(page.control.button(bitmaps::kRemove), Qt::LeftButton);
  EXPECT_EQ(page.keys(), (QStringList{u"Σίδηρος"_qs, u"Χαλκός"_qs}));
  EXPECT_EQ(page.control.statusLine(), u"2 Επιλεγμένες εγγραφές (φιλτραρισμένες)"_qs);

  // The dialog opens on the field and the choice used last; Cancel keeps the filter.
  whenShown<FilterDlg>([&](FilterDlg* dlg) {
    EXPECT_EQ(dlg->fieldBox()->currentIndex(), 0);
    clickRadio(dlg, kTypeNone);  // "Όλα" takes the name conditions away
    EXPECT_EQ(listTexts(dlg), QStringList{u"Όλα"_qs});
    QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
  });
  QTest::mouseClick(page.control.button(bitmaps::kFilter), Qt::LeftButton);
  EXPECT_EQ(page.keys().size(), 2);
  page.select({3, 0, kDensity});
  page.control.removeAllFields();
  EXPECT_EQ(page.keys().size(), all);
  EXPECT_EQ(page.control.statusLine(), QString::number(all) + u" Επιλεγμένες εγγραφές (κανένα φίλτρο)"_qs);
}

TEST(FilterDialog, ValuesThatAreRefusedOrCannotBeTyped) {
  ui::RecordingMessageBoxes boxes;
  FilterDialogSetup setup{{0, 1}, {u"Ονομασία"_qs, u"Μάζα"_qs}, {false, true}, false, {}};
  FilterDlg dlg(setup, Filter(), 1, kTypeLess);
  dlg.show();
  EXPECT_FALSE(dlg.periodicButton()->isEnabled());
  EXPECT_TRUE(dlg.typeButton(kTypeLess)->isChecked());
  EXPECT_EQ(dlg.prompt()->text(), u"Είναι μικρότερο από τι;"_qs);
  struct Case {
    QString typed;
    QString message;
  } cases[] = {
      {u"   "_qs, u"No data to add!"_qs},
      {u"-"_qs, u"Λανθασμένα δεδομένα για αριθμητικό πεδίο"_qs},
      {u"5-"_qs, u"Λανθασμένα δεδομένα για αριθμητικό πεδίο"_qs},
      {u"12345678901"_qs, u"Υπερβολικοί χαρακτήρες"_qs},
  };
  for (const Case& c : cases) {
    boxes.clear();
    dlg.valueBox()->clear();
    typeText(dlg.valueBox(), c.typed);
    QTest::mouseClick(dlg.addButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.shown().size(), 1u) << c.typed.toStdString();
    EXPECT_EQ(boxes.shown()[0].text, c.message);
  }
  EXPECT_EQ(dlg.filter().isSet(), false);
  // The box takes 50 characters and none that the code page cannot write.
  dlg.valueBox()->clear();
  typeText(dlg.valueBox(), QString(51, u'α'));
  EXPECT_EQ(dlg.valueBox()->text().size(), 50);
  dlg.valueBox()->clear();
  typeText(dlg.valueBox(), u"1😀2"_qs);
  EXPECT_EQ(dlg.valueBox()->text(), u"12"_qs);

  // "Διαγραφή όλων" asks first when more than one condition is there.
  dlg.valueBox()->clear();
  typeText(dlg.valueBox(), u"-0,5"_qs);
  QTest::keyClick(dlg.valueBox(), Qt::Key_Enter);
  clickRadio(&dlg, kTypeGreater);
  typeText(dlg.valueBox(), u"-9"_qs);
  QTest::keyClick(dlg.valueBox(), Qt::Key_Enter);
  ASSERT_EQ(dlg.filter().size(), 2u);
  boxes.clear();
  boxes.queueAnswer(ui::Answer::No);
  QTest::mouseClick(dlg.deleteAllButton(), Qt::LeftButton);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, u"Είστε σίγουροι;"_qs);
  EXPECT_EQ(boxes.shown()[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(dlg.filter().size(), 2u);
  // "Διαγραφή" works on a highlighted condition of the current field.
  QTest::mouseClick(dlg.conditionList()->viewport(), Qt::LeftButton, {},
                    dlg.conditionList()->visualItemRect(dlg.conditionList()->item(1)).center());
  EXPECT_TRUE(dlg.deleteButton()->isEnabled());
  QTest::mouseClick(dlg.deleteButton(), Qt::LeftButton);
  EXPECT_EQ(listTexts(&dlg), QStringList{u"Μάζα Είναι μεγαλύτερο από -9 "_qs});
  chooseField(&dlg, 0);
  QTest::mouseClick(dlg.conditionList()->viewport(), Qt::LeftButton, {},
                    dlg.conditionList()->visualItemRect(dlg.conditionList()->item(0)).center());
  EXPECT_FALSE(dlg.deleteButton()->isEnabled());
}

// The centre of a grid cell of the picker.
QPoint cellCentre(int column, int row) {
  return PeriodicTableView::cellRect(column, row).center();
}

TEST(PeriodicFilter, AGroupRestoredFromItsBlockShowsItsHeadAndColumn) {
  Page page;
  FilterCondition group{
      cp("Ομάδα"), cp("7\tΦθόριο\tΧλώριο\tΒρώμιο\tΙώδιο\tΑστάτιο"), kTypeContains, kGroupField, kJoinLast, 255};
  Filter f;
  f.assign({group});
  const std::string bytes = serialiseFilter(f);
  const intptr_t block = com::newByteBlock(bytes);
  page.setFilter(static_cast<int32_t>(bytes.size()), 1, block);
  com::freeBlock(block);
  page.select({2, 0});
  EXPECT_EQ(page.keys(), (QStringList{u"Αστάτιο"_qs, u"Βρώμιο"_qs, u"Ιώδιο"_qs, u"Φθόριο"_qs, u"Χλώριο"_qs}));
  EXPECT_EQ(page.control.statusLine(), u"5 Επιλεγμένες εγγραφές (φιλτραρισμένες)"_qs);

  auto elements = loadPickerElements(kDisc, nullptr);
  ASSERT_TRUE(elements);
  PeriodicFilterDlg dlg(std::move(*elements), page.control.filter());
  dlg.show();
  const QImage image = dlg.table()->grab().toImage();
  EXPECT_EQ(image.pixelColor(cellCentre(18, 0) + QPoint(-8, -8)), kPicked);    // head 17
  EXPECT_EQ(image.pixelColor(cellCentre(17, 0) + QPoint(-8, -8)), kUnpicked);  // head 16
  EXPECT_EQ(image.pixelColor(cellCentre(18, 3) + QPoint(-8, -8)), kPicked);    // fluorine
  EXPECT_EQ(image.pixelColor(cellCentre(18, 4) + QPoint(-8, -8)), kPicked);    // chlorine
  EXPECT_EQ(image.pixelColor(cellCentre(17, 3) + QPoint(-8, -8)), kUnpicked);  // oxygen
  saveShot(&dlg, "periodic-group17.png");
}

TEST(PeriodicFilter, PickingAPeriodWithTheMouseMakesItsCondition) {
  Page page;
  ui::RecordingMessageBoxes boxes;
  FilterDialogSetup setup{{0, 7}, {u"Ονομασία"_qs, u"Ομάδα"_qs}, std::vector<bool>(83, false), true, kDisc};
  FilterDlg dlg(setup, Filter(), 0, -1);
  dlg.show();
  whenShown<PeriodicFilterDlg>([&](PeriodicFilterDlg* picker) {
    EXPECT_EQ(picker->windowTitle(), u"Περιοδικός Πίνακας Φίλτρο"_qs);
    QWidget* table = picker->table();
    QTest::mouseClick(table, Qt::LeftButton, {}, cellCentre(18, 0));  // group 17
    doubleClick(table, cellCentre(0, 3));                             // period 2, twice...
    QTest::mouseClick(table, Qt::LeftButton, {}, cellCentre(0, 3));   // ...and once more: on
    EXPECT_EQ(picker->picker().pickedGroup(), 0);
    EXPECT_EQ(picker->picker().pickedPeriod(), 2);
    const QImage image = table->grab().toImage();
    EXPECT_EQ(image.pixelColor(cellCentre(0, 3) + QPoint(-8, -8)), kPicked);
    EXPECT_EQ(image.pixelColor(cellCentre(18, 4) + QPoint(-8, -8)), kUnpicked);  // chlorine
    EXPECT_EQ(image.pixelColor(cellCentre(2, 3) + QPoint(-8, -8)), kPicked);     // lithium
    saveShot(picker, "periodic-period2.png");
    QTest::mouseClick(picker->okButton(), Qt::LeftButton);
  });
  QTest::mouseClick(dlg.periodicButton(), Qt::LeftButton);
  ASSERT_EQ(dlg.filter().size(), 1u);
  EXPECT_EQ(dlg.filter()[0].field, kPeriodField);
  EXPECT_EQ(codepage::toUtf8(dlg.filter()[0].value),
            "2\tΛίθιο\tΒηρύλλιο\tΒόριο\tΆνθρακας\tΆζωτο\tΟξυγόνο\tΦθόριο\tΝέο");
  EXPECT_EQ(listTexts(&dlg), QStringList{u"Περίοδοι Περιέχει 2 "_qs});
}

TEST(PeriodicFilter, AMissingElementFileShowsItsPath) {
  QTemporaryDir dir;
  ui::RecordingMessageBoxes boxes;
  const QString folder = dir.path() + u'/';
  FilterDialogSetup setup{{0}, {u"Ονομασία"_qs}, {false}, true, folder};
  FilterDlg dlg(setup, Filter(), 0, -1);
  dlg.show();
  QTest::mouseClick(dlg.periodicButton(), Qt::LeftButton);  // returns: no dialog opens
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, folder + u"element.dat"_qs);
  EXPECT_EQ(boxes.shown()[0].caption, u"Vantorel"_qs);
}

TEST(FilterMembers, TheBlockIsHandedOverOnceAndOnlyLiveBlocksAreRead) {
  Page page;
  page.select({3, 0, kDensity});
  whenShown<FilterDlg>([&](FilterDlg* dlg) {
    clickRadio(dlg, kTypeContains);
    typeText(dlg->valueBox(), u"ιο"_qs);
    QTest::keyClick(dlg->valueBox(), Qt::Key_Return);
    chooseField(dlg, 1);
    clickRadio(dlg, kTypeGreater);
    typeText(dlg->valueBox(), u"12,5"_qs);
    QTest::keyClick(dlg->valueBox(), Qt::Key_Return);
    QTest::mouseClick(dlg->okButton(), Qt::LeftButton);
  });
  QTest::mouseClick(page.control.button(bitmaps::kFilter), Qt::LeftButton);
  const QStringList filtered = page.keys();
  ASSERT_FALSE(filtered.isEmpty());

  const int32_t length = page.get("FilterLength").toLong();
  EXPECT_EQ(page.get("FilterNum").toShort(), 2);
  const intptr_t block = page.call("FilterMemory").toAddress();
  EXPECT_NE(block, 0);
  EXPECT_EQ(page.call("FilterMemory").toAddress(), 0);
  ASSERT_EQ(com::blockSize(block), static_cast<size_t>(length));
  const std::string bytes = *com::readByteBlock(block);
  EXPECT_EQ(bytes.substr(bytes.size() - 5), std::string("12.5\0", 5));

  // A new table forgets the filter; the block brings it back.
  page.call("SetTable", {Variant::fromShort(kElementsTable)});
  page.setFilter(length, 2, block);
  page.select({3, 0, kDensity});
  EXPECT_EQ(page.keys(), filtered);
  // Length shorter than the content, a wrong count, or addresses that are no live block: the
  // empty filter.
  const intptr_t freed = com::newByteBlock(bytes);
  com::freeBlock(freed);
  struct Bad {
    int32_t length;
    int16_t count;
    intptr_t address;
  } bad[] = {{length - 1, 2, block}, {length, 3, block},     {length, 0, block},
             {length, -1, block},    {length, 32767, block}, {length, 2, 0},
             {length, 2, 4096},      {length, 2, freed},     {length, 2, block + 1}};
  for (const Bad& b : bad) {
    page.setFilter(length, 2, block);
    page.setFilter(b.length, b.count, b.address);
    page.select({3, 0, kDensity});
    EXPECT_FALSE(page.control.filter().isSet()) << b.length << " " << b.count;
    EXPECT_TRUE(page.control.statusLine().endsWith(u"(κανένα φίλτρο)"_qs));
  }
  com::freeBlock(block);
}

}  // namespace
}  // namespace vantorel::dravix
