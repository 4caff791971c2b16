#include "host/components/CDataAnal.h"

#include "platform/com/ComponentIds.h"

namespace vantorel::host {
namespace {

using com::InvokeKind;
using T = com::Variant::Type;
using com::Variant;

enum : int {
  kVersion = 1,
  kBMSorG,
  kGraphType,
  kGraphFields,
  kShowLabels,
  kAxis,
  kSortColumn,
  kFilterLength,
  kFilterNum,
  kInitData,
  kCopyAllData,
  kCopySelection,
  kGetTable,
  kGetSelectedFields,
  kSetTable,
  kSetSelectedFields,
  kFilterMemory,
  kSetFilter,
  kSetColumnWidth = 20,
  kGetColumnWidth,
  kCopyGraph,
  kPrintGraph,
};

// Every member must be there with the signature the host calls it by.
ExpectedMember expectProperty(int dispid, T type, bool writable) {
  return {dispid, InvokeKind::PropertyGet, {}, type, writable, false};
}
ExpectedMember expectMethod(int dispid, std::vector<T> params, T result) {
  return {dispid, InvokeKind::Method, std::move(params), result, false, false};
}

}  // namespace

CDataAnal::CDataAnal(QObject* parent)
    : CComponentWnd(com::ids::kDravixClass, 1045, u"DataAn"_qs,
                    {expectProperty(kVersion, T::String, false),
                     expectProperty(kBMSorG, T::Short, true),
                     expectProperty(kGraphType, T::Short, true),
                     expectProperty(kGraphFields, T::Long, true),
                     expectProperty(kShowLabels, T::Bool, true),
                     expectProperty(kAxis, T::Bool, true),
                     expectProperty(kSortColumn, T::Short, true),
                     expectProperty(kFilterLength, T::Long, false),
                     expectProperty(kFilterNum, T::Short, false),
                     expectMethod(kInitData, {T::String}, T::Empty),
                     expectMethod(kCopyAllData, {}, T::Empty),
                     expectMethod(kCopySelection, {}, T::Empty),
                     expectMethod(kGetTable, {}, T::Short),
                     expectMethod(kGetSelectedFields, {}, T::Address),
                     expectMethod(kSetTable, {T::Short}, T::Empty),
                     expectMethod(kSetSelectedFields, {T::Address}, T::Empty),
                     expectMethod(kFilterMemory, {}, T::Address),
                     expectMethod(kSetFilter, {T::Long, T::Short, T::Address}, T::Empty),
                     expectMethod(kSetColumnWidth, {T::Short, T::Long}, T::Empty),
                     expectMethod(kGetColumnWidth, {T::Short}, T::Long),
                     expectMethod(kCopyGraph, {}, T::Empty),
                     expectMethod(kPrintGraph, {}, T::Empty)},
                    parent) {}

QString CDataAnal::Version() {
  return get(kVersion).toString();
}
int16_t CDataAnal::GetBMSorG() {
  return get(kBMSorG).toShort();
}
void CDataAnal::SetBMSorG(int16_t value) {
  put(kBMSorG, Variant::fromShort(value));
}
int16_t CDataAnal::GetGraphType() {
  return get(kGraphType).toShort();
}
void CDataAnal::SetGraphType(int16_t value) {
  put(kGraphType, Variant::fromShort(value));
}
int32_t CDataAnal::GetGraphFields() {
  return get(kGraphFields).toLong();
}
void CDataAnal::SetGraphFields(int32_t value) {
  put(kGraphFields, Variant::fromLong(value));
}
bool CDataAnal::GetShowLabels() {
  return get(kShowLabels).toBool();
}
void CDataAnal::SetShowLabels(bool value) {
  put(kShowLabels, Variant::fromBool(value));
}
bool CDataAnal::GetAxis() {
  return get(kAxis).toBool();
}
void CDataAnal::SetAxis(bool value) {
  put(kAxis, Variant::fromBool(value));
}
int16_t CDataAnal::GetSortColumn() {
  return get(kSortColumn).toShort();
}
void CDataAnal::SetSortColumn(int16_t value) {
  put(kSortColumn, Variant::fromShort(value));
}
int32_t CDataAnal::GetFilterLength() {
  return get(kFilterLength).toLong();
}
int16_t CDataAnal::GetFilterNum() {
  return get(kFilterNum).toShort();
}
void CDataAnal::InitData(const QString& dataPath) {
  call(kInitData, {Variant::fromString(dataPath)});
}
void CDataAnal::CopyAllData() {
  call(kCopyAllData);
}
void CDataAnal::CopySelection() {
  call(kCopySelection);
}
int16_t CDataAnal::GetTable() {
  return call(kGetTable).toShort();
}
intptr_t CDataAnal::GetSelectedFields() {
  return call(kGetSelectedFields).toAddress();
}
void CDataAnal::SetTable(int16_t index) {
  call(kSetTable, {Variant::fromShort(index)});
}
void CDataAnal::SetSelectedFields(intptr_t fields) {
  call(kSetSelectedFields, {Variant::fromAddress(fields)});
}
intptr_t CDataAnal::FilterMemory() {
  return call(kFilterMemory).toAddress();
}
void CDataAnal::SetFilter(int32_t length, int16_t num, intptr_t memory) {
  call(kSetFilter, {Variant::fromLong(length), Variant::fromShort(num), Variant::fromAddress(memory)});
}
void CDataAnal::SetColumnWidth(int16_t index, int32_t width) {
  call(kSetColumnWidth, {Variant::fromShort(index), Variant::fromLong(width)});
}
int32_t CDataAnal::GetColumnWidth(int16_t index) {
  return call(kGetColumnWidth, {Variant::fromShort(index)}).toLong();
}
void CDataAnal::CopyGraph() {
  call(kCopyGraph);
}
void CDataAnal::PrintGraph() {
  call(kPrintGraph);
}

}  // namespace vantorel::host
