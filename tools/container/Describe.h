#pragma once

#include <QString>
#include <QTextStream>

#include "platform/com/Control.h"

// What a type library tells a developer about a registered control: its identity, its
// interfaces with their help strings, and the members and events of its dispatch table.
namespace vantorel::container {

// The members and events of `control`, one a line: number, name, kind, types, and for
// properties whether they can be set; by-reference event parameters are marked "byref".
[[nodiscard]] QString describeMembers(const com::Control& control);

// Creates the class (a ProgID or {CLSID}) without a window and prints its registration and
// members to `out`; false, with the reason on `err`, when it cannot be created.
bool describeClass(const QString& classIdOrProgId, QTextStream& out, QTextStream& err);

}  // namespace vantorel::container
