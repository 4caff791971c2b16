#include "host/bookmarks/CFolderNameDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "host/bookmarks/DialogUnits.h"

namespace vantorel::bookmarks {

CFolderNameDlg::CFolderNameDlg(QWidget* parent, const QString& caption, const QString& name) : QDialog(parent) {
  setWindowTitle(caption);
  setFont(dialogFont());
  setFixedSize(du(0, 0, 186, 47).size());
  edit_ = new QLineEdit(this);
  edit_->setObjectName(u"name"_qs);
  edit_->setGeometry(du(7, 7, 172, 14));
  edit_->setMaxLength(60);
  edit_->setText(name);
  auto* ok = new QPushButton(u"OK"_qs, this);
  ok->setObjectName(u"ok"_qs);
  ok->setGeometry(du(39, 26, 50, 14));
  ok->setDefault(true);
  auto* cancel = new QPushButton(u"Cancel"_qs, this);
  cancel->setObjectName(u"cancel"_qs);
  cancel->setGeometry(du(96, 26, 50, 14));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString CFolderNameDlg::name() const {
  return edit_->text();
}

void CFolderNameDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit_->setFocus();
  edit_->selectAll();
}

}  // namespace vantorel::bookmarks
