#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel::com {

// A 128-bit class or interface identifier, written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  std::array<uint8_t, 8> data4{};

  // Accepts the text with or without braces, in either case.
  [[nodiscard]] static std::optional<Guid> parse(std::string_view text);
  // Upper case, with braces.
  [[nodiscard]] std::string toString() const;
  // The 36 characters without braces, as pages write them after "clsid:".
  [[nodiscard]] std::string toBareString() const;

  friend bool operator==(const Guid&, const Guid&) = default;
};

}  // namespace vantorel::com
