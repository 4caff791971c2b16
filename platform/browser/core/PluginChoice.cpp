#include "platform/browser/core/PluginChoice.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "platform/com/ComponentIds.h"

namespace vantorel::browser {
namespace {

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

constexpr std::array<std::string_view, 6> kMoleculeExtensions{"mol", "mdl", "sdf", "sd", "mol2", "pdb"};
constexpr std::array<std::string_view, 13> kVideoExtensions{"avi", "mpg", "mpeg", "mp4", "m4v", "mov", "qt",
                                                            "wmv", "asf", "webm", "mkv", "ogv", "flv"};

template <size_t N>
bool contains(const std::array<std::string_view, N>& set, std::string_view value) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

std::string extensionOf(std::string_view source) {
  source = source.substr(0, std::min(source.find_first_of("?#"), source.size()));
  const size_t slash = source.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? source : source.substr(slash + 1);
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : lowered(name.substr(dot + 1));
}

}  // namespace

PluginChoice choosePlugin(std::string_view tag, std::string_view classId, std::string_view type,
                          std::string_view source) {
  const std::string t = lowered(tag);
  if (t == "object") {
    std::string id = lowered(classId);
    if (id.starts_with("clsid:")) id.erase(0, 6);
    return {com::Guid::parse(id)};
  }
  if (t != "embed") return {};
  const std::string mime = lowered(type);
  if (mime.starts_with("chemical/")) return {com::ids::kMoleculeViewerClass};
  if (mime.starts_with("video/") || mime == "application/x-mplayer2") return {com::ids::kVideoPlayerClass};
  const std::string extension = extensionOf(source);
  if (contains(kMoleculeExtensions, extension)) return {com::ids::kMoleculeViewerClass};
  if (contains(kVideoExtensions, extension)) return {com::ids::kVideoPlayerClass};
  return {};
}

}  // namespace vantorel::browser
