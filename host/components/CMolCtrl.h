#pragma once

#include "host/components/CComponentWnd.h"

namespace vantorel::host {

// Kestrin, the molecule controller (window "MolCtrl", child id 1046). The host creates it only to
// read its version.
class CMolCtrl : public CComponentWnd {
  Q_OBJECT
 public:
  explicit CMolCtrl(QObject* parent = nullptr);
  [[nodiscard]] QString Version();  // a property
};

}  // namespace vantorel::host
