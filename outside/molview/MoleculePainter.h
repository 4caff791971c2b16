#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>

#include "outside/molview/core/Model.h"
#include "outside/molview/core/Scene.h"

namespace vantorel::molview {

// Draws a scene with QPainter alone, so that it works in any window, offscreen and in a grab of
// the widget. In the 3D look atoms are lit spheres and bonds lit cylinders; the flat look uses
// plain colours with outlines.
class MoleculePainter {
 public:
  // Labels are drawn in `labelFont`.
  void paint(QPainter& painter, const Model& model, const Scene& scene, const QFont& labelFont) const;

 private:
  void sphere(QPainter& p, const SceneItem& item, bool shaded, bool outlined = true) const;
  void stick(QPainter& p, const SceneItem& item, bool shaded) const;
  void line(QPainter& p, const SceneItem& item) const;
  void label(QPainter& p, const SceneItem& item, const QString& text) const;
  [[nodiscard]] const QImage& labelImage(const QString& text, const QFont& font, qreal pixelRatio) const;

  // Each label's letters with their dark rim, drawn once: a model has few different labels and
  // redraws them many times a second while it spins.
  mutable QHash<QString, QImage> labels_;
  mutable QFont labelsFont_;
  mutable qreal labelsRatio_ = 0;
};

// The colour of an item, dimmed by its light.
[[nodiscard]] QColor itemColour(uint32_t rgb, double light);

}  // namespace vantorel::molview
