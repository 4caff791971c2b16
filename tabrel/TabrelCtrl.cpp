#include "tabrel/TabrelCtrl.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "platform/codepage/Cp1253Qt.h"
#include "platform/messages/WindowMessages.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/StringTable.h"
#include "tabrel/Bitmaps.h"
#include "tabrel/PropertyList.h"

namespace vantorel::tabrel {
namespace {

using com::Variant;

constexpr int kSurfaceWidth = 640;
constexpr int kSurfaceHeight = 450;
constexpr int kCell = 27;
constexpr QColor kWindowGrey(128, 128, 128);
constexpr QColor kNumberColour(49, 60, 84);
constexpr QColor kLegendText(230, 230, 230);
constexpr QColor kTickColour(77, 77, 77);

constexpr QColor kCategoryColours[kCategoryCount] = {{0, 190, 190},   {172, 125, 208}, {85, 103, 144},
                                                     {84, 102, 191},  {64, 147, 144},  {229, 213, 138},
                                                     {147, 183, 219}, {68, 134, 196},  {127, 137, 218}};
constexpr QColor kStateColours[4] = {{85, 103, 144}, {110, 145, 209}, {158, 195, 250}, {223, 213, 162}};
// By DiscoveryClass: no date, known, not yet known.
constexpr QColor kDiscoveryColours[3] = {{78, 215, 165}, {74, 171, 168}, {56, 129, 126}};

struct Tab {
  int left, right, normal, selected;
};
constexpr Tab kTabs[4] = {{317, 385, 207, 208}, {395, 468, 209, 210}, {478, 546, 213, 214}, {556, 624, 211, 212}};

constexpr int kYearTicks[] = {2000, 1980, 1940, 1860, 1700, 1380, 740, -540, -3100, -8000};

QColor toColor(const Rgb& c) {
  return QColor(c.red, c.green, c.blue);
}

// Corner to corner, the far corner outside, as the platform's rectangles are given.
QRect span(int x1, int y1, int x2, int y2) {
  return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

void legendPanel(QPainter& p, const QRect& r) {
  p.fillRect(r, QColor(107, 107, 107));
  p.setPen(QColor(77, 77, 77));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(217, 217, 217));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

// `font`, made smaller when needed so that `text` fits `width`: a title must keep clear of the
// field beside it.
QFont fitted(QFont font, const QString& text, int width) {
  while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > width)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}

// The least gap, in pixels, between a title and its field, and between a label and its value.
constexpr int kGap = 4;

void swatch(QPainter& p, int x, int y, const QColor& colour) {
  p.drawPixmap(x, y, tabrelBitmap(217));
  p.fillRect(QRect(x + 3, y + 3, 17, 14), colour);
}

}  // namespace

CTabrelCtrl::CTabrelCtrl() {
  dispatch().property(1, "Version", Variant::Type::String,
                      [] { return Variant::fromString(QString::fromUtf16(kVersion)); });
  dispatch().method(2, "LoadData", {Variant::Type::String}, Variant::Type::Bool,
                    [this](const std::vector<Variant>& a) { return Variant::fromBool(LoadData(a[0].toString())); });
  dispatch().method(3, "Initialise", {}, Variant::Type::Empty, [this](const std::vector<Variant>&) {
    Initialise();
    return Variant();
  });
  dispatch().method(4, "GetMode", {}, Variant::Type::Long,
                    [this](const std::vector<Variant>&) { return Variant::fromLong(GetMode()); });
  dispatch().method(5, "GetExtra", {}, Variant::Type::Long,
                    [this](const std::vector<Variant>&) { return Variant::fromLong(GetExtra()); });
  dispatch().method(6, "SetState", {Variant::Type::Long, Variant::Type::Long}, Variant::Type::Empty,
                    [this](const std::vector<Variant>& a) {
                      SetState(a[0].toLong(), a[1].toLong());
                      return Variant();
                    });
  declareEvent(kElementDetailEvent, "ElementDetail", {Variant::Type::Short});

  const QString face = u"Arial Greek"_qs;
  symbolFont_ = ui::fontByFace(face, 13, true);
  legendFont_ = ui::fontByFace(face, 10, true);
  numberFont_ = ui::fontByFace(face, 11, true);
  detailFont_ = ui::fontByFace(face, 11, false);
  titleFont_ = ui::fontByFace(face, 15, true);
  scaleFont_ = ui::fontByFace(face, 12, true);
  categoryTitleFont_ = ui::fontByFace(face, 12, false);

  auto cp = [this](int id) { return codepage::fromQString(text(id)); };
  labels_ = DetailLabels{cp(102), cp(101), cp(103), cp(118), cp(119)};

  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hoverTimer_.setInterval(100);
  QObject::connect(&hoverTimer_, &QTimer::timeout, this, [this] { onHoverTimer(); });
}

CTabrelCtrl::~CTabrelCtrl() = default;

QString CTabrelCtrl::text(int id) const {
  return ui::resourceString(u"tabrel"_qs, id);
}

void CTabrelCtrl::onCreate() {
  edit_ = new QLineEdit(this);
  messages::setChildId(edit_, kEditBoxId);
  edit_->setFixedSize(36, 16);
  edit_->setFrame(false);
  // The box keeps 2 pixels clear on each side by itself; margins of ours would add to them and
  // leave "-8000" too little room.
  edit_->setTextMargins(0, 0, 0, 0);
  edit_->setFont(scaleFont_);
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::Text, Qt::white);
  edit_->setPalette(palette);
  edit_->hide();
  QObject::connect(edit_, &QLineEdit::textChanged, this, [this](const QString& t) { onEditChanged(t); });

  list_ = new PropertyList(this);
  messages::setChildId(list_, kPropertyListId);
  for (int i = 0; i < kPropertyCount; ++i) list_->addCaption(text(kFirstPropertyCaption + i));
  list_->setCurrentIndex(0);
  list_->hide();
  QObject::connect(list_, &QComboBox::currentIndexChanged, this, [this](int index) { onPropertySelected(index); });
  QObject::connect(list_, &PropertyList::droppedDown, this, [this] {
    hideDetail();
    hoverEnabled_ = false;
  });
  // The closing list uncovers the table, which then paints anew and follows the pointer again.
  QObject::connect(list_, &PropertyList::closedUp, this, [this] { invalidateAll(); });
}

bool CTabrelCtrl::LoadData(const QString& dataPath) {
  if (!LoadElementData(QFile::encodeName(dataPath).toStdString(), table_)) return false;
  ranking_ = rankByProperty(table_, property_);
  hideDetail();
  hovered_ = -1;
  paintEnabled_ = true;
  invalidateAll();
  return true;
}

void CTabrelCtrl::Initialise() {
  hoverEnabled_ = false;
  // The box goes without being drawn back; the next complete paint covers it.
  box_.reset();
  hoverTimer_.stop();
  hovered_ = -1;
  fullPaintPending_ = true;
}

int CTabrelCtrl::GetExtra() const {
  switch (mode_) {
    case 1: return temperature_;
    case 2: return year_;
    case 3: return property_;
    default: return 0;
  }
}

void CTabrelCtrl::SetState(int mode, int extra) {
  mode_ = mode;
  if (mode == 1) temperature_ = extra;
  if (mode == 2) year_ = extra;
  if (mode == 3) property_ = extra;
  // No repaint here: the host repaints, and that paint must be a complete one.
  fullPaintPending_ = true;
}

int CTabrelCtrl::tableMode() const {
  return mode_ >= 1 && mode_ <= 3 ? mode_ : 0;
}

void CTabrelCtrl::invalidateAll() {
  fullPaintPending_ = true;
  update();
}

void CTabrelCtrl::flushPartial(const QRegion& designRegion) {
  update(designRegion.translated(origin_));
}

QRect CTabrelCtrl::cellRect(int record) const {
  const int x = 130 + kCell * table_.column(record) + (record == 0 ? 13 : 0);
  return QRect(x, 90 + kCell * table_.row(record), 28, 28);
}

void CTabrelCtrl::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (!paintEnabled_) {
    p.fillRect(event->rect(), kWindowGrey);
    return;
  }
  // Anything else (an uncovered area, the cells of a temperature step, the detail box) is
  // already right in the backing image.
  if (fullPaintPending_ || surface_.size() != size()) completePaint();
  for (const QRect& r : event->region()) p.drawImage(r, surface_, r);
  if (box_) drawDetailBox(p);
}

void CTabrelCtrl::completePaint() {
  fullPaintPending_ = false;
  if (surface_.size() != size()) surface_ = QImage(size(), QImage::Format_RGB32);
  QPainter p(&surface_);
  p.fillRect(surface_.rect(), kWindowGrey);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(surface_.rect(), tabrelBitmap(221), QRect(0, 0, 16, 14));
  p.translate(origin_);

  const int mode = tableMode();
  for (int m = 0; m < 4; ++m)
    p.drawPixmap(kTabs[m].left, 11, tabrelBitmap(m == mode ? kTabs[m].selected : kTabs[m].normal));
  for (int m = 0; m < 3; ++m) p.fillRect(QRect(kTabs[m].right, 19, kTabs[m + 1].left - kTabs[m].right, 1), Qt::black);
  if (list_) list_->update();

  p.setFont(scaleFont_);
  p.setPen(kNumberColour);
  static const char* kGroups[kGridColumns] = {"1", "2", "", "",  "",  "",  "",  "",  "",
                                              "",  "",  "", "3", "4", "5", "6", "7", "0"};
  for (int c = 0; c < kGridColumns; ++c)
    p.drawText(QRect(130 + kCell * c, 70, kCell, 20), Qt::AlignCenter, QString::fromLatin1(kGroups[c]));
  for (int r = 0; r < 7; ++r)
    p.drawText(QRect(104, 90 + kCell * r, 26, kCell), Qt::AlignCenter, QString::number(r + 1));
  drawPanel(p);
  drawOutline(p);

  syncChildWindows();
  if (mode == 2) previousYear_ = -9999;
  if (mode == 3) ranking_ = rankByProperty(table_, property_);
  previousTemperature_ = -1;
  paintCells(p);
  previousTemperature_ = temperature_;
  if (mode == 2) previousYear_ = year_;
  hoverEnabled_ = true;
}

void CTabrelCtrl::drawPanel(QPainter& p) {
  auto caption = [&](const QRect& r, int id, int flags = Qt::AlignLeft | Qt::AlignVCenter) {
    p.setPen(kLegendText);
    p.drawText(r, flags, text(id));
  };
  switch (tableMode()) {
    case 0: {
      const QRect bar = span(10, 10, 226, 29);
      p.fillRect(bar, Qt::black);
      p.setPen(QColor(60, 60, 60));
      p.drawLine(bar.topLeft(), bar.topRight());
      p.drawLine(bar.topLeft(), bar.bottomLeft());
      p.setPen(QColor(217, 217, 217));
      p.drawLine(bar.bottomLeft(), bar.bottomRight());
      p.drawLine(bar.topRight(), bar.bottomRight());
      p.setFont(categoryTitleFont_);
      p.setPen(Qt::white);
      p.drawText(bar, Qt::AlignCenter, text(200));
      legendPanel(p, span(5, 78, 108, 360));
      p.setFont(legendFont_);
      for (int i = 0; i < kCategoryCount; ++i) {
        p.drawPixmap(10, 89 + 30 * i, tabrelBitmap(217));
        p.fillRect(QRect(9, 92 + 30 * i, 21, 14), kCategoryColours[i]);
        if (i == 2)
          caption(QRect(35, 85 + 30 * i, 90, 30), 210 + i, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
        else
          caption(QRect(35, 89 + 30 * i, 90, 22), 210 + i);
      }
      break;
    }
    case 1: {
      p.setFont(fitted(titleFont_, text(201), 135 - kGap - 8));
      caption(QRect(8, 12, 135 - 8, 20), 201, Qt::AlignLeft | Qt::AlignTop);
      p.setFont(titleFont_);
      p.fillRect(span(135, 12, 201, 31), Qt::black);
      p.drawText(QRect(205, 12, 30, 20), Qt::AlignLeft | Qt::AlignTop, u"C"_qs);
      legendPanel(p, span(13, 290, 113, 368));
      p.setFont(legendFont_);
      for (int k = 0; k < 4; ++k) {
        swatch(p, 16, 291 + 19 * k, kStateColours[k]);
        caption(QRect(50, 291 + 19 * k, 60, 20), 230 + k);
      }
      p.drawPixmap(39, 36, tabrelBitmap(220));
      for (int y = 92; y <= 192; y += 20) p.drawPixmap(39, y, tabrelBitmap(219));
      p.drawPixmap(39, 209, tabrelBitmap(219));
      p.drawPixmap(28, 229, tabrelBitmap(218));
      drawMercury(p);
      p.setFont(numberFont_);
      for (int i = 0; i <= 12; ++i) {
        const int y = i == 12 ? 230 : 57 + 15 * i;
        p.fillRect(QRect(39, y, 8, 1), kTickColour);
        if (i % 2 == 1 && i < 12) {
          p.setPen(Qt::black);
          p.drawText(QRect(0, y - 8, 36, 17), Qt::AlignRight | Qt::AlignVCenter, QString::number(5000 - (i - 1) * 500));
        }
      }
      break;
    }
    case 2: {
      p.setFont(fitted(titleFont_, text(202), 217 - kGap - 15));
      caption(QRect(15, 8, 217 - 15, 20), 202, Qt::AlignLeft | Qt::AlignTop);
      p.fillRect(span(217, 7, 276, 26), Qt::black);
      legendPanel(p, span(13, 301, 131, 349));
      p.setFont(legendFont_);
      swatch(p, 16, 302, kDiscoveryColours[1]);
      caption(QRect(50, 302, 80, 20), 240);
      swatch(p, 16, 324, kDiscoveryColours[2]);
      caption(QRect(50, 324, 80, 20), 241);
      const QPixmap& cap = tabrelBitmap(225);
      p.drawPixmap(40, 242, cap);
      p.drawPixmap(40, 56, cap.transformed(QTransform().scale(1, -1)));
      for (int y = 83; y <= 198; y += 23) p.drawPixmap(42, y, tabrelBitmap(224));
      p.drawPixmap(42, 219, tabrelBitmap(224));
      drawYearBar(p);
      p.setFont(scaleFont_);
      for (int year : kYearTicks) {
        const int y = yearScaleY(year);
        if (year == 2000 || year == -8000) {
          p.fillRect(QRect(42, y, 24, 2), Qt::black);
        } else {
          p.fillRect(QRect(47, y, 3, 2), Qt::black);
          p.fillRect(QRect(58, y, 3, 2), Qt::black);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(0, y - 8, 36, 18), Qt::AlignRight | Qt::AlignVCenter, QString::number(year));
      }
      break;
    }
    case 3: {
      p.setFont(fitted(legendFont_, text(205), 100));
      p.setPen(Qt::white);
      p.drawText(span(12, 3, 112, 23), Qt::AlignLeft | Qt::AlignTop, text(205));
      legendPanel(p, span(10, 86, 84, 374));
      p.setFont(legendFont_);
      for (int i = 0; i < 8; ++i) swatch(p, 15, 123 + 23 * i, toColor(shadeColour((7 - i) / 7.0)));
      swatch(p, 15, 330, toColor(kUnknownShade));
      caption(span(15, 106, 115, 126), 203);
      caption(span(15, 310, 115, 330), 204);
      caption(span(15, 350, 115, 370), 233);
      break;
    }
  }
}

void CTabrelCtrl::drawOutline(QPainter& p) {
  QRegion cells;
  QRegion around;
  for (int i = 0; i < table_.recordCount(); ++i) {
    if (table_.recordAt(table_.column(i), table_.row(i)) != i) continue;
    const QRect r = cellRect(i);
    cells += r;
    around += r.adjusted(-4, -4, 4, 4);
  }
  const QRegion ring = around - cells;
  if (ring.isEmpty()) return;
  p.save();
  p.setClipRegion(ring);
  const QPixmap& vertical = tabrelBitmap(215);
  const QPixmap& horizontal = tabrelBitmap(216);
  const QPixmap& corner = tabrelBitmap(228);
  for (const QRect& r : around) {
    p.drawTiledPixmap(QRect(r.left(), r.top(), r.width(), 4), horizontal);
    p.drawTiledPixmap(QRect(r.left(), r.bottom() - 3, r.width(), 4), horizontal);
    p.drawTiledPixmap(QRect(r.left(), r.top(), 4, r.height()), vertical);
    p.drawTiledPixmap(QRect(r.right() - 3, r.top(), 4, r.height()), vertical);
  }
  for (const QRect& r : around) {
    p.drawPixmap(r.left(), r.top(), corner);
    p.drawPixmap(r.right() - 3, r.top(), corner);
    p.drawPixmap(r.left(), r.bottom() - 3, corner);
    p.drawPixmap(r.right() - 3, r.bottom() - 3, corner);
  }
  p.restore();
}

void CTabrelCtrl::drawMercury(QPainter& p) {
  p.drawPixmap(QRect(54, 42, 5, 190), tabrelBitmap(222));
  const int h = mercuryHeight(temperature_);
  if (h > 0) p.drawPixmap(QRect(54, 230 - h, 5, h), tabrelBitmap(223));
}

void CTabrelCtrl::drawYearBar(QPainter& p) {
  const int top = std::min(std::max(yearScaleY(year_), 71), 248);
  if (year_ < 2000 && top > 71) p.drawPixmap(QRect(50, 71, 8, top - 71), tabrelBitmap(221), QRect(0, 0, 16, 14));
  if (top < 248) p.drawPixmap(QRect(50, top, 8, 248 - top), tabrelBitmap(226));
}

QRegion CTabrelCtrl::paintCells(QPainter& p) {
  QRegion changed;
  int count = 0;
  const int mode = tableMode();
  for (int i = 0; i < table_.recordCount(); ++i) {
    // A record that lost its cell to a later one, or stands off the grid, is not drawn.
    if (table_.recordAt(table_.column(i), table_.row(i)) != i) continue;
    QColor colour;
    switch (mode) {
      case 1: {
        const PhysicalState now = stateAt(table_, i, temperature_);
        if (previousTemperature_ >= 0 && stateAt(table_, i, previousTemperature_) == now) continue;
        colour = kStateColours[static_cast<int>(now)];
        break;
      }
      case 2: {
        const DiscoveryClass now = discoveryClass(table_, i, year_);
        if (previousYear_ != -9999 && discoveryClass(table_, i, previousYear_) == now) continue;
        colour = kDiscoveryColours[static_cast<int>(now)];
        break;
      }
      case 3: colour = toColor(recordShade(ranking_, i)); break;
      default: colour = kCategoryColours[table_.category(i)]; break;
    }
    const QRect r = cellRect(i);
    p.fillRect(r, colour);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect inner = r.adjusted(2, 0, 0, -2);
    p.setFont(symbolFont_);
    p.drawText(inner, Qt::AlignLeft | Qt::AlignBottom, codepage::toQString(table_.symbol(i)));
    p.setFont(numberFont_);
    p.drawText(inner.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(i + 1));
    changed += r;
    ++count;
  }
  cellsPainted_ = count;
  return changed;
}

void CTabrelCtrl::syncChildWindows() {
  if (!edit_ || !list_) return;
  settingChildren_ = true;
  const int mode = tableMode();
  if (mode == 1 || mode == 2) {
    edit_->move(origin_ + (mode == 1 ? QPoint(152, 14) : QPoint(230, 9)));
    edit_->setMaxLength(mode == 1 ? 4 : 5);
    // A value set by the host beyond what the user may choose is shown at the limit, where the
    // thermometer and the year scale show it too; the box never cuts a number short.
    const int shown =
        mode == 1 ? std::clamp(temperature_, kMinTemperature, kMaxTemperature) : std::clamp(year_, kMinYear, kMaxYear);
    const QString value = QString::number(shown);
    if (edit_->text() != value) edit_->setText(value);
    if (!edit_->isVisible()) edit_->show();
  } else if (edit_->isVisible()) {
    edit_->hide();
  }
  if (mode == 3) {
    list_->move(origin_ + QPoint(9, 18));
    list_->setCurrentIndex(property_ >= 0 && property_ < kPropertyCount ? property_ : -1);
    if (!list_->isVisible()) list_->show();
  } else if (list_->isVisible()) {
    list_->hide();
  }
  settingChildren_ = false;
}

void CTabrelCtrl::changeTemperature(int temperature) {
  temperature_ = temperature;
  if (fullPaintPending_ || surface_.size() != size() || tableMode() != 1) return invalidateAll();
  QPainter p(&surface_);
  p.translate(origin_);
  QRegion region(QRect(54, 42, 5, 190));
  drawMercury(p);
  region += paintCells(p);
  previousTemperature_ = temperature_;
  flushPartial(region);
}

void CTabrelCtrl::changeYear(int year) {
  year_ = year;
  if (fullPaintPending_ || surface_.size() != size() || tableMode() != 2) return invalidateAll();
  QPainter p(&surface_);
  p.translate(origin_);
  QRegion region(QRect(50, 71, 8, 248 - 71));
  drawYearBar(p);
  region += paintCells(p);
  previousYear_ = year_;
  flushPartial(region);
}

void CTabrelCtrl::onEditChanged(const QString& value) {
  if (settingChildren_) return;
  const int mode = tableMode();
  if (mode != 1 && mode != 2) return;
  const std::string typed = value.toStdString();
  const EditCorrection c =
      mode == 1 ? correctEditText(typed, kMinTemperature, kMaxTemperature) : correctEditText(typed, kMinYear, kMaxYear);
  if (c.text != typed) {
    edit_->setText(QString::fromStdString(c.text));  // notifies again with the corrected text
    // The "0" that stands in an emptied box is selected, so that the next key typed replaces it.
    if (std::none_of(typed.begin(), typed.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) edit_->selectAll();
    return;
  }
  if (mode == 1 && c.value != temperature_) changeTemperature(c.value);
  if (mode == 2 && c.value != year_) changeYear(c.value);
}

void CTabrelCtrl::onPropertySelected(int index) {
  if (settingChildren_ || index < 0) return;
  hideDetail();
  hovered_ = -1;
  property_ = index;
  ranking_ = rankByProperty(table_, property_);
  invalidateAll();
}

void CTabrelCtrl::resizeEvent(QResizeEvent* event) {
  Control::resizeEvent(event);
  origin_ = QPoint(std::max(0, (width() - kSurfaceWidth) / 2), std::max(0, (height() - kSurfaceHeight) / 2));
  hoverEnabled_ = false;
  box_.reset();
  hoverTimer_.stop();
  hovered_ = -1;
  fullPaintPending_ = true;
  if (edit_) edit_->move(origin_ + (tableMode() == 1 ? QPoint(152, 14) : QPoint(230, 9)));
  if (list_) list_->move(origin_ + QPoint(9, 18));
}

void CTabrelCtrl::mousePressEvent(QMouseEvent* event) {
  if (!paintEnabled_ || event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint() - origin_;
  const int x = at.x();
  const int y = at.y();
  if (y >= 11 && y <= 26) {
    for (int m = 0; m < 4; ++m) {
      if (x < kTabs[m].left || x > kTabs[m].right || m == mode_) continue;
      mode_ = m;
      if (edit_) edit_->hide();
      if (list_) list_->hide();
      hideDetail();
      hovered_ = -1;
      invalidateAll();
      return;
    }
  }
  const int mode = tableMode();
  if (mode == 1 && x >= 47 && x <= 64 && y >= 30 && y <= 270) {
    changeTemperature(thermometerTemperature(y));
    if (edit_) edit_->setText(QString::number(temperature_));
  }
  if (mode == 2 && x >= 44 && x <= 64 && y >= 60 && y <= 264) {
    changeYear(yearFromScaleY(y));
    if (edit_) edit_->setText(QString::number(year_));
  }
  if (hovered_ >= 0) fireEvent(kElementDetailEvent, {Variant::fromShort(static_cast<int16_t>(hovered_ + 1))});
}

void CTabrelCtrl::mouseMoveEvent(QMouseEvent* event) {
  if (!hoverEnabled_) return;
  const QPoint at = event->position().toPoint() - origin_;
  int dx = at.x() - 130;
  const int dy = at.y() - 90;
  // Hydrogen stands 13 pixels right of its column.
  if (dy >= 0 && dy < kCell && dx < 270) dx -= 13;
  int target = -1;
  if (dx >= 0 && dy >= 0) {
    const int column = dx / kCell;
    const int row = dy / kCell;
    if (column < kGridColumns && row < kGridRows) {
      const uint8_t record = table_.recordAt(column, row);
      if (record != kNoElement) target = record;
    }
  }
  if (target == hovered_) return;
  hideDetail();
  hovered_ = target;
  if (target >= 0) showDetail(target);
}

void CTabrelCtrl::showDetail(int record) {
  const BoxRect b =
      detailBoxPlacement(table_.column(record), table_.row(record), origin_.x(), origin_.y(), width(), height());
  box_ = QRect(b.left, b.top, b.width, b.height);
  update(*box_);
  if (!hoverTimer_.isActive()) hoverTimer_.start();
}

void CTabrelCtrl::hideDetail() {
  if (box_) {
    update(*box_);
    box_.reset();
  }
  hoverTimer_.stop();
}

void CTabrelCtrl::onHoverTimer() {
  if (QApplication::widgetAt(QCursor::pos()) == this) return;
  hideDetail();
  hovered_ = -1;
}

void CTabrelCtrl::drawDetailBox(QPainter& p) const {
  const QRect b = *box_;
  p.setPen(Qt::black);
  p.setBrush(QColor(255, 255, 224));
  p.drawRect(b.adjusted(0, 0, -1, -1));
  p.setBrush(Qt::NoBrush);
  const std::vector<DetailLine> lines = detailBoxLines(table_, hovered_, TableMode(tableMode()), property_, labels_);
  auto fontOf = [&](const DetailLine& line) -> const QFont& {
    return line.font == DetailFont::Bold15 ? titleFont_ : line.font == DetailFont::Bold11 ? numberFont_ : detailFont_;
  };
  constexpr int kInset = 5;
  for (const DetailLine& line : lines) {
    QFont font = fontOf(line);
    QRect r(b.left(), b.top() + line.top, b.width(), 16);
    int flags = Qt::AlignTop | Qt::AlignHCenter;
    if (line.align == DetailAlign::Left) {
      r.adjust(kInset, 0, 0, 0);
      flags = Qt::AlignTop | Qt::AlignLeft;
    } else if (line.align == DetailAlign::Right) {
      r.adjust(0, 0, -kInset, 0);
      flags = Qt::AlignTop | Qt::AlignRight;
      // A value keeps clear of the label on its line ("Βρασμός :" and "άγνωστο" would touch).
      for (const DetailLine& label : lines) {
        if (label.top != line.top || label.align != DetailAlign::Left) continue;
        const int labelWidth = QFontMetrics(fontOf(label)).horizontalAdvance(codepage::toQString(label.text));
        font = fitted(font, codepage::toQString(line.text), b.width() - 2 * kInset - labelWidth - kGap);
      }
    }
    p.setFont(font);
    p.drawText(r, flags, codepage::toQString(line.text));
  }
}

}  // namespace vantorel::tabrel
