#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The decisions of the program's start-up that depend only on their inputs: where the install
// folder is, the saved window placement, the data and bookmark locations, the colour advice.
namespace vantorel::host {

// HKEY_LOCAL_MACHINE key of the program's settings: string 201 with the edition appended.
inline constexpr std::string_view kRegistryKeyBase = "Software\\Halvenor\\Vantorel Greek\\";
inline constexpr std::string_view kEdition = "Ostrevan Edition";
[[nodiscard]] std::string registryKeyPath();  // "HKEY_LOCAL_MACHINE\Software\...\Ostrevan Edition"

inline constexpr std::string_view kSettingsFileName = "qset.ini";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kDataPathKey = "DataPath";
inline constexpr std::string_view kBookmarkKey = "Bookmark";
inline constexpr std::string_view kFirstPage = "a.htm";
inline constexpr std::string_view kBookmarkName = "bookmark.dat";

struct InstallFolder {
  std::string folder;  // without a trailing separator
  bool outsideInstallFolder = false;
};

// `registered` is the "Directory" value when it exists as a string.
[[nodiscard]] InstallFolder decideInstallFolder(std::string_view programFolder,
                                                const std::optional<std::string>& registered);

struct Placement {
  int splitter = 216;
  int size = 0;  // 0 normal, 2 maximised
  int left = 0, top = 0, right = 640, bottom = 480;
};

// The saved values as the registry holds them (each present only as a DWORD).
struct SavedPlacement {
  std::optional<uint32_t> splitter, size, left, top, right, bottom;
};

[[nodiscard]] Placement decidePlacement(const SavedPlacement& saved, int screenWidth, int screenHeight);

// Whether the frame's first show is maximised: by screen size, or by a saved Size of 2.
[[nodiscard]] bool screenForcesMaximised(int screenWidth, int screenHeight);

// The smallest frame size for a maximised-window area of the given size.
struct MinimumSize {
  int width, height;
};
[[nodiscard]] MinimumSize frameMinimumSize(int maximisedWidth, int maximisedHeight);

// "DataPath" as read, or the fallback, with a trailing separator. A value shorter than two
// characters counts as missing.
[[nodiscard]] std::string initialDataFolder(std::string_view dataPathValue, std::string_view fallback);
[[nodiscard]] std::string withTrailingSeparator(std::string path);

// The bookmark path when "Bookmark" is usable (three characters or more).
[[nodiscard]] std::optional<std::string> usableBookmarkPath(std::string_view bookmarkValue);

// The colour advice for a screen depth, empty when none is due.
[[nodiscard]] std::string colourDepthAdvice(int bitsPerPixel);

}  // namespace vantorel::host
