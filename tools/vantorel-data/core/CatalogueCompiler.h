#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/vantorel-data/core/PictureSet.h"
#include "tools/vantorel-data/core/Source.h"

// Builds the topic catalogue of a disc from the sources: title files, topic trees, association
// files, word files, the element index, every page (topic pages from the route sources, resource
// and element pages from the reference tables and the element files through templates), glossary
// files, fixed pages, pictures,
// molecule files and video clips.
namespace vantorel::data {

using DiscFile = std::pair<std::string, std::string>;  // path relative to the disc, bytes

// The publisher's credit on the footer line of every page: the host recognises that line by it.
inline constexpr const char* kCreditText = "1999 Halvenor";
// The two bytes after a data-folder, video or molecule marker, replaced with the marker.
inline constexpr const char* kMarkerFiller = "CD";

[[nodiscard]] std::optional<std::vector<DiscFile>> compileCatalogue(const std::string& sourceDir,
                                                                    const PictureSet& pictures,
                                                                    std::vector<Diagnostic>& diagnostics);

// The source files of the catalogue, relative to the source folder (for build dependencies).
[[nodiscard]] std::vector<std::string> catalogueSourceFiles(const std::string& sourceDir);

}  // namespace vantorel::data
