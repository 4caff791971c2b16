// The graph members of _DDravix, the copy, export and print commands, and the graph page's
// place in the control's lifecycle.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include "dravix/Bitmaps.h"
#include "dravix/DravixCtrl.h"
#include "dravix/DravixDialogs.h"
#include "dravix/GraphPage.h"
#include "dravix/PageWidgets.h"
#include "dravix/RecordGrid.h"
#include "dravix/core/ExportText.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StringTable.h"

namespace vantorel::dravix {
namespace {

using com::Variant;

constexpr int kUnableToOpenFile = 131;
constexpr int kProductCaption = 153;

SaveFileChooser& saveFileChooser() {
  static SaveFileChooser chooser;
  return chooser;
}

PrinterChooser& printerChooser() {
  static PrinterChooser chooser;
  return chooser;
}

QString chooseExportFile(QWidget* parent) {
  if (saveFileChooser()) return saveFileChooser()(parent);
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(u"csv"_qs);
  dialog.setNameFilters({u"Οριοθετημένο με κόμματα (*.csv)"_qs, u"Όλα τα αρχεία (*)"_qs});
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

bool choosePrinter(QPrinter& printer, QWidget* parent) {
  if (printerChooser()) return printerChooser()(printer, parent);
  QPrintDialog dialog(&printer, parent);
  // One page, no range or selection; printing to a PDF file is offered.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void setSaveFileChooser(SaveFileChooser chooser) {
  saveFileChooser() = std::move(chooser);
}

void setPrinterChooser(PrinterChooser chooser) {
  printerChooser() = std::move(chooser);
}

void CDravixCtrl::registerGraphMembers() {
  graphPage_ = new GraphPage(this);

  dispatch().property(
      2, "BMSorG", Variant::Type::Short, [this] { return Variant::fromShort(graphPage_->isOpen() ? 1 : 0); },
      [this](const Variant& v) { graphRequest_ = v.toShort() != 0; });
  dispatch().property(
      3, "GraphType", Variant::Type::Short,
      [this] { return Variant::fromShort(static_cast<int16_t>(graphPage_->graphType())); },
      [this](const Variant& v) { graphPage_->setGraphType(v.toShort(), false); });
  dispatch().property(
      4, "GraphFields", Variant::Type::Long, [this] { return Variant::fromLong(graphPage_->fields()); },
      [this](const Variant& v) {
        graphPage_->setFields(v.toLong());
        updateScroll(false);
      });
  dispatch().property(
      5, "ShowLabels", Variant::Type::Bool, [this] { return Variant::fromBool(graphPage_->labels()); },
      [this](const Variant& v) { graphPage_->setLabels(v.toBool(), false); });
  dispatch().method(11, "CopyAllData", {}, Variant::Type::Empty, [this](const auto&) {
    CopyAllData();
    return Variant();
  });
  dispatch().method(12, "CopySelection", {}, Variant::Type::Empty, [this](const auto&) {
    CopySelection();
    return Variant();
  });
  dispatch().method(22, "CopyGraph", {}, Variant::Type::Empty, [this](const auto&) {
    CopyGraph();
    return Variant();
  });
  dispatch().method(23, "PrintGraph", {}, Variant::Type::Empty, [this](const auto&) {
    PrintGraph();
    return Variant();
  });

  QObject::connect(button(bitmaps::kGraph), &QAbstractButton::clicked, this, [this] { openGraphPage(); });
  QObject::connect(button(bitmaps::kExport), &QAbstractButton::clicked, this, [this] { exportTable(); });
}

bool CDravixCtrl::graphPageOpen() const {
  return graphPage_ && graphPage_->isOpen();
}

void CDravixCtrl::openGraphPage() {
  if (!table_) return;
  int plottable = 0, numeric = 0;
  for (int field : selection_.selected()) {
    if (table_->index.isPlottable(field)) ++plottable;
    if (table_->index.isNumeric(field)) ++numeric;
  }
  if (plottable < 2 || numeric < 1) return;
  graphPage_->open();
}

void CDravixCtrl::graphBeforeSetTable() {
  if (!graphPage_) return;
  if (!graphRequest_) graphPage_->close();
  graphPage_->resetZoom();
}

void CDravixCtrl::graphAfterSetTable() {
  if (graphPageOpen()) graphPage_->open();
}

void CDravixCtrl::graphAfterSetSelectedFields() {
  if (graphRequest_) openGraphPage();
}

void CDravixCtrl::graphFieldsChanged() {
  if (graphPage_) graphPage_->forgetPositions();
}

// Copy and export -------------------------------------------------------------------------------

namespace {

// The rows as text and, beside it, as an HTML page holding the table, both for the clipboard.
void putOnClipboard(const GridRows& rows, const std::vector<std::string>& captions, const std::vector<int>* only) {
  GridTextRequest request{&rows, &captions, only, "\r\n"};
  const QString text = codepage::toQString(gridText(request));
  request.lead = "<html><head><meta charset=\"utf-8\"></head><body>";
  request.tail = "</body></html>";
  const QString html = codepage::toQString(gridHtml(request));
  auto* mime = new QMimeData;
  mime->setText(text);
  mime->setHtml(html);
  QGuiApplication::clipboard()->setMimeData(mime);
}

}  // namespace

std::vector<std::string> CDravixCtrl::captionsForExport() const {
  std::vector<std::string> captions;
  for (int field : selection_.selected()) captions.push_back(codepage::fromQString(caption(field)));
  return captions;
}

void CDravixCtrl::CopyAllData() {
  ui::WaitCursor wait;
  putOnClipboard(rows_, captionsForExport(), nullptr);
}

void CDravixCtrl::CopySelection() {
  ui::WaitCursor wait;
  const std::vector<int> selected = grid_->selectedRows();
  putOnClipboard(rows_, captionsForExport(), &selected);
}

void CDravixCtrl::exportTable() {
  const QString path = chooseExportFile(this);
  if (path.isEmpty()) return;
  bool written = false;
  {
    ui::WaitCursor wait;
    // UTF-8 with a byte-order mark, so that spreadsheet programs open it in Greek; the old file
    // is replaced only when the new one is complete.
    const std::vector<std::string> captions = captionsForExport();
    GridTextRequest request{&rows_, &captions, nullptr, "\r\n", TextEncoding::Utf8, "\xEF\xBB\xBF"};
    const std::string bytes = gridText(request);
    // Only a regular file is ever replaced: a folder, a device or a pipe under the chosen name
    // stays what it is.
    const QFileInfo target(path);
    QSaveFile file(path);
    written = (!target.exists() || target.isFile()) && file.open(QIODevice::WriteOnly) &&
              file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
              file.commit();
  }
  if (!written)
    ui::messageBox(ui::resourceString(u"dravix"_qs, kUnableToOpenFile),
                   ui::resourceString(u"dravix"_qs, kProductCaption), ui::Buttons::Ok, ui::Icon::None, this);
}

void CDravixCtrl::CopyGraph() {
  if (!graphPageOpen()) return;
  const QPixmap pixels = graphPage_->grab(graphPage_->graphRect());
  if (pixels.isNull()) {
    ui::messageBox(u"Out of memory"_qs, QString(), ui::Buttons::Ok, ui::Icon::None, this);
    return;
  }
  QGuiApplication::clipboard()->setPixmap(pixels);
}

void CDravixCtrl::PrintGraph() {
  if (!graphPageOpen()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(u"Vantorel"_qs);
  printer.setCreator(u"Vantorel"_qs);
  if (!choosePrinter(printer, this)) return;
  ui::WaitCursor wait;
  graphPage_->print(printer);
}

}  // namespace vantorel::dravix
