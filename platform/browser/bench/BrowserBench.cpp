// Loading, laying out and painting pages: the largest page of the sample disc and a 500 kB page,
// through the page browser (read from disk with flag 14, laid out, the first screen painted) and,
// for reference, through QTextDocument (which cannot embed objects) on the same bytes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <memory>

#include "platform/browser/CWebBrowserCtrl.h"
#include "platform/browser/core/PageText.h"
#include "platform/registry/Registry.h"

namespace {

using namespace vantorel;
using browser::CWebBrowserCtrl;

constexpr QSize kWindow{800, 600};

struct Pages {
  QTemporaryDir dir;
  QString largest;
  QString large;  // about 500 kB
};

// The disc's pages with their data-folder markers replaced, as the host's transform writes them.
QByteArray withFolder(QByteArray bytes) {
  for (const char marker : {'\x03', '\x04', '\x05'}) {
    for (qsizetype at = bytes.indexOf(marker); at >= 0; at = bytes.indexOf(marker, at)) bytes.replace(at, 3, DISC_DIR);
  }
  return bytes;
}

Pages& pages() {
  static Pages p = [] {
    Pages made;
    QByteArray largest;
    QDirIterator it(QString::fromUtf8(DISC_DIR), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile file(it.next());
      if (!file.open(QIODevice::ReadOnly)) continue;
      const QByteArray bytes = file.readAll();
      if (bytes.startsWith("<HTML") && bytes.size() > largest.size()) largest = bytes;
    }
    largest = withFolder(largest);
    made.largest = made.dir.filePath(u"largest.htm"_qs);
    QFile out(made.largest);
    if (out.open(QIODevice::WriteOnly)) out.write(largest);
    // The largest page's body, over and over: tables, fonts, pictures and text as pages have them.
    const qsizetype bodyStart = largest.indexOf('>', largest.indexOf("<BODY")) + 1;
    const QByteArray body = largest.mid(bodyStart, largest.indexOf("</BODY>") - bodyStart);
    QByteArray big = largest.left(bodyStart);
    while (big.size() < 500 * 1024) big += body;
    big += "</BODY></HTML>";
    made.large = made.dir.filePath(u"large.htm"_qs);
    QFile outBig(made.large);
    if (outBig.open(QIODevice::WriteOnly)) outBig.write(big);
    return made;
  }();
  return p;
}

void browserLoadLayOutPaint(benchmark::State& state, const QString& path) {
  CWebBrowserCtrl browser;
  browser.resize(kWindow);
  QImage screen(kWindow, QImage::Format_RGB32);
  for (auto _ : state) {
    (void)browser.invoke(browser::dispid::kNavigate, com::InvokeKind::Method,
                         {com::Variant::fromString(path), com::Variant::fromLong(14)});
    QPainter painter(&screen);
    browser.canvas()->paintPage(painter, QRect(QPoint(0, 0), kWindow));
  }
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}

void textDocumentLoadLayOutPaint(benchmark::State& state, const QString& path) {
  QImage screen(kWindow, QImage::Format_RGB32);
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("page missing");
    const std::string utf8 = browser::decodePage(file.readAll().toStdString());
    QTextDocument document;
    document.setHtml(QString::fromStdString(utf8));
    document.setTextWidth(kWindow.width());
    QPainter painter(&screen);
    painter.fillRect(screen.rect(), Qt::white);
    document.drawContents(&painter, QRectF(QPoint(0, 0), kWindow));
  }
}

void BM_LargestSamplePage_Browser(benchmark::State& state) {
  browserLoadLayOutPaint(state, pages().largest);
}
void BM_LargestSamplePage_QTextDocument(benchmark::State& state) {
  textDocumentLoadLayOutPaint(state, pages().largest);
}
void BM_500kBPage_Browser(benchmark::State& state) {
  browserLoadLayOutPaint(state, pages().large);
}
void BM_500kBPage_QTextDocument(benchmark::State& state) {
  textDocumentLoadLayOutPaint(state, pages().large);
}

BENCHMARK(BM_LargestSamplePage_Browser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestSamplePage_QTextDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_500kBPage_Browser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_500kBPage_QTextDocument)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // No component is registered here: embedded objects keep their boxes, as they would for the peer.
  QTemporaryDir registryDir;
  registry::useStoreFile((registryDir.path() + u"/registry.reg"_qs).toStdString());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
