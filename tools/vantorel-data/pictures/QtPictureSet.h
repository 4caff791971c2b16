#pragma once

#include "tools/vantorel-data/core/PictureSet.h"

// The pictures of the disc painted with Qt's painter and real fonts. Needs a QGuiApplication
// (for the fonts) for as long as pictures are asked for.
namespace vantorel::data {

class QtPictureSet final : public PictureSet {
 public:
  [[nodiscard]] bool hasIllustration(std::string_view name) const override;
  [[nodiscard]] Canvas illustration(std::string_view name, int width, int height) const override;
  [[nodiscard]] Canvas atom(std::string_view symbol, const std::vector<int>& shells) const override;
  [[nodiscard]] Canvas mainMenu() const override;
  [[nodiscard]] Canvas highlight(int region) const override;
  [[nodiscard]] bool hasAnimation(std::string_view name) const override;
  [[nodiscard]] Canvas animationFrame(std::string_view name, int frame, int frames) const override;
};

}  // namespace vantorel::data
