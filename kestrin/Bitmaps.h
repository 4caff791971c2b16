#pragma once

#include <QColor>
#include <QImage>

// The strip's bitmaps, drawn in code at their sizes the first time they are asked for.
namespace vantorel::kestrin {

// Solid faces that a person (and a test) can tell apart at a glance.
inline constexpr QColor kLitColour{255, 184, 28};   // the lit half of a switch, the selected button
inline constexpr QColor kUnlitColour{74, 90, 110};  // the dark half of a switch
inline constexpr QColor kButtonFace{62, 80, 104};   // a display button that is not selected

// Bitmap `id`; a null image for a number the strip does not have.
[[nodiscard]] const QImage& bitmapImage(int id);

}  // namespace vantorel::kestrin
