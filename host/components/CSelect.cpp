#include "host/components/CSelect.h"

#include "platform/com/ComponentIds.h"
#include "platform/messages/WindowMessages.h"

namespace vantorel::host {
namespace {

using com::InvokeKind;
using T = com::Variant::Type;
using com::Variant;

enum : int { kVersion = 1, kGetTreeName, kInitData, kGetObjectName, kSetRoute, kGotoPosition, kViewHwnd, kEditHwnd };
enum : int { kTreeSelected = 1, kListSelected = 2 };

}  // namespace

CSelect::CSelect(QObject* parent)
    : CComponentWnd(com::ids::kBrovikClass, 1035, QString(),
                    {{kVersion, InvokeKind::PropertyGet, {}, T::String},
                     {kGetTreeName, InvokeKind::Method, {T::Long}, T::String},
                     // The parent window goes as a handle, as a long or an address.
                     {kInitData, InvokeKind::Method, {T::String, T::Any}, T::Empty},
                     {kGetObjectName, InvokeKind::Method, {T::Long}, T::String},
                     {kSetRoute, InvokeKind::Method, {T::Short}, T::Empty},
                     {kGotoPosition, InvokeKind::Method, {T::Long, T::Long, T::Bool}, T::Empty},
                     {kViewHwnd, InvokeKind::Method, {}, T::Address},
                     {kEditHwnd, InvokeKind::Method, {}, T::Address}},
                    parent) {}

QString CSelect::Version() {
  return get(kVersion).toString();
}
QString CSelect::GetTreeName(int32_t page) {
  return call(kGetTreeName, {Variant::fromLong(page)}).toString();
}
void CSelect::InitData(const QString& dataPath, QWidget* parentWindow) {
  const intptr_t handle = messages::handleOf(parentWindow);
  // A long cannot hold a handle of a 64-bit build; a component that declares a long gets 0 then.
  const Variant window = paramType(kInitData, 1) == T::Address        ? Variant::fromAddress(handle)
                         : handle >= INT32_MIN && handle <= INT32_MAX ? Variant::fromLong(static_cast<int32_t>(handle))
                                                                      : Variant::fromLong(0);
  call(kInitData, {Variant::fromString(dataPath), window});
}
QString CSelect::GetObjectName(int32_t page) {
  return call(kGetObjectName, {Variant::fromLong(page)}).toString();
}
void CSelect::SetRoute(int16_t route) {
  call(kSetRoute, {Variant::fromShort(route)});
}
void CSelect::GotoPosition(int32_t page, int32_t object, bool gotoIt) {
  call(kGotoPosition, {Variant::fromLong(page), Variant::fromLong(object), Variant::fromBool(gotoIt)});
}
QWidget* CSelect::ViewHwnd() {
  return messages::fromHandle(call(kViewHwnd).toAddress());
}
QWidget* CSelect::EditHwnd() {
  return messages::fromHandle(call(kEditHwnd).toAddress());
}

void CSelect::onEvent(int dispid, std::vector<Variant>& args) {
  if (dispid == kTreeSelected && args.size() == 2) emit treeSelected(args[0].toLong(), args[1].toLong());
  if (dispid == kListSelected && args.size() == 1) emit listSelected(args[0].toLong());
}

}  // namespace vantorel::host
