#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The private-profile writer: "[Section]" headers and "Key=Value" lines in a small text file.
namespace vantorel::profile {

// Returns the file text with `key` of `section` set to `value`: the key's line is replaced in
// place; a missing key is added at the end of its section, a missing section at the end of the
// text. Every other byte is kept as it was. Names compare without regard to ASCII case. New lines
// use the text's own line ending (CR LF for a new text, which the settings reader relies on).
[[nodiscard]] std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                           std::string_view value);

// Writes `value` into the file (creating it), atomically. False when it could not be written;
// the old file then stays as it was.
bool writePrivateProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                               std::string_view value);

}  // namespace vantorel::profile
