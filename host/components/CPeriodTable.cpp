#include "host/components/CPeriodTable.h"

#include "platform/com/ComponentIds.h"

namespace vantorel::host {
namespace {

using com::InvokeKind;
using T = com::Variant::Type;
using com::Variant;

enum : int { kVersion = 1, kLoadData, kInitialise, kGetMode, kGetExtra, kSetState };
constexpr int kElementDetail = 1;

}  // namespace

CPeriodTable::CPeriodTable(QObject* parent)
    : CComponentWnd(com::ids::kTabrelClass, 1010, u"PTable"_qs,
                    {{kVersion, InvokeKind::PropertyGet, {}, T::String},
                     {kLoadData, InvokeKind::Method, {T::String}, T::Bool},
                     {kInitialise, InvokeKind::Method, {}, T::Empty},
                     {kGetMode, InvokeKind::Method, {}, T::Long},
                     {kGetExtra, InvokeKind::Method, {}, T::Long},
                     {kSetState, InvokeKind::Method, {T::Long, T::Long}, T::Empty}},
                    parent) {}

QString CPeriodTable::Version() {
  return get(kVersion).toString();
}
bool CPeriodTable::LoadData(const QString& dataPath) {
  return call(kLoadData, {Variant::fromString(dataPath)}).toBool();
}
void CPeriodTable::Initialise() {
  call(kInitialise);
}
int32_t CPeriodTable::GetMode() {
  return call(kGetMode).toLong();
}
int32_t CPeriodTable::GetExtra() {
  return call(kGetExtra).toLong();
}
void CPeriodTable::SetState(int32_t mode, int32_t extra) {
  call(kSetState, {Variant::fromLong(mode), Variant::fromLong(extra)});
}

void CPeriodTable::onEvent(int dispid, std::vector<Variant>& args) {
  if (dispid == kElementDetail && args.size() == 1) emit elementDetail(args[0].toShort());
}

}  // namespace vantorel::host
