#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegFile.h"

namespace vantorel::registry {

// A typed key/value store kept in one ".reg" text file. Every operation reads the file afresh, so
// that separate processes (the program, the registration tool, the installer) see each other's
// writes; every change is written to a temporary file and renamed over the old one.
//
// A file that cannot be parsed is never overwritten: reads find nothing, writes fail, and
// lastError() says what is wrong and where.
//
// Key paths are written with "\" between names and begin with a root such as
// HKEY_LOCAL_MACHINE (HKLM, HKCU and HKCR are accepted and written out in full). Names compare
// without regard to case. An empty value name is the key's default value.
class RegistryStore {
 public:
  explicit RegistryStore(std::filesystem::path file);

  // $VANTOREL_REGISTRY when set, else ~/.config/vantorel/registry.reg.
  [[nodiscard]] static std::filesystem::path defaultPath();

  [[nodiscard]] const std::filesystem::path& path() const { return file_; }
  [[nodiscard]] const std::string& lastError() const { return lastError_; }

  [[nodiscard]] bool keyExists(std::string_view key) const;
  [[nodiscard]] std::optional<Value> query(std::string_view key, std::string_view name) const;
  [[nodiscard]] std::optional<std::string> queryString(std::string_view key, std::string_view name) const;
  [[nodiscard]] std::optional<uint32_t> queryDword(std::string_view key, std::string_view name) const;
  // Names of the keys directly below `key`, in file order.
  [[nodiscard]] std::vector<std::string> subKeys(std::string_view key) const;

  bool createKey(std::string_view key);
  bool setString(std::string_view key, std::string_view name, std::string_view text);
  bool setDword(std::string_view key, std::string_view name, uint32_t value);
  bool deleteValue(std::string_view key, std::string_view name);
  // Removes the key with everything below it.
  bool deleteKey(std::string_view key);

  // Canonical form of a key path: full root name, single separators, no trailing separator.
  // Nothing when the root is unknown or a name is empty.
  [[nodiscard]] static std::optional<std::string> normaliseKey(std::string_view key);

 private:
  [[nodiscard]] std::optional<Document> load() const;
  bool save(const Document& document);
  bool setValue(std::string_view key, Value value);

  std::filesystem::path file_;
  mutable std::string lastError_;
};

}  // namespace vantorel::registry
