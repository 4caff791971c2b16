#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <optional>
#include <tuple>

#include "host/search/CWordSearchDlg.h"
#include "host/tests/WordSearchFiles.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/MessageBox.h"

using namespace vantorel;
using namespace vantorel::search;
using namespace vantorel::search::testing;

namespace {

const QString kData = QStringLiteral("/disc/");

MemoryDisc sampleDisc() {
  MemoryDisc disc;
  disc.files["words.ndx"] = wordListBytes({"νερό", "ύδωρ", "οξύ", "οξυγόνο", "άλας", "σίδηρος", "αλάτι"});
  disc.files["words.alt"] = alternativeBytes({{1, "νερό"}, {1, "ύδωρ"}, {2, "άλας"}, {2, "αλάτι"}, {1, "νερό"}});
  disc.files["words.pr1"] = std::string("\xe1\0\0\0\0\0\0\0", 8);
  disc.files["words.dat"] = wordBytes({
      {"νερό", 10, 0, 1},       // 0: Καύση
      {"νερό", 11, 20001, 1},   // 1: Νερό under Οξέα
      {"νερό", 11, 20001, 1},   // 2: the same place again
      {"νερό", 20, 110002, 2},  // 3: Φωτογραφία πάγου under Κρύσταλλοι
      {"νερό", 10, 20003, 1},   // 4: Ύδρευση under Καύση
      {"ύδωρ", 20, 0, 2},
      {"οξύ", 11, 0, 1},
      {"άλας", 10, 20002, 1},
  });
  disc.files["react.dat"] = topicDat({{"Καύση", 10}, {"Οξέα", 11}});
  disc.files["struct.dat"] = topicDat({{"Κρύσταλλοι", 20}});
  disc.files["comp.ttl"] = titleBytes({"Νερό", "Αλάτι", "Ύδρευση"});
  disc.files["photo.ttl"] = titleBytes({"Βροχή", "Φωτογραφία πάγου"});
  return disc;
}

using Place = std::tuple<int, int32_t, int32_t>;

struct Opened {
  MemoryDisc disc = sampleDisc();
  std::optional<Place> went;
  std::unique_ptr<CWordSearchDlg> dlg;

  explicit Opened(const SearchState& state = {}, MemoryDisc d = sampleDisc()) : disc(std::move(d)) {
    dlg = std::make_unique<CWordSearchDlg>(
        kData, state,
        [this](int route, int32_t recordId, int32_t assetId) {
          went = Place{route, recordId, assetId};
        },
        nullptr, disc.opener(kData.toStdString()));
    dlg->show();
    dlg->activateWindow();
    QApplication::setActiveWindow(dlg.get());
  }
};

QString u(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QStringList names(const CWordSearchDlg& dlg) {
  QStringList out;
  for (int i = 0; i < dlg.resultsView()->topLevelItemCount(); ++i) out << dlg.resultsView()->topLevelItem(i)->text(0);
  return out;
}

QString selectedName(const CWordSearchDlg& dlg) {
  const auto items = dlg.resultsView()->selectedItems();
  return items.isEmpty() ? QString() : items.front()->text(0);
}

QString selectedWord(const CWordSearchDlg& dlg) {
  const auto items = dlg.wordList()->selectedItems();
  return items.isEmpty() ? QString() : items.front()->text();
}

// Key presses as a Greek keyboard makes them: the key of the letter and its text.
void typeInto(QWidget* w, const QString& text) {
  w->setFocus();
  for (const QChar ch : text) {
    const auto key = ch == u' ' ? Qt::Key_Space : static_cast<Qt::Key>(ch.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, w, key, QString(ch), Qt::NoModifier);
  }
}

void clearField(CWordSearchDlg& dlg) {
  dlg.wordField()->setFocus();
  QTest::keyClick(dlg.wordField(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(dlg.wordField(), Qt::Key_Delete);
}

void clickRow(CWordSearchDlg& dlg, const QString& name) {
  QTreeWidget* view = dlg.resultsView();
  const auto found = view->findItems(name, Qt::MatchExactly, 0);
  ASSERT_EQ(found.size(), 1) << name.toStdString();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(found.front()).center());
}

void clickHeader(CWordSearchDlg& dlg, int section) {
  QHeaderView* header = dlg.resultsView()->header();
  const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

// In the language's order: the accented capital among its letter.
const QStringList kWaterRows = {u("Καύση"), u("Νερό"), u("Ύδρευση"), u("Φωτογραφία πάγου")};

}  // namespace

TEST(WordSearchDlg, TypingSelectsWordsAndOnlyTheExactWordSearches) {
  Opened o;
  CWordSearchDlg& dlg = *o.dlg;
  EXPECT_EQ(dlg.wordList()->count(), 7);
  EXPECT_EQ(dlg.wordList()->item(0)->text(), u("άλας"));  // the language's order, accents aside
  EXPECT_FALSE(dlg.searchButton()->isEnabled());
  EXPECT_FALSE(dlg.gotoButton()->isEnabled());

  typeInto(dlg.wordField(), u("ο ξυ"));
  EXPECT_EQ(dlg.wordField()->text(), u("οξυ"));
  EXPECT_EQ(dlg.wordField()->cursorPosition(), 3);
  EXPECT_EQ(selectedWord(dlg), u("οξύ"));
  EXPECT_FALSE(dlg.searchButton()->isEnabled()) << "the search itself stays exact";

  clearField(dlg);
  typeInto(dlg.wordField(), u("ΟΞΥΓ"));
  EXPECT_EQ(selectedWord(dlg), u("οξυγόνο"));
  clearField(dlg);
  typeInto(dlg.wordField(), u("ΆΛΑΣ"));
  EXPECT_EQ(selectedWord(dlg), u("άλας"));
  clearField(dlg);
  typeInto(dlg.wordField(), u("σιδηροσ"));
  EXPECT_EQ(selectedWord(dlg), u("σίδηρος"));
  clearField(dlg);
  typeInto(dlg.wordField(), u("οξύ"));
  EXPECT_TRUE(dlg.searchButton()->isEnabled());

  clearField(dlg);
  typeInto(dlg.wordField(), QString(200, QChar(u'α')));
  EXPECT_TRUE(selectedWord(dlg).isEmpty());
  EXPECT_FALSE(dlg.searchButton()->isEnabled());
  clearField(dlg);
  typeInto(dlg.wordField(), u("νжρό"));  // a letter the code page does not have
  EXPECT_TRUE(selectedWord(dlg).isEmpty());
  EXPECT_FALSE(dlg.searchButton()->isEnabled());
}

TEST(WordSearchDlg, KeyboardAloneFindsAWordAndGoesThere) {
  Opened o;
  CWordSearchDlg& dlg = *o.dlg;
  typeInto(dlg.wordField(), u("νερ"));
  QTest::keyClick(dlg.wordField(), Qt::Key_Down);
  EXPECT_EQ(dlg.wordField()->text(), u("οξύ"));
  QTest::keyClick(dlg.wordField(), Qt::Key_Up);
  EXPECT_EQ(dlg.wordField()->text(), u("νερό"));
  EXPECT_TRUE(dlg.searchButton()->isEnabled());

  QTest::keyClick(dlg.wordField(), Qt::Key_Return);
  EXPECT_EQ(names(dlg), kWaterRows) << "one row for the place found twice";
  EXPECT_EQ(selectedName(dlg), u("Καύση"));
  EXPECT_TRUE(dlg.gotoButton()->isEnabled());
  EXPECT_TRUE(dlg.isVisible());

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(o.went, (Place{1, 10, 0}));
  EXPECT_EQ(dlg.searchState().lastText, cp("νερό"));
  EXPECT_EQ(dlg.searchState().lastRow, 0);
}

TEST(WordSearchDlg, TypingInTheWordListStartsANewWord) {
  Opened o;
  CWordSearchDlg& dlg = *o.dlg;
  typeInto(dlg.wordField(), u("νερό"));
  typeInto(dlg.wordList(), u("σ"));
  EXPECT_EQ(dlg.wordField()->text(), u("σίδηρος"));
  EXPECT_EQ(selectedWord(dlg), u("σίδηρος"));
  EXPECT_TRUE(dlg.searchButton()->isEnabled());
  QTest::keyClick(dlg.wordList(), Qt::Key_Down);
  EXPECT_EQ(dlg.wordField()->text(), u("ύδωρ"));
}

TEST(WordSearchDlg, AlternativesWidenTheSearchAtOnce) {
  Opened o;
  CWordSearchDlg& dlg = *o.dlg;
  typeInto(dlg.wordField(), u("νερό"));
  QTest::mouseClick(dlg.searchButton(), Qt::LeftButton);
  EXPECT_EQ(names(dlg), kWaterRows);
  EXPECT_EQ(dlg.searchWordList()->count(), 1);

  QTest::mouseClick(dlg.alternativesBox(), Qt::LeftButton);
  ASSERT_EQ(dlg.searchWordList()->count(), 2);  // "νερό" once although its group repeats it
  EXPECT_EQ(dlg.searchWordList()->item(1)->text(), u("ύδωρ"));
  EXPECT_EQ(names(dlg), (QStringList{u("Καύση"), u("Κρύσταλλοι"), u("Νερό"), u("Ύδρευση"), u("Φωτογραφία πάγου")}));

  QTest::mouseClick(dlg.alternativesBox(), Qt::LeftButton);
  EXPECT_EQ(names(dlg), kWaterRows);

  // A word without an alternatives record is searched alone.
  clearField(dlg);
  typeInto(dlg.wordField(), u("οξύ"));
  QTest::mouseClick(dlg.alternativesBox(), Qt::LeftButton);
  EXPECT_EQ(dlg.searchWordList()->count(), 1);
  EXPECT_EQ(names(dlg), QStringList{u("Οξέα")});
  EXPECT_TRUE(dlg.resultsView()->topLevelItem(0)->text(2).isEmpty());
}

TEST(WordSearchDlg, HeaderSortsUntilTheNextSearch) {
  Opened o;
  CWordSearchDlg& dlg = *o.dlg;
  typeInto(dlg.wordField(), u("νερό"));
  QTest::mouseClick(dlg.searchButton(), Qt::LeftButton);
  clickRow(dlg, u("Νερό"));
  clickHeader(dlg, 2);
  EXPECT_EQ(names(dlg), (QStringList{u("Καύση"), u("Ύδρευση"), u("Φωτογραφία πάγου"), u("Νερό")}));
  EXPECT_EQ(selectedName(dlg), u("Νερό")) << "the chosen row stays chosen";
  EXPECT_TRUE(dlg.gotoButton()->isEnabled());

  clickHeader(dlg, 0);  // by the bytes: the accented capital comes first
  EXPECT_EQ(names(dlg), (QStringList{u("Ύδρευση"), u("Καύση"), u("Νερό"), u("Φωτογραφία πάγου")}));
  EXPECT_EQ(selectedName(dlg), u("Νερό"));

  QTest::keyClick(dlg.wordField(), Qt::Key_Return);
  EXPECT_EQ(names(dlg), kWaterRows);
}

TEST(WordSearchDlg, LeavingTheResultsTakesTheChoiceBack) {
  Opened o;
  CWordSearchDlg& dlg = *o.dlg;
  typeInto(dlg.wordField(), u("νερό"));
  QTest::mouseClick(dlg.searchButton(), Qt::LeftButton);
  clickRow(dlg, u("Νερό"));
  ASSERT_TRUE(dlg.gotoButton()->isEnabled());
  dlg.gotoButton()->setFocus();
  EXPECT_TRUE(dlg.gotoButton()->isEnabled());
  clickRow(dlg, u("Νερό"));
  QTest::mouseClick(dlg.wordField(), Qt::LeftButton);
  EXPECT_FALSE(dlg.gotoButton()->isEnabled());
}

TEST(WordSearchDlg, ReopeningShowsTheSameResultWhereverItsRowIs) {
  SearchState kept;
  {
    Opened o;
    typeInto(o.dlg->wordField(), u("νερό"));
    QTest::mouseClick(o.dlg->searchButton(), Qt::LeftButton);
    clickRow(*o.dlg, u("Φωτογραφία πάγου"));
    QTest::mouseClick(o.dlg->gotoButton(), Qt::LeftButton);
    EXPECT_EQ(o.went, (Place{2, 20, 110002}));
    kept = o.dlg->searchState();
  }
  EXPECT_EQ(kept.lastRow, 3) << "the result's index, not its row";
  Opened again(kept);
  CWordSearchDlg& dlg = *again.dlg;
  EXPECT_EQ(dlg.wordField()->text(), u("νερό"));
  EXPECT_EQ(names(dlg), kWaterRows);
  EXPECT_EQ(selectedName(dlg), u("Φωτογραφία πάγου"));
  EXPECT_TRUE(dlg.gotoButton()->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), dlg.resultsView());

  // A remembered result whose row merged with an earlier one selects nothing.
  kept.lastRow = 2;
  Opened merged(kept);
  EXPECT_TRUE(merged.dlg->resultsView()->selectedItems().isEmpty());
  EXPECT_FALSE(merged.dlg->gotoButton()->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), merged.dlg->wordField());
}

TEST(WordSearchDlg, DamagedOrMissingFilesGiveEmptyTextsAndOneMessage) {
  MemoryDisc disc = sampleDisc();
  std::string pr1;
  for (int i = 0; i < 201; ++i) pr1 += std::string(8, static_cast<char>(0xE1));
  disc.files["words.pr1"] = pr1;
  disc.files.erase("words.dat");
  ui::RecordingMessageBoxes boxes;
  Opened o({}, disc);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, u("Too many PR1 recs"));
  EXPECT_EQ(boxes.shown()[0].buttons, ui::Buttons::Ok);
  typeInto(o.dlg->wordField(), u("νερό"));
  QTest::keyClick(o.dlg->wordField(), Qt::Key_Return);
  EXPECT_EQ(o.dlg->resultsView()->topLevelItemCount(), 0);
  EXPECT_FALSE(o.dlg->gotoButton()->isEnabled());
}

TEST(WordSearchDlg, TheViewsStateChangesOnlyWhenTheUserGoesSomewhere) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  sampleDisc().writeTo(dir.path().toStdString());
  const QString data = dir.path() + u'/';
  SearchState state;
  state.lastText = cp("νερό");
  state.lastRow = 1;
  state.nameWidth = 150;
  const SearchState before = state;
  std::optional<Place> went;
  auto goTo = [&](int route, int32_t recordId, int32_t assetId) { went = Place{route, recordId, assetId}; };

  auto answer = [](bool go) {
    QTimer::singleShot(0, [go] {
      auto* dlg = qobject_cast<CWordSearchDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(dlg, nullptr);
      QTest::mouseClick(go ? dlg->gotoButton() : dlg->cancelButton(), Qt::LeftButton);
    });
  };
  answer(false);
  EXPECT_FALSE(CWordSearchDlg::run(nullptr, data, state, goTo));
  EXPECT_EQ(state, before);
  EXPECT_FALSE(went);

  answer(true);  // the remembered row is selected on opening
  EXPECT_TRUE(CWordSearchDlg::run(nullptr, data, state, goTo));
  EXPECT_EQ(went, (Place{1, 11, 20001}));
  EXPECT_EQ(state.lastRow, 1);
  EXPECT_EQ(state.nameWidth, 150);
  EXPECT_EQ(state.lastText, cp("νερό"));
}
