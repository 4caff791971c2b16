#pragma once

#include <QDialog>
#include <QStringList>
#include <QValidator>
#include <array>
#include <vector>

#include "dravix/core/FilterConditions.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vantorel::dravix {

// What the filter dialog needs to know of the loaded table.
struct FilterDialogSetup {
  std::vector<int> fields;    // the selected fields, in order
  QStringList captions;       // their captions (with markup)
  std::vector<bool> numeric;  // type flag per field number of the table
  bool elementsTable = false;
  QString dataFolder;  // where the periodic-table filter finds element.dat
};

// The condition texts of the string table, in CP1253.
[[nodiscard]] FilterTexts filterTexts();
// A caption without its sub- and superscript marks, for plain list entries.
[[nodiscard]] QString plainCaption(const QString& caption);

// Refuses characters that the code page cannot write, so that a value is always one the
// tables could hold.
class Cp1253Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// The "Φίλτρο" dialog: conditions on the selected fields, edited on a copy of the filter that
// OK hands back.
class FilterDlg : public QDialog {
 public:
  FilterDlg(FilterDialogSetup setup, const Filter& filter, int lastField, int lastType, QWidget* parent = nullptr);

  [[nodiscard]] const Filter& filter() const { return filter_; }
  [[nodiscard]] int lastField() const;
  [[nodiscard]] int lastType() const { return type_; }

  // The controls, for the tests that drive the dialog.
  [[nodiscard]] QComboBox* fieldBox() const { return fieldBox_; }
  [[nodiscard]] QRadioButton* typeButton(int type) const { return typeButtons_[static_cast<size_t>(type)]; }
  [[nodiscard]] QLabel* prompt() const { return prompt_; }
  [[nodiscard]] QLineEdit* valueBox() const { return valueBox_; }
  [[nodiscard]] QPushButton* addButton() const { return add_; }
  [[nodiscard]] QPushButton* periodicButton() const { return periodic_; }
  [[nodiscard]] QPushButton* deleteButton() const { return delete_; }
  [[nodiscard]] QPushButton* deleteAllButton() const { return deleteAll_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }
  [[nodiscard]] QListWidget* conditionList() const { return list_; }

 private:
  [[nodiscard]] int currentField() const;
  [[nodiscard]] bool currentNumeric() const;
  [[nodiscard]] NumericField numericOf() const;
  [[nodiscard]] QString text(int id) const;
  void fieldChanged();
  void typeChosen(int type, bool byUser);
  void addCondition();
  void deleteCondition();
  void deleteAll();
  void openPeriodicTable();
  void refreshList(int highlight = -1);
  void refreshButtons();
  void message(int id);

  FilterDialogSetup setup_;
  Filter filter_;
  FilterTexts texts_;
  int type_ = -1;

  QComboBox* fieldBox_;
  std::array<QRadioButton*, 5> typeButtons_{};
  QButtonGroup* typeGroup_;
  QLabel* prompt_;
  QLineEdit* valueBox_;
  QPushButton* add_;
  QPushButton* periodic_;
  QPushButton* delete_;
  QPushButton* deleteAll_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QListWidget* list_;
};

}  // namespace vantorel::dravix
