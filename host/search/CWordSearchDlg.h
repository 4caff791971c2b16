#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/search/core/ResultRows.h"
#include "host/search/core/SearchState.h"
#include "host/search/core/WordIndex.h"
#include "platform/catalogue/RecordFile.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace vantorel::search {

// The word search: the user picks an index word, optionally with its alternative forms, and gets
// every place of the topic catalogue where it occurs; "Μετάβαση" takes the view to the chosen
// place through `goTo`.
class CWordSearchDlg : public QDialog {
  Q_OBJECT

 public:
  // The place chosen: route (section), topic record and the resource inside it (0 = the topic).
  using GoTo = std::function<void(int route, int32_t recordId, int32_t assetId)>;

  // `dataPath` ends in a separator. The dialog is ready to show when this returns: the word
  // files are read and the kept state's word is searched again.
  CWordSearchDlg(const QString& dataPath, const SearchState& state, GoTo goTo, QWidget* parent = nullptr,
                 catalogue::FileOpener opener = catalogue::diskOpener());
  ~CWordSearchDlg() override;

  // What the view calls for its search command: runs the dialog; after "Μετάβαση" to a result
  // with a topic record, `state` takes the dialog's state and `goTo` is called. Otherwise
  // `state` stays as it was. Returns whether the view went somewhere.
  static bool run(QWidget* parent, const QString& dataPath, SearchState& state, const GoTo& goTo);

  // The state to keep once the dialog ended with "Μετάβαση".
  [[nodiscard]] const SearchState& searchState() const { return state_; }
  [[nodiscard]] const std::optional<SearchResult>& chosen() const { return chosen_; }

  [[nodiscard]] QLineEdit* wordField() const { return field_; }
  [[nodiscard]] QListWidget* wordList() const { return wordList_; }
  [[nodiscard]] QCheckBox* alternativesBox() const { return alternatives_; }
  [[nodiscard]] QTreeWidget* resultsView() const { return results_; }
  [[nodiscard]] QListWidget* searchWordList() const { return searchWords_; }
  [[nodiscard]] QPushButton* searchButton() const { return searchButton_; }
  [[nodiscard]] QPushButton* gotoButton() const { return gotoButton_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancelButton_; }

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void openDialog();
  void onTextChanged(const QString& text);
  void onWordSelected(int row);
  void updateSearchButton();
  void search(bool fromKeyboard);
  void fillResults(int selectResultIndex);
  void onHeaderClicked(int column);
  void onResultsClicked();
  void onGoto();
  void onFocusChanged(QWidget* old, QWidget* now);
  [[nodiscard]] int selectedResultIndex() const;
  [[nodiscard]] bool selectResultRow(int resultIndex);
  void setFieldText(const QString& text);

  std::string dataPath_;
  SearchState state_;
  GoTo goTo_;
  catalogue::FileOpener opener_;
  std::unique_ptr<catalogue::RecordFile> wordsFile_;
  WordIndex index_;
  std::vector<std::string> shownWords_;  // the word list in its shown order, CP1253
  std::vector<SearchResult> table_;
  std::vector<ResultRow> rows_;
  std::optional<SearchResult> chosen_;
  bool settingText_ = false;
  bool selectingFromTyping_ = false;

  QLabel* label_ = nullptr;
  QLineEdit* field_ = nullptr;
  QListWidget* wordList_ = nullptr;
  QCheckBox* alternatives_ = nullptr;
  QTreeWidget* results_ = nullptr;
  QPushButton* searchButton_ = nullptr;
  QPushButton* gotoButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QListWidget* searchWords_ = nullptr;
};

}  // namespace vantorel::search
