#pragma once

#include <QPixmap>

// The component's bitmaps (ids 207-228), drawn at their resource sizes on first use.
namespace vantorel::tabrel {

[[nodiscard]] const QPixmap& tabrelBitmap(int id);

}  // namespace vantorel::tabrel
