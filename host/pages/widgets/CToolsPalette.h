#pragma once

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "host/pages/widgets/core/PaletteFlight.h"

namespace vantorel::host {

class CPictureButton;

// The tools palette (resource 165): a small floating window of six picture buttons (copy,
// paste, print, back, forward, search). The buttons do nothing themselves: each sends the
// view's menu commands to its owner, so that each acts as from the menu. Neither the window nor
// its buttons take the keyboard focus: copy and paste act on the main window's focused child.
// Closing it sends a shrinking navy bar flying to the palette's strip button at the top right of
// the view; opening it again sends the bar the other way first.
class CToolsPalette : public QWidget {
 public:
  static constexpr int kResourceId = 165;
  static constexpr int kWidth = 144;
  static constexpr int kClientHeight = 28;
  static constexpr int kButtonWidth = 23;
  static constexpr int kButtonHeight = 22;

  // `view` is the main view (the owner and where the strip button lies); `send` runs one of its
  // menu commands.
  CToolsPalette(QWidget* view, std::function<void(int)> send);
  ~CToolsPalette() override;

  // Strip button 10 and command 32790: hides the palette when it shows, else shows it (the
  // first time at the view's top right, later where it was last).
  void toggle();
  [[nodiscard]] bool shown() const { return isVisible() || opening_; }

  [[nodiscard]] CPictureButton* button(int id) const;

  // Whether the flights play: not where the platform cannot place windows (offscreen, Wayland)
  // unless forced (tests).
  [[nodiscard]] static bool flightsPlay();
  static void forceFlights(std::optional<bool> play) { forcedFlights_ = play; }
  // The bar's rectangles of the last flight that played (screen coordinates), and whether one is
  // in the air now.
  [[nodiscard]] const std::vector<pages::FlightRect>& lastFlight() const { return lastFlight_; }
  [[nodiscard]] bool flying() const { return flightTimer_.isActive(); }
  [[nodiscard]] QWidget* flightBar() const { return bar_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void press(int id);
  void closePalette();
  void openPalette();
  void fly(const pages::FlightRect& from, const pages::FlightRect& to, const QRect& keepClear,
           std::function<void()> landed);
  void flightStep();
  [[nodiscard]] pages::FlightRect stripBox() const;

  QPointer<QWidget> view_;
  std::function<void(int)> send_;
  std::vector<CPictureButton*> buttons_;
  bool placed_ = false;
  bool opening_ = false;
  QRect lastGeometry_;
  QWidget* bar_ = nullptr;
  QTimer flightTimer_;
  std::vector<pages::FlightRect> flight_;
  std::vector<pages::FlightRect> lastFlight_;
  size_t flightStep_ = 0;
  QRect keepClear_;
  std::function<void()> landed_;
  static inline std::optional<bool> forcedFlights_;
};

}  // namespace vantorel::host
