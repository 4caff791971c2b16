// What a person sees on the graph page and gets from copy, export and print: the elements table
// plotted as bars, points and a line, the zoom dragged with the mouse and undone, the messages
// inside the rectangle, the clipboard's text and HTML, the CSV file as Python reads it, the old
// file kept when an export fails, a printed page, and a state restored through the members.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include "dravix/Bitmaps.h"
#include "dravix/DravixCtrl.h"
#include "dravix/DravixDialogs.h"
#include "dravix/GraphPage.h"
#include "dravix/PageWidgets.h"
#include "dravix/RecordGrid.h"
#include "dravix/core/TableCatalogue.h"
#include "dravix/tests/TableBuilder.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/com/Blocks.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::dravix {
namespace {

using com::InvokeKind;
using com::Variant;

const QColor kBars(70, 124, 185), kPoints(31, 55, 83), kLine(47, 84, 125), kAxis(169, 74, 0);
constexpr int kAtomicNumber = 2, kMeltingPoint = 5;

struct Analyser {
  explicit Analyser(QSize size = {640, 400}) {
    control.resize(size);
    control.show();
  }
  Variant call(const char* name, std::vector<Variant> args = {}, InvokeKind kind = InvokeKind::Method) {
    const auto* info = control.dispatchTable().findByName(name);
    EXPECT_TRUE(info) << name;
    const com::InvokeResult result = control.invoke(info ? info->dispid : 0, kind, args);
    EXPECT_TRUE(result.ok()) << name;
    return result.value;
  }
  void put(const char* name, Variant v) { call(name, {std::move(v)}, InvokeKind::PropertyPut); }
  void select(std::vector<int32_t> block) {
    const intptr_t address = com::newIntBlock(block);
    call("SetSelectedFields", {Variant::fromAddress(address)});
    com::freeBlock(address);
  }
  void elements(std::vector<int32_t> fields = {4, 0, kAtomicNumber, kMeltingPoint}) {
    call("InitData", {Variant::fromString(QString::fromUtf8(DRAVIX_SAMPLE_DISC))});
    select(std::move(fields));
  }
  GraphPage& graph() { return *control.graphPage(); }
  // Opens the graph page with the graph button and picks the axes by clicking their lists.
  void plot(int xRow, int yRow) {
    BitmapButton* button = control.button(bitmaps::kGraph);
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(graph().isOpen());
    clickRow(graph().xList(), xRow);
    clickRow(graph().yList(), yRow);
  }
  static void clickRow(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
  }
  QImage graphImage() { return graph().grab(graph().graphRect()).toImage(); }
  void drag(QPoint from, QPoint to) {
    QTest::mousePress(&graph(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&graph(), (from + to) / 2);
    QTest::mouseMove(&graph(), to);
    QTest::mouseRelease(&graph(), Qt::LeftButton, {}, to);
  }

  ui::RecordingMessageBoxes boxes;
  CDravixCtrl control;
};

int countColour(const QImage& image, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) ++n;
  return n;
}

void saveForLooking(const QImage& image, const char* name) {
  // Pictures for a person to look at when DRAVIX_PICTURES names a folder.
  const QByteArray folder = qgetenv("DRAVIX_PICTURES");
  if (!folder.isEmpty()) image.save(QString::fromLocal8Bit(folder) + u'/' + QString::fromLatin1(name));
}

TEST(GraphPage, ElementsPlottedAsBarsPointsAndLineWithoutAllotropes) {
  Analyser a;
  a.elements();
  a.plot(1, 2);  // atomic number against melting point
  EXPECT_EQ(a.call("BMSorG", {}, InvokeKind::PropertyGet).toShort(), 1);
  EXPECT_EQ(a.call("GraphFields", {}, InvokeKind::PropertyGet).toLong(), (2 << 16) | 1);
  EXPECT_EQ(a.graph().error(), GraphPage::Error::None);
  // Every row but the second forms of elements, and rows without a melting point.
  size_t secondary = 0;
  for (size_t r = 0; r < a.control.rows().rowCount(); ++r)
    if (isSecondaryRow(a.control.rows().cell(r, 0))) ++secondary;
  EXPECT_GT(secondary, 0u);
  EXPECT_LE(a.graph().points().x.size(), a.control.rows().rowCount() - secondary);
  EXPECT_GT(a.graph().points().x.size(), 80u);

  QImage bars = a.graphImage();
  saveForLooking(bars, "bars.png");
  EXPECT_GT(countColour(bars, kBars), 500);
  EXPECT_GT(countColour(bars, kAxis), 100);
  EXPECT_EQ(bars.pixelColor(0, 0), QColor(166, 166, 166));  // the light left edge
  EXPECT_EQ(bars.pixelColor(bars.width() - 1, 0), QColor(64, 64, 64));

  QTest::mouseClick(a.graph().typeButton(2), Qt::LeftButton);
  QTest::mouseClick(a.graph().labelsButton(), Qt::LeftButton);
  EXPECT_TRUE(a.call("ShowLabels", {}, InvokeKind::PropertyGet).toBool());
  const QImage points = a.graphImage();
  saveForLooking(points, "points-labels.png");
  EXPECT_EQ(countColour(points, kBars), 0);
  EXPECT_GT(countColour(points, kPoints), 300);
  QTest::mouseClick(a.graph().typeButton(3), Qt::LeftButton);
  EXPECT_EQ(a.call("GraphType", {}, InvokeKind::PropertyGet).toShort(), 3);
  const QImage line = a.graphImage();
  saveForLooking(line, "line-labels.png");
  EXPECT_GT(countColour(line, kLine), 300);

  // Back to the table page and again: the axes are remembered.
  QTest::mouseClick(a.graph().backButton(), Qt::LeftButton);
  EXPECT_FALSE(a.graph().isOpen());
  EXPECT_TRUE(a.control.grid()->isVisible());
  QTest::mouseClick(a.control.button(bitmaps::kGraph), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(a.graph().fields(), (2 << 16) | 1);
}

TEST(GraphPage, ZoomDraggedWithTheMouseAndUndone) {
  Analyser a;
  a.elements();
  a.plot(1, 2);
  const QImage whole = a.graphImage();
  EXPECT_FALSE(a.graph().zoomButtonWidget()->isEnabled());
  const QRect g = a.graph().graphRect();
  a.drag(g.topLeft() + QPoint(40, 60), g.topLeft() + QPoint(160, 200));
  ASSERT_TRUE(a.graph().dragRect());
  EXPECT_EQ(a.graph().dragRect()->size(), QSize(120, 140));
  QTest::mouseClick(a.graph().zoomButtonWidget(), Qt::LeftButton);
  ASSERT_TRUE(a.graph().zoomed());
  const QImage zoomed = a.graphImage();
  saveForLooking(zoomed, "bars-zoomed.png");
  EXPECT_NE(zoomed, whole);
  EXPECT_GT(countColour(zoomed, kBars), 500);
  // While zoomed a press starts no rectangle.
  a.drag(g.topLeft() + QPoint(50, 50), g.topLeft() + QPoint(60, 60));
  EXPECT_FALSE(a.graph().dragRect());
  QTest::mouseClick(a.graph().zoomButtonWidget(), Qt::LeftButton);
  EXPECT_FALSE(a.graph().zoomed());
  EXPECT_EQ(a.graphImage(), whole);

  // A click without a drag zooms as a 10 x 10 rectangle.
  a.drag(g.topLeft() + QPoint(100, 100), g.topLeft() + QPoint(102, 101));
  QTest::mouseClick(a.graph().zoomButtonWidget(), Qt::LeftButton);
  const GraphScale s =
      computeScale(a.graph().points(), true, {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
  EXPECT_FLOAT_EQ(a.graph().zoom().zx, s.x.plot / 10.0f);
  EXPECT_FLOAT_EQ(a.graph().zoom().zy, s.y.plot / 10.0f);
  // A new table resets zoom and pan.
  a.put("BMSorG", Variant::fromShort(1));
  a.call("SetTable", {Variant::fromShort(kElementsTable)});
  EXPECT_FALSE(a.graph().zoomed());
}

TEST(GraphPage, TinyControlsDrawNoGraphAndRefuseTheZoom) {
  for (const QSize size : {QSize(0, 0), QSize(240, 200), QSize(230, 90)}) {
    Analyser a(size);
    a.elements();
    a.control.openGraphPage();
    ASSERT_TRUE(a.graph().isOpen());
    a.graph().repaint();
    const QRect g = a.graph().graphRect();
    a.drag(g.topLeft() + QPoint(2, 2), g.topLeft() + QPoint(20, 20));
    QTest::mouseClick(a.graph().zoomButtonWidget(), Qt::LeftButton);
    EXPECT_FALSE(a.graph().zoomed()) << size.width();
    a.graph().repaint();
  }
}

// A planets table whose last field may be empty and whose values hold quotes and Greek.
class Disc {
 public:
  Disc() {
    const std::vector<std::vector<std::string>> first = {
        {cp("Άρης"), cp("Γη \"μπλε\""), cp("Ερμής")}, {"0,107", "1", "0,055"}, {cp("κόκκινος"), "", ";x;"}};
    auto columns = testing::plainColumns(14, 3);
    for (size_t k = 0; k < first.size(); ++k) columns[k] = first[k];
    const auto files = testing::encodeTable(columns, "TNT", std::string(14, 'Y'));
    write(u"daplanet.ndx"_qs, files.index);
    write(u"daplanet.dat"_qs, files.data);
  }
  [[nodiscard]] QString folder() const { return dir_.path() + u'/'; }

 private:
  static std::string cp(const char* utf8) { return codepage::fromQString(QString::fromUtf8(utf8)); }
  void write(const QString& name, const std::string& bytes) {
    QSaveFile f(folder() + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    ASSERT_TRUE(f.commit());
  }
  QTemporaryDir dir_;
};

struct Planets : Analyser {
  Planets() {
    call("SetTable", {Variant::fromShort(5)});
    call("InitData", {Variant::fromString(disc.folder())});
    select({5, 0, 1, 3, 2});  // the last field has an empty value
  }
  // Every grid cell as the grid holds it, captions first.
  QList<QStringList> cells() {
    QList<QStringList> out;
    QStringList captions;
    for (int f : control.selection().selected()) captions << control.caption(f);
    out << captions;
    for (size_t r = 0; r < control.rows().rowCount(); ++r) {
      QStringList row;
      for (size_t c = 0; c < control.rows().cellCount(); ++c) row << codepage::toQString(control.rows().cell(r, c));
      out << row;
    }
    return out;
  }
  Disc disc;
};

TEST(GraphPageMembers, MessagesOrdinalsAndOddValuesFromTheHost) {
  Planets a;
  a.plot(0, 2);  // two text fields
  EXPECT_EQ(a.graph().error(), GraphPage::Error::BothText);
  QImage image = a.graphImage();
  EXPECT_GT(countColour(image, Qt::black), 50);  // the message
  EXPECT_EQ(countColour(image, kAxis), 0);
  Analyser::clickRow(a.graph().yList(), 0);
  EXPECT_EQ(a.graph().error(), GraphPage::Error::SameField);

  // Names on X: ordinals 1, 2, 3 ... in grid order.
  a.put("GraphFields", Variant::fromLong(1 << 16));
  EXPECT_EQ(a.graph().error(), GraphPage::Error::None);
  EXPECT_EQ(a.graph().points().x, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(a.graph().points().y, (std::vector<double>{0.107, 1, 0.055}));
  // Positions outside the lists are ignored.
  a.put("GraphFields", Variant::fromLong(-1));
  a.put("GraphFields", Variant::fromLong(0x7FFF7FFF));
  EXPECT_EQ(a.call("GraphFields", {}, InvokeKind::PropertyGet).toLong(), 1 << 16);
  // A type outside 1-3 is kept as set and drawn as bars.
  a.put("GraphType", Variant::fromShort(7));
  EXPECT_EQ(a.call("GraphType", {}, InvokeKind::PropertyGet).toShort(), 7);
  a.graph().repaint();
  EXPECT_GT(countColour(a.graphImage(), kBars), 100);
  // Read-only members refuse a put.
  EXPECT_FALSE(a.control.invoke(1, InvokeKind::PropertyPut, {Variant::fromString(u"2"_qs)}).ok());
  EXPECT_TRUE(a.boxes.shown().empty());
}

TEST(CopyAndExport, ClipboardTextAndHtmlKeepGreekAndCells) {
  Planets p;
  p.call("CopyAllData");
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(mime);
  const QString text = mime->text();
  EXPECT_TRUE(text.startsWith(u"\"Ονομασία\";"_qs)) << text.toStdString();
  EXPECT_TRUE(text.contains(u"\"Γη \"\"μπλε\"\"\";\"1\";\"3.1\";\"\"\r\n"_qs)) << text.toStdString();
  EXPECT_TRUE(text.contains(u"\";x;\"\r\n"_qs));
  EXPECT_EQ(text.count(u"\r\n"_qs), 4);
  EXPECT_TRUE(mime->hasHtml());
  EXPECT_TRUE(mime->html().contains(u"<td>Άρης</td>"_qs));
  // Nothing selected: an empty text. One row clicked: that row alone, no caption line.
  p.call("CopySelection");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
  QTest::mouseClick(p.control.grid(), Qt::LeftButton, {}, QPoint(20, kRowHeight + 4));
  p.call("CopySelection");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"\"Γη \"\"μπλε\"\"\";\"1\";\"3.1\";\"\"\r\n"_qs);
  // CopyGraph on the table page leaves the clipboard alone; on the graph page it holds the graph.
  p.call("CopyGraph");
  EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
  p.control.openGraphPage();
  p.call("CopyGraph");
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), p.graph().graphRect().size());
}

TEST(CopyAndExport, CsvReadBackByPythonEqualsTheGrid) {
  Planets p;
  QTemporaryDir out;
  const QString path = out.path() + u"/πλανήτες.csv"_qs;
  setSaveFileChooser([&](QWidget*) { return path; });
  QTest::mouseClick(p.control.button(bitmaps::kExport), Qt::LeftButton, {}, QPoint(10, 10));
  setSaveFileChooser({});
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("\xEF\xBB\xBF"));
  QProcess python;
  python.start(u"python3"_qs, {u"-c"_qs,
                               u"import csv,sys,json\n"
                               "rows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',newline=''),"
                               "delimiter=';'))\nprint(json.dumps(rows))"_qs,
                               path});
  ASSERT_TRUE(python.waitForFinished(20000));
  const QByteArray json = python.readAllStandardOutput();
  QList<QStringList> read;
  const QJsonArray rows = QJsonDocument::fromJson(json).array();
  for (const auto& row : rows) read << row.toVariant().toStringList();
  EXPECT_EQ(read, p.cells()) << json.toStdString();
  EXPECT_TRUE(p.boxes.shown().empty());
}

TEST(CopyAndExport, FailedExportShowsTheMessageAndKeepsTheOldFile) {
  Planets p;
  QTemporaryDir out;
  const QString old = out.path() + u"/old.csv"_qs;
  {
    QSaveFile f(old);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old contents");
    ASSERT_TRUE(f.commit());
  }
  QStringList targets = {out.path(), u"/dev/full"_qs, out.path() + u"/no such folder/x.csv"_qs};
  if (geteuid() != 0) {
    // A folder that may not be written: the old file in it stays as it was.
    ASSERT_TRUE(QFile::setPermissions(out.path(), QFile::ReadOwner | QFile::ExeOwner));
    targets << old;
  }
  for (const QString& target : targets) {
    setSaveFileChooser([&](QWidget*) { return target; });
    p.control.exportTable();
  }
  setSaveFileChooser({});
  QFile::setPermissions(out.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ASSERT_EQ(p.boxes.shown().size(), static_cast<size_t>(targets.size()));
  for (const auto& shown : p.boxes.shown()) {
    EXPECT_EQ(shown.text, u"Unable to open file"_qs);
    EXPECT_EQ(shown.caption, u"Vantorel"_qs);
  }
  QFile f(old);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "old contents");
  EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{u"old.csv"_qs});
}

TEST(Printing, OnePagePdfWithTheGraph) {
  Analyser a;
  a.elements();
  a.plot(1, 2);
  QTemporaryDir out;
  const QString pdf = out.path() + u"/graph.pdf"_qs;
  setPrinterChooser([&](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  });
  a.call("PrintGraph");
  setPrinterChooser({});
  QProcess info;
  info.start(u"pdfinfo"_qs, {pdf});
  ASSERT_TRUE(info.waitForFinished(20000));
  const QString text = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QRegularExpression(u"Pages:\\s+1\n"_qs))) << text.toStdString();
  EXPECT_TRUE(text.contains(u"Vantorel"_qs));
  QProcess render;
  render.start(u"pdftoppm"_qs, {u"-png"_qs, u"-r"_qs, u"60"_qs, u"-singlefile"_qs, pdf, out.path() + u"/page"_qs});
  ASSERT_TRUE(render.waitForFinished(30000));
  const QImage page(out.path() + u"/page.png"_qs);
  ASSERT_FALSE(page.isNull());
  saveForLooking(page, "printed.png");
  int ink = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (QColor c = page.pixelColor(x, y); c.blue() > c.red() + 40) ++ink;
  EXPECT_GT(ink, 200);  // the bars
  // The page's graph does not disturb the screen's.
  EXPECT_FALSE(a.graph().zoomed());
  EXPECT_EQ(a.graph().error(), GraphPage::Error::None);
}

TEST(Members, StateRestoredInTheDocumentedOrderGivesTheSameGridAndGraph) {
  QImage graphBefore;
  QString gridBefore;
  int32_t fields = 0;
  std::vector<int32_t> selected;
  int sort = 0;
  {
    Analyser a;
    a.call("InitData", {Variant::fromString(QString::fromUtf8(DRAVIX_SAMPLE_DISC))});
    a.put("SortColumn", Variant::fromShort(3));
    a.select({5, 0, 1, kAtomicNumber, kMeltingPoint});
    a.plot(2, 3);
    QTest::mouseClick(a.graph().typeButton(3), Qt::LeftButton);
    QTest::mouseClick(a.graph().labelsButton(), Qt::LeftButton);
    fields = a.call("GraphFields", {}, InvokeKind::PropertyGet).toLong();
    sort = a.call("SortColumn", {}, InvokeKind::PropertyGet).toShort();
    const intptr_t block = a.call("GetSelectedFields").toAddress();
    selected = com::readIntBlock(block).value_or(std::vector<int32_t>{});
    com::freeBlock(block);
    a.call("CopyAllData");
    gridBefore = QGuiApplication::clipboard()->text();
    graphBefore = a.graphImage();
  }
  Analyser b;
  b.call("InitData", {Variant::fromString(QString::fromUtf8(DRAVIX_SAMPLE_DISC))});
  b.call("SetTable", {Variant::fromShort(kElementsTable)});
  b.put("SortColumn", Variant::fromShort(static_cast<int16_t>(sort)));
  b.put("BMSorG", Variant::fromShort(1));
  b.select(selected);
  b.put("GraphFields", Variant::fromLong(fields));
  b.put("GraphType", Variant::fromShort(3));
  b.put("ShowLabels", Variant::fromBool(true));
  ASSERT_TRUE(b.graph().isOpen());
  b.call("CopyAllData");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), gridBefore);
  EXPECT_EQ(b.graphImage(), graphBefore);
}

}  // namespace
}  // namespace vantorel::dravix
