#include "host/core/StartupRules.h"

#include <algorithm>
#include <cctype>

namespace vantorel::host {
namespace {

std::string lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

int asInt(uint32_t v) {
  return static_cast<int>(static_cast<int32_t>(v));
}

}  // namespace

std::string registryKeyPath() {
  return "HKEY_LOCAL_MACHINE\\" + std::string(kRegistryKeyBase) + std::string(kEdition);
}

InstallFolder decideInstallFolder(std::string_view programFolder, const std::optional<std::string>& registered) {
  if (!registered) return {std::string(programFolder), true};
  // Letter case does not make another folder of it. The program's own spelling is kept: on a
  // file system that minds case, the registry's spelling may name no folder at all.
  if (lowered(*registered) == lowered(programFolder)) return {std::string(programFolder), false};
  return {std::string(programFolder), true};
}

Placement decidePlacement(const SavedPlacement& saved, int screenWidth, int screenHeight) {
  Placement p;
  if (saved.splitter) p.splitter = asInt(*saved.splitter);
  if (!saved.size) {
    // No saved layout: centred at 640 x 480 on a wide enough screen, else maximised at 0,0; any
    // rectangle values that happen to be stored are ignored.
    if (screenWidth >= 700) {
      p.size = 0;
      p.left = (screenWidth - 640) / 2;
      p.top = (screenHeight - 480) / 2;
    } else {
      p.size = 2;
      p.left = p.top = 0;
    }
    p.right = p.left + 640;
    p.bottom = p.top + 480;
    return p;
  }
  p.size = *saved.size == 0 ? 0 : 2;
  p.left = saved.left ? asInt(*saved.left) : 0;
  p.top = saved.top ? asInt(*saved.top) : 0;
  p.right = saved.right ? asInt(*saved.right) : 640;
  p.bottom = saved.bottom ? asInt(*saved.bottom) : 480;
  return p;
}

bool screenForcesMaximised(int screenWidth, int screenHeight) {
  return screenWidth <= 640 || screenHeight <= 480;
}

MinimumSize frameMinimumSize(int maximisedWidth, int maximisedHeight) {
  return {std::min(maximisedWidth - 8, 640), std::min(maximisedHeight - 8, 480)};
}

std::string withTrailingSeparator(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

std::string initialDataFolder(std::string_view value, std::string_view fallback) {
  return withTrailingSeparator(std::string(value.size() >= 2 ? value : fallback));
}

std::optional<std::string> usableBookmarkPath(std::string_view value) {
  if (value.size() < 3) return std::nullopt;
  return std::string(value);
}

std::string colourDepthAdvice(int bitsPerPixel) {
  if (bitsPerPixel >= 16) return {};
  return "Η οθόνη σας απεικονίζει μόνο " + std::string(bitsPerPixel == 8 ? "256" : "16") +
         " χρώματα.\r\nΓια καλύτερα αποτελέσματα προτείνεται να ρυθμίσετε την οθόνη σας ώστε να "
         "απεικονίζει χιλιάδες ή εκατομμύρια χρώματα.";
}

}  // namespace vantorel::host
