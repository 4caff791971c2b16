#include "platform/codepage/Cp1253.h"

#include <algorithm>
#include <array>

#include "platform/codepage/Utf8.h"

namespace vantorel::codepage {
namespace {

// Upper half of the code page; the lower half is ASCII.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0xFFFD, 0x2030, 0xFFFD, 0x2039, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD,  // 0x88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0xFFFD, 0x2122, 0xFFFD, 0x203A, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD,  // 0x98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0xFFFD, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,  // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,  // 0xB8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,  // 0xC0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,  // 0xC8
    0x03A0, 0x03A1, 0xFFFD, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,  // 0xD0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,  // 0xD8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,  // 0xE0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,  // 0xE8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,  // 0xF0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0xFFFD,  // 0xF8
};

// Decodes one UTF-8 scalar at `pos`; nothing on a malformed, overlong or surrogate sequence.
std::optional<char32_t> decodeUtf8(std::string_view s, size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  int extra = 0;
  char32_t c = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    ++pos;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1, c = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2, c = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3, c = b0 & 0x07, min = 0x10000;
  } else {
    return std::nullopt;
  }
  if (pos + extra >= s.size()) return std::nullopt;
  for (int i = 1; i <= extra; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  pos += extra + 1;
  return c;
}

}  // namespace

char32_t toUnicode(unsigned char byte) {
  return byte < 0x80 ? char32_t{byte} : char32_t{kUpperHalf[byte - 0x80]};
}

std::optional<unsigned char> fromUnicode(char32_t ch) {
  if (ch < 0x80) return static_cast<unsigned char>(ch);
  if (ch == 0xFFFD) return std::nullopt;
  for (size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] == ch) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::string toUtf8(std::string_view cp1253) {
  // The UTF-8 form of each byte of the upper half (at most three bytes, then the length).
  static const std::array<std::array<char, 4>, 128> kUpperUtf8 = [] {
    std::array<std::array<char, 4>, 128> table{};
    for (size_t i = 0; i < table.size(); ++i) {
      std::string bytes;
      appendUtf8(bytes, kUpperHalf[i]);
      std::copy(bytes.begin(), bytes.end(), table[i].begin());
      table[i][3] = static_cast<char>(bytes.size());
    }
    return table;
  }();
  // Pages are long: written through a pointer into room for the longest outcome, then trimmed.
  std::string out(cp1253.size() * 3, '\0');
  char* to = out.data();
  for (const char b : cp1253) {
    const auto byte = static_cast<unsigned char>(b);
    if (byte < 0x80) {
      *to++ = b;
    } else {
      const std::array<char, 4>& utf8 = kUpperUtf8[byte - 0x80];
      std::copy_n(utf8.begin(), 3, to);
      to += utf8[3];
    }
  }
  out.resize(static_cast<size_t>(to - out.data()));
  return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8, size_t* badOffset) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const size_t start = pos;
    const auto c = decodeUtf8(utf8, pos);
    const auto byte = c ? fromUnicode(*c) : std::nullopt;
    if (!byte) {
      if (badOffset) *badOffset = start;
      return std::nullopt;
    }
    out += static_cast<char>(*byte);
  }
  return out;
}

std::string fromUtf8Lossy(std::string_view utf8, char replacement) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto c = decodeUtf8(utf8, pos);
    if (!c) {
      ++pos;
      out += replacement;
      continue;
    }
    const auto byte = fromUnicode(*c);
    out += byte ? static_cast<char>(*byte) : replacement;
  }
  return out;
}

unsigned char toLower(unsigned char b) {
  if (b >= 'A' && b <= 'Z') return static_cast<unsigned char>(b + 32);
  if (b >= 0xC1 && b <= 0xDB && b != 0xD2) return static_cast<unsigned char>(b + 32);  // Α..Ϋ
  switch (b) {
    case 0xA2: return 0xDC;  // Ά
    case 0xB8: return 0xDD;  // Έ
    case 0xB9: return 0xDE;  // Ή
    case 0xBA: return 0xDF;  // Ί
    case 0xBC: return 0xFC;  // Ό
    case 0xBE: return 0xFD;  // Ύ
    case 0xBF: return 0xFE;  // Ώ
    default: return b;
  }
}

unsigned char toUpper(unsigned char b) {
  if (b >= 'a' && b <= 'z') return static_cast<unsigned char>(b - 32);
  if (b == 0xF2) return 0xD3;  // final sigma
  if (b >= 0xE1 && b <= 0xFB) return static_cast<unsigned char>(b - 32);
  switch (b) {
    case 0xDC: return 0xA2;
    case 0xDD: return 0xB8;
    case 0xDE: return 0xB9;
    case 0xDF: return 0xBA;
    case 0xFC: return 0xBC;
    case 0xFD: return 0xBE;
    case 0xFE: return 0xBF;
    default: return b;
  }
}

}  // namespace vantorel::codepage
