#pragma once

#include <compare>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// File version resources. A component library carries a version block in the platform's binary
// layout (VS_VERSIONINFO: StringFileInfo with language blocks such as "040904B0", each holding
// strings such as "FileVersion") in a section of its own, ".rsrc_version", so that the version of
// a file can be read without loading or running it.
namespace vantorel::com {

inline constexpr std::string_view kVersionSectionName = ".rsrc_version";

struct FileVersion {
  uint32_t high = 0;
  uint32_t low = 0;
  friend auto operator<=>(const FileVersion&, const FileVersion&) = default;
};

// "a.b.c.d" (or "a, b, c, d") to (a*65536 + b mod 65536, c*65536 + d mod 65536). Commas count as
// dots; each part is read after its leading spaces up to its first non-digit; c and d are read
// only when two more dots follow the first. Arithmetic wraps at 32 bits.
[[nodiscard]] FileVersion parseFileVersionText(std::string_view text);

// The string `name` of the first language block among `languages` in a VS_VERSIONINFO block.
[[nodiscard]] std::optional<std::string> versionString(std::span<const uint8_t> versionInfo, std::string_view name,
                                                       std::initializer_list<std::string_view> languages);

// The contents of the version section of an ELF image, if it has one.
[[nodiscard]] std::optional<std::span<const uint8_t>> findVersionSection(std::span<const uint8_t> image);

// The file version of a file: "FileVersion" from block "040904E4", else "040904B0"; (0, 0) for a
// file without a version block, a file that is not a library, or a missing file.
[[nodiscard]] FileVersion readFileVersion(const std::filesystem::path& file);
[[nodiscard]] FileVersion fileVersionOfImage(std::span<const uint8_t> image);

// Builds a VS_VERSIONINFO block with one string table ("040904B0") holding `strings` in order.
[[nodiscard]] std::vector<uint8_t> buildVersionInfo(const std::vector<std::pair<std::string, std::string>>& strings,
                                                    std::string_view language = "040904B0");

}  // namespace vantorel::com
