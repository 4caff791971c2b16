#include "host/pages/widgets/PlayerPicture.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include "platform/ui/Graphics.h"

namespace vantorel::host {

namespace {

QSize windowSize(Player player) {
  return player == Player::Video ? QSize(320, 258) : QSize(340, 290);
}

QSize pictureSize(Player player) {
  return player == Player::Video ? QSize(320, 240) : QSize(340, 290);
}

}  // namespace

QWidget* findPlayerWindow(QWidget* browser, Player player) {
  if (!browser) return nullptr;
  const QSize wanted = windowSize(player);
  for (QWidget* child : browser->findChildren<QWidget*>()) {
    if (child->isWindow() || child->size() != wanted) continue;
    // A window of the page, not a part of one (a player's own children are smaller).
    return child;
  }
  return nullptr;
}

QImage playerPicture(QWidget* browser, Player player) {
  QWidget* window = findPlayerWindow(browser, player);
  if (!window) return {};
  // Drawn by the window itself, so that a menu or dialog over it is not in the picture.
  return window->grab(QRect(QPoint(0, 0), pictureSize(player))).toImage().convertToFormat(QImage::Format_RGB888);
}

void printPlayerPicture(QPrinter& printer, const QImage& picture, const QString& title) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  const int w = painter.device()->width();
  const int h = painter.device()->height();
  const int pictureWidth = w / 2;
  const int pictureHeight = picture.width() > 0 ? pictureWidth * picture.height() / picture.width() : 0;
  const int x = w / 4;
  const int y = (h - pictureHeight) / 3;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(x, y, pictureWidth, pictureHeight), picture);
  QFont font = ui::fontByFace(u"Arial Greek"_qs, std::max(1, printer.logicalDpiY() / 7), true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(QRect(0, 0, w, y), Qt::AlignTop | Qt::AlignHCenter | Qt::TextSingleLine, title);
  painter.end();
}

}  // namespace vantorel::host
