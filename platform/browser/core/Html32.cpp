#include "platform/browser/core/Html32.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vantorel::browser::html32 {
namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

bool allOf(std::string_view text, int (*test)(int)) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [test](unsigned char c) { return test(c) != 0; });
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && lowered(text.substr(text.size() - suffix.size())) == suffix;
}

// Pixel sizes of the seven HTML font sizes at the usual screen resolution.
constexpr std::array<int, 7> kFontPixels{10, 13, 16, 18, 24, 32, 48};

}  // namespace

std::string fontSize(std::string_view value) {
  value = trimmed(value);
  if (value.empty()) return {};
  int sign = 0;
  if (value.front() == '+' || value.front() == '-') {
    sign = value.front() == '+' ? 1 : -1;
    value.remove_prefix(1);
  }
  if (!allOf(value, isdigit) || value.size() > 3) return {};
  int n = std::stoi(std::string(value));
  if (sign) n = 3 + sign * n;
  n = std::clamp(n, 1, 7);
  return std::to_string(kFontPixels[static_cast<size_t>(n - 1)]) + "px";
}

std::string colour(std::string_view value) {
  value = trimmed(value);
  if (!value.empty() && value.front() == '#') value.remove_prefix(1);
  if (value.size() == 6 && allOf(value, isxdigit)) return "#" + std::string(value);
  if (value.size() == 3 && allOf(value, isxdigit)) return "#" + std::string(value);
  if (value.size() <= 20 && allOf(value, isalpha)) return lowered(value);
  return {};
}

std::string length(std::string_view value) {
  value = trimmed(value);
  bool percent = false;
  if (!value.empty() && value.back() == '%') {
    percent = true;
    value.remove_suffix(1);
  }
  if (endsWithIgnoringCase(value, "px")) value.remove_suffix(2);
  if (!allOf(value, isdigit)) return {};
  const std::string digits(value.substr(0, std::min<size_t>(value.size(), 7)));
  const long n = std::min(std::stol(digits), 100000L);
  return std::to_string(n) + (percent ? "%" : "px");
}

std::string align(std::string_view value) {
  const std::string v = lowered(trimmed(value));
  if (v == "absmiddle") return "middle";
  if (v == "absbottom") return "bottom";
  for (std::string_view known :
       {"left", "center", "right", "justify", "top", "middle", "bottom", "baseline", "texttop"}) {
    if (v == known) return v == "texttop" ? "text-top" : v;
  }
  return {};
}

std::string fontFamily(std::string_view value) {
  std::string out;
  while (!value.empty()) {
    const size_t comma = std::min(value.find(','), value.size());
    std::string_view face = trimmed(value.substr(0, comma));
    value.remove_prefix(std::min(comma + 1, value.size()));
    while (!face.empty() && (face.front() == '"' || face.front() == '\'')) face.remove_prefix(1);
    while (!face.empty() && (face.back() == '"' || face.back() == '\'')) face.remove_suffix(1);
    for (std::string_view script : {" greek", " ce", " cyr", " baltic", " tur"}) {
      if (endsWithIgnoringCase(face, script)) face.remove_suffix(script.size());
    }
    face = trimmed(face);
    const bool clean = !face.empty() && std::all_of(face.begin(), face.end(), [](unsigned char c) {
      return std::isalnum(c) || c == ' ' || c == '-' || c == '_';
    });
    if (!clean) continue;
    if (!out.empty()) out += ", ";
    out += "'" + std::string(face) + "'";
  }
  return out;
}

}  // namespace vantorel::browser::html32
