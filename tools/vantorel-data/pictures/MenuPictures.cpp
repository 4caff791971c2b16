#include "tools/vantorel-data/pictures/MenuPictures.h"

#include <QFontMetricsF>

#include "tools/vantorel-data/core/MenuLayout.h"
#include "tools/vantorel-data/pictures/Illustrations.h"
#include "tools/vantorel-data/pictures/Paint.h"

namespace vantorel::data {
namespace {

using namespace paint;

struct RegionLook {
  const char* title;
  QColor colour;
  const char* illustration;
  const char* blurb;
};

const RegionLook kLooks[9] = {
    {"Αλλαγή των υλικών", {200, 90, 40}, "flame", "Καύση, οξείδωση, οξέα και βάσεις, ταχύτητα των αντιδράσεων."},
    {"Δομές", {60, 150, 90}, "lattice", "Άτομα, χημικοί δεσμοί, μόρια και κρύσταλλοι."},
    {"Στοιχεία και ενώσεις", {170, 60, 150}, "methane", "Όλα τα στοιχεία του περιοδικού πίνακα και οι ενώσεις τους."},
    {"Η χημεία στην πράξη", {60, 110, 190}, "factory", "Βιομηχανία, τρόφιμα, φάρμακα και υλικά."},
    {"Πηγές", {150, 110, 50}, "mine", "Ο αέρας, η θάλασσα, τα ορυκτά και το πετρέλαιο."},
    {"Ιστορία", {130, 90, 60}, "scroll", "Από τον Δημόκριτο ως τη σύγχρονη χημεία."},
    {"Έννοιες", {40, 140, 160}, "balance", "Μάζα, mol, ενέργεια και χημική ισορροπία."},
    {"Περιοδικός πίνακας", {200, 150, 40}, "periodic", "Τα 118 στοιχεία σε τέσσερις απόψεις."},
    {"Αναλυτής δεδομένων", {90, 90, 170}, "graph", "Πίνακες δεδομένων, φίλτρα και γραφήματα."},
};

void drawRegion(QPainter& p, int region) {
  const auto& r = menuRegions()[region];
  const auto& look = kLooks[region];
  const QRectF tile(r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1);
  verticalGradient(p, tile, look.colour.lighter(140), look.colour.darker(140));
  p.setPen(QPen(look.colour.lighter(170), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(tile.adjusted(0.5, 0.5, -0.5, -0.5));
  p.save();
  const QRectF inner = tile.adjusted(3, 3, -3, -3);
  const double scale = std::min(inner.width() / 240, inner.height() / 180);
  p.translate(inner.center().x() - 120 * scale, inner.center().y() - 90 * scale);
  p.scale(scale, scale);
  p.setClipRect(QRectF(0, 0, 240, 180));
  paintIllustration(p, look.illustration, false);
  p.restore();
  // One line under each tile (above none: the top row has room below too), narrow enough to
  // stay clear of the middle panel.
  caption(p, QPointF(tile.center().x(), r.bottom + 11), QString::fromUtf8(look.title), 10.5, QColor(232, 236, 246),
          true);
}

}  // namespace

Canvas paintMainMenu() {
  Sheet sheet(kMenuWidth, kMenuHeight, kMenuWidth, kMenuHeight);
  auto& p = sheet.painter();
  verticalGradient(p, QRectF(0, 0, kMenuWidth, kMenuHeight), QColor(22, 38, 72), QColor(8, 14, 34));
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 40; ++i) {
    p.setBrush(QColor(200, 210, 255, 150));
    p.drawEllipse(QPointF((i * 97) % kMenuWidth, (i * 53) % kMenuHeight), 0.8, 0.8);
  }
  for (int region = 0; region < 9; ++region) drawRegion(p, region);
  const QRectF panel(kHighlightX, kHighlightY, kHighlightWidth, kHighlightHeight);
  verticalGradient(p, panel, QColor(240, 244, 250), QColor(200, 212, 232));
  p.setPen(QPen(QColor(120, 140, 170), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(panel.adjusted(-1, -1, 1, 1));
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 18; ++col) {
      if ((row == 0 && col > 0 && col < 17) || ((row == 1 || row == 2) && col > 1 && col < 12)) continue;
      p.fillRect(QRectF(kHighlightX + 40 + col * 16, kHighlightY + 70 + row * 14, 15, 13), QColor(206, 216, 234));
    }
  caption(p, QPointF(panel.center().x(), kHighlightY + 34), QStringLiteral("Vantorel"), 40, QColor(58, 122, 160), true);
  caption(p, QPointF(panel.center().x(), kHighlightY + 72), QStringLiteral("Εγκυκλοπαίδεια χημείας για το σχολείο"), 16,
          QColor(30, 34, 48), true);
  caption(p, QPointF(panel.center().x(), kHighlightY + 172), QStringLiteral("Επιλέξτε μια ενότητα"), 12,
          QColor(80, 90, 110));
  return sheet.finish();
}

Canvas paintHighlight(int region) {
  Sheet sheet(kHighlightWidth, kHighlightHeight, kHighlightWidth, kHighlightHeight);
  if (region < 0 || region > 8) return sheet.finish();
  auto& p = sheet.painter();
  const auto& look = kLooks[region];
  verticalGradient(p, QRectF(0, 0, kHighlightWidth, kHighlightHeight), look.colour.lighter(185),
                   look.colour.lighter(140));
  p.fillRect(QRectF(0, 0, kHighlightWidth, 34), look.colour);
  caption(p, QPointF(kHighlightWidth / 2.0, 17), QString::fromUtf8(look.title), 19, Qt::white, true);
  p.save();
  p.translate(176, 44);
  p.scale(180.0 / 240, 135.0 / 180);
  paintIllustration(p, look.illustration, false);
  p.restore();
  p.setPen(QPen(look.colour.darker(150), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(176, 44, 180, 135));
  p.setFont(font(13));
  p.setPen(QColor(30, 34, 48));
  p.drawText(QRectF(10, 48, 156, 100), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(look.blurb));
  p.setFont(font(12, true));
  p.setPen(look.colour.darker(160));
  p.drawText(QRectF(10, 158, 160, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Κάντε κλικ για είσοδο"));
  return sheet.finish();
}

}  // namespace vantorel::data
