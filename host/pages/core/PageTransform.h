#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The page cache holds a transformed copy of every topic page: the data-folder markers resolved,
// glossary markup turned into links, link colours and one letter adjusted for the browser, the
// outdated component class ids swapped, and an enlarged companion page ("bigvid.htm") for a page
// with a video or a molecule.
namespace vantorel::host::pages {

// Marker bytes of the data pages; each stands with two filler bytes for the data folder.
inline constexpr char kMoleculeMarker = '\x03';
inline constexpr char kVideoMarker = '\x04';
inline constexpr char kDataFolderMarker = '\x05';
// The publisher's credit on the footer line of every page.
inline constexpr std::string_view kFooterCredit = "1999 Halvenor";
inline constexpr std::string_view kEnlargedPage = "bigvid.htm";
inline constexpr std::string_view kMoleculeCopy = "chime.mol";
inline constexpr std::string_view kRedirectPage = "redirect.htm";

// `path` as an address that survives being pasted into an attribute or a META refresh: every byte
// but letters, digits and "-._~/" written as %XX.
[[nodiscard]] std::string percentEncoded(std::string_view path);
// The file address of `path`: "file://" + the path percent-encoded.
[[nodiscard]] std::string fileUrl(std::string_view path);

struct TransformSettings {
  // The data folder as the file system names it, ending in '/'.
  std::string dataFolder;
  // Copies data folder + `relative` to the cache as the molecule file; true when it did. The
  // path has already been checked to stay below the data folder by its text.
  std::function<bool(const std::string& relative)> copyMolecule;
};

struct TransformResult {
  std::string page;
  bool hasVideo = false;
  bool hasMolecule = false;
  // What followed the video marker on its line, the data folder resolved.
  std::string lastVideoText;
};

// Transforms a whole page, one line at a time (lines end at '\n'; a line has no length limit).
[[nodiscard]] TransformResult transformPageText(std::string_view source, const TransformSettings& settings);

// The enlarged video page for the text that followed the video marker; none when it holds no
// double quote.
[[nodiscard]] std::optional<std::string> enlargedVideoPage(std::string_view lastVideoText);
// The enlarged molecule page, built from the generated page: its first line, a black body, the
// viewer's lines (13 to the line before "</TD>") at 640 x 498 without the start spin.
[[nodiscard]] std::string enlargedMoleculePage(std::string_view generatedPage);
// The page that sends the browser on at once to `target`, a page beside it.
[[nodiscard]] std::string redirectPage(std::string_view target);

// The whole step on files: reads `source`, writes `output` and, for a video or molecule page,
// "bigvid.htm" beside it; a molecule file is copied as "chime.mol" beside it. Any earlier
// "bigvid.htm" is removed first. Every file is written whole or not at all.
struct TransformOutcome {
  enum class Status { Done, SourceMissing, OutputFailed };
  Status status = Status::Done;
  bool hasVideo = false;
  bool hasMolecule = false;
};
[[nodiscard]] TransformOutcome TransformPage(const std::string& source, const std::string& output,
                                             const std::string& dataFolder);

}  // namespace vantorel::host::pages
