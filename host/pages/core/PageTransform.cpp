#include "host/pages/core/PageTransform.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/com/ComponentIds.h"
#include "platform/files/AtomicWrite.h"
#include "platform/files/RegularFile.h"

namespace vantorel::host::pages {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kGlossaryLinkStart = "<A HREF=\"pjqbhg";
constexpr size_t kGlossaryKeyLength = 8;
constexpr std::string_view kLinkColour = "#0059CA";
constexpr std::string_view kAlphaTonos = "&#x0386;";
constexpr char kCp1253AlphaTonos = '\xA2';
// Molecule files are a few kilobytes; nothing larger is copied into the cache.
constexpr size_t kMaxMoleculeBytes = 16 * 1024 * 1024;
// Cache files are the user's own: nobody else reads what they looked at.
constexpr mode_t kCacheFileMode = 0600;

struct IdSwap {
  std::string legacy;
  std::string current;
};

const std::array<IdSwap, 2>& idSwaps() {
  static const std::array<IdSwap, 2> swaps{
      IdSwap{com::ids::kLegacyMoleculeControllerClass.toBareString(), com::ids::kKestrinClass.toBareString()},
      IdSwap{com::ids::kLegacyMoleculeZoomClass.toBareString(), com::ids::kFennickClass.toBareString()}};
  return swaps;
}

void replaceAll(std::string& line, std::string_view what, std::string_view with) {
  for (size_t at = line.find(what); at != std::string::npos; at = line.find(what, at + with.size()))
    line.replace(at, what.size(), with);
}

// "~G" + key + text + "~" + one character, for as long as the line's first "~" starts such a
// markup. Each piece is checked to be there; an incomplete markup ends the expansion.
void expandGlossary(std::string& line) {
  std::string out;
  size_t done = 0;  // the part of `line` before this is in `out`
  for (;;) {
    const size_t tilde = line.find('~', done);
    if (tilde == std::string::npos || tilde + 1 >= line.size() || line[tilde + 1] != 'G') break;
    const size_t keyAt = tilde + 2;
    if (line.size() - keyAt < kGlossaryKeyLength) break;
    const std::string_view key = std::string_view(line).substr(keyAt, kGlossaryKeyLength);
    // A "~" inside the key would make the link its own next markup.
    if (key.find('~') != std::string_view::npos) break;
    const size_t textAt = keyAt + kGlossaryKeyLength;
    const size_t close = line.find('~', textAt);
    if (close == std::string::npos) break;
    if (out.empty()) out.reserve(line.size() + 64);
    out.append(line, done, tilde - done);
    out += kGlossaryLinkStart;
    out += key;
    out += ".htm\"><U>";
    out.append(line, textAt, close - textAt);
    out += "</U></A>";
    // The character after the closing "~" goes too, where there is one.
    done = std::min(close + 2, line.size());
  }
  if (done == 0) return;
  out.append(line, done, std::string::npos);
  line.swap(out);
}

// A molecule path written after the marker: relative, and never climbing out of the data folder.
bool staysBelow(std::string_view relative) {
  if (relative.empty() || relative.front() == '/' || relative.front() == '\\') return false;
  if (relative.find('\0') != std::string_view::npos) return false;
  size_t start = 0;
  while (start <= relative.size()) {
    const size_t end = std::min(relative.find_first_of("/\\", start), relative.size());
    if (relative.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

struct LineRules {
  const TransformSettings& settings;
  const std::string folderUrl;
  TransformResult& result;

  // The first marker of its kind on the line, with its two filler bytes, becomes the data folder;
  // npos when the line has none (or one without its filler).
  size_t replaceFirst(std::string& line, char marker) const {
    const size_t at = line.find(marker);
    if (at == std::string::npos || line.size() - at < 3) return std::string::npos;
    line.replace(at, 3, folderUrl);
    return at;
  }

  void molecule(std::string& line) const {
    const size_t at = replaceFirst(line, kMoleculeMarker);
    if (at == std::string::npos) return;
    result.hasMolecule = true;
    // Only a quoted path that begins with the folder just put in is the page's molecule.
    const size_t open = line.find('"');
    if (open == std::string::npos || open + 1 != at) return;
    const size_t relativeAt = at + folderUrl.size();
    const size_t close = line.find('"', relativeAt);
    if (close == std::string::npos) return;
    const std::string relative = line.substr(relativeAt, close - relativeAt);
    if (!staysBelow(relative) || !settings.copyMolecule || !settings.copyMolecule(relative)) return;
    line.replace(open + 1, close - open - 1, kMoleculeCopy);
  }

  void dataFolder(std::string& line) const {
    size_t at = line.find(kDataFolderMarker);
    if (at == std::string::npos) return;
    std::string out;
    out.reserve(line.size() + 4 * folderUrl.size());
    size_t done = 0;
    for (; at != std::string::npos; at = line.find(kDataFolderMarker, done)) {
      if (line.size() - at < 3) break;
      out.append(line, done, at - done);
      out += folderUrl;
      done = at + 3;
    }
    out.append(line, done, std::string::npos);
    line.swap(out);
  }

  static void linkColours(std::string& line) {
    const size_t body = line.find("<BODY ");
    if (body == std::string::npos) return;
    constexpr std::string_view kWhiteActive = "ALINK=\"#FFFFFF\"";
    if (const size_t a = line.find(kWhiteActive); a != std::string::npos)
      line.replace(a + 7, kLinkColour.size(), kLinkColour);
    if (line.find("VLINK") == std::string::npos) line.insert(body + 6, "VLINK=\"" + std::string(kLinkColour) + "\" ");
  }

  static void alphaTonos(std::string& line) {
    if (line.find(kCp1253AlphaTonos) == std::string::npos) return;
    std::string out;
    out.reserve(line.size() + 64);
    for (char c : line) {
      if (c == kCp1253AlphaTonos) {
        out += kAlphaTonos;
      } else {
        out += c;
      }
    }
    line.swap(out);
  }

  static void footer(std::string& line) {
    if (line.find(kFooterCredit) == std::string::npos) return;
    replaceAll(line, "<DIV ALIGN=right>", "");
    replaceAll(line, "</DIV>", "");
  }

  static void classIds(std::string& line) {
    for (const IdSwap& swap : idSwaps()) replaceAll(line, swap.legacy, swap.current);
  }

  void apply(std::string& line) const {
    expandGlossary(line);
    if (const size_t at = replaceFirst(line, kVideoMarker); at != std::string::npos) {
      result.hasVideo = true;
      result.lastVideoText = line.substr(at);
    }
    molecule(line);
    dataFolder(line);
    linkColours(line);
    alphaTonos(line);
    footer(line);
    classIds(line);
  }
};

// The lines of `text`, each without its line end ("\n" or "\r\n"), and that line end.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
  size_t start = 0;
  while (start < text.size()) {
    const size_t newline = text.find('\n', start);
    const size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
    size_t end = newline == std::string_view::npos ? text.size() : newline;
    if (end > start && text[end - 1] == '\r' && newline != std::string_view::npos) --end;
    visit(text.substr(start, end - start), text.substr(end, next - end));
    start = next;
  }
}

std::optional<std::string> readFile(const std::string& path, size_t limit) {
  const files::FilePtr file = files::openRegularFile(path);
  if (!file) return std::nullopt;
  // One read of the whole file where its size is known; a file that grows meanwhile is read on.
  std::string bytes;
  struct stat info {};
  if (::fstat(::fileno(file.get()), &info) == 0 && info.st_size > 0 && size_t(info.st_size) <= limit)
    bytes.resize(size_t(info.st_size));
  size_t have = std::fread(bytes.data(), 1, bytes.size(), file.get());
  bytes.resize(have);
  char chunk[65536];
  for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) {
    if (bytes.size() + got > limit) return std::nullopt;
    bytes.append(chunk, got);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

// `inner` lies inside `folder` once every link of both is followed.
bool inside(const fs::path& inner, const fs::path& folder) {
  std::error_code error;
  const fs::path a = fs::canonical(inner, error);
  if (error) return false;
  const fs::path b = fs::canonical(folder, error);
  if (error) return false;
  auto ai = a.begin();
  for (auto bi = b.begin(); bi != b.end(); ++bi, ++ai) {
    if (bi->empty()) continue;  // the trailing separator of the folder
    if (ai == a.end() || *ai != *bi) return false;
  }
  return ai != a.end();
}

bool copyMoleculeFile(const std::string& dataFolder, const std::string& relative, const fs::path& target) {
  const std::string from = dataFolder + relative;
  if (!inside(from, dataFolder)) return false;
  const std::optional<std::string> bytes = readFile(from, kMaxMoleculeBytes);
  if (!bytes) return false;
  std::string error;
  return files::replaceFileContents(target, *bytes, error, kCacheFileMode);
}

}  // namespace

std::string percentEncoded(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url;
  url.reserve(path.size() + 16);
  for (const char c : path) {
    const auto b = static_cast<unsigned char>(c);
    const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' ||
                       b == '.' || b == '_' || b == '~' || b == '/';
    if (plain) {
      url += c;
    } else {
      url += '%';
      url += kHex[b >> 4];
      url += kHex[b & 15];
    }
  }
  return url;
}

std::string fileUrl(std::string_view path) {
  return "file://" + percentEncoded(path);
}

TransformResult transformPageText(std::string_view source, const TransformSettings& settings) {
  TransformResult result;
  result.page.reserve(source.size() + source.size() / 8 + 256);
  const LineRules rules{settings, fileUrl(settings.dataFolder), result};
  std::string line;
  forEachLine(source, [&](std::string_view body, std::string_view end) {
    line.assign(body);
    rules.apply(line);
    result.page += line;
    result.page += end;
  });
  return result;
}

std::optional<std::string> enlargedVideoPage(std::string_view lastVideoText) {
  const size_t quote = lastVideoText.find('"');
  if (quote == std::string_view::npos) return std::nullopt;
  std::string page = "<HTML>\n<BODY BGCOLOR=\"#c0c0c0\" LEFTMARGIN=0 TOPMARGIN=0>\n<EMBED SRC=\"";
  page += lastVideoText.substr(0, quote + 1);
  page += " WIDTH=640 HEIGHT=498 AUTOPLAY=TRUE SCALE=2>\n</BODY></HTML>\n";
  return page;
}

std::string enlargedMoleculePage(std::string_view generatedPage) {
  std::string page;
  int number = 0;
  bool ended = false;
  auto replaceFirst = [](std::string& line, std::string_view what, std::string_view with) {
    if (const size_t at = line.find(what); at != std::string::npos) line.replace(at, what.size(), with);
  };
  forEachLine(generatedPage, [&](std::string_view body, std::string_view) {
    ++number;
    if (ended || (number > 1 && number < 13)) return;
    std::string line(body);
    if (number == 1) {
      page += line + "\n<BODY BGCOLOR=\"#000000\">\n";
      return;
    }
    if (number == 13) {
      // The viewer at the enlarged view's size.
      replaceFirst(line, "290", "498");
      replaceFirst(line, "340", "640");
    } else if (number == 15) {
      // The model stands still until the user turns it.
      if (const size_t at = line.find("true"); at != std::string::npos) line = line.substr(0, at) + "false";
    } else if (number > 15 && line.starts_with("</TD>")) {
      ended = true;
      return;
    }
    page += line + "\n";
  });
  if (number == 0) page += "<BODY BGCOLOR=\"#000000\">\n";
  page += "</BODY></HTML>\n";
  return page;
}

std::string redirectPage(std::string_view target) {
  return "<HTML><HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"0; URL=" + percentEncoded(target) +
         "\"></HEAD><BODY BGCOLOR=\"#949494\"></BODY></HTML>\n";
}

TransformOutcome TransformPage(const std::string& source, const std::string& output, const std::string& dataFolder) {
  TransformOutcome outcome;
  const fs::path cache = fs::path(output).parent_path();
  const fs::path enlarged = cache / kEnlargedPage;
  // The companion page of an earlier page must never stand for this one.
  std::error_code ignored;
  fs::remove(enlarged, ignored);
  const std::optional<std::string> text = readFile(source, SIZE_MAX);
  if (!text) {
    outcome.status = TransformOutcome::Status::SourceMissing;
    return outcome;
  }
  TransformSettings settings;
  settings.dataFolder = dataFolder;
  settings.copyMolecule = [&](const std::string& relative) {
    return copyMoleculeFile(dataFolder, relative, cache / kMoleculeCopy);
  };
  const TransformResult result = transformPageText(*text, settings);
  outcome.hasVideo = result.hasVideo;
  outcome.hasMolecule = result.hasMolecule;
  std::string error;
  if (!files::replaceFileContents(output, result.page, error, kCacheFileMode)) {
    outcome.status = TransformOutcome::Status::OutputFailed;
    return outcome;
  }
  if (result.hasVideo) {
    if (const std::optional<std::string> page = enlargedVideoPage(result.lastVideoText))
      (void)files::replaceFileContents(enlarged, *page, error, kCacheFileMode);
  }
  if (result.hasMolecule)
    (void)files::replaceFileContents(enlarged, enlargedMoleculePage(result.page), error, kCacheFileMode);
  return outcome;
}

}  // namespace vantorel::host::pages
