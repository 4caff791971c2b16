#include "tools/vantorel-data/pictures/QtPictureSet.h"

#include <algorithm>

#include "tools/vantorel-data/pictures/AtomAndClips.h"
#include "tools/vantorel-data/pictures/Illustrations.h"
#include "tools/vantorel-data/pictures/MenuPictures.h"
#include "tools/vantorel-data/pictures/Paint.h"

namespace vantorel::data {

bool QtPictureSet::hasIllustration(std::string_view name) const {
  const auto names = illustrationNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

Canvas QtPictureSet::illustration(std::string_view name, int width, int height) const {
  paint::Sheet sheet(width, height, 240, 180);
  if (!paintIllustration(sheet.painter(), name)) return Canvas(0, 0);
  auto& p = sheet.painter();
  p.resetTransform();
  p.setPen(QPen(QColor(90, 90, 110), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
  return sheet.finish();
}

Canvas QtPictureSet::atom(std::string_view symbol, const std::vector<int>& shells) const {
  return paintAtom(symbol, shells);
}

Canvas QtPictureSet::mainMenu() const {
  return paintMainMenu();
}

Canvas QtPictureSet::highlight(int region) const {
  return paintHighlight(region);
}

bool QtPictureSet::hasAnimation(std::string_view name) const {
  const auto& names = clipNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

Canvas QtPictureSet::animationFrame(std::string_view name, int frame, int frames) const {
  return paintClipFrame(name, frame, frames);
}

}  // namespace vantorel::data
