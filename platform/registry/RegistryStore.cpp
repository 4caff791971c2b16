#include "platform/registry/RegistryStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "platform/files/AtomicWrite.h"
#include "platform/files/FileLock.h"

namespace vantorel::registry {
namespace {

constexpr std::pair<std::string_view, std::string_view> kRoots[] = {
    {"HKEY_CLASSES_ROOT", "HKCR"},
    {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_LOCAL_MACHINE", "HKLM"},
    {"HKEY_USERS", "HKU"},
};

bool isBelow(std::string_view path, std::string_view key) {
  return path.size() > key.size() && path[key.size()] == '\\' && namesEqual(path.substr(0, key.size()), key);
}

const Key* findKey(const Document& doc, std::string_view key) {
  for (const auto& k : doc.keys) {
    if (namesEqual(k.path, key)) return &k;
  }
  return nullptr;
}

// A document being changed, with its keys indexed by folded path.
class Editing {
 public:
  explicit Editing(Document& doc) : doc_(doc) { reindex(); }

  Key* find(const std::string& key) {
    const auto it = index_.find(foldName(key));
    return it == index_.end() ? nullptr : &doc_.keys[it->second];
  }

  // Makes sure the key and each of its parents below the root appear in the document.
  Key& ensure(const std::string& key) {
    // The root itself is never written as a key of its own.
    size_t pos = key.find('\\');
    if (pos != std::string::npos) pos = key.find('\\', pos + 1);
    while (pos != std::string::npos) {
      add(key.substr(0, pos));
      pos = key.find('\\', pos + 1);
    }
    return add(key);
  }

  bool eraseKey(const std::string& key) {
    const auto before = doc_.keys.size();
    std::erase_if(doc_.keys, [&](const Key& k) { return namesEqual(k.path, key) || isBelow(k.path, key); });
    if (doc_.keys.size() == before) return false;
    reindex();
    return true;
  }

 private:
  Key& add(const std::string& key) {
    const auto [at, added] = index_.try_emplace(foldName(key), doc_.keys.size());
    if (added) doc_.keys.push_back(Key{key, {}});
    return doc_.keys[at->second];
  }
  void reindex() {
    index_.clear();
    for (size_t i = 0; i < doc_.keys.size(); ++i) index_.emplace(foldName(doc_.keys[i].path), i);
  }

  Document& doc_;
  std::unordered_map<std::string, size_t> index_;
};

std::optional<std::filesystem::path> homeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home);
  // Without HOME (a service, a cron job, `env -i`) the password database still knows the home;
  // a shared folder in its place would let another user plant the store.
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::string buffer(size > 0 ? static_cast<size_t>(size) : 16384, '\0');
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
      *found->pw_dir)
    return std::filesystem::path(found->pw_dir);
  return std::nullopt;
}

// Why a file or folder with this status must not be trusted, or empty. The machine store is read
// by every user, so there a group other than the administrator's may not write it either.
std::string distrust(const struct stat& info, bool folder, bool machine) {
  if (info.st_uid != ::geteuid() && info.st_uid != 0) return "belongs to another user";
  if (info.st_mode & S_IWOTH) {
    // A shared folder with the sticky bit (/tmp) lets nobody replace another's file.
    if (!folder || !(info.st_mode & S_ISVTX)) return "may be written by other users";
  }
  if (machine && (info.st_mode & S_IWGRP) && info.st_gid != 0 && info.st_gid != ::getegid())
    return "may be written by a group of users";
  return {};
}

// Roots whose keys describe the machine (component classes, install records): reads of these fall
// through to the machine store.
bool fallsThrough(std::string_view normalisedKey) {
  return normalisedKey.starts_with("HKEY_CLASSES_ROOT") || normalisedKey.starts_with("HKEY_LOCAL_MACHINE");
}

bool readAll(int fd, std::string& text) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    text.append(buffer, static_cast<size_t>(n));
  }
}

std::string badName(const std::filesystem::path& file) {
  char stamp[32];
  const std::time_t now = std::time(nullptr);
  struct tm local {};
  ::localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return file.string() + ".bad-" + stamp;
}

}  // namespace

void RegistryChanges::createKey(std::string_view key) {
  changes_.push_back({Kind::CreateKey, std::string(key), {}});
}

void RegistryChanges::setString(std::string_view key, std::string_view name, std::string_view text) {
  changes_.push_back(
      {Kind::SetValue, std::string(key), Value{std::string(name), ValueType::String, std::string(text), 0}});
}

void RegistryChanges::setDword(std::string_view key, std::string_view name, uint32_t value) {
  changes_.push_back({Kind::SetValue, std::string(key), Value{std::string(name), ValueType::Dword, {}, value}});
}

void RegistryChanges::deleteValue(std::string_view key, std::string_view name) {
  changes_.push_back({Kind::DeleteValue, std::string(key), Value{std::string(name), ValueType::String, {}, 0}});
}

void RegistryChanges::deleteKey(std::string_view key) {
  changes_.push_back({Kind::DeleteKey, std::string(key), {}});
}

RegistryStore::RegistryStore(std::filesystem::path file, std::filesystem::path machineFile)
    : file_(std::move(file)), machineFile_(std::move(machineFile)) {}

std::filesystem::path RegistryStore::defaultPath() {
  if (const char* env = std::getenv("VANTOREL_REGISTRY"); env && *env) return env;
  // A relative XDG_CONFIG_HOME is no setting at all, as the desktop's base-directory rules say.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
    return std::filesystem::path(config) / "vantorel" / "registry.reg";
  const auto home = homeFolder();
  if (!home) return {};
  return *home / ".config" / "vantorel" / "registry.reg";
}

std::filesystem::path RegistryStore::defaultMachinePath() {
  if (const char* env = std::getenv("VANTOREL_MACHINE_REGISTRY"); env && *env) return env;
  return "/etc/vantorel/registry.reg";
}

std::optional<std::string> RegistryStore::normaliseKey(std::string_view key) {
  std::vector<std::string_view> names;
  size_t start = 0;
  while (start <= key.size()) {
    size_t end = key.find('\\', start);
    if (end == std::string_view::npos) end = key.size();
    if (end > start) names.push_back(key.substr(start, end - start));
    start = end + 1;
  }
  if (names.empty()) return std::nullopt;
  std::string out;
  for (const auto& [full, shortName] : kRoots) {
    if (namesEqual(names[0], full) || namesEqual(names[0], shortName)) out = full;
  }
  if (out.empty()) return std::nullopt;
  for (size_t i = 1; i < names.size(); ++i) {
    if (names[i].find_first_of("[]") != std::string_view::npos || hasControlCharacter(names[i])) return std::nullopt;
    out += '\\';
    out += names[i];
  }
  return out;
}

namespace {

enum class Fault { None, Refused, Unparsable };

std::optional<Document> loadFile(const std::filesystem::path& file, bool machine, std::string& error, Fault& fault) {
  auto refuse = [&](Fault kind, std::string why) -> std::optional<Document> {
    error = std::move(why);
    fault = kind;
    return std::nullopt;
  };
  fault = Fault::None;
  if (file.empty()) return refuse(Fault::Refused, "the registry store has no place: no home folder is known");
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) {
    if (const std::string why = distrust(info, true, machine); !why.empty())
      return refuse(Fault::Refused, folder.string() + ": " + why + "; the registry store there is not used");
  }
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) {
      error.clear();
      return Document{};
    }
    return refuse(Fault::Refused, file.string() + ": cannot be read: " + std::strerror(errno));
  }
  std::string text;
  bool ok = ::fstat(fd, &info) == 0;
  std::string why = !ok                      ? "cannot be read"
                    : !S_ISREG(info.st_mode) ? "is not a regular file"
                                             : distrust(info, false, machine);
  if (why.empty() && !readAll(fd, text)) why = "cannot be read";
  ::close(fd);
  if (!why.empty()) return refuse(Fault::Refused, file.string() + ": " + why + "; not used");
  ParseResult parsed = parseRegText(text);
  if (!parsed.ok) return refuse(Fault::Unparsable, file.string() + ": " + parsed.error);
  error.clear();
  return std::move(parsed.document);
}

}  // namespace

std::optional<Document> RegistryStore::load(LoadFault* fault) const {
  Fault kind = Fault::None;
  auto doc = loadFile(file_, false, lastError_, kind);
  if (fault)
    *fault = kind == Fault::None      ? LoadFault::None
             : kind == Fault::Refused ? LoadFault::Refused
                                      : LoadFault::Unparsable;
  return doc;
}

Document RegistryStore::loadMachine() const {
  if (machineFile_.empty()) return {};
  Fault kind = Fault::None;
  auto doc = loadFile(machineFile_, true, machineError_, kind);
  return doc ? std::move(*doc) : Document{};
}

bool RegistryStore::save(const Document& document) {
  const std::string text = formatRegText(document);
  // What is written must read back; a fault here must not reach the disk.
  if (const ParseResult check = parseRegText(text); !check.ok) {
    lastError_ = file_.string() + ": the new text would not read back (" + check.error + "); nothing written";
    return false;
  }
  std::string error;
  if (!files::replaceFileContents(file_, text, error)) {
    lastError_ = std::move(error);
    return false;
  }
  return true;
}

bool RegistryStore::change(const RegistryChanges& changes, bool missingIsFailure) {
  // Every name is checked before anything is read or locked.
  std::vector<std::string> keys;
  for (const auto& c : changes.changes_) {
    auto key = normaliseKey(c.key);
    if (!key) {
      lastError_ = "not a usable key name: " + c.key;
      return false;
    }
    if (hasControlCharacter(c.value.name) || hasControlCharacter(c.value.text)) {
      lastError_ = "a value name or text with a control character is not stored (key " + *key + ")";
      return false;
    }
    keys.push_back(std::move(*key));
  }
  if (file_.empty()) return load().has_value();  // sets the reason
  std::error_code ec;
  if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ec);

  files::FileLock lock(file_);
  if (!lock.locked()) {
    lastError_ = lock.error();
    return false;
  }
  files::removeStaleTemporaries(file_);
  auto doc = load();
  if (!doc) return false;

  Editing editing(*doc);
  bool changed = false;
  for (size_t i = 0; i < keys.size(); ++i) {
    const auto& c = changes.changes_[i];
    const std::string& key = keys[i];
    switch (c.kind) {
      case RegistryChanges::Kind::CreateKey:
        if (!editing.find(key)) {
          editing.ensure(key);
          changed = true;
        }
        break;
      case RegistryChanges::Kind::SetValue: {
        Key& k = editing.ensure(key);
        Value value = c.value;
        bool replaced = false;
        for (auto& v : k.values) {
          if (namesEqual(v.name, value.name)) {
            value.name = v.name;  // the first spelling of a name stays
            v = value;
            replaced = true;
            break;
          }
        }
        if (!replaced) k.values.push_back(std::move(value));
        changed = true;
        break;
      }
      case RegistryChanges::Kind::DeleteValue: {
        Key* k = editing.find(key);
        const auto before = k ? k->values.size() : 0;
        if (k) std::erase_if(k->values, [&](const Value& v) { return namesEqual(v.name, c.value.name); });
        if (k && k->values.size() != before) {
          changed = true;
        } else if (missingIsFailure) {
          return false;
        }
        break;
      }
      case RegistryChanges::Kind::DeleteKey:
        if (editing.eraseKey(key)) {
          changed = true;
        } else if (missingIsFailure) {
          return false;
        }
        break;
    }
  }
  return !changed || save(*doc);
}

bool RegistryStore::apply(const RegistryChanges& changes) {
  return change(changes, false);
}

namespace {

bool holdsKey(const Document& doc, const std::string& path) {
  for (const auto& k : doc.keys) {
    if (namesEqual(k.path, path) || isBelow(k.path, path)) return true;
  }
  return false;
}

std::optional<Value> findValue(const Document& doc, const std::string& path, std::string_view name) {
  if (const Key* k = findKey(doc, path)) {
    for (const auto& v : k->values) {
      if (namesEqual(v.name, name)) return v;
    }
  }
  return std::nullopt;
}

}  // namespace

bool RegistryStore::keyExists(std::string_view key) const {
  const auto path = normaliseKey(key);
  const auto doc = load();
  if (!path || !doc) return false;
  if (holdsKey(*doc, *path)) return true;
  return fallsThrough(*path) && holdsKey(loadMachine(), *path);
}

std::optional<Value> RegistryStore::query(std::string_view key, std::string_view name) const {
  const auto path = normaliseKey(key);
  const auto doc = load();
  if (!path || !doc) return std::nullopt;
  if (auto v = findValue(*doc, *path, name)) return v;
  if (!fallsThrough(*path)) return std::nullopt;
  return findValue(loadMachine(), *path, name);
}

std::optional<std::string> RegistryStore::queryString(std::string_view key, std::string_view name) const {
  auto v = query(key, name);
  if (!v || v->type != ValueType::String) return std::nullopt;
  return std::move(v->text);
}

std::optional<uint32_t> RegistryStore::queryDword(std::string_view key, std::string_view name) const {
  auto v = query(key, name);
  if (!v || v->type != ValueType::Dword) return std::nullopt;
  return v->dword;
}

std::vector<std::string> RegistryStore::subKeys(std::string_view key) const {
  std::vector<std::string> out;
  const auto path = normaliseKey(key);
  const auto doc = load();
  if (!path || !doc) return out;
  std::unordered_set<std::string> seen;
  auto collect = [&](const Document& from) {
    for (const auto& k : from.keys) {
      if (!isBelow(k.path, *path)) continue;
      std::string_view rest = std::string_view(k.path).substr(path->size() + 1);
      rest = rest.substr(0, rest.find('\\'));
      if (seen.insert(foldName(rest)).second) out.emplace_back(rest);
    }
  };
  collect(*doc);
  if (fallsThrough(*path)) collect(loadMachine());
  return out;
}

bool RegistryStore::createKey(std::string_view key) {
  RegistryChanges c;
  c.createKey(key);
  return change(c, true);
}

bool RegistryStore::setString(std::string_view key, std::string_view name, std::string_view text) {
  RegistryChanges c;
  c.setString(key, name, text);
  return change(c, true);
}

bool RegistryStore::setDword(std::string_view key, std::string_view name, uint32_t value) {
  RegistryChanges c;
  c.setDword(key, name, value);
  return change(c, true);
}

bool RegistryStore::deleteValue(std::string_view key, std::string_view name) {
  RegistryChanges c;
  c.deleteValue(key, name);
  return change(c, true);
}

bool RegistryStore::deleteKey(std::string_view key) {
  RegistryChanges c;
  c.deleteKey(key);
  return change(c, true);
}

std::optional<std::filesystem::path> RegistryStore::setAsideIfDamaged() {
  if (file_.empty()) return std::nullopt;
  // No store yet (a new user, a fresh machine): nothing to set aside, and its folder may not exist.
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(file_, ec))) {
    lastError_.clear();
    return std::nullopt;
  }
  files::FileLock lock(file_);
  if (!lock.locked()) {
    lastError_ = lock.error();
    return std::nullopt;
  }
  LoadFault fault = LoadFault::None;
  if (load(&fault) || fault != LoadFault::Unparsable) return std::nullopt;
  std::filesystem::path aside = badName(file_);
  for (int n = 1; std::filesystem::exists(std::filesystem::symlink_status(aside)); ++n)
    aside = badName(file_) + "-" + std::to_string(n);
  if (::rename(file_.c_str(), aside.c_str()) != 0) {
    lastError_ = file_.string() + ": cannot be moved aside: " + std::strerror(errno);
    return std::nullopt;
  }
  lastError_.clear();
  return aside;
}

}  // namespace vantorel::registry
