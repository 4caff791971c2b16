#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/codepage/Cp1253.h"

// Where CP1253 data text meets widgets, file names and the clipboard.
namespace vantorel::codepage {

[[nodiscard]] inline QString toQString(std::string_view cp1253) {
  const std::string utf8 = toUtf8(cp1253);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Characters the code page cannot write become `replacement`.
[[nodiscard]] inline std::string fromQString(const QString& text, char replacement = '?') {
  return fromUtf8Lossy(text.toStdString(), replacement);
}

}  // namespace vantorel::codepage
