#pragma once

#include <QComboBox>

namespace vantorel::tabrel {

// The owner-drawn drop-down list of element properties: black on white items, the selected
// one and the closed field white on black, and a closed field painted by the list itself.
// Dropped, it is 210 pixels wide and 100 high with its closed field, and scrolls, whatever the
// widget style; captions too long for it end in "…" and show whole in their tooltips.
class PropertyList : public QComboBox {
  Q_OBJECT
 public:
  explicit PropertyList(QWidget* parent);

  // Adds a caption (with its subscript markup) as the next item.
  void addCaption(const QString& caption);

  void showPopup() override;
  void hidePopup() override;

 signals:
  void droppedDown();
  void closedUp();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantorel::tabrel
