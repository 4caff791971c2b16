#include "brovik/NotFoundDialog.h"

#include <QPainter>
#include <QPushButton>

namespace vantorel::brovik {

NotFoundDialog::NotFoundDialog(QString message, QWidget* parent) : QDialog(parent), message_(std::move(message)) {
  setWindowTitle(title());
  setModal(true);
  // The template is taller; the client area is cut down to 80 pixels, width unchanged.
  setFixedSize(236, 80);
  auto* ok = new QPushButton(u"OK"_qs, this);
  ok->setGeometry(170, 16, 58, 23);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString NotFoundDialog::title() {
  return u"Μετάβαση"_qs;
}

void NotFoundDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setFont(font());
  p.setPen(Qt::black);
  p.drawText(QRect(QPoint(6, 16), QPoint(160, height() - 1)), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             message_);
}

}  // namespace vantorel::brovik
