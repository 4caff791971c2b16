#include "platform/registry/RegFile.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <unordered_map>

namespace vantorel::registry {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Reads a quoted string starting at s[pos] == '"'; on success pos is just past the closing quote.
bool readQuoted(std::string_view s, size_t& pos, std::string& out) {
  if (pos >= s.size() || s[pos] != '"') return false;
  ++pos;
  out.clear();
  while (pos < s.size()) {
    const char c = s[pos++];
    if (c == '"') return true;
    if (c == '\\') {
      if (pos >= s.size()) return false;
      const char e = s[pos++];
      if (e == 'n') {
        out += '\n';
      } else if (e == 'r') {
        out += '\r';
      } else if (e == '0') {
        out += '\0';
      } else {
        out += e;  // \\ and \" and anything else literally
      }
    } else {
      out += c;
    }
  }
  return false;
}

void writeQuoted(std::string& out, std::string_view s) {
  out += '"';
  for (char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\0': out += "\\0"; break;
      default: out += c;
    }
  }
  out += '"';
}

bool parseDword(std::string_view hex, uint32_t& value) {
  if (hex.empty() || hex.size() > 8) return false;
  value = 0;
  for (char c : hex) {
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      return false;
    }
    value = value * 16 + static_cast<uint32_t>(d);
  }
  return true;
}

std::string lineError(size_t line, std::string_view what) {
  return "line " + std::to_string(line) + ": " + std::string(what);
}

}  // namespace

std::string foldName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  const auto* s = reinterpret_cast<const uint8_t*>(name.data());
  const auto length = static_cast<int32_t>(name.size());
  int32_t i = 0;
  while (i < length) {
    if (s[i] < 0x80) {  // most names are ASCII: no table needed
      const auto a = static_cast<char>(s[i++]);
      out += a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a;
      continue;
    }
    const int32_t start = i;
    UChar32 c;
    U8_NEXT(s, i, length, c);
    if (c < 0) {
      out.append(name.data() + start, static_cast<size_t>(i - start));
      continue;
    }
    c = u_foldCase(c, U_FOLD_CASE_DEFAULT);
    uint8_t buffer[U8_MAX_LENGTH];
    int32_t n = 0;
    U8_APPEND_UNSAFE(buffer, n, c);
    out.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(n));
  }
  return out;
}

bool namesEqual(std::string_view a, std::string_view b) {
  if (a == b) return true;
  bool ascii = true;
  for (char c : a) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  for (char c : b) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      char x = a[i], y = b[i];
      if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
      if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
      if (x != y) return false;
    }
    return true;
  }
  return foldName(a) == foldName(b);
}

bool hasControlCharacter(std::string_view text) {
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return true;
  }
  return false;
}

ParseResult parseRegText(std::string_view text) {
  ParseResult result;
  // A UTF-8 byte-order mark may precede the header.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  // Nothing but blanks: a store nobody has written to yet (an interrupted first write, a new file).
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    result.ok = true;
    return result;
  }
  size_t lineNo = 0;
  bool sawHeader = false;
  // Folded key path -> index in the document; per key, folded value name -> index in its values.
  std::unordered_map<std::string, size_t> keyIndex;
  std::vector<std::unordered_map<std::string, size_t>> valueIndex;
  size_t current = 0;
  bool inKey = false;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = trim(text.substr(start, end - start));
    ++lineNo;
    const bool last = end >= text.size();
    start = end + 1;
    if (line.find('\0') != std::string_view::npos) {
      result.error = lineError(lineNo, "NUL byte in the text");
      return result;
    }
    if (line.empty() || line.front() == ';') {
      if (last) break;
      continue;
    }
    if (!sawHeader) {
      if (line != kRegHeader) {
        result.error = lineError(lineNo, "the file does not begin with \"" + std::string(kRegHeader) + "\"");
        return result;
      }
      sawHeader = true;
      if (last) break;
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) {
        result.error = lineError(lineNo, "unterminated key name");
        return result;
      }
      std::string path(line.substr(1, line.size() - 2));
      if (path.front() == '-') {
        result.error = lineError(lineNo, "key deletions are not stored in this file");
        return result;
      }
      const auto [at, added] = keyIndex.try_emplace(foldName(path), result.document.keys.size());
      if (added) {
        result.document.keys.push_back(Key{std::move(path), {}});
        valueIndex.emplace_back();
      }
      current = at->second;
      inKey = true;
    } else {
      if (!inKey) {
        result.error = lineError(lineNo, "value outside any key");
        return result;
      }
      Value value;
      size_t pos = 0;
      if (line.front() == '@') {
        pos = 1;
      } else if (!readQuoted(line, pos, value.name)) {
        result.error = lineError(lineNo, "malformed value name");
        return result;
      }
      std::string_view rest = trim(line.substr(pos));
      if (rest.empty() || rest.front() != '=') {
        result.error = lineError(lineNo, "missing '=' after the value name");
        return result;
      }
      rest = trim(rest.substr(1));
      if (!rest.empty() && rest.front() == '"') {
        size_t p = 0;
        if (!readQuoted(rest, p, value.text) || !trim(rest.substr(p)).empty()) {
          result.error = lineError(lineNo, "malformed string value");
          return result;
        }
        value.type = ValueType::String;
      } else if (rest.substr(0, 6) == "dword:") {
        if (!parseDword(rest.substr(6), value.dword)) {
          result.error = lineError(lineNo, "malformed dword value");
          return result;
        }
        value.type = ValueType::Dword;
      } else {
        result.error = lineError(lineNo, "unsupported value type");
        return result;
      }
      auto& values = result.document.keys[current].values;
      const auto [at, added] = valueIndex[current].try_emplace(foldName(value.name), values.size());
      if (added) {
        values.push_back(std::move(value));
      } else {
        values[at->second] = std::move(value);
      }
    }
    if (last) break;
  }
  if (!sawHeader) {
    result.error = "line 1: the file does not begin with \"" + std::string(kRegHeader) + "\"";
    return result;
  }
  result.ok = true;
  return result;
}

std::string formatRegText(const Document& document) {
  std::string out(kRegHeader);
  out += "\n";
  for (const auto& key : document.keys) {
    out += "\n[" + key.path + "]\n";
    for (const auto& v : key.values) {
      if (v.name.empty()) {
        out += '@';
      } else {
        writeQuoted(out, v.name);
      }
      out += '=';
      if (v.type == ValueType::String) {
        writeQuoted(out, v.text);
      } else {
        char buf[16];
        static const char* digits = "0123456789abcdef";
        for (int i = 0; i < 8; ++i) buf[i] = digits[(v.dword >> (28 - 4 * i)) & 0xF];
        out += "dword:";
        out.append(buf, 8);
      }
      out += '\n';
    }
  }
  return out;
}

}  // namespace vantorel::registry
