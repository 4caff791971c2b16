#pragma once

#include <QPixmap>

// The component's bitmaps (ids 204-262), drawn at their resource sizes on first use.
namespace vantorel::dravix {

namespace bitmaps {
inline constexpr int kFrameStrip = 204;   // horizontal edge of a field list's frame
inline constexpr int kFrameSide = 206;    // vertical edge
inline constexpr int kFrameCorner = 243;  // corner
inline constexpr int kChooserArrow = 241;
// Buttons: normal face at the id, pressed face at id + 1, disabled at id + 2.
inline constexpr int kAdd = 210;
inline constexpr int kRemove = 213;
inline constexpr int kAddAll = 216;
inline constexpr int kRemoveAll = 219;
inline constexpr int kTranspose = 222;
inline constexpr int kFilter = 225;
inline constexpr int kExport = 228;
inline constexpr int kGraph = 231;
}  // namespace bitmaps

[[nodiscard]] const QPixmap& dravixBitmap(int id);

}  // namespace vantorel::dravix
