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
  size_t end = text.find_first_of("\r\n", start);
  if (end == std::string_view::npos) end = text.size();
  const std::string_view value = text.substr(start, end - start);
  // The limit is in characters: a Greek folder name takes two bytes a letter.
  size_t characters = 0;
  for (char c : value) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  if (characters > kIniValueLimit) return {};
  return std::string(value);
}

}  // namespace vantorel::host
