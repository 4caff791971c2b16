#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// The attributes a page gives an embedded object, as the page browser hands them to a plug-in's
// Load: one "NAME=value" a line, names in upper case, values without quotes.
namespace vantorel::outside {

class EmbedAttributes {
 public:
  EmbedAttributes() = default;
  // Lines without "=" or with an empty name are skipped; names are upper-cased and both sides
  // trimmed; a later line overrides an earlier one of the same name.
  [[nodiscard]] static EmbedAttributes parse(std::string_view text);

  [[nodiscard]] std::optional<std::string> value(std::string_view name) const;
  // TRUE, YES, ON and 1 read as true; FALSE, NO, OFF and 0 as false (any case); anything else,
  // or no such attribute, as `fallback`.
  [[nodiscard]] bool flag(std::string_view name, bool fallback) const;
  // A whole decimal number; `fallback` when absent or not a number.
  [[nodiscard]] double number(std::string_view name, double fallback) const;
  // "#RRGGBB" or "RRGGBB" as 0xRRGGBB; `fallback` otherwise.
  [[nodiscard]] unsigned colour(std::string_view name, unsigned fallback) const;

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace vantorel::outside
