#include "dravix/FilterDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dravix/PeriodicFilterDlg.h"
#include "dravix/core/FilterRules.h"
#include "dravix/core/Markup.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StringTable.h"

namespace vantorel::dravix {
namespace {

constexpr int kPrompts[] = {0, 133, 134, 135, 136};
constexpr int kNumericPrompts[] = {0, 155, 156, 135, 136};
constexpr int kSureId = 154;
constexpr int kProductCaption = 153;

QString dravixString(int id) {
  return ui::resourceString(u"dravix"_qs, id);
}

std::string cpString(int id) {
  return codepage::fromQString(dravixString(id));
}

}  // namespace

FilterTexts filterTexts() {
  return {cpString(132), cpString(140), cpString(141), cpString(142), cpString(143),
          cpString(151), cpString(152), cpString(144), cpString(145), cpString(146)};
}

QString plainCaption(const QString& caption) {
  const std::u16string text = caption.toStdU16String();
  QString out;
  for (const MarkupRun& run : markupRuns(text))
    out += QString::fromUtf16(text.data() + run.begin, static_cast<qsizetype>(run.length));
  return out;
}

QValidator::State Cp1253Validator::validate(QString& input, int&) const {
  for (const char32_t ch : input.toUcs4())
    if (!codepage::fromUnicode(ch)) return Invalid;
  return Acceptable;
}

FilterDlg::FilterDlg(FilterDialogSetup setup, const Filter& filter, int lastField, int lastType, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), filter_(filter), texts_(filterTexts()) {
  setWindowTitle(u"Φίλτρο"_qs);
  setFont(ui::fontByFace(u"Arial Greek"_qs, 12));
  setSizeGripEnabled(true);

  fieldBox_ = new QComboBox(this);
  for (const QString& caption : setup_.captions) fieldBox_->addItem(plainCaption(caption));
  auto* fieldLabel = new QLabel(u"&Πεδίο:"_qs, this);
  fieldLabel->setBuddy(fieldBox_);

  auto* conditionBox = new QGroupBox(u"Συνθήκη"_qs, this);
  auto* radios = new QVBoxLayout(conditionBox);
  typeGroup_ = new QButtonGroup(this);
  const QString labels[] = {u"Όλα"_qs, u"Περιέχει"_qs, u"Δεν περιέχει"_qs, u"Είναι μεγαλύτερο από"_qs,
                            u"Είναι μικρότερο από"_qs};
  for (int t = 0; t < 5; ++t) {
    auto* b = new QRadioButton(labels[t], conditionBox);
    typeButtons_[static_cast<size_t>(t)] = b;
    typeGroup_->addButton(b, t);
    radios->addWidget(b);
  }

  prompt_ = new QLabel(this);
  prompt_->setMinimumWidth(220);
  valueBox_ = new QLineEdit(this);
  valueBox_->setMaxLength(static_cast<int>(kMaxValueLength));
  valueBox_->setValidator(new Cp1253Validator(valueBox_));
  prompt_->setBuddy(valueBox_);
  add_ = new QPushButton(u"Και"_qs, this);
  auto* valueColumn = new QVBoxLayout;
  valueColumn->addStretch();
  valueColumn->addWidget(prompt_);
  valueColumn->addWidget(valueBox_);
  auto* addRow = new QHBoxLayout;
  addRow->addStretch();
  addRow->addWidget(add_);
  valueColumn->addLayout(addRow);
  valueColumn->addStretch();

  list_ = new QListWidget(this);
  list_->setMinimumHeight(120);
  auto* listLabel = new QLabel(u"Συνθήκες του φίλτρου:"_qs, this);
  listLabel->setBuddy(list_);

  periodic_ = new QPushButton(u"Περιοδικός Πίνακας"_qs, this);
  delete_ = new QPushButton(u"Διαγραφή"_qs, this);
  deleteAll_ = new QPushButton(u"Διαγραφή όλων"_qs, this);
  ok_ = new QPushButton(u"OK"_qs, this);
  cancel_ = new QPushButton(u"Ακύρωση"_qs, this);
  for (QPushButton* b : {add_, periodic_, delete_, deleteAll_, ok_, cancel_}) b->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(fieldLabel);
  top->addWidget(fieldBox_, 1);
  auto* middle = new QHBoxLayout;
  middle->addWidget(conditionBox);
  middle->addSpacing(12);
  middle->addLayout(valueColumn, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(delete_);
  buttons->addWidget(deleteAll_);
  buttons->addSpacing(8);
  buttons->addWidget(periodic_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* bottom = new QHBoxLayout;
  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(listLabel);
  listColumn->addWidget(list_, 1);
  bottom->addLayout(listColumn, 1);
  bottom->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(middle);
  layout->addLayout(bottom, 1);

  periodic_->setEnabled(setup_.elementsTable);
  QObject::connect(fieldBox_, &QComboBox::currentIndexChanged, this, [this] { fieldChanged(); });
  QObject::connect(typeGroup_, &QButtonGroup::idClicked, this, [this](int type) { typeChosen(type, true); });
  QObject::connect(add_, &QPushButton::clicked, this, [this] { addCondition(); });
  QObject::connect(delete_, &QPushButton::clicked, this, [this] { deleteCondition(); });
  QObject::connect(deleteAll_, &QPushButton::clicked, this, [this] { deleteAll(); });
  QObject::connect(periodic_, &QPushButton::clicked, this, [this] { openPeriodicTable(); });
  QObject::connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  QObject::connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  QObject::connect(list_, &QListWidget::currentRowChanged, this, [this] { refreshButtons(); });

  // Open on the field used last, with the last choice of condition.
  const auto at = std::find(setup_.fields.begin(), setup_.fields.end(), lastField);
  {
    const QSignalBlocker block(fieldBox_);
    fieldBox_->setCurrentIndex(at == setup_.fields.end() ? 0 : static_cast<int>(at - setup_.fields.begin()));
  }
  type_ = lastType;
  refreshList();
  fieldChanged();
  resize(560, 440);
}

QString FilterDlg::text(int id) const {
  return dravixString(id);
}

int FilterDlg::currentField() const {
  const int i = fieldBox_->currentIndex();
  return i >= 0 && static_cast<size_t>(i) < setup_.fields.size() ? setup_.fields[static_cast<size_t>(i)] : 0;
}

int FilterDlg::lastField() const {
  return currentField();
}

NumericField FilterDlg::numericOf() const {
  return [numeric = setup_.numeric](int field) {
    return field >= 0 && static_cast<size_t>(field) < numeric.size() && numeric[static_cast<size_t>(field)];
  };
}

bool FilterDlg::currentNumeric() const {
  return numericOf()(currentField());
}

void FilterDlg::fieldChanged() {
  const bool numeric = currentNumeric();
  typeButtons_[kTypeContains]->setText(numeric ? u"Ισούται"_qs : u"Περιέχει"_qs);
  typeButtons_[kTypeLacks]->setText(numeric ? u"Δεν ισούται"_qs : u"Δεν περιέχει"_qs);
  typeChosen(type_, false);
}

void FilterDlg::typeChosen(int type, bool byUser) {
  const AllowedTypes allowed = allowedTypes(filter_, currentField(), currentNumeric());
  for (int t = 1; t <= 4; ++t) typeButtons_[static_cast<size_t>(t)]->setEnabled(allowed[static_cast<size_t>(t)]);
  if (type >= 1 && type <= 4 && !allowed[static_cast<size_t>(type)]) type = -1;
  type_ = type;
  {
    // No choice shows no checked button.
    typeGroup_->setExclusive(false);
    for (int t = 0; t < 5; ++t) typeButtons_[static_cast<size_t>(t)]->setChecked(t == type);
    typeGroup_->setExclusive(true);
  }
  const bool valueWanted = type >= 1 && type <= 4;
  prompt_->setText(valueWanted ? text((currentNumeric() ? kNumericPrompts : kPrompts)[type]) : QString());
  valueBox_->setEnabled(valueWanted);
  if (type == kTypeNone && byUser) {
    // "All" on a field takes every condition on it away.
    if (filter_.removeField(currentField()) > 0) refreshList();
    typeChosen(kTypeNone, false);
    return;
  }
  if (valueWanted && byUser) valueBox_->setFocus();
  refreshButtons();
}

void FilterDlg::message(int id) {
  ui::messageBox(text(id), text(kProductCaption), ui::Buttons::Ok, ui::Icon::None, this);
}

void FilterDlg::addCondition() {
  if (type_ < 1 || type_ > 4) return;
  const ValueCheck check = checkValue(codepage::fromQString(valueBox_->text()), currentNumeric());
  if (check.message) {
    message(check.message);
    valueBox_->setFocus();
    return;
  }
  const int field = currentField();
  const int index = fieldBox_->currentIndex();
  FilterCondition c;
  c.caption = codepage::fromQString(setup_.captions.value(index));
  c.value = check.value;
  c.type = static_cast<uint8_t>(type_);
  c.field = static_cast<int8_t>(field);
  filter_.add(std::move(c), texts_, numericOf());
  valueBox_->clear();
  refreshList();
  // What was added may rule out the choice just used.
  typeChosen(type_, false);
}

void FilterDlg::deleteCondition() {
  const int row = list_->currentRow();
  if (row < 0 || !delete_->isEnabled()) return;
  filter_.removeAt(static_cast<size_t>(row));
  refreshList();
  typeChosen(type_, false);
}

void FilterDlg::deleteAll() {
  if (filter_.size() > 1 && ui::messageBox(text(kSureId), text(kProductCaption), ui::Buttons::YesNo, ui::Icon::Question,
                                           this) != ui::Answer::Yes)
    return;
  filter_.clear();
  refreshList();
  typeChosen(type_, false);
}

void FilterDlg::openPeriodicTable() {
  if (!setup_.elementsTable) return;
  auto elements = loadPickerElements(setup_.dataFolder, this);
  if (!elements) return;
  PeriodicFilterDlg dlg(std::move(*elements), filter_, this);
  if (dlg.exec() != QDialog::Accepted) return;
  const std::string nameCaption = codepage::fromQString(setup_.captions.value(0));
  dlg.picker().applyTo(filter_, nameCaption, cpString(175), cpString(174), texts_, numericOf());
  refreshList();
  typeChosen(type_, false);
}

void FilterDlg::refreshList(int highlight) {
  const QSignalBlocker block(list_);
  list_->clear();
  const NumericField numeric = numericOf();
  for (size_t i = 0; i < filter_.size(); ++i) {
    QString shown = codepage::toQString(filter_.text(i, texts_, numeric));
    const QString caption = codepage::toQString(filter_[i].caption);
    if (filter_.isSet() && shown.startsWith(caption)) shown = plainCaption(caption) + shown.mid(caption.size());
    list_->addItem(shown);
  }
  list_->setCurrentRow(highlight);
  refreshButtons();
}

void FilterDlg::refreshButtons() {
  const int row = list_->currentRow();
  bool onField = false;
  if (filter_.isSet() && row >= 0 && static_cast<size_t>(row) < filter_.size()) {
    const int f = filter_[static_cast<size_t>(row)].field;
    const int current = currentField();
    onField = f == current || (current == 0 && (f == kGroupField || f == kPeriodField));
  }
  delete_->setEnabled(onField);
  deleteAll_->setEnabled(filter_.isSet());
  const bool canAdd = type_ >= 1 && type_ <= 4;
  add_->setEnabled(canAdd);
  add_->setDefault(canAdd);
  ok_->setDefault(!canAdd);
}

}  // namespace vantorel::dravix
