#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text form of the registry store: the ".reg" syntax of the platform's registry editor.
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\Vantorel]
//   @="default value"
//   "Name"="text with \\ and \" escaped"
//   "Size"=dword:000000d8
namespace vantorel::registry {

enum class ValueType { String, Dword };

struct Value {
  std::string name;  // empty for the key's default value (written "@")
  ValueType type = ValueType::String;
  std::string text;  // UTF-8
  uint32_t dword = 0;
};

struct Key {
  std::string path;  // "HKEY_CLASSES_ROOT\CLSID\{...}", as first written
  std::vector<Value> values;
};

struct Document {
  std::vector<Key> keys;
};

struct ParseResult {
  bool ok = false;
  Document document;
  std::string error;  // "line N: what is wrong" when !ok
};

inline constexpr std::string_view kRegHeader = "Windows Registry Editor Version 5.00";

// An empty text (or one of blanks only) is an empty store. Parsing time grows linearly with the
// text: keys and values are found through an index.
[[nodiscard]] ParseResult parseRegText(std::string_view text);
[[nodiscard]] std::string formatRegText(const Document& document);

// Key and value names compare without regard to letter case, for every alphabet (Unicode case
// folding of UTF-8 text), as the platform's registry does: «Δοκιμή» and «ΔΟΚΙΜΉ» are one name.
[[nodiscard]] bool namesEqual(std::string_view a, std::string_view b);
// The form in which names compare: case-folded UTF-8; bytes that are not UTF-8 are kept as they are.
[[nodiscard]] std::string foldName(std::string_view name);

// Whether a name or a text holds a control character (below U+0020, or DEL). Such text is never
// stored: a name that cannot be typed or shown is one nobody can read back.
[[nodiscard]] bool hasControlCharacter(std::string_view text);

}  // namespace vantorel::registry
