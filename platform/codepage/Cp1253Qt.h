#pragma once

#include <QString>
#include <array>
#include <string>
#include <string_view>

#include "platform/codepage/Cp1253.h"

// Where CP1253 data text meets widgets, file names and the clipboard.
namespace vantorel::codepage {

// Every character of the code page lies in the Basic Multilingual Plane, so each byte becomes
// one UTF-16 unit, looked up in a table: whole data tables go to the clipboard this way.
[[nodiscard]] inline QString toQString(std::string_view cp1253) {
  static const std::array<char16_t, 256> units = [] {
    std::array<char16_t, 256> table{};
    for (size_t b = 0; b < table.size(); ++b)
      table[b] = static_cast<char16_t>(toUnicode(static_cast<unsigned char>(b)));
    return table;
  }();
  QString text(static_cast<qsizetype>(cp1253.size()), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  for (const char byte : cp1253) *out++ = units[static_cast<unsigned char>(byte)];
  return text;
}

// Characters the code page cannot write become `replacement`.
[[nodiscard]] inline std::string fromQString(const QString& text, char replacement = '?') {
  return fromUtf8Lossy(text.toStdString(), replacement);
}

}  // namespace vantorel::codepage
