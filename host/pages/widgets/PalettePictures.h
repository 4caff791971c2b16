#pragma once

#include <QImage>

namespace vantorel::host {

// The pictures of the palette's six buttons, drawn in code, 16 × 16 pixels on a clear ground:
// copy (166), paste (167), print (168), forward (169), back (170) and search (200). Null for any
// other number.
[[nodiscard]] QImage palettePicture(int id);

}  // namespace vantorel::host
