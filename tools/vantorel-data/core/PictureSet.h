#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/vantorel-data/core/Raster.h"

// The pictures a disc needs, as the compiler asks for them. The drawing itself lies outside the
// Qt-free core (it paints with a toolkit and real fonts); the compiler only names what it wants
// and stores the result as BMP files and video frames.
namespace vantorel::data {

class PictureSet {
 public:
  virtual ~PictureSet() = default;

  // Named page illustrations (240 x 180 unless asked otherwise); texts are UTF-8.
  [[nodiscard]] virtual bool hasIllustration(std::string_view name) const = 0;
  [[nodiscard]] virtual Canvas illustration(std::string_view name, int width, int height) const = 0;
  // An atom: its symbol in the nucleus and its electrons per shell, from the inside out.
  [[nodiscard]] virtual Canvas atom(std::string_view symbol, const std::vector<int>& shells) const = 0;
  // The main menu (630 x 330) and the highlight of each of its nine regions (369 x 191).
  [[nodiscard]] virtual Canvas mainMenu() const = 0;
  [[nodiscard]] virtual Canvas highlight(int region) const = 0;
  // The frames of a short video clip.
  [[nodiscard]] virtual bool hasAnimation(std::string_view name) const = 0;
  [[nodiscard]] virtual Canvas animationFrame(std::string_view name, int frame, int frames) const = 0;
};

}  // namespace vantorel::data
