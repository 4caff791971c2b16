#pragma once

#include <string>
#include <string_view>

namespace vantorel::host {

// The settings file is read by the program's own reader, not by the profile reader: only the
// first 1000 bytes count, a key is found as the first occurrence of its characters anywhere in
// that text (sections and lines play no part), and its value runs from the first "=" after it to
// the next carriage return or line feed (a file saved by an editor here has bare line feeds), or
// the end of the text.
inline constexpr size_t kIniReadLimit = 1000;
inline constexpr size_t kIniValueLimit = 254;

// The text the reader searches: the file's first 1000 bytes, cut at the first NUL as a C string
// would be.
[[nodiscard]] std::string iniTextOf(std::string_view fileBytes);

// `ReadIniValue`: the value of `key` in `text` (as made by iniTextOf); empty when the key or its
// "=" is missing or the value is longer than 254 characters (UTF-8 characters, not bytes).
[[nodiscard]] std::string ReadIniValue(std::string_view text, std::string_view key);

}  // namespace vantorel::host
