#include "platform/files/CaseInsensitivePath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace vantorel::files {
namespace {

namespace fs = std::filesystem;

bool sameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

bool present(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

// The entry of `folder` named `name` ignoring case; the first in name order.
std::optional<fs::path> matchIn(const fs::path& folder, const std::string& name) {
  std::error_code error;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
  if (error) return std::nullopt;
  std::vector<std::string> matches;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    std::string entry = it->path().filename().string();
    if (sameIgnoringCase(entry, name)) matches.push_back(std::move(entry));
  }
  if (matches.empty()) return std::nullopt;
  std::sort(matches.begin(), matches.end());
  return folder / matches.front();
}

}  // namespace

std::optional<std::string> findIgnoringCase(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const fs::path asked(path);
  if (present(asked)) return path;

  // The longest prefix that exists as written; the rest is looked up one component at a time.
  std::vector<std::string> missing;
  fs::path prefix = asked;
  while (!prefix.empty() && !present(prefix)) {
    const std::string name = prefix.filename().string();
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    missing.push_back(name);
    const fs::path parent = prefix.parent_path();
    if (parent == prefix) break;
    prefix = parent;
  }
  fs::path found = prefix;
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    const std::optional<fs::path> next = matchIn(found, *it);
    if (!next) return std::nullopt;
    found = *next;
  }
  return found.string();
}

}  // namespace vantorel::files
