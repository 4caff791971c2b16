#pragma once

#include <QDialog>
#include <QWidget>
#include <optional>
#include <vector>

#include "dravix/core/PeriodicPicker.h"

class QPushButton;

namespace vantorel::dravix {

// Reads the picker's elements from folder + "element.dat"; when the file cannot be read, shows
// its full path in a message box and gives nothing.
[[nodiscard]] std::optional<std::vector<PickerElement>> loadPickerElements(const QString& folder, QWidget* parent);

// The small periodic table of the picker: group heads above, period heads on the left, a cell
// per element; a click picks, a double click counts as a second click.
class PeriodicTableView : public QWidget {
 public:
  PeriodicTableView(PeriodicPicker& picker, QWidget* parent);
  [[nodiscard]] QSize sizeHint() const override;
  // The rectangle of grid cell (column, row).
  [[nodiscard]] static QRect cellRect(int column, int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void clickAt(const QPoint& pos);

  PeriodicPicker& picker_;
};

// "Περιοδικός Πίνακας Φίλτρο": picks elements, a group or a period; the filter dialog applies
// the picker to its filter on OK.
class PeriodicFilterDlg : public QDialog {
 public:
  PeriodicFilterDlg(std::vector<PickerElement> elements, const Filter& filter, QWidget* parent = nullptr);

  [[nodiscard]] const PeriodicPicker& picker() const { return picker_; }
  [[nodiscard]] PeriodicTableView* table() const { return table_; }
  [[nodiscard]] QPushButton* clearButton() const { return clear_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }

 private:
  PeriodicPicker picker_;
  PeriodicTableView* table_;
  QPushButton* clear_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace vantorel::dravix
