#pragma once

#include <QImage>
#include <QString>
#include <array>

namespace vantorel::host::view {

// The strip's pictures, drawn in code: three 631 x 50 looks of the whole strip (pressed, hover,
// normal) laid out as the strip geometry expects, and the 5 x 44 shadow after a pressed button.
struct StripImages {
  QImage pressed;  // resource 195
  QImage hover;    // resource 196
  QImage normal;   // resource 197
  QImage shadow;   // resource 188
};

// The captions of buttons 0 to 10 as the strip shows them.
[[nodiscard]] const std::array<QString, 11>& stripCaptions();

[[nodiscard]] const StripImages& stripImages();

}  // namespace vantorel::host::view
