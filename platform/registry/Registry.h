#pragma once

#include <filesystem>

#include "platform/registry/RegistryStore.h"

namespace vantorel::registry {

// The process's registry, shared by the program and every component it loads. Its file is
// RegistryStore::defaultPath() unless a test or tool chose another with useStoreFile().
[[nodiscard]] RegistryStore& store();
void useStoreFile(const std::filesystem::path& file);

}  // namespace vantorel::registry
