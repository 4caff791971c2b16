#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <optional>

#include "platform/com/Control.h"
#include "platform/elements/ElementData.h"
#include "tabrel/core/Properties.h"
#include "tabrel/core/TableRules.h"

class QLineEdit;

namespace vantorel::tabrel {

// The table works on the shared element records.
using namespace elements;

class PropertyList;

// What the Version member answers: the library's FILE_VERSION (checked when it is built).
inline constexpr char16_t kVersion[] = u"1.0.023";

inline constexpr int kEditBoxId = 2005;
inline constexpr int kPropertyListId = 2006;
inline constexpr int kElementDetailEvent = 1;

// The periodic table. The table's pixels live in a backing image the size of the window: a
// complete paint redraws all of it, a temperature or year change redraws only the cells that
// change, and the detail box is drawn over the image so that it never disturbs the table.
class CTabrelCtrl : public com::Control {
 public:
  CTabrelCtrl();
  ~CTabrelCtrl() override;

  // The members of _DTabrel.
  bool LoadData(const QString& dataPath);
  void Initialise();
  [[nodiscard]] int GetMode() const { return mode_; }
  [[nodiscard]] int GetExtra() const;
  void SetState(int mode, int extra);

  // What the tests and the benchmark look at.
  [[nodiscard]] QPoint origin() const { return origin_; }
  [[nodiscard]] int temperature() const { return temperature_; }
  [[nodiscard]] int year() const { return year_; }
  [[nodiscard]] int property() const { return property_; }
  [[nodiscard]] int hoveredElement() const { return hovered_; }
  [[nodiscard]] std::optional<QRect> detailBoxRect() const { return box_; }
  [[nodiscard]] const QImage& backingImage() const { return surface_; }
  [[nodiscard]] int cellsPaintedLast() const { return cellsPainted_; }
  [[nodiscard]] QLineEdit* editBox() const { return edit_; }
  [[nodiscard]] PropertyList* propertyList() const { return list_; }

 protected:
  void onCreate() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  [[nodiscard]] int tableMode() const;  // the mode drawn: anything outside 1-3 draws as 0
  void completePaint();
  void drawPanel(QPainter& p);
  void drawOutline(QPainter& p);
  void drawMercury(QPainter& p);
  void drawYearBar(QPainter& p);
  // Fills the cells whose colour changes (all of them on a complete paint) and returns their area.
  QRegion paintCells(QPainter& p);
  [[nodiscard]] QRect cellRect(int record) const;  // design-surface coordinates
  void syncChildWindows();
  void changeTemperature(int temperature);
  void changeYear(int year);
  void onEditChanged(const QString& text);
  void onPropertySelected(int index);
  void invalidateAll();
  void flushPartial(const QRegion& designRegion);

  void showDetail(int record);
  void hideDetail();
  void onHoverTimer();
  void drawDetailBox(QPainter& p) const;

  [[nodiscard]] QString text(int id) const;

  ElementTable table_;
  PropertyRanking ranking_;
  int mode_ = 0;
  int temperature_ = 1000;
  int year_ = 1700;
  int property_ = 0;
  int previousTemperature_ = -1;
  int previousYear_ = -9999;
  int hovered_ = -1;
  bool paintEnabled_ = false;
  bool hoverEnabled_ = false;

  QPoint origin_;
  QImage surface_;
  bool fullPaintPending_ = true;
  int cellsPainted_ = 0;
  std::optional<QRect> box_;  // the visible detail box, window coordinates
  QTimer hoverTimer_;
  bool settingChildren_ = false;
  DetailLabels labels_;

  QLineEdit* edit_ = nullptr;
  PropertyList* list_ = nullptr;
  QFont symbolFont_, numberFont_, legendFont_, detailFont_, titleFont_, scaleFont_, categoryTitleFont_;
};

}  // namespace vantorel::tabrel
