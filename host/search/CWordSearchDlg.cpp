#include "host/search/CWordSearchDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QCollator>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <numeric>

#include "host/search/core/Occurrences.h"
#include "host/search/core/TypingRules.h"
#include "platform/codepage/Cp1253.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::search {
namespace {

// The dialog's font, MS Sans Serif 8, is 11 pixels high.
QFont dialogFont() {
  return ui::fontByFace(QStringLiteral("Arial"), 11);
}

QRect du(int x, int y, int w, int h) {
  return ui::dialogUnitsToPixels(QRect(x, y, w, h), dialogFont());
}

// Typed text in the code page of the index; nothing when a character has no place in it, so
// that such a text matches no word.
std::optional<std::string> toCodePage(const QString& text) {
  return codepage::fromUtf8(text.toStdString());
}

bool isEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool isTyping(const QKeyEvent* key) {
  const QString text = key->text();
  return !text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

}  // namespace

CWordSearchDlg::CWordSearchDlg(const QString& dataPath, const SearchState& state, GoTo goTo, QWidget* parent,
                               catalogue::FileOpener opener)
    : QDialog(parent),
      dataPath_(QFile::encodeName(dataPath).toStdString()),
      state_(state),
      goTo_(std::move(goTo)),
      opener_(std::move(opener)) {
  // words.dat stays open while the dialog exists; without it every search is empty.
  wordsFile_ = opener_(dataPath_ + "words.dat");
  buildControls();
  openDialog();
}

CWordSearchDlg::~CWordSearchDlg() {
  // The widgets' teardown moves the focus; this object is no longer there to hear of it.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void CWordSearchDlg::buildControls() {
  setWindowTitle(QStringLiteral("Αναζήτηση"));
  setFont(dialogFont());
  setFixedSize(du(0, 0, 347, 226).size());

  label_ = new QLabel(QStringLiteral("Αναζήτηση"), this);
  label_->setGeometry(du(5, 5, 40, 8));
  field_ = new QLineEdit(this);
  field_->setGeometry(du(5, 15, 90, 12));
  wordList_ = new QListWidget(this);
  wordList_->setGeometry(du(5, 30, 90, 157));
  wordList_->setSelectionMode(QAbstractItemView::SingleSelection);
  wordList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  alternatives_ = new QCheckBox(QStringLiteral("Αναζήτηση εναλλακτικών"), this);
  alternatives_->setGeometry(du(1, 192, 98, 8));
  results_ = new QTreeWidget(this);
  results_->setGeometry(du(100, 16, 240, 184));
  results_->setRootIsDecorated(false);
  results_->setUniformRowHeights(true);
  results_->setSelectionMode(QAbstractItemView::SingleSelection);
  results_->setAllColumnsShowFocus(true);
  results_->header()->setSectionsClickable(true);
  results_->header()->setSectionsMovable(false);
  results_->header()->setStretchLastSection(false);
  searchButton_ = new QPushButton(QStringLiteral("Αναζήτηση"), this);
  searchButton_->setGeometry(du(180, 205, 50, 15));
  searchButton_->setDefault(true);
  searchButton_->setEnabled(false);
  gotoButton_ = new QPushButton(QStringLiteral("Μετάβαση"), this);
  gotoButton_->setGeometry(du(235, 205, 50, 15));
  gotoButton_->setEnabled(false);
  cancelButton_ = new QPushButton(QStringLiteral("Ακύρωση"), this);
  cancelButton_->setGeometry(du(290, 205, 50, 15));
  searchWords_ = new QListWidget(this);  // the words of the current search, in search order
  searchWords_->setGeometry(du(87, 202, 89, 11));
  searchWords_->hide();
  for (QPushButton* b : {searchButton_, gotoButton_, cancelButton_}) b->setAutoDefault(false);
  setTabOrder(field_, wordList_);
  setTabOrder(wordList_, alternatives_);
  setTabOrder(alternatives_, results_);
  setTabOrder(results_, searchButton_);
  setTabOrder(searchButton_, gotoButton_);
  setTabOrder(gotoButton_, cancelButton_);

  connect(field_, &QLineEdit::textChanged, this, &CWordSearchDlg::onTextChanged);
  connect(wordList_, &QListWidget::currentRowChanged, this, &CWordSearchDlg::onWordSelected);
  connect(wordList_, &QListWidget::itemDoubleClicked, this, [this] { search(false); });
  connect(alternatives_, &QCheckBox::clicked, this, [this] { search(false); });
  connect(searchButton_, &QPushButton::clicked, this, [this] { search(false); });
  connect(gotoButton_, &QPushButton::clicked, this, &CWordSearchDlg::onGoto);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(results_, &QTreeWidget::itemClicked, this, &CWordSearchDlg::onResultsClicked);
  connect(results_, &QTreeWidget::itemDoubleClicked, this, &CWordSearchDlg::onGoto);
  connect(results_->header(), &QHeaderView::sectionClicked, this, &CWordSearchDlg::onHeaderClicked);
  connect(qApp, &QApplication::focusChanged, this, &CWordSearchDlg::onFocusChanged);
  field_->installEventFilter(this);
  wordList_->installEventFilter(this);
  results_->installEventFilter(this);
}

void CWordSearchDlg::openDialog() {
  ui::WaitCursor wait;
  alternatives_->setChecked(state_.useAlternatives);

  index_ = WordIndex::load(opener_, dataPath_);
  // The list shows the words in the language's order, as a sorted list box does.
  std::vector<QString> texts;
  texts.reserve(index_.words.size());
  for (const auto& w : index_.words) texts.push_back(codepage::toQString(w));
  std::vector<size_t> order(texts.size());
  std::iota(order.begin(), order.end(), size_t{0});
  QCollator collator{QLocale(QLocale::Greek, QLocale::Greece)};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return collator.compare(texts[a], texts[b]) < 0; });
  wordList_->setUpdatesEnabled(false);
  shownWords_.clear();
  shownWords_.reserve(order.size());
  QStringList items;
  items.reserve(static_cast<qsizetype>(order.size()));
  for (size_t i : order) {
    shownWords_.push_back(index_.words[i]);
    items.push_back(texts[i]);
  }
  wordList_->addItems(items);
  wordList_->setUpdatesEnabled(true);

  results_->setStyleSheet(QStringLiteral("QTreeWidget { background: white; color: black; }"));
  results_->setHeaderLabels({QStringLiteral("Ονομασία"), QStringLiteral("Θέμα"), QStringLiteral("Υποομάδα")});
  results_->setColumnWidth(0, state_.nameWidth);
  results_->setColumnWidth(1, state_.topicWidth);
  results_->setColumnWidth(2, state_.groupWidth);
  for (int c = 0; c < 3; ++c) results_->headerItem()->setTextAlignment(c, Qt::AlignLeft | Qt::AlignVCenter);

  if (index_.tooManyFirstLetters) ui::messageBox(QStringLiteral("Too many PR1 recs"), windowTitle(), ui::Buttons::Ok);

  setFieldText(codepage::toQString(state_.lastText));
  search(false);

  // The remembered result is found by its index, wherever sorting and merging put its row.
  if (state_.lastRow >= 0 && selectResultRow(state_.lastRow)) {
    results_->setFocus();
  } else {
    field_->setFocus();
  }
}

void CWordSearchDlg::setFieldText(const QString& text) {
  // Runs the typing rule, as text put into the field does.
  field_->setText(text);
}

void CWordSearchDlg::onTextChanged(const QString& text) {
  if (settingText_) return;
  if (text.contains(QLatin1Char(' '))) {
    QString stripped = text;
    stripped.remove(QLatin1Char(' '));
    field_->setText(stripped);  // runs this rule again
    field_->setCursorPosition(static_cast<int>(field_->text().size()));
    return;
  }
  const auto typed = toCodePage(text);
  const auto found = typed ? findPrefix(shownWords_, *typed) : std::nullopt;
  selectingFromTyping_ = true;
  if (found) {
    wordList_->setCurrentRow(static_cast<int>(*found));
    wordList_->scrollToItem(wordList_->item(static_cast<int>(*found)));
  } else {
    wordList_->setCurrentRow(-1);
    wordList_->clearSelection();
  }
  selectingFromTyping_ = false;
  updateSearchButton();
}

void CWordSearchDlg::onWordSelected(int row) {
  if (selectingFromTyping_) return;
  if (row >= 0 && row < static_cast<int>(shownWords_.size())) {
    settingText_ = true;
    field_->setText(wordList_->item(row)->text());
    settingText_ = false;
  }
  updateSearchButton();
}

void CWordSearchDlg::updateSearchButton() {
  const int row = wordList_->currentRow();
  std::optional<std::string> selected;
  if (row >= 0 && row < static_cast<int>(shownWords_.size()) && wordList_->item(row)->isSelected())
    selected = shownWords_[static_cast<size_t>(row)];
  const auto typed = toCodePage(field_->text());
  searchButton_->setEnabled(typed && canSearch(selected, *typed));
}

void CWordSearchDlg::search(bool fromKeyboard) {
  if (!searchButton_->isEnabled()) return;
  ui::WaitCursor wait;
  results_->clear();
  table_.clear();
  rows_.clear();
  gotoButton_->setEnabled(false);

  const std::string selected = shownWords_[static_cast<size_t>(wordList_->currentRow())];
  const auto words = index_.searchWords(selected, alternatives_->isChecked());
  searchWords_->clear();
  for (const auto& w : words) searchWords_->addItem(codepage::toQString(w));

  table_ = findOccurrences(wordsFile_.get(), words);
  RowLabeler labeler(opener_, dataPath_);
  rows_ = buildRows(table_, labeler);
  // A new search is shown by name again, whatever column was sorted last, in the order of the
  // language, as a sorted list view keeps its rows; a header click sorts by the bytes.
  std::vector<std::pair<QCollatorSortKey, size_t>> keys;
  keys.reserve(rows_.size());
  QCollator collator{QLocale(QLocale::Greek, QLocale::Greece)};
  for (size_t i = 0; i < rows_.size(); ++i) keys.emplace_back(collator.sortKey(codepage::toQString(rows_[i].name)), i);
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
  std::vector<ResultRow> sorted;
  sorted.reserve(rows_.size());
  for (const auto& key : keys) sorted.push_back(std::move(rows_[key.second]));
  rows_ = std::move(sorted);
  fillResults(-1);

  if (fromKeyboard && !rows_.empty()) {
    // The second Enter goes to the first place found.
    selectResultRow(rows_.front().resultIndex);
    results_->setFocus();
  }
}

void CWordSearchDlg::fillResults(int selectResultIndex) {
  results_->setUpdatesEnabled(false);
  results_->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows_.size()));
  for (const auto& row : rows_) {
    auto* item = new QTreeWidgetItem(
        {codepage::toQString(row.name), codepage::toQString(row.topic), codepage::toQString(row.group)});
    item->setData(0, Qt::UserRole, row.resultIndex);
    items.push_back(item);
  }
  results_->addTopLevelItems(items);
  results_->setUpdatesEnabled(true);
  if (selectResultIndex >= 0) selectResultRow(selectResultIndex);
}

bool CWordSearchDlg::selectResultRow(int resultIndex) {
  for (int i = 0; i < results_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = results_->topLevelItem(i);
    if (item->data(0, Qt::UserRole).toInt() != resultIndex) continue;
    results_->setCurrentItem(item);
    item->setSelected(true);
    results_->scrollToItem(item);
    gotoButton_->setEnabled(true);
    return true;
  }
  return false;
}

int CWordSearchDlg::selectedResultIndex() const {
  const auto selected = results_->selectedItems();
  return selected.isEmpty() ? -1 : selected.front()->data(0, Qt::UserRole).toInt();
}

void CWordSearchDlg::onHeaderClicked(int column) {
  if (column < 0 || column > 2) return;
  const int keep = selectedResultIndex();
  sortRows(rows_, static_cast<Column>(column));
  const bool enabled = gotoButton_->isEnabled();
  fillResults(keep);
  gotoButton_->setEnabled(enabled && keep >= 0);
}

void CWordSearchDlg::onResultsClicked() {
  gotoButton_->setEnabled(selectedResultIndex() >= 0);
}

void CWordSearchDlg::onFocusChanged(QWidget* old, QWidget* now) {
  // Leaving the results for anything but "Μετάβαση" takes the choice back; a window switch does not.
  if (old == results_ && now && now != gotoButton_ && now->window() == this) gotoButton_->setEnabled(false);
}

void CWordSearchDlg::onGoto() {
  const int index = selectedResultIndex();
  if (index < 0 || index >= static_cast<int>(table_.size())) return;
  chosen_ = table_[static_cast<size_t>(index)];
  state_.lastText = codepage::fromQString(field_->text());
  state_.lastRow = index;
  state_.nameWidth = results_->columnWidth(0);
  state_.topicWidth = results_->columnWidth(1);
  state_.groupWidth = results_->columnWidth(2);
  state_.useAlternatives = alternatives_->isChecked();
  accept();
}

void CWordSearchDlg::accept() {
  QDialog::accept();
  if (chosen_ && chosen_->recordId >= 1 && goTo_) goTo_(chosen_->route, chosen_->recordId, chosen_->assetId);
}

bool CWordSearchDlg::run(QWidget* parent, const QString& dataPath, SearchState& state, const GoTo& goTo) {
  CWordSearchDlg dialog(dataPath, state, nullptr, parent);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen() || dialog.chosen()->recordId < 1) return false;
  state = dialog.searchState();
  const SearchResult place = *dialog.chosen();
  if (goTo) goTo(place.route, place.recordId, place.assetId);
  return true;
}

bool CWordSearchDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == field_) {
    if (isEnter(key)) {
      search(true);
      return true;
    }
    if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) {
      const int count = wordList_->count();
      if (count == 0) return true;
      int row = wordList_->currentRow();
      if (row < 0 || !wordList_->item(row)->isSelected()) {
        row = 0;
      } else {
        row = std::clamp(row + (key->key() == Qt::Key_Down ? 1 : -1), 0, count - 1);
      }
      wordList_->setCurrentRow(row);
      wordList_->item(row)->setSelected(true);
      onWordSelected(row);  // the row may not have changed, the field must still show it
      return true;
    }
  } else if (watched == wordList_) {
    if (isEnter(key)) {
      search(true);
      return true;
    }
    if (isTyping(key)) {
      // The character starts a new word: the first word with that initial is taken.
      field_->setText(key->text());
      onWordSelected(wordList_->currentRow());
      return true;
    }
  } else if (watched == results_) {
    if (isEnter(key)) {
      onGoto();
      return true;
    }
    if (isTyping(key)) {
      field_->setFocus();
      field_->end(false);
      field_->insert(key->text());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vantorel::search
