#pragma once

#include <QString>
#include <array>

#include "platform/com/Guid.h"

// The five components of the installation: their files in the component folder, class ids, the
// names that messages give them and the oldest versions this program works with.
namespace vantorel::host {

enum class ComponentKind { Tabrel, Brovik, Dravix, Kestrin, Fennick };

struct ComponentInfo {
  ComponentKind kind;
  const char* file;            // "tabrelgk.ocx"
  const char* messageName;     // "TABREL", put before the out-of-date message
  const char* minimumVersion;  // "1.0.023"
  com::Guid clsid;
  int childId;
  const char* windowName;  // "PTable"; empty for Brovik
};

[[nodiscard]] const ComponentInfo& componentInfo(ComponentKind kind);

// The order in which the component check visits them, and the order of the version check.
inline constexpr std::array<ComponentKind, 5> kCheckOrder{ComponentKind::Tabrel, ComponentKind::Brovik,
                                                          ComponentKind::Kestrin, ComponentKind::Fennick,
                                                          ComponentKind::Dravix};
inline constexpr std::array<ComponentKind, 5> kMinimumVersionOrder{ComponentKind::Dravix, ComponentKind::Tabrel,
                                                                   ComponentKind::Brovik, ComponentKind::Kestrin,
                                                                   ComponentKind::Fennick};

// The message shown when a component cannot be created even after registering it again.
[[nodiscard]] QString creationFailureMessage(ComponentKind kind);

}  // namespace vantorel::host
