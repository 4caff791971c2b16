// The glossary pop-up as a student meets it: where it opens, what it shows, how it goes away.
#include <QKeyEvent>
#include <QScrollBar>

#include "host/pages/widgets/CPopupNote.h"
#include "host/pages/widgets/tests/WidgetsTestSupport.h"

namespace vantorel::host::widgetstest {
namespace {

class PopupNote : public WidgetsFixture {
 protected:
  void SetUp() override {
    WidgetsFixture::SetUp();
    note_ = new CPopupNote(view_.get());
  }

  // A glossary file in code page 1253 (ASCII here, Greek where a test says so).
  QString glossary(const QString& key, const QByteArray& bytes) {
    const QString file = path(u"glossary/"_qs + key);
    writeBytes(file, bytes);
    return file;
  }

  CPopupNote* note_ = nullptr;
};

TEST_F(PopupNote, OpensBelowThePointerOrAboveItNearTheBottomEdge) {
  const QString file = glossary(u"oxygen01.htm"_qs, "Oxygen\r\nOxygen: a gas that burning needs.\r\n");
  ASSERT_TRUE(note_->showGlossary(file, {100, 100}));
  EXPECT_TRUE(note_->isVisible());
  EXPECT_EQ(note_->geometry(), QRect(70, 114, 260, 15 * note_->lineCount() + 2));
  EXPECT_EQ(note_->lineCount(), 1);

  ASSERT_TRUE(note_->showGlossary(file, {200, 590}));
  EXPECT_LT(note_->geometry().bottom(), 590);
  EXPECT_EQ(note_->y(), 590 + 14 - 27 - 15);

  // Near the right edge it ends five pixels inside.
  ASSERT_TRUE(note_->showGlossary(file, {790, 200}));
  EXPECT_EQ(note_->geometry().right() + 1, 800 - 5);
}

TEST_F(PopupNote, ShowsTheTextAfterAWholeLongFirstLine) {
  // The term line of 120 characters: none of it may reach the note.
  const QByteArray term = "TERM" + QByteArray(110, 'x') + "LEAKED";
  const QByteArray definition = "\xcf\xee\xf5\xe3\xfc\xed\xef: \xe1\xdd\xf1\xe9\xef";  // "Οξυγόνο: αέριο"
  const QString file = glossary(u"oxygen01.htm"_qs, term + "\r\n" + definition + "\r\nsecond line\r\n");
  ASSERT_TRUE(note_->showGlossary(file, {100, 100}));
  EXPECT_EQ(note_->toPlainText(), u"Οξυγόνο: αέριο\nsecond line"_qs);
  EXPECT_EQ(note_->lineCount(), 2);
  EXPECT_EQ(note_->height(), 32);
}

TEST_F(PopupNote, NothingForShortMissingOrWronglyNamedFiles) {
  EXPECT_FALSE(note_->showGlossary(glossary(u"oneline1.htm"_qs, "Only the term, a long one\r\n"), {100, 100}));
  EXPECT_FALSE(note_->showGlossary(glossary(u"short001.htm"_qs, "Term\r\nabcd\r\n"), {100, 100}));
  EXPECT_FALSE(note_->showGlossary(path(u"glossary/missing1.htm"_qs), {100, 100}));
  // Files that exist but are not named by a glossary key.
  const QByteArray body = "Term\r\nA definition long enough to show.\r\n";
  EXPECT_FALSE(note_->showGlossary(glossary(u"secret.txt"_qs, body), {100, 100}));
  EXPECT_FALSE(note_->showGlossary(glossary(u"oxygen1.htm"_qs, body), {100, 100}));
  EXPECT_FALSE(note_->showGlossary(path(u"glossary"_qs), {100, 100}));
  EXPECT_FALSE(note_->isVisible());
  EXPECT_TRUE(note_->showGlossary(glossary(u"oxygen01.htm"_qs, body), {100, 100}));
}

TEST_F(PopupNote, ATenThousandLineFileStaysInsideTheViewAndScrolls) {
  QByteArray big = "Term\r\n";
  for (int i = 0; i < 10000; ++i) big += "line " + QByteArray::number(i) + "\r\n";
  ASSERT_TRUE(note_->showGlossary(glossary(u"long0001.htm"_qs, big), {400, 300}));
  EXPECT_EQ(note_->lineCount(), 10000);
  EXPECT_EQ(note_->geometry(), QRect(370, 0, 260, 600));
  EXPECT_GT(note_->verticalScrollBar()->maximum(), 0);
  EXPECT_TRUE(note_->toPlainText().endsWith(u"line 9999"_qs));
}

TEST_F(PopupNote, LooksLikeANoteAndGoesOnAClickOrAKey) {
  const QString file = glossary(u"oxygen01.htm"_qs, "Term\r\nA definition long enough to show.\r\n");
  ASSERT_TRUE(note_->showGlossary(file, {100, 100}));
  const QImage look = note_->grab().toImage();
  EXPECT_EQ(look.pixelColor(look.width() - 20, look.height() / 2), QColor(255, 255, 224));
  EXPECT_NE(look.pixelColor(0, 0), QColor(255, 255, 224));  // the border
  EXPECT_EQ(QWidget::mouseGrabber(), note_);
  QTest::mouseClick(note_->viewport(), Qt::LeftButton, {}, {20, 8});
  EXPECT_FALSE(note_->isVisible());
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

  ASSERT_TRUE(note_->showGlossary(file, {100, 100}));
  QTest::keyClick(note_, Qt::Key_A);
  EXPECT_FALSE(note_->isVisible());

  // A second link while one note shows: the old one goes, the new one shows at the new place.
  ASSERT_TRUE(note_->showGlossary(file, {100, 100}));
  ASSERT_TRUE(note_->showGlossary(file, {300, 200}));
  EXPECT_EQ(note_->pos(), QPoint(270, 214));
  EXPECT_TRUE(note_->isVisible());
}

}  // namespace
}  // namespace vantorel::host::widgetstest
