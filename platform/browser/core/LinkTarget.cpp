#include "platform/browser/core/LinkTarget.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace vantorel::browser {
namespace {

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// The scheme of an address ("http"), lower-cased; empty when it has none.
std::string schemeOf(std::string_view address) {
  if (address.empty() || !std::isalpha(static_cast<unsigned char>(address[0]))) return {};
  size_t i = 1;
  while (i < address.size() && (std::isalnum(static_cast<unsigned char>(address[i])) || address[i] == '+' ||
                                address[i] == '-' || address[i] == '.')) {
    ++i;
  }
  if (i >= address.size() || address[i] != ':') return {};
  return lowered(address.substr(0, i));
}

std::string normalised(std::string_view path) {
  std::string slashes(path);
  std::replace(slashes.begin(), slashes.end(), '\\', '/');
  const bool absolute = !slashes.empty() && slashes.front() == '/';
  std::vector<std::string> parts;
  size_t i = 0;
  while (i <= slashes.size()) {
    const size_t slash = std::min(slashes.find('/', i), slashes.size());
    const std::string part = slashes.substr(i, slash - i);
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..") {
        parts.pop_back();
      } else if (!absolute) {
        parts.push_back(part);
      }
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = slash + 1;
  }
  std::string out = absolute ? "/" : "";
  for (size_t k = 0; k < parts.size(); ++k) {
    if (k) out += '/';
    out += parts[k];
  }
  return out;
}

}  // namespace

std::string folderOf(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

LinkTarget resolveLink(std::string_view address, std::string_view baseFolder) {
  while (!address.empty() && std::isspace(static_cast<unsigned char>(address.front()))) address.remove_prefix(1);
  while (!address.empty() && std::isspace(static_cast<unsigned char>(address.back()))) address.remove_suffix(1);
  if (address.empty()) return {LinkKind::Refused, {}};
  if (address.front() == '#') return {LinkKind::SamePage, std::string(address)};

  const std::string scheme = schemeOf(address);
  if (scheme == "http" || scheme == "https" || scheme == "mailto") return {LinkKind::Desktop, std::string(address)};
  // Any other scheme, a drive letter of another system included, leads nowhere we show.
  if (!scheme.empty()) return {LinkKind::Refused, std::string(address)};

  std::string_view path = address;
  path = path.substr(0, std::min(path.find('#'), path.size()));
  path = path.substr(0, std::min(path.find('?'), path.size()));
  if (path.empty()) return {LinkKind::SamePage, std::string(address)};
  const bool absolute = path.front() == '/' || path.front() == '\\';
  const std::string joined = absolute ? std::string(path) : std::string(baseFolder) + std::string(path);
  const std::string resolved = normalised(joined);
  if (resolved.empty()) return {LinkKind::Refused, std::string(address)};
  return {LinkKind::Page, resolved};
}

}  // namespace vantorel::browser
