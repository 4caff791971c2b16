#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QString>
#include <QTimer>

#include "outside/molview/MoleculePainter.h"
#include "outside/molview/core/Model.h"
#include "outside/molview/core/ViewState.h"
#include "platform/com/Control.h"

namespace vantorel::molview {

inline constexpr char16_t kVersion[] = u"1.0.001";
inline constexpr int kSpinIntervalMs = 40;

// The molecule viewer that molecule pages embed: shows one molfile as a model that the user
// turns by dragging, that spins if the page asks, and that the molecule controller beside it
// switches between styles, flat and 3D looks and labels with command messages.
class CMoleculeViewerCtrl : public com::Control {
 public:
  CMoleculeViewerCtrl();
  ~CMoleculeViewerCtrl() override;

  // Dispatch member 2: shows the molfile at `path` with the page's attributes (one NAME=value a
  // line). False, with a message in the window, when the file cannot be read as a molecule.
  bool Load(const QString& path, const QString& attributes);

  [[nodiscard]] const ViewState& viewState() const { return state_; }
  [[nodiscard]] const Model& model() const { return model_; }
  // The message shown instead of a molecule; empty while a molecule shows.
  [[nodiscard]] const QString& message() const { return message_; }
  [[nodiscard]] bool spinning() const { return spinTimer_.isActive(); }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void fail(const QString& text, const QString& detail);
  void spinStep();
  void updateSpinTimer();
  void paintMessage(QPainter& painter);
  [[nodiscard]] QFont labelFont() const;

  Model model_;
  ViewState state_;
  QString message_;
  QString messageDetail_;
  QTimer spinTimer_;
  QElapsedTimer spinClock_;
  bool dragging_ = false;
  QPoint lastDrag_;
  MoleculePainter painter_;
};

}  // namespace vantorel::molview
