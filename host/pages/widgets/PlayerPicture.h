#pragma once

#include <QImage>
#include <QString>

class QPrinter;
class QWidget;

namespace vantorel::host {

// The picture of the video or the molecule in the shown page, taken from the player's own
// window (what it draws, whatever covers it on the screen), for copying and printing.
enum class Player { Video, Molecule };

// The player's window among the page browser's child windows, found by its size: the video
// player's is 320 × 258, the molecule viewer's 340 × 290. Null when the page holds none.
[[nodiscard]] QWidget* findPlayerWindow(QWidget* browser, Player player);

// The player's picture: the top 320 × 240 of the video player (without its control bar), the
// whole 340 × 290 of the molecule viewer. Null when there is no such window.
[[nodiscard]] QImage playerPicture(QWidget* browser, Player player);

// Prints `picture` on one page of `printer`: half the page wide, a quarter in from the left, a
// third of the way down the free height, with `title` bold and centred above it.
void printPlayerPicture(QPrinter& printer, const QImage& picture, const QString& title);

}  // namespace vantorel::host
