#include "host/core/IniReader.h"

namespace vantorel::host {

std::string iniTextOf(std::string_view bytes) {
  bytes = bytes.substr(0, kIniReadLimit);
  return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string ReadIniValue(std::string_view text, std::string_view key) {
  if (key.empty()) return {};
  const size_t at = text.find(key);
  if (at == std::string_view::npos) return {};
  const size_t eq = text.find('=', at + key.size());
  if (eq == std::string_view::npos) return {};
  const size_t start = eq + 1;
  size_t end = text.find('\r', start);
  if (end == std::string_view::npos) end = text.size();
  if (end - start > kIniValueLimit) return {};
  return std::string(text.substr(start, end - start));
}

}  // namespace vantorel::host
