#include "kestrin/Bitmaps.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>
#include <array>
#include <optional>

#include "kestrin/core/Switches.h"
#include "platform/ui/Graphics.h"

namespace vantorel::kestrin {
namespace {

const QColor kCaptionText{222, 232, 242};
const QColor kHeadingText{150, 206, 255};
const QColor kSlot{22, 31, 42};
const QColor kSlotEdge{10, 15, 22};
const QColor kButtonText{238, 243, 248};
const QColor kSelectedText{48, 30, 0};

QImage blank(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The largest font up to `pixels` high in which `text` fits `width`.
QFont fitted(const QString& text, int pixels, int width, bool bold) {
  QFont font = ui::fontByFace(u"Arial Greek"_qs, pixels, bold);
  while (pixels > 6 && QFontMetricsF(font).horizontalAdvance(text) > width) {
    font = ui::fontByFace(u"Arial Greek"_qs, --pixels, bold);
  }
  return font;
}

// Text centred on `centreX`, its capitals centred in the band [top, top + height).
void drawCentred(QPainter& p, const QString& text, const QFont& font, double centreX, double top, double height) {
  const QFontMetricsF metrics(font);
  const double baseline = top + (height + metrics.capHeight()) / 2.0;
  p.setFont(font);
  p.drawText(QPointF(centreX - metrics.horizontalAdvance(text) / 2.0, baseline), text);
}

QImage caption(int width, int height, const QString& text, bool heading) {
  QImage image = blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(heading ? kHeadingText : kCaptionText);
  drawCentred(p, text, fitted(text, height, width, heading), width / 2.0, 0, height - (heading ? 2 : 0));
  return image;
}

// Two words, each centred over one half of the switch below it.
QImage captionPair(int width, int height, int pixels, const QString& left, double leftCentre, const QString& right,
                   double rightCentre) {
  QImage image = blank(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(kCaptionText);
  const QFont font = ui::fontByFace(u"Arial Greek"_qs, pixels, true);
  drawCentred(p, left, font, leftCentre, 0, height);
  drawCentred(p, right, font, rightCentre, 0, height);
  return image;
}

void pad(QPainter& p, const QRect& r, bool lit) {
  const QColor face = lit ? kLitColour : kUnlitColour;
  p.fillRect(r, face);
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), face.lighter(lit ? 130 : 125));
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), face.darker(135));
}

// A rocker in a slot: 216 has its left pad lit, 217 its right one.
QImage switchImage(bool leftLit) {
  QImage image = blank(32, 11);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(kSlotEdge);
  p.setBrush(kSlot);
  p.drawRoundedRect(QRectF(0.5, 0.5, 31, 10), 3, 3);
  p.setRenderHint(QPainter::Antialiasing, false);
  pad(p, QRect(2, 2, 13, 7), leftLit);
  pad(p, QRect(17, 2, 13, 7), !leftLit);
  return image;
}

QImage button(const QStringList& lines, bool selected) {
  const int width = 56;
  const int height = 31;
  QImage image = blank(width, height);
  QPainter p(&image);
  const QColor face = selected ? kLitColour : kButtonFace;
  p.fillRect(0, 0, width, height, kSlotEdge);
  p.fillRect(1, 1, width - 2, height - 2, face);
  // Raised when free, pressed in when chosen.
  const QColor light = face.lighter(selected ? 125 : 145);
  const QColor dark = face.darker(selected ? 150 : 160);
  p.fillRect(1, 1, width - 2, 1, selected ? dark : light);
  p.fillRect(1, 1, 1, height - 2, selected ? dark : light);
  p.fillRect(1, height - 2, width - 2, 1, selected ? light : dark);
  p.fillRect(width - 2, 1, 1, height - 2, selected ? light : dark);

  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(selected ? kSelectedText : kButtonText);
  int pixels = 10;
  for (const QString& line : lines) pixels = std::min(pixels, fitted(line, 10, width - 6, true).pixelSize());
  const QFont font = ui::fontByFace(u"Arial Greek"_qs, pixels, true);
  const double lineHeight = pixels + 2;
  const double top = (height - lineHeight * lines.size()) / 2.0 + (selected ? 1 : 0);
  for (int i = 0; i < lines.size(); ++i) {
    drawCentred(p, lines[i], font, width / 2.0 + (selected ? 1 : 0), top + i * lineHeight, lineHeight);
  }
  return image;
}

// Only its top-left 10 × 10 pixels are used: a slight fall from light to dark, top to bottom.
QImage background() {
  QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  QLinearGradient fall(0, 0, 0, 10);
  fall.setColorAt(0, QColor(58, 78, 102));
  fall.setColorAt(1, QColor(36, 50, 68));
  p.fillRect(0, 0, 16, 10, fall);
  p.fillRect(0, 10, 16, 6, QColor(36, 50, 68));
  return image;
}

QImage draw(int id) {
  switch (id) {
    case bitmap::kDimensionCaptions: return captionPair(32, 7, 8, u"2D"_qs, 8.5, u"3D"_qs, 23.5);
    case bitmap::kRotationCaption: return caption(56, 10, u"Περιστροφή"_qs, true);
    case bitmap::kDisplayCaption: return caption(56, 10, u"Απεικόνιση"_qs, true);
    case bitmap::kLabelsCaption: return caption(34, 8, u"Ετικέτα"_qs, true);
    case bitmap::kYesNoCaptions: return captionPair(40, 8, 8, u"Ναι"_qs, 7, u"Όχι"_qs, 25);
    case bitmap::kSwitchLeftLit: return switchImage(true);
    case bitmap::kSwitchRightLit: return switchImage(false);
    case bitmap::kBackground: return background();
    case bitmap::kBallsAndSticks: return button({u"Σφαίρες και"_qs, u"ράβδοι"_qs}, false);
    case bitmap::kBallsAndSticksSelected: return button({u"Σφαίρες και"_qs, u"ράβδοι"_qs}, true);
    case bitmap::kSticks: return button({u"Ράβδοι"_qs}, false);
    case bitmap::kSticksSelected: return button({u"Ράβδοι"_qs}, true);
    case bitmap::kWireframe: return button({u"Πλέγμα"_qs}, false);
    case bitmap::kWireframeSelected: return button({u"Πλέγμα"_qs}, true);
    default: return {};
  }
}

}  // namespace

const QImage& bitmapImage(int id) {
  static const QImage none;
  constexpr int kFirst = bitmap::kDimensionCaptions;
  constexpr int kLast = bitmap::kWireframeSelected;
  static std::array<std::optional<QImage>, kLast - kFirst + 1> cache;
  if (id < kFirst || id > kLast) return none;
  std::optional<QImage>& slot = cache[id - kFirst];
  if (!slot) slot = draw(id);
  return *slot;
}

}  // namespace vantorel::kestrin
