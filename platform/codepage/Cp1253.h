#pragma once

#include <optional>
#include <string>
#include <string_view>

// Greek single-byte text (Windows code page 1253), the encoding of every data file, resource
// text and bookmark name. Core code keeps such text as bytes in std::string; it becomes Unicode
// only where it meets a widget, a file name or the clipboard.
namespace vantorel::codepage {

// Unicode scalar of one byte; bytes the code page leaves undefined give U+FFFD.
[[nodiscard]] char32_t toUnicode(unsigned char byte);

// The byte for a Unicode scalar, or nothing when the code page has no such character.
[[nodiscard]] std::optional<unsigned char> fromUnicode(char32_t ch);

// CP1253 bytes to UTF-8 (undefined bytes become U+FFFD).
[[nodiscard]] std::string toUtf8(std::string_view cp1253);

// UTF-8 to CP1253; nothing when the text is not valid UTF-8 or holds a character the code page
// cannot write. On failure, *badOffset (when given) receives the byte offset of the fault.
[[nodiscard]] std::optional<std::string> fromUtf8(std::string_view utf8, size_t* badOffset = nullptr);

// UTF-8 to CP1253, writing `replacement` for every character that does not fit.
[[nodiscard]] std::string fromUtf8Lossy(std::string_view utf8, char replacement = '?');

// Upper- and lower-case mapping of CP1253 Greek and Latin letters; other bytes unchanged.
[[nodiscard]] unsigned char toLower(unsigned char byte);
[[nodiscard]] unsigned char toUpper(unsigned char byte);

}  // namespace vantorel::codepage
