#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Variant.h"

namespace vantorel::com {

enum class InvokeKind { Method, PropertyGet, PropertyPut };

enum class DispStatus {
  Ok,
  UnknownMember,  // no member with that number
  NotSupported,   // a put of a read-only property (the framework's "property not supported")
  BadParamCount,  // wrong number of arguments
  TypeMismatch,   // an argument that does not convert to the declared type
  MemberFailed,   // the member itself failed (threw) while it ran
};

[[nodiscard]] const char* statusText(DispStatus status);

struct InvokeResult {
  DispStatus status = DispStatus::Ok;
  Variant value;
  [[nodiscard]] bool ok() const { return status == DispStatus::Ok; }
};

struct MemberInfo {
  enum class Kind { Method, Property };
  int dispid = 0;
  std::string name;
  Kind kind = Kind::Method;
  bool readOnly = false;                        // properties only
  Variant::Type result = Variant::Type::Empty;  // method result or property type
  std::vector<Variant::Type> params;            // methods only
  size_t optionalParams = 0;                    // how many of the last params a caller may leave out
};

struct EventInfo {
  int dispid = 0;
  std::string name;
  std::vector<Variant::Type> params;
  std::vector<bool> byReference;  // per parameter: the sink may write it and the control reads it back
};

// A control's members by number, as its type library would describe them. Arguments are coerced
// to the declared types before the handler runs, so handlers can read them directly; optional
// trailing parameters that the caller leaves out reach the handler as empty values.
class DispatchTable {
 public:
  using MethodHandler = std::function<Variant(const std::vector<Variant>& args)>;
  using Getter = std::function<Variant()>;
  using Setter = std::function<void(const Variant& value)>;

  // A member whose number or name (without regard to case) is already declared is refused: the
  // declaration is dropped, a warning is logged and false returned, so that lookup by number, by
  // name and invoke always agree on one member.
  bool method(int dispid, std::string name, std::vector<Variant::Type> params, Variant::Type result,
              MethodHandler handler, size_t optionalParams = 0);
  // A property without a setter is read-only.
  bool property(int dispid, std::string name, Variant::Type type, Getter get, Setter set = {});

  // An exception thrown by a member is caught here and reported as MemberFailed; none leaves.
  [[nodiscard]] InvokeResult invoke(int dispid, InvokeKind kind, const std::vector<Variant>& args) const;

  [[nodiscard]] const MemberInfo* find(int dispid) const;
  // Name lookup without regard to case.
  [[nodiscard]] const MemberInfo* findByName(std::string_view name) const;
  [[nodiscard]] std::vector<MemberInfo> members() const;

 private:
  struct Entry {
    MemberInfo info;
    MethodHandler method;
    Getter get;
    Setter set;
  };
  bool add(Entry entry);
  [[nodiscard]] InvokeResult invokeUnguarded(int dispid, InvokeKind kind, const std::vector<Variant>& args) const;
  std::vector<Entry> entries_;
};

}  // namespace vantorel::com
