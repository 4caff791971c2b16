#pragma once

#include <QAbstractButton>
#include <QImage>

namespace vantorel::host {

// An owner-drawn push button showing a picture in a light grey raised bevel; pressed, the bevel
// sinks and the picture moves one pixel right and down.
class CPictureButton : public QAbstractButton {
 public:
  CPictureButton(int id, QImage picture, QWidget* parent);

  [[nodiscard]] int id() const { return id_; }
  [[nodiscard]] const QImage& picture() const { return picture_; }

  [[nodiscard]] QSize sizeHint() const override { return size(); }

  // The button's look at `size`, up or held down.
  [[nodiscard]] static QImage render(const QImage& picture, QSize size, bool pressed);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int id_;
  QImage picture_;
};

}  // namespace vantorel::host
