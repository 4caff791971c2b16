#pragma once

#include <vector>

#include "platform/com/Dispatch.h"

namespace vantorel::com {

// Anything that answers dispatch calls by member number: every control, and the objects that
// members hand out (a page's document). Such an object is passed as a Variant of type Object; the
// holder finds the interface with dispatchableOf.
class Dispatchable {
 public:
  virtual ~Dispatchable() = default;
  [[nodiscard]] virtual InvokeResult invoke(int dispid, InvokeKind kind, const std::vector<Variant>& args) = 0;
  [[nodiscard]] virtual const DispatchTable& dispatchTable() const = 0;
};

// The dispatch interface of an object value, or null when the value is not a live dispatchable object.
[[nodiscard]] inline Dispatchable* dispatchableOf(const Variant& value) {
  return dynamic_cast<Dispatchable*>(value.toObject());
}

}  // namespace vantorel::com
