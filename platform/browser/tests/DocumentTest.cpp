// The document object: text selected with the mouse and copied, printing without cutting lines,
// and pages built to hurt (deep nesting, huge lines and pictures, broken image files).
#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "platform/browser/PageDocument.h"
#include "platform/browser/tests/BrowserFixture.h"
#include "platform/com/Dispatchable.h"

namespace vantorel::browser::testing {
namespace {

using Document = BrowserFixture;

com::Dispatchable* documentOf(CWebBrowserCtrl& browser) {
  return com::dispatchableOf(browser.invoke(dispid::kDocument, com::InvokeKind::PropertyGet, {}).value);
}

TEST_F(Document, TextSelectedWithTheMouseIsCopiedAsUnicode) {
  navigate(write(u"sel.htm"_qs,
                 "<HTML><BODY><P>\xc1\xeb\xf6\xe1 beta gamma delta</P><P>second line here</P></BODY></HTML>"));
  QGuiApplication::clipboard()->clear();
  com::Dispatchable* document = documentOf(*browser_);
  ASSERT_NE(document, nullptr);
  // Nothing selected: nothing to copy.
  EXPECT_EQ(document->invoke(1, com::InvokeKind::Method, {}).value, com::Variant::fromBool(false));

  QWidget* canvas = browser_->canvas();
  // From just inside the start of one word to just inside the end of another.
  const QRect from = placeOf(u"beta"_qs);
  const QRect to = placeOf(u"line"_qs);
  const QPoint start(from.left() + 1, from.center().y());
  const QPoint end(to.right() - 1, to.center().y());
  QTest::mousePress(canvas, Qt::LeftButton, {}, start);
  QTest::mouseMove(canvas, start + QPoint(20, 0));
  QTest::mouseMove(canvas, end);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, end);
  EXPECT_EQ(document->invoke(1, com::InvokeKind::Method, {}).value, com::Variant::fromBool(true));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"beta gamma delta\nsecond line"_qs);

  // The selection is drawn over the words.
  const QColor selected = browser_->grab().toImage().pixelColor(placeOf(u"gamma"_qs).topLeft() + QPoint(1, 1));
  EXPECT_NE(selected, QColor(Qt::white));

  // A plain click clears it again.
  QTest::mouseClick(canvas, Qt::LeftButton, {}, placeOf(u"Αλφα"_qs).center());
  EXPECT_FALSE(browser_->canvas()->hasSelection());

  // Laid out again for a narrower window, the words stand elsewhere: the selection goes with
  // the old layout.
  QTest::mousePress(canvas, Qt::LeftButton, {}, start);
  QTest::mouseMove(canvas, start + QPoint(20, 0));
  QTest::mouseMove(canvas, end);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, end);
  ASSERT_TRUE(browser_->canvas()->hasSelection());
  browser_->resize(300, 480);
  QApplication::processEvents();
  EXPECT_FALSE(browser_->canvas()->hasSelection());
  EXPECT_EQ(document->invoke(1, com::InvokeKind::Method, {}).value, com::Variant::fromBool(false));
}

// The place between letters `offset` and `offset + 1` of the drawn piece `text`.
QPoint betweenLetters(CWebBrowserCtrl& browser, const QString& text, int offset) {
  for (const TextRun& run : browser.canvas()->textRuns()) {
    if (run.text != text) continue;
    return QPoint(run.rect.left() + QFontMetrics(run.font).horizontalAdvance(text.left(offset)), run.rect.center().y());
  }
  ADD_FAILURE() << "not on the page: " << text.toStdString();
  return {};
}

TEST_F(Document, DraggingOverPartsOfWordsCopiesExactlyThoseLetters) {
  // "Ηλεκτρόλυση" in the page's code page, after a Latin word in another face.
  navigate(write(u"part.htm"_qs,
                 "<HTML><BODY><FONT FACE=\"Arial\" SIZE=6>electrolysis</FONT> "
                 "<B>\xc7\xeb\xe5\xea\xf4\xf1\xfc\xeb\xf5\xf3\xe7</B> end</BODY></HTML>"));
  QWidget* canvas = browser_->canvas();
  const QString greek = u"Ηλεκτρόλυση"_qs;

  // Within one word, a pixel off each boundary: the letters between, and only those.
  const QPoint from = betweenLetters(*browser_, u"electrolysis"_qs, 4) + QPoint(1, 0);
  const QPoint to = betweenLetters(*browser_, u"electrolysis"_qs, 9) - QPoint(1, 0);
  QTest::mousePress(canvas, Qt::LeftButton, {}, from);
  QTest::mouseMove(canvas, from + QPoint(10, 0));
  QTest::mouseMove(canvas, to);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(canvas, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"troly"_qs);

  // Only the selected letters are marked: the top row of the line is bare but for the mark.
  const QImage shown = canvas->grab().toImage();
  const int top = placeOf(u"electrolysis"_qs).top() + 1;
  EXPECT_NE(shown.pixelColor((from.x() + to.x()) / 2, top), QColor(Qt::white));
  EXPECT_EQ(shown.pixelColor(placeOf(u"electrolysis"_qs).left() + 2, top), QColor(Qt::white));

  // Backwards, from inside the Greek word into the Latin one: the Unicode letters come whole.
  const QPoint back = betweenLetters(*browser_, greek, 5);
  const QPoint into = betweenLetters(*browser_, u"electrolysis"_qs, 7);
  QTest::mousePress(canvas, Qt::LeftButton, {}, back);
  QTest::mouseMove(canvas, back - QPoint(10, 0));
  QTest::mouseMove(canvas, into);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, into);
  com::Dispatchable* document = documentOf(*browser_);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(document->invoke(1, com::InvokeKind::Method, {}).value, com::Variant::fromBool(true));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"lysis Ηλεκτ"_qs);

  // A drag that ends where it began selects nothing.
  QTest::mousePress(canvas, Qt::LeftButton, {}, back);
  QTest::mouseMove(canvas, back + QPoint(0, 10));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, back);
  EXPECT_FALSE(browser_->canvas()->hasSelection());
}

TEST_F(Document, APrintedLongPageCutsNoLineInTwo) {
  const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_qs);
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  QByteArray page = "<HTML><BODY>";
  // Lines of several heights, so that page breaks cannot fall between lines by luck.
  for (int i = 0; i < 150; ++i) {
    page += "<FONT SIZE=" + QByteArray::number(1 + i % 7) + ">line" + QByteArray::number(i) + "</FONT><BR>";
  }
  navigate(write(u"long.htm"_qs, page + "</BODY></HTML>"));
  const QString pdf = dir_.filePath(u"long.pdf"_qs);
  com::Dispatchable* document = documentOf(*browser_);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(document->invoke(2, com::InvokeKind::Method, {com::Variant::fromString(pdf)}).value,
            com::Variant::fromBool(true));

  QProcess process;
  process.start(pdftotext, {pdf, u"-"_qs});
  ASSERT_TRUE(process.waitForFinished(60000));
  const QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
  EXPECT_GT(pages.size(), 3);
  // A line cut by a page break would be drawn, clipped, on both pages.
  for (int i = 0; i < 150; ++i) {
    const QString word = u"line"_qs + QString::number(i);
    int seen = 0;
    for (const QString& text : pages) seen += text.split(QRegularExpression(u"\\s+"_qs)).count(word);
    EXPECT_EQ(seen, 1) << word.toStdString();
  }
}

TEST_F(Document, PrintingIntoAFolderThatCannotTakeTheFileFailsAndLeavesNothing) {
  navigate(write(u"p.htm"_qs, "<HTML><BODY>x</BODY></HTML>"));
  com::Dispatchable* document = documentOf(*browser_);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(document->invoke(2, com::InvokeKind::Method, {com::Variant::fromString(dir_.filePath(u"no/such/x.pdf"_qs))})
                .value,
            com::Variant::fromBool(false));
}

TEST_F(Document, HostilePagesAreShownWithoutHarm) {
  QByteArray deep = "<HTML><BODY>";
  for (int i = 0; i < 10000; ++i) deep += "<FONT SIZE=2><B>";
  navigate(write(u"deep.htm"_qs, deep + "bottom</BODY></HTML>"));
  EXPECT_EQ(shownText(), u"bottom"_qs);

  navigate(write(u"line.htm"_qs, "<HTML><BODY>" + QByteArray(5 * 1024 * 1024, 'x') + " end</BODY></HTML>"));
  EXPECT_TRUE(shownText().endsWith(u"end"_qs));

  navigate(write(u"huge.htm"_qs, "<HTML><BODY><IMG SRC=\"none.gif\" WIDTH=99999 HEIGHT=99999>after</BODY></HTML>"));
  EXPECT_GE(browser_->canvas()->height(), 99999);
  EXPECT_TRUE(shownText().endsWith(u"after"_qs));

  // Picture files cut short: whatever the codec makes of them, the page stands.
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  for (const char* format : {"bmp", "gif", "jpg", "png"}) {
    const QString name = u"cut."_qs + QString::fromLatin1(format);
    if (!picture.save(dir_.filePath(name), format)) continue;  // no writer for this format here
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
    file.close();
    navigate(write(u"cut.htm"_qs, "<HTML><BODY><IMG SRC=\"" + name.toUtf8() + "\">shown</BODY></HTML>"));
    EXPECT_EQ(shownText(), u"shown"_qs) << format;
  }
}

}  // namespace
}  // namespace vantorel::browser::testing
