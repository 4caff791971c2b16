#include "host/pages/widgets/CPictureButton.h"

#include <QPainter>
#include <utility>

namespace vantorel::host {

namespace {

// A horizontal or vertical line from (x0, y0) to (x1, y1), the start pixel drawn and the end
// pixel not, as the platform draws lines.
void segment(QPainter& p, const QColor& colour, int x0, int y0, int x1, int y1) {
  if (y0 == y1) {
    if (x1 > x0) p.fillRect(x0, y0, x1 - x0, 1, colour);
    if (x1 < x0) p.fillRect(x1 + 1, y0, x0 - x1, 1, colour);
  } else if (x0 == x1) {
    if (y1 > y0) p.fillRect(x0, y0, 1, y1 - y0, colour);
    if (y1 < y0) p.fillRect(x0, y1 + 1, 1, y0 - y1, colour);
  }
}

// Two joined lines, (a)→(b)→(c).
void corner(QPainter& p, const QColor& colour, QPoint a, QPoint b, QPoint c) {
  segment(p, colour, a.x(), a.y(), b.x(), b.y());
  segment(p, colour, b.x(), b.y(), c.x(), c.y());
}

}  // namespace

CPictureButton::CPictureButton(int id, QImage picture, QWidget* parent)
    : QAbstractButton(parent), id_(id), picture_(std::move(picture)) {
  setProperty("childId", id);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage CPictureButton::render(const QImage& picture, QSize size, bool pressed) {
  const int w = size.width();
  const int h = size.height();
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.fillRect(0, 0, w, h, QColor(192, 192, 192));
  const QColor white(255, 255, 255);
  const QColor black(0, 0, 0);
  const QColor grey(128, 128, 128);
  if (!pressed) {
    corner(p, white, {w - 2, 0}, {0, 0}, {0, h - 1});
    corner(p, black, {0, h - 1}, {w - 1, h - 1}, {w - 1, -1});
    corner(p, grey, {w - 2, 1}, {w - 2, h - 2}, {1, h - 2});
  } else {
    corner(p, white, {w - 1, 0}, {w - 1, h - 1}, {-1, h - 1});
    corner(p, black, {0, h - 2}, {0, 0}, {w - 1, 0});
    corner(p, grey, {w - 2, 1}, {1, 1}, {1, h - 2});
  }
  const int shift = pressed ? 1 : 0;
  p.drawImage((w - picture.width()) / 2 + shift, (h - picture.height()) / 2 + shift, picture);
  return image;
}

void CPictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, render(picture_, size(), isDown()));
}

}  // namespace vantorel::host
