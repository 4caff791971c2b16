#pragma once

#include <string>

namespace vantorel::com {

// Whether a component library may be loaded: loading runs its code, so everything is checked
// first, from the file's bytes alone. The path must be absolute (the file checked is the file
// loaded); it must name a regular file that belongs to this user or the administrator and that
// neither others nor (through its folder) anyone else but those two may replace; and the file
// must carry a version block whose original file name is the name it was registered under (a
// library renamed over a component's name is not that component).
//
// Returns an empty text when the library passes, else why it does not.
[[nodiscard]] std::string checkComponentLibrary(const std::string& path);

}  // namespace vantorel::com
