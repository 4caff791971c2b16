#pragma once

#include <filesystem>

#include "platform/registry/RegistryStore.h"

namespace vantorel::registry {

// The process's registry, shared by the program and every component it loads: the user's store
// (RegistryStore::defaultPath()) over the machine store (RegistryStore::defaultMachinePath()),
// unless a test or tool chose one file alone with useStoreFile(): the installer's machine-wide
// registration writes the machine store that way.
[[nodiscard]] RegistryStore& store();
void useStoreFile(const std::filesystem::path& file);

}  // namespace vantorel::registry
