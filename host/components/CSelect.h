#pragma once

#include "host/components/CComponentWnd.h"

namespace vantorel::host {

// Brovik, the topic browser (child id 1035).
class CSelect : public CComponentWnd {
  Q_OBJECT
 public:
  explicit CSelect(QObject* parent = nullptr);

  [[nodiscard]] QString Version();
  [[nodiscard]] QString GetTreeName(int32_t page);
  void InitData(const QString& dataPath, QWidget* parentWindow);
  [[nodiscard]] QString GetObjectName(int32_t page);
  void SetRoute(int16_t route);
  void GotoPosition(int32_t page, int32_t object, bool gotoIt = false);
  // The component's view and edit windows; null when the component gives none.
  [[nodiscard]] QWidget* ViewHwnd();
  [[nodiscard]] QWidget* EditHwnd();

 signals:
  void treeSelected(int page, int recordId);
  void listSelected(int object);

 protected:
  void onEvent(int dispid, std::vector<com::Variant>& args) override;
};

}  // namespace vantorel::host
