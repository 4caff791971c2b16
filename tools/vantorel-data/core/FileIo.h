#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantorel::data {

[[nodiscard]] std::optional<std::string> readWholeFile(const std::string& path);

// Writes through a temporary file and a rename, so readers never see a half-written file.
[[nodiscard]] bool writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace vantorel::data
