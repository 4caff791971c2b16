#include "platform/com/Dispatch.h"

#include <QDebug>
#include <algorithm>
#include <exception>

#include "platform/registry/RegFile.h"

namespace vantorel::com {

const char* statusText(DispStatus status) {
  switch (status) {
    case DispStatus::Ok: return "ok";
    case DispStatus::UnknownMember: return "unknown member";
    case DispStatus::NotSupported: return "property not supported";
    case DispStatus::BadParamCount: return "wrong number of arguments";
    case DispStatus::TypeMismatch: return "type mismatch";
    case DispStatus::MemberFailed: return "the member failed";
  }
  return "?";
}

bool DispatchTable::add(Entry entry) {
  for (const auto& e : entries_) {
    if (e.info.dispid == entry.info.dispid || registry::namesEqual(e.info.name, entry.info.name)) {
      qWarning("vantorel::com::DispatchTable: member %d \"%s\" refused: %d \"%s\" is already declared",
               entry.info.dispid, entry.info.name.c_str(), e.info.dispid, e.info.name.c_str());
      return false;
    }
  }
  entries_.push_back(std::move(entry));
  return true;
}

bool DispatchTable::method(int dispid, std::string name, std::vector<Variant::Type> params, Variant::Type result,
                           MethodHandler handler, size_t optionalParams) {
  Entry e;
  optionalParams = std::min(optionalParams, params.size());
  e.info =
      MemberInfo{dispid, std::move(name), MemberInfo::Kind::Method, false, result, std::move(params), optionalParams};
  e.method = std::move(handler);
  return add(std::move(e));
}

bool DispatchTable::property(int dispid, std::string name, Variant::Type type, Getter get, Setter set) {
  Entry e;
  e.info = MemberInfo{dispid, std::move(name), MemberInfo::Kind::Property, !set, type, {}};
  e.get = std::move(get);
  e.set = std::move(set);
  return add(std::move(e));
}

const MemberInfo* DispatchTable::find(int dispid) const {
  for (const auto& e : entries_) {
    if (e.info.dispid == dispid) return &e.info;
  }
  return nullptr;
}

const MemberInfo* DispatchTable::findByName(std::string_view name) const {
  for (const auto& e : entries_) {
    if (registry::namesEqual(e.info.name, name)) return &e.info;
  }
  return nullptr;
}

std::vector<MemberInfo> DispatchTable::members() const {
  std::vector<MemberInfo> out;
  for (const auto& e : entries_) out.push_back(e.info);
  return out;
}

InvokeResult DispatchTable::invoke(int dispid, InvokeKind kind, const std::vector<Variant>& args) const {
  // A handler's exception must not cross into the caller (another library, an event loop).
  try {
    return invokeUnguarded(dispid, kind, args);
  } catch (const std::exception& e) {
    qWarning("vantorel::com::DispatchTable: member %d failed: %s", dispid, e.what());
  } catch (...) {
    qWarning("vantorel::com::DispatchTable: member %d failed", dispid);
  }
  return {DispStatus::MemberFailed, {}};
}

InvokeResult DispatchTable::invokeUnguarded(int dispid, InvokeKind kind, const std::vector<Variant>& args) const {
  const Entry* entry = nullptr;
  for (const auto& e : entries_) {
    if (e.info.dispid == dispid) entry = &e;
  }
  if (!entry) return {DispStatus::UnknownMember, {}};

  if (entry->info.kind == MemberInfo::Kind::Property) {
    if (kind == InvokeKind::PropertyPut) {
      if (!entry->set) return {DispStatus::NotSupported, {}};
      if (args.size() != 1) return {DispStatus::BadParamCount, {}};
      auto value = args[0].convertedTo(entry->info.result);
      if (!value) return {DispStatus::TypeMismatch, {}};
      entry->set(*value);
      return {};
    }
    // A property may be read as a method without arguments, as the platform's dispatch allows.
    if (!args.empty()) return {DispStatus::BadParamCount, {}};
    return {DispStatus::Ok, entry->get()};
  }

  if (kind == InvokeKind::PropertyPut) return {DispStatus::NotSupported, {}};
  const auto& params = entry->info.params;
  if (args.size() > params.size() || args.size() < params.size() - entry->info.optionalParams)
    return {DispStatus::BadParamCount, {}};
  std::vector<Variant> coerced;
  coerced.reserve(params.size());
  for (size_t i = 0; i < args.size(); ++i) {
    auto value = args[i].convertedTo(params[i]);
    if (!value) return {DispStatus::TypeMismatch, {}};
    coerced.push_back(std::move(*value));
  }
  coerced.resize(params.size());
  return {DispStatus::Ok, entry->method(coerced)};
}

}  // namespace vantorel::com
