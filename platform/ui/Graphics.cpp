#include "platform/ui/Graphics.h"

#include <QApplication>
#include <QFontMetrics>
#include <cstdlib>

namespace vantorel::ui {

QFont fontByFace(const QString& face, int pixelHeight, bool bold) {
  QString family = face;
  if (family.endsWith(u" Greek"_qs)) family.chop(6);
  QFont font(family);
  font.setPixelSize(std::max(1, std::abs(pixelHeight)));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QSize dialogBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  static const QString letters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"_qs;
  const int width = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
  return {width, metrics.height()};
}

QRect dialogUnitsToPixels(const QRect& units, const QFont& dialogFont) {
  const QSize base = dialogBaseUnits(dialogFont);
  auto mx = [&](int v) { return (v * base.width() + 2) / 4; };
  auto my = [&](int v) { return (v * base.height() + 4) / 8; };
  return QRect(mx(units.x()), my(units.y()), mx(units.width()), my(units.height()));
}

QPixmap bitmapResource(const QString& module, int id) {
  return QPixmap(u":/"_qs + module + u"/bitmaps/"_qs + QString::number(id) + u".png"_qs);
}

QPixmap transparentPixmap(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

WaitCursor::WaitCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}
WaitCursor::~WaitCursor() {
  QApplication::restoreOverrideCursor();
}

}  // namespace vantorel::ui
