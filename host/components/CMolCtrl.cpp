#include "host/components/CMolCtrl.h"

#include "platform/com/ComponentIds.h"

namespace vantorel::host {

CMolCtrl::CMolCtrl(QObject* parent)
    : CComponentWnd(com::ids::kKestrinClass, 1046, u"MolCtrl"_qs,
                    {{1, com::InvokeKind::PropertyGet, {}, com::Variant::Type::String}}, parent) {}

QString CMolCtrl::Version() {
  return get(1).toString();
}

}  // namespace vantorel::host
