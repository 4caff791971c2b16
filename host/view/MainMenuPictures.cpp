#include "host/view/MainMenuPictures.h"

#include <QFile>
#include <QPainter>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>

#include "host/HostStrings.h"
#include "host/view/core/BmpPicture.h"
#include "host/view/core/MainMenuLayout.h"
#include "platform/files/RegularFile.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host::view {
namespace {

// Larger than any picture the reader accepts (8192 rows of 24576 bytes, and the headers).
constexpr qint64 kLargestPictureFile = 14 + 40 + qint64{8192} * 24576 + 1024;

QImage toImage(const Picture& picture) {
  const QImage bottomUp(picture.bits.data(), picture.width(), picture.height(),
                        static_cast<qsizetype>(picture.rowSize()), QImage::Format_BGR888);
  // The rows are stored bottom first; the copy owns its pixels.
  return bottomUp.mirrored(false, true).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

const std::array<QString, 10>& MainMenuPictures::names() {
  static const std::array<QString, 10> list{u"mainmenu"_qs, u"cm"_qs,      u"struct"_qs,   u"ec"_qs,  u"ca"_qs,
                                            u"source"_qs,   u"history"_qs, u"concepts"_qs, u"pte"_qs, u"da"_qs};
  return list;
}

int MainMenuPictures::load(const QString& dataFolder, QWidget* messageParent) {
  int read = 0;
  for (int i = 0; i < static_cast<int>(names().size()); ++i)
    if (readPicture(dataFolder, i, messageParent)) ++read;
  return read;
}

bool MainMenuPictures::readPicture(const QString& dataFolder, int index, QWidget* messageParent) {
  const QString path = dataFolder + u"images/"_qs + names()[static_cast<size_t>(index)] + u".bmp"_qs;
  const files::FilePtr file = files::openRegularFile(QFile::encodeName(path).toStdString());
  if (!file) return false;
  images_[static_cast<size_t>(index)] = QImage();
  try {
    std::string bytes;
    char chunk[65536];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) {
      bytes.append(chunk, got);
      if (static_cast<qint64>(bytes.size()) > kLargestPictureFile) throw std::length_error("too large");
    }
    const PictureParse parsed = parsePicture(bytes);
    if (!parsed.error.empty()) throw std::length_error(parsed.error);
    images_[static_cast<size_t>(index)] = toImage(parsed.picture);
    return true;
  } catch (const std::bad_alloc&) {
    ui::messageBox(u"Out of memory"_qs, kMessageCaption, ui::Buttons::Ok, ui::Icon::None, messageParent);
  } catch (const std::length_error&) {
    ui::messageBox(u"BMP file error"_qs, kMessageCaption, ui::Buttons::Ok, ui::Icon::None, messageParent);
  }
  return false;
}

const QImage& MainMenuPictures::highlight(int region) const {
  static const QImage none;
  if (region < 0 || region >= kRegionCount) return none;
  return images_[static_cast<size_t>(region) + 1];
}

void MainMenuPictures::draw(QPainter& painter, QPoint origin, int region) const {
  if (!mainMenu().isNull()) painter.drawImage(origin, mainMenu());
  if (region < 0 || region >= kRegionCount) return;
  const QImage& lit = highlight(region);
  if (!lit.isNull()) painter.drawImage(origin + QPoint(kHighlightOffset.x, kHighlightOffset.y), lit);
  const QColor bar(kBarColour[0], kBarColour[1], kBarColour[2]);
  for (const Box& b : highlightBars(region))
    painter.fillRect(QRect(origin.x() + b.left, origin.y() + b.top, b.right - b.left, b.bottom - b.top), bar);
}

}  // namespace vantorel::host::view
