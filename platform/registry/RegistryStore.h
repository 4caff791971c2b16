#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegFile.h"

namespace vantorel::registry {

// Changes to the store that are applied together: one load, every change, one save, under the
// store's lock. Registering a component is one of these, so that two registrations running side
// by side both end up in the store.
class RegistryChanges {
 public:
  void createKey(std::string_view key);
  void setString(std::string_view key, std::string_view name, std::string_view text);
  void setDword(std::string_view key, std::string_view name, uint32_t value);
  // Removing what is not there is no failure within a batch.
  void deleteValue(std::string_view key, std::string_view name);
  void deleteKey(std::string_view key);

  [[nodiscard]] bool empty() const { return changes_.empty(); }

 private:
  friend class RegistryStore;
  enum class Kind { CreateKey, SetValue, DeleteValue, DeleteKey };
  struct Change {
    Kind kind;
    std::string key;
    Value value;  // name (and value for SetValue)
  };
  std::vector<Change> changes_;
};

// A typed key/value store kept in one ".reg" text file. Every operation reads the file afresh, so
// that separate processes (the program, the registration tool, the installer) see each other's
// writes. Every change holds an advisory lock on "<file>.lock" from its load to its save, and the
// new text goes to a temporary file with a random name that is renamed over the old one, so
// concurrent writers lose nothing and a reader never sees half a file.
//
// A file that cannot be parsed is never overwritten: reads find nothing, writes fail, and
// lastError() says what is wrong and where. The same holds for a store that another user could
// have planted: a file owned by another user (other than the administrator) or writable by
// others, or one in a folder that others may write to.
//
// A store may lie over a machine-wide store, the one the installer writes as the administrator and
// every user reads. Reads of keys under HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE (the component
// classes and the install record) look in the user's store first and then in the machine store;
// keys under the other roots are the user's alone. Every write goes to the user's store, so a user
// never changes what the machine holds. A machine store that is missing or empty holds nothing; one
// that cannot be parsed, or that someone other than the administrator (or this user) owns or may
// write, is not read at all: machineError() says why, and the user's store serves alone.
//
// Key paths are written with "\" between names and begin with a root such as
// HKEY_LOCAL_MACHINE (HKLM, HKCU and HKCR are accepted and written out in full). Names compare
// without regard to case. An empty value name is the key's default value. Names and string
// values with control characters are refused.
class RegistryStore {
 public:
  // `machineFile` empty: the store has no machine layer.
  explicit RegistryStore(std::filesystem::path file, std::filesystem::path machineFile = {});

  // $VANTOREL_REGISTRY when set, else $XDG_CONFIG_HOME/vantorel/registry.reg, else
  // ~/.config/vantorel/registry.reg, the home folder being $HOME or, when that is unset, the
  // user's home in the password database. Empty when there is no home folder at all: such a
  // store fails every operation.
  [[nodiscard]] static std::filesystem::path defaultPath();
  // $VANTOREL_MACHINE_REGISTRY when set, else /etc/vantorel/registry.reg.
  [[nodiscard]] static std::filesystem::path defaultMachinePath();

  [[nodiscard]] const std::filesystem::path& path() const { return file_; }
  [[nodiscard]] const std::filesystem::path& machinePath() const { return machineFile_; }
  // Why the last operation failed in the user's store; empty when it did not.
  [[nodiscard]] const std::string& lastError() const { return lastError_; }
  // Why the machine store was passed over at the last read that reached it; empty when it was
  // read (or is missing, which is no fault).
  [[nodiscard]] const std::string& machineError() const { return machineError_; }

  [[nodiscard]] bool keyExists(std::string_view key) const;
  [[nodiscard]] std::optional<Value> query(std::string_view key, std::string_view name) const;
  [[nodiscard]] std::optional<std::string> queryString(std::string_view key, std::string_view name) const;
  [[nodiscard]] std::optional<uint32_t> queryDword(std::string_view key, std::string_view name) const;
  // Names of the keys directly below `key`, in file order.
  [[nodiscard]] std::vector<std::string> subKeys(std::string_view key) const;

  bool createKey(std::string_view key);
  bool setString(std::string_view key, std::string_view name, std::string_view text);
  bool setDword(std::string_view key, std::string_view name, uint32_t value);
  // False when the value or key is not there.
  bool deleteValue(std::string_view key, std::string_view name);
  // Removes the key with everything below it.
  bool deleteKey(std::string_view key);
  // All of the changes or none of them.
  bool apply(const RegistryChanges& changes);

  // A store file that cannot be parsed is renamed "<file>.bad-<date>-<time>" so that a fresh store
  // can start; returns the new name, or nothing when the file was sound, missing or could not be
  // moved (lastError() then says why). A refused store (another user's) is left alone.
  std::optional<std::filesystem::path> setAsideIfDamaged();

  // Canonical form of a key path: full root name, single separators, no trailing separator.
  // Nothing when the root is unknown, a name is empty or holds a control character or a bracket.
  [[nodiscard]] static std::optional<std::string> normaliseKey(std::string_view key);

 private:
  enum class LoadFault { None, Refused, Unparsable };
  [[nodiscard]] std::optional<Document> load(LoadFault* fault = nullptr) const;
  // The machine store's keys; empty when there is none or it is not to be trusted.
  [[nodiscard]] Document loadMachine() const;
  bool save(const Document& document);
  bool change(const RegistryChanges& changes, bool missingIsFailure);

  std::filesystem::path file_;
  std::filesystem::path machineFile_;
  mutable std::string lastError_;
  mutable std::string machineError_;
};

}  // namespace vantorel::registry
