#pragma once

#include <QFont>
#include <QRect>

#include "platform/ui/Graphics.h"

namespace vantorel::bookmarks {

// The dialogs' font, MS Sans Serif 8, is 11 pixels high.
[[nodiscard]] inline QFont dialogFont() {
  return ui::fontByFace(QStringLiteral("Arial"), 11);
}

[[nodiscard]] inline QRect du(int x, int y, int w, int h) {
  return ui::dialogUnitsToPixels(QRect(x, y, w, h), dialogFont());
}

}  // namespace vantorel::bookmarks
