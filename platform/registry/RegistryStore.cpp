#include "platform/registry/RegistryStore.h"

#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

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

Key* findKey(Document& doc, std::string_view key) {
  for (auto& k : doc.keys) {
    if (namesEqual(k.path, key)) return &k;
  }
  return nullptr;
}

const Key* findKey(const Document& doc, std::string_view key) {
  return findKey(const_cast<Document&>(doc), key);
}

// Makes sure the key and each of its parents below the root appear in the document.
Key& ensureKey(Document& doc, const std::string& key) {
  // The root itself is never written as a key of its own.
  size_t pos = key.find('\\');
  if (pos != std::string::npos) pos = key.find('\\', pos + 1);
  while (pos != std::string::npos) {
    const std::string parent = key.substr(0, pos);
    if (!findKey(doc, parent)) doc.keys.push_back(Key{parent, {}});
    pos = key.find('\\', pos + 1);
  }
  if (Key* k = findKey(doc, key)) return *k;
  doc.keys.push_back(Key{key, {}});
  return doc.keys.back();
}

}  // namespace

RegistryStore::RegistryStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path RegistryStore::defaultPath() {
  if (const char* env = std::getenv("VANTOREL_REGISTRY"); env && *env) return env;
  const char* home = std::getenv("HOME");
  std::filesystem::path base = home && *home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
  return base / ".config" / "vantorel" / "registry.reg";
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
    if (names[i].find_first_of("[]\r\n") != std::string_view::npos) return std::nullopt;
    out += '\\';
    out += names[i];
  }
  return out;
}

std::optional<Document> RegistryStore::load() const {
  std::error_code ec;
  if (!std::filesystem::exists(file_, ec)) {
    lastError_.clear();
    return Document{};
  }
  std::ifstream in(file_, std::ios::binary);
  if (!in) {
    lastError_ = file_.string() + ": cannot be read";
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  ParseResult parsed = parseRegText(text.str());
  if (!parsed.ok) {
    lastError_ = file_.string() + ": " + parsed.error;
    return std::nullopt;
  }
  lastError_.clear();
  return std::move(parsed.document);
}

bool RegistryStore::save(const Document& document) {
  std::error_code ec;
  if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ec);
  std::filesystem::path temp = file_;
  temp += ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    const std::string text = formatRegText(document);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      lastError_ = file_.string() + ": cannot be written";
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::filesystem::rename(temp, file_, ec);
  if (ec) {
    lastError_ = file_.string() + ": " + ec.message();
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

bool RegistryStore::keyExists(std::string_view key) const {
  const auto path = normaliseKey(key);
  const auto doc = load();
  if (!path || !doc) return false;
  for (const auto& k : doc->keys) {
    if (namesEqual(k.path, *path) || isBelow(k.path, *path)) return true;
  }
  return false;
}

std::optional<Value> RegistryStore::query(std::string_view key, std::string_view name) const {
  const auto path = normaliseKey(key);
  const auto doc = load();
  if (!path || !doc) return std::nullopt;
  if (const Key* k = findKey(*doc, *path)) {
    for (const auto& v : k->values) {
      if (namesEqual(v.name, name)) return v;
    }
  }
  return std::nullopt;
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
  for (const auto& k : doc->keys) {
    if (!isBelow(k.path, *path)) continue;
    std::string_view rest = std::string_view(k.path).substr(path->size() + 1);
    rest = rest.substr(0, rest.find('\\'));
    bool seen = false;
    for (const auto& s : out) seen = seen || namesEqual(s, rest);
    if (!seen) out.emplace_back(rest);
  }
  return out;
}

bool RegistryStore::createKey(std::string_view key) {
  const auto path = normaliseKey(key);
  if (!path) return false;
  auto doc = load();
  if (!doc) return false;
  if (findKey(*doc, *path)) return true;
  ensureKey(*doc, *path);
  return save(*doc);
}

bool RegistryStore::setValue(std::string_view key, Value value) {
  const auto path = normaliseKey(key);
  if (!path) return false;
  auto doc = load();
  if (!doc) return false;
  Key& k = ensureKey(*doc, *path);
  bool replaced = false;
  for (auto& v : k.values) {
    if (namesEqual(v.name, value.name)) {
      value.name = v.name;
      v = value;
      replaced = true;
    }
  }
  if (!replaced) k.values.push_back(std::move(value));
  return save(*doc);
}

bool RegistryStore::setString(std::string_view key, std::string_view name, std::string_view text) {
  return setValue(key, Value{std::string(name), ValueType::String, std::string(text), 0});
}

bool RegistryStore::setDword(std::string_view key, std::string_view name, uint32_t value) {
  return setValue(key, Value{std::string(name), ValueType::Dword, {}, value});
}

bool RegistryStore::deleteValue(std::string_view key, std::string_view name) {
  const auto path = normaliseKey(key);
  if (!path) return false;
  auto doc = load();
  if (!doc) return false;
  Key* k = findKey(*doc, *path);
  if (!k) return false;
  const auto before = k->values.size();
  std::erase_if(k->values, [&](const Value& v) { return namesEqual(v.name, name); });
  if (k->values.size() == before) return false;
  return save(*doc);
}

bool RegistryStore::deleteKey(std::string_view key) {
  const auto path = normaliseKey(key);
  if (!path) return false;
  auto doc = load();
  if (!doc) return false;
  const auto before = doc->keys.size();
  std::erase_if(doc->keys, [&](const Key& k) { return namesEqual(k.path, *path) || isBelow(k.path, *path); });
  if (doc->keys.size() == before) return false;
  return save(*doc);
}

}  // namespace vantorel::registry
