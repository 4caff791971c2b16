#pragma once

#include <QMainWindow>
#include <functional>

namespace vantorel::host {

class CQuillet2App;
class CQuillet2View;

// The main frame: placed where it was last left, never smaller than 640 x 480 (or the screen),
// and saving its placement when it goes.
class CMainFrame : public QMainWindow {
 public:
  explicit CMainFrame(CQuillet2App& app);
  ~CMainFrame() override;

  // The first show: maximised by the screen's size or the saved Size, else at the saved place.
  void showFirstTime();

  // Called when the frame is minimised (the view resets the periodic table then).
  std::function<void()> onMinimised;

  // Records the placement in the application and writes it to the registry: nothing when
  // minimised, Size 2 alone when maximised, else Size 0 with the current rectangle.
  void savePlacement();

  [[nodiscard]] static QString frameTitle();

  // Puts the main view in the frame with the menus and accelerators; minimising the frame then
  // resets the view's periodic table.
  void setView(CQuillet2View* view);
  [[nodiscard]] CQuillet2View* view() const { return view_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void enforceMinimumSize();

  CQuillet2App& app_;
  CQuillet2View* view_ = nullptr;
  bool saved_ = false;
};

}  // namespace vantorel::host
