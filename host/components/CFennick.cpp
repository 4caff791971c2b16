#include "host/components/CFennick.h"

#include "platform/com/ComponentIds.h"

namespace vantorel::host {

CFennick::CFennick(QObject* parent)
    : CComponentWnd(com::ids::kFennickClass, 1046, u"Fennick"_qs,
                    {{1, com::InvokeKind::Method, {}, com::Variant::Type::String}}, parent) {}

QString CFennick::Version() {
  return call(1).toString();
}

}  // namespace vantorel::host
