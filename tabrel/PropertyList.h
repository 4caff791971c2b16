#pragma once

#include <QComboBox>

namespace vantorel::tabrel {

// The owner-drawn drop-down list of element properties: black on white items, the selected
// one and the closed field white on black, and a closed field painted by the list itself.
class PropertyList : public QComboBox {
  Q_OBJECT
 public:
  explicit PropertyList(QWidget* parent);

  void showPopup() override;
  void hidePopup() override;

 signals:
  void droppedDown();
  void closedUp();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantorel::tabrel
