#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

// Fonts, dialog units, bitmap resources and the wait cursor.
namespace vantorel::ui {

// A font by face name and pixel height, as the platform's font mapper gives it. "Arial Greek"
// is Arial in its Greek character set; Qt fonts carry every script, so the face is "Arial".
[[nodiscard]] QFont fontByFace(const QString& face, int pixelHeight, bool bold = false);

// Dialog base units of a font: average character width and height in pixels.
[[nodiscard]] QSize dialogBaseUnits(const QFont& font);
// Dialog units to pixels: x * width / 4, y * height / 8, rounded as the platform does.
[[nodiscard]] QRect dialogUnitsToPixels(const QRect& units, const QFont& dialogFont);

// Bitmap `id` of a deliverable's resources (":/<module>/bitmaps/<id>.png"); null when missing.
[[nodiscard]] QPixmap bitmapResource(const QString& module, int id);
// A clear pixmap to draw a bitmap on in code.
[[nodiscard]] QPixmap transparentPixmap(int width, int height);

// The hourglass while a long operation runs; the previous cursor comes back at scope end.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace vantorel::ui
