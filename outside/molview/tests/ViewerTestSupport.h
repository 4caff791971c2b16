#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

// Helpers of the viewer's window tests: what a picture shows, and a registry of their own.
namespace vantorel::molview::testing {

// Pixels that differ from `background` by more than a shade.
inline int inkPixels(const QImage& image, QColor background = Qt::black) {
  int n = 0;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = row[x];
      if (std::abs(qRed(c) - background.red()) + std::abs(qGreen(c) - background.green()) +
              std::abs(qBlue(c) - background.blue()) >
          24)
        ++n;
    }
  }
  return n;
}

// Pixels that differ between two pictures of the same size.
inline int changedPixels(const QImage& a, const QImage& b) {
  int n = 0;
  const QImage ra = a.convertToFormat(QImage::Format_RGB32), rb = b.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < std::min(ra.height(), rb.height()); ++y) {
    for (int x = 0; x < std::min(ra.width(), rb.width()); ++x) n += ra.pixel(x, y) != rb.pixel(x, y);
  }
  return n;
}

// The picture as a widget grab gives it, as the host's copy and print take it.
inline QImage picture(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// With VANTOREL_GRAB_DIR set, keeps the picture there, for a person to look at.
inline void keepForLooking(const QImage& image, const QString& name) {
  const QString dir = qEnvironmentVariable("VANTOREL_GRAB_DIR");
  if (!dir.isEmpty()) image.save(dir + u'/' + name + u".png"_qs);
}

}  // namespace vantorel::molview::testing
