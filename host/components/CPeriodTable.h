#pragma once

#include "host/components/CComponentWnd.h"

namespace vantorel::host {

// Tabrel, the periodic table (window "PTable", child id 1010).
class CPeriodTable : public CComponentWnd {
  Q_OBJECT
 public:
  explicit CPeriodTable(QObject* parent = nullptr);

  [[nodiscard]] QString Version();
  bool LoadData(const QString& dataPath);
  void Initialise();
  [[nodiscard]] int32_t GetMode();
  [[nodiscard]] int32_t GetExtra();
  void SetState(int32_t mode, int32_t extra);

 signals:
  // The user chose an element (its index in the element file, from 1).
  void elementDetail(int index);

 protected:
  void onEvent(int dispid, std::vector<com::Variant>& args) override;
};

}  // namespace vantorel::host
