#include "outside/core/EmbedAttributes.h"

#include <charconv>
#include <cmath>

namespace vantorel::outside {
namespace {

std::string_view trimmed(std::string_view s) {
  const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return s;
}

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// Quotes are the page's, not the value's; the browser should have removed them already.
std::string_view unquoted(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

EmbedAttributes EmbedAttributes::parse(std::string_view text) {
  EmbedAttributes result;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view name = trimmed(line.substr(0, eq));
    if (name.empty()) continue;
    result.values_[upper(name)] = std::string(unquoted(trimmed(line.substr(eq + 1))));
  }
  return result;
}

std::optional<std::string> EmbedAttributes::value(std::string_view name) const {
  const auto it = values_.find(upper(name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool EmbedAttributes::flag(std::string_view name, bool fallback) const {
  const auto v = value(name);
  if (!v) return fallback;
  const std::string word = upper(*v);
  if (word == "TRUE" || word == "YES" || word == "ON" || word == "1") return true;
  if (word == "FALSE" || word == "NO" || word == "OFF" || word == "0") return false;
  return fallback;
}

double EmbedAttributes::number(std::string_view name, double fallback) const {
  const auto v = value(name);
  if (!v || v->empty()) return fallback;
  double out = 0;
  const char* first = v->data();
  const char* last = v->data() + v->size();
  const auto [ptr, ec] = std::from_chars(first, last, out);
  if (ec != std::errc() || ptr != last || !std::isfinite(out)) return fallback;
  return out;
}

unsigned EmbedAttributes::colour(std::string_view name, unsigned fallback) const {
  const auto v = value(name);
  if (!v) return fallback;
  std::string_view s = *v;
  if (!s.empty() && s.front() == '#') s.remove_prefix(1);
  if (s.size() != 6) return fallback;
  unsigned rgb = 0;
  for (char c : s) {
    const int d = hexDigit(c);
    if (d < 0) return fallback;
    rgb = rgb * 16 + static_cast<unsigned>(d);
  }
  return rgb;
}

}  // namespace vantorel::outside
