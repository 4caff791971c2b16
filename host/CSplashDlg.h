#pragma once

#include <QImage>
#include <QWidget>

namespace vantorel::host {

// The title picture shown, without a caption, while the program starts.
class CSplashDlg : public QWidget {
 public:
  explicit CSplashDlg(QWidget* parent);
  // Centres the 644 x 484 window on a screen of the given size, shows it and paints it at once.
  void showCentred(const QSize& screen);

  // Bitmap 207: the 640 x 480 title picture.
  [[nodiscard]] static QImage titlePicture();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace vantorel::host
