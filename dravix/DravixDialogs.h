#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The two standard dialogs of the data analyser: the save dialog of the export and the print
// dialog. Tests and tools put their own answers in place of the modal dialogs.
namespace vantorel::dravix {

// Returns the chosen path, or an empty string when the user cancelled.
using SaveFileChooser = std::function<QString(QWidget* parent)>;
// Sets up `printer` and returns whether to print.
using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;

// An empty function puts the real dialog back.
void setSaveFileChooser(SaveFileChooser chooser);
void setPrinterChooser(PrinterChooser chooser);

}  // namespace vantorel::dravix
