#pragma once

#include <optional>
#include <string_view>

#include "platform/com/Guid.h"

// Which component shows an object that a page embeds.
namespace vantorel::browser {

struct PluginChoice {
  std::optional<com::Guid> clsid;  // nothing: the page keeps an empty box
};

// <OBJECT CLASSID="clsid:..."> names its component; <EMBED> is chosen by TYPE, else by the
// extension of SRC: molecule files go to the molecule viewer, video files to the video player.
[[nodiscard]] PluginChoice choosePlugin(std::string_view tag, std::string_view classId, std::string_view type,
                                        std::string_view source);

}  // namespace vantorel::browser
