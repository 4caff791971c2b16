#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/Control.h"
#include "platform/com/Guid.h"
#include "platform/com/Server.h"

namespace vantorel::com {

struct CreateResult {
  Control* control = nullptr;  // owned by the caller; null on failure
  QString error;               // why creation failed
};

// Looks the class up in the registry store, loads its library, asks the class object for a new
// instance. Every failing step (unregistered class, a library that fails checkComponentLibrary,
// not a library, missing entry point, refusing class object) gives a null control and a reason,
// never a crash.
[[nodiscard]] CreateResult createControl(const Guid& clsid);
// A class id in braces or a ProgID.
[[nodiscard]] CreateResult createControl(std::string_view classIdOrProgId);

// The registered in-process server path of a class, if any.
[[nodiscard]] std::optional<std::string> registeredServerPath(const Guid& clsid);
[[nodiscard]] std::optional<Guid> classIdFromProgId(std::string_view progId);

// Loads a library, calls its DllRegisterServer (or DllUnregisterServer) and returns the result;
// kFail when the library fails checkComponentLibrary, cannot be loaded or lacks the entry point.
HResult registerLibrary(const std::string& path, bool unregister = false, QString* error = nullptr);

}  // namespace vantorel::com
