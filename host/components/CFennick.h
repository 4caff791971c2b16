#pragma once

#include "host/components/CComponentWnd.h"

namespace vantorel::host {

// Fennick, the molecule zoom outside the system (window "Fennick", child id 1046). The host
// creates it only to read its version.
class CFennick : public CComponentWnd {
  Q_OBJECT
 public:
  explicit CFennick(QObject* parent = nullptr);
  [[nodiscard]] QString Version();  // a method
};

}  // namespace vantorel::host
