#include "platform/registry/Registry.h"

#include <memory>

namespace vantorel::registry {
namespace {

std::unique_ptr<RegistryStore>& current() {
  static std::unique_ptr<RegistryStore> store;
  return store;
}

}  // namespace

RegistryStore& store() {
  auto& s = current();
  if (!s) s = std::make_unique<RegistryStore>(RegistryStore::defaultPath(), RegistryStore::defaultMachinePath());
  return *s;
}

void useStoreFile(const std::filesystem::path& file) {
  current() = std::make_unique<RegistryStore>(file);
}

}  // namespace vantorel::registry
