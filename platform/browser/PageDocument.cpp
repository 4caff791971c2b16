#include "platform/browser/PageDocument.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include "platform/browser/CWebBrowserCtrl.h"
#include "platform/browser/core/Pagination.h"

namespace vantorel::browser {

using com::Variant;

PageDocument::PageDocument(CWebBrowserCtrl* browser) : QObject(browser), browser_(browser) {
  dispatch_.method(1, "Copy", {}, Variant::Type::Bool,
                   [this](const std::vector<Variant>&) { return Variant::fromBool(Copy()); });
  dispatch_.method(
      2, "Print", {Variant::Type::String}, Variant::Type::Bool,
      [this](const std::vector<Variant>& args) { return Variant::fromBool(Print(args[0].toString())); }, 1);
}

bool PageDocument::Copy() {
  PageCanvas* canvas = browser_->canvas();
  if (!canvas->hasSelection()) return false;
  const QString text = canvas->selectedText();
  if (text.isEmpty()) return false;
  QGuiApplication::clipboard()->setText(text);
  return true;
}

bool PageDocument::Print(const QString& fileName) {
  if (!browser_->canvas()->document()) return false;
  if (!fileName.isEmpty()) {
    // The file appears whole or not at all.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QPdfWriter writer(&file);
    writer.setResolution(96);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(browser_->title());
    writer.setCreator(u"Vantorel"_qs);
    if (!printTo(writer)) {
      file.cancelWriting();
      return false;
    }
    return file.commit();
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(browser_->title());
  QPrintDialog dialog(&printer, browser_);
  if (dialog.exec() != QDialog::Accepted) return false;
  return printTo(printer);
}

bool PageDocument::printTo(QPagedPaintDevice& device) {
  PageCanvas* canvas = browser_->canvas();
  litehtml::document* doc = canvas->document();
  if (!doc) return false;
  const int pageWidthPx = device.width();
  const int pageHeightPx = device.height();
  const int docWidth = std::max(canvas->width(), 1);
  const int docHeight = std::max(canvas->height(), 1);
  if (pageWidthPx <= 0 || pageHeightPx <= 0) return false;
  // The page as laid out on the screen, narrowed to the paper's width when it is wider.
  const double scale =
      std::min(static_cast<double>(pageWidthPx) / docWidth, static_cast<double>(device.logicalDpiX()) / 96.0);
  const int pageHeight = std::max(1, static_cast<int>(pageHeightPx / scale));

  std::vector<LineExtent> lines;
  for (const TextRun& run : canvas->textRuns()) lines.push_back({run.rect.top(), run.rect.bottom() + 1});
  const std::vector<QWidget*> windows = browser_->embeddedWindows();
  for (QWidget* w : windows) {
    if (w) lines.push_back({w->y(), w->y() + w->height()});
  }
  const std::vector<int> tops = pageTops(std::move(lines), docHeight, pageHeight);

  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (size_t i = 0; i < tops.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    const int top = tops[i];
    const int bottom = i + 1 < tops.size() ? tops[i + 1] : std::min(docHeight, top + pageHeight);
    const QRect slice(0, top, docWidth, bottom - top);
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -top);
    painter.setClipRect(slice);
    canvas->paintPage(painter, slice, true);
    for (QWidget* w : windows) {
      if (w && w->isVisibleTo(canvas) && w->geometry().intersects(slice)) {
        w->render(&painter, w->pos(), QRegion(), QWidget::DrawChildren);
      }
    }
    painter.restore();
  }
  return painter.end();
}

}  // namespace vantorel::browser
