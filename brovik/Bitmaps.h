#pragma once

#include <QPixmap>

// The component's bitmaps (tree markers, button looks, resource icons), drawn at their sizes.
namespace vantorel::brovik {

[[nodiscard]] const QPixmap& bitmap(int id);

}  // namespace vantorel::brovik
