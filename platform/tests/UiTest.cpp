#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>

#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StringTable.h"

namespace ui = vantorel::ui;

namespace {
QApplication& app() {
  return *qApp;
}  // made by the GUI test main
}  // namespace

TEST(MessageBoxes, RecordingServiceSeesEveryBoxAndAnswers) {
  ui::RecordingMessageBoxes outer;
  {
    ui::RecordingMessageBoxes inner;
    inner.queueAnswer(ui::Answer::No);
    EXPECT_EQ(ui::messageBox(u"Ερώτηση;"_qs, u"Vantorel"_qs, ui::Buttons::YesNo, ui::Icon::Question), ui::Answer::No);
    // With the queue empty the first button answers.
    EXPECT_EQ(ui::messageBox(u"Again?"_qs, u"Vantorel"_qs, ui::Buttons::YesNo), ui::Answer::Yes);
    ASSERT_EQ(inner.shown().size(), 2u);
    EXPECT_EQ(inner.shown()[0].text, u"Ερώτηση;"_qs);
    EXPECT_EQ(inner.shown()[0].buttons, ui::Buttons::YesNo);
  }
  // The outer service is back in place once the inner one is gone.
  EXPECT_EQ(ui::messageBox(u"x"_qs, u"c"_qs), ui::Answer::Ok);
  EXPECT_EQ(outer.shown().size(), 1u);
}

TEST(MessageBoxes, CustomDialogsRunForRealAndAreRecordedInTests) {
  int shownForReal = 0;
  auto dialog = [&] {
    ++shownForReal;
    return ui::Answer::Cancel;
  };
  {
    ui::RecordingMessageBoxes boxes;
    EXPECT_EQ(ui::customMessage(nullptr, u"Δεν βρέθηκε"_qs, u"Μετάβαση"_qs, dialog), ui::Answer::Ok);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, u"Μετάβαση"_qs);
  }
  EXPECT_EQ(shownForReal, 0);
  // The real service runs the caller's dialog and passes on its answer.
  EXPECT_EQ(ui::messageBoxes().showCustom(nullptr, u"x"_qs, u"c"_qs, dialog), ui::Answer::Cancel);
  EXPECT_EQ(shownForReal, 1);
}

TEST(Fonts, ArialGreekIsArialAtAPixelHeight) {
  app();
  const QFont f = ui::fontByFace(u"Arial Greek"_qs, -10, true);
  EXPECT_EQ(f.family(), u"Arial"_qs);
  EXPECT_EQ(f.pixelSize(), 10);
  EXPECT_TRUE(f.bold());
  EXPECT_EQ(QFontInfo(f).pixelSize(), 10);
}

TEST(DialogUnits, ScaleByTheFontsBaseUnits) {
  app();
  const QFont f = ui::fontByFace(u"Arial"_qs, 13);
  const QSize base = ui::dialogBaseUnits(f);
  EXPECT_GT(base.width(), 3);
  EXPECT_GT(base.height(), 10);
  const QRect r = ui::dialogUnitsToPixels(QRect(4, 8, 40, 16), f);
  EXPECT_EQ(r.x(), base.width());
  EXPECT_EQ(r.y(), base.height());
  EXPECT_EQ(r.width(), 10 * base.width());
  EXPECT_EQ(r.height(), 2 * base.height());
}

TEST(StringTables, ParseEscapesAndReportFaults) {
  const auto t =
      ui::parseStringTable("# comment\n1\tBrisamo Browse Control\r\n61228\tΓραμμή\\nδεύτερη \\\\ \\t.\n\nbad line\n");
  EXPECT_EQ(t.strings.at(1), "Brisamo Browse Control");
  EXPECT_EQ(t.strings.at(61228), "Γραμμή\nδεύτερη \\ \t.");
  EXPECT_EQ(t.error, "line 5: expected ID<TAB>text");
  EXPECT_TRUE(ui::resourceString(u"nomodule"_qs, 1).isEmpty());
}
