#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace vantorel::host {

class CWebBrowser;

// A page in a dialog of its own: help, the product's pages and enlarged views. It holds a page
// browser (child id 1004) over an OK button.
class CWebPageDlg : public QDialog {
 public:
  enum Mode { EnlargedView = 0, ShowAddress = 1 };

  // Mode ShowAddress shows `address`; EnlargedView shows folder + "bigvid.htm".
  CWebPageDlg(QWidget* parent, QString address, Mode mode, QString folder, QString title);
  ~CWebPageDlg() override;

  [[nodiscard]] const QString& address() const { return address_; }
  // Null when the page browser could not be created.
  [[nodiscard]] CWebBrowser* browser() const { return browser_.get(); }

 private:
  QString address_;
  std::unique_ptr<CWebBrowser> browser_;
};

}  // namespace vantorel::host
