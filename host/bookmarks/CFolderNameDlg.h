#pragma once

#include <QDialog>

class QLineEdit;

namespace vantorel::bookmarks {

// The small name dialog of new folders and renames: one edit field (at most 60 characters), OK
// and Cancel. It opens with the whole text selected.
class CFolderNameDlg : public QDialog {
 public:
  CFolderNameDlg(QWidget* parent, const QString& caption, const QString& name);

  [[nodiscard]] QString name() const;
  [[nodiscard]] QLineEdit* edit() const { return edit_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* edit_ = nullptr;
};

}  // namespace vantorel::bookmarks
