#include "host/pages/widgets/CWebPageDlg.h"

#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "host/components/CWebBrowser.h"

namespace vantorel::host {

CWebPageDlg::CWebPageDlg(QWidget* parent, QString address, Mode mode, QString folder, QString title)
    : QDialog(parent), address_(mode == ShowAddress ? std::move(address) : folder + u"bigvid.htm"_qs) {
  setWindowTitle(title);
  const QSize client = mode == ShowAddress ? QSize(580, 380) : QSize(650, 530);
  // The enlarged view is wider than the dialog, so that the page's vertical scroll bar stays
  // outside the visible part.
  const int browserWidth =
      mode == ShowAddress ? client.width() : client.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 14;
  setFixedSize(client);
  browser_ = std::make_unique<CWebBrowser>();
  if (browser_->create(this, QRect(0, 0, browserWidth, client.height() - 26), true)) {
    browser_->Navigate(address_);
  } else {
    browser_.reset();
  }
  auto* ok = new QPushButton(u"OK"_qs, this);
  ok->setGeometry((client.width() - 60) / 2, client.height() - 22, 60, 20);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  if (const QScreen* screen = parent ? parent->screen() : nullptr) {
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - frameGeometry().width()) / 2,
         area.y() + (area.height() - frameGeometry().height()) / 2);
  }
}

CWebPageDlg::~CWebPageDlg() = default;

}  // namespace vantorel::host
