#include "host/view/CAboutDlg.h"

#include <QFile>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "host/CQuillet2App.h"
#include "platform/codepage/Cp1253Qt.h"
#include "platform/files/RegularFile.h"
#include "platform/ui/Graphics.h"

namespace vantorel::host {
namespace {

// Generated pages are small; a damaged cache file must not fill the window with megabytes.
constexpr size_t kLargestSourceShown = 4 * 1024 * 1024;

QLabel* label(QWidget* parent, const QString& text, const QRect& at, bool bold = false) {
  auto* l = new QLabel(text, parent);
  l->setFont(ui::fontByFace(u"Arial"_qs, 12, bold));
  l->setGeometry(at);
  return l;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent, const std::array<QString, 5>& versions, QString lastGeneratedPage)
    : QDialog(parent), lastGeneratedPage_(std::move(lastGeneratedPage)) {
  setWindowTitle(u"Πληροφορίες για Vantorel"_qs);
  setFixedSize(330, 238);
  label(this, u"Vantorel v1.1"_qs, QRect(16, 14, 190, 18), true);
  label(this, u"Εγκυκλοπαίδεια Χημείας"_qs, QRect(16, 32, 190, 16));
  using C = CQuillet2App::Component;
  const std::array<std::pair<QString, C>, 5> rows{{{u"Data Analyser :"_qs, C::Dravix},
                                                   {u"Periodic Table :"_qs, C::Tabrel},
                                                   {u"Browse Selection :"_qs, C::Brovik},
                                                   {u"Mol Controller :"_qs, C::Kestrin},
                                                   {u"Molecule Zoom :"_qs, C::Fennick}}};
  int y = 64;
  for (const auto& [caption, component] : rows) {
    label(this, caption, QRect(24, y, 130, 18));
    QLabel* value = label(this, versions[static_cast<size_t>(component)], QRect(160, y, 150, 18));
    value->setObjectName(caption);
    y += 22;
  }
  label(this, u"© 1999 Halvenor. Με την επιφύλαξη παντός δικαιώματος."_qs, QRect(16, y + 6, 300, 16))
      ->setFont(ui::fontByFace(u"Arial"_qs, 10));
  auto* ok = new QPushButton(u"OK"_qs, this);
  ok->setGeometry(135, 204, 60, 24);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // The program's badge, where the hidden click lands.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF badge = QRectF(kSourceClickArea).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
  fill.setColorAt(0, QColor(36, 56, 98));
  fill.setColorAt(1, QColor(14, 24, 52));
  p.setPen(QColor(58, 122, 160));
  p.setBrush(fill);
  p.drawRoundedRect(badge, 3, 3);
  p.setPen(QColor(150, 205, 235));
  p.setFont(ui::fontByFace(u"Arial"_qs, 14, true));
  p.drawText(badge, Qt::AlignCenter, u"VANTOREL"_qs);
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
  QDialog::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || !kSourceClickArea.contains(event->position().toPoint())) return;
  if (lastGeneratedPage_.isEmpty()) return;
  const files::FilePtr file = files::openRegularFile(QFile::encodeName(lastGeneratedPage_).toStdString());
  if (!file) return;
  std::string bytes;
  char chunk[65536];
  for (size_t got; bytes.size() < kLargestSourceShown && (got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;)
    bytes.append(chunk, got);
  if (!sourceWindow_) {
    // It stays open after the About box closes, as an editor would.
    sourceWindow_ = new QPlainTextEdit(parentWidget() ? parentWidget() : this);
    sourceWindow_->setWindowFlag(Qt::Window);
    sourceWindow_->setAttribute(Qt::WA_DeleteOnClose);
    sourceWindow_->setReadOnly(true);
    sourceWindow_->setLineWrapMode(QPlainTextEdit::NoWrap);
    sourceWindow_->setFont(QFont(u"Monospace"_qs, 10));
    sourceWindow_->resize(720, 520);
  }
  sourceWindow_->setWindowTitle(lastGeneratedPage_);
  sourceWindow_->setPlainText(codepage::toQString(bytes));
  sourceWindow_->show();
  sourceWindow_->raise();
}

}  // namespace vantorel::host
