#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The private-profile writer: "[Section]" headers and "Key=Value" lines in a small text file.
namespace vantorel::profile {

// Returns the file text with `key` of `section` set to `value`: the key's line is replaced in
// place; a missing key is added at the end of its section, a missing section at the end of the
// text. Every other byte is kept as it was. Names compare without regard to letter case. Lines
// added or replaced end in CR LF, whatever the rest of the text uses.
[[nodiscard]] std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                           std::string_view value);

// Whether a text holds a CR, LF or NUL: a value with one cannot be written as one line.
[[nodiscard]] bool hasLineBreak(std::string_view text);

// Writes `value` into the file (creating it), atomically and under the file's lock, so that two
// processes writing at once both keep their values. False when it could not be written, or when
// the section, key or value holds a line break (hasLineBreak); the old file then stays as it was.
bool writePrivateProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                               std::string_view value);

}  // namespace vantorel::profile
