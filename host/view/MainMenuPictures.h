#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <array>

class QPainter;
class QWidget;

namespace vantorel::host::view {

// The main menu picture and the nine highlight pictures, read once from the data folder's
// "images" folder. A missing picture is skipped without a word and simply not drawn; a damaged
// one is reported ("BMP file error") and not drawn.
class MainMenuPictures {
 public:
  // The file names, without folder and ".bmp": "mainmenu", then the highlight of each region.
  static const std::array<QString, 10>& names();

  // Reads every picture; returns how many were read.
  int load(const QString& dataFolder, QWidget* messageParent = nullptr);
  // Reads one picture into slot `index` of names(); a new reading replaces the old one.
  bool readPicture(const QString& dataFolder, int index, QWidget* messageParent = nullptr);

  [[nodiscard]] const QImage& mainMenu() const { return images_[0]; }
  [[nodiscard]] const QImage& highlight(int region) const;

  // The plain picture at `origin`, and over it the highlight of `region` (0..8) with its bars.
  void draw(QPainter& painter, QPoint origin, int region) const;

 private:
  std::array<QImage, 10> images_;
};

}  // namespace vantorel::host::view
