// Any bytes as a molfile: read, prepared and laid out in every style and size without a crash,
// a hang or a coordinate that is not a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "outside/molview/core/MolfileReader.h"
#include "outside/molview/core/Scene.h"

using namespace vantorel::molview;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const MolfileRead read = readMolfile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.molecule) return 0;
  const Model model(*read.molecule);
  ViewState state;
  state.labels = true;
  for (Style style : {Style::BallsAndSticks, Style::Sticks, Style::Wireframe, Style::SpaceFilling}) {
    state.style = style;
    for (bool threeD : {true, false}) {
      state.threeD = threeD;
      const Scene scene = buildScene(model, state, 340, 290);
      for (const SceneItem& item : scene.items) {
        if (!std::isfinite(item.x1) || !std::isfinite(item.y1) || !std::isfinite(item.x2) || !std::isfinite(item.y2) ||
            !std::isfinite(item.r1) || !std::isfinite(item.r2))
          std::abort();
      }
    }
    state.turn = Matrix3::rotation({0.3, 1, 0.2}, 0.7) * state.turn;
  }
  return 0;
}
