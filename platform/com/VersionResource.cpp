#include "platform/com/VersionResource.h"

#include <cstring>
#include <fstream>

#include "platform/codepage/Utf8.h"
#include "platform/registry/RegFile.h"

namespace vantorel::com {
namespace {

using codepage::appendUtf8;

constexpr size_t kMaxImageSize = size_t{256} << 20;

uint16_t read16(std::span<const uint8_t> d, size_t at) {
  return static_cast<uint16_t>(d[at] | (d[at + 1] << 8));
}
uint32_t read32(std::span<const uint8_t> d, size_t at) {
  return read16(d, at) | (uint32_t{read16(d, at + 2)} << 16);
}
uint64_t read64(std::span<const uint8_t> d, size_t at) {
  return read32(d, at) | (uint64_t{read32(d, at + 4)} << 32);
}

size_t align4(size_t n) {
  return (n + 3) & ~size_t{3};
}

// Reads NUL-terminated UTF-16LE text in [at, limit); `at` moves past the terminator.
std::optional<std::string> readUtf16(std::span<const uint8_t> d, size_t& at, size_t limit) {
  std::string out;
  while (at + 1 < limit) {
    char32_t c = read16(d, at);
    at += 2;
    if (c == 0) return out;
    if (c >= 0xD800 && c < 0xDC00 && at + 1 < limit) {
      const char32_t lo = read16(d, at);
      if (lo >= 0xDC00 && lo < 0xE000) {
        at += 2;
        c = 0x10000 + ((c - 0xD800) << 10) + (lo - 0xDC00);
      }
    }
    appendUtf8(out, c);
  }
  return std::nullopt;
}

struct Block {
  std::string key;
  size_t valueAt = 0;
  size_t valueBytes = 0;
  size_t childrenAt = 0;
  size_t end = 0;
};

// One block of the version tree at `at`, bounded by `limit`.
std::optional<Block> readBlock(std::span<const uint8_t> d, size_t at, size_t limit) {
  if (at + 6 > limit) return std::nullopt;
  const size_t length = read16(d, at);
  const size_t valueLength = read16(d, at + 2);
  const uint16_t type = read16(d, at + 4);
  if (length < 6 || at + length > limit) return std::nullopt;
  Block b;
  b.end = at + length;
  size_t pos = at + 6;
  auto key = readUtf16(d, pos, b.end);
  if (!key) return std::nullopt;
  b.key = std::move(*key);
  b.valueAt = align4(pos);
  b.valueBytes = type == 1 ? valueLength * 2 : valueLength;
  if (b.valueAt > b.end) b.valueAt = b.end;
  if (b.valueBytes > b.end - b.valueAt) b.valueBytes = b.end - b.valueAt;
  b.childrenAt = align4(b.valueAt + b.valueBytes);
  return b;
}

template <typename Visit>
void forEachChild(std::span<const uint8_t> d, const Block& parent, Visit visit) {
  size_t at = parent.childrenAt;
  while (at < parent.end) {
    auto child = readBlock(d, at, parent.end);
    if (!child) return;
    if (!visit(*child)) return;
    at = align4(child->end);
  }
}

uint32_t parsePart(std::string_view& s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  uint32_t v = 0;
  while (!s.empty() && s.front() >= '0' && s.front() <= '9') {
    v = v * 10u + static_cast<uint32_t>(s.front() - '0');
    s.remove_prefix(1);
  }
  return v;
}

// --- writing ---

void put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
  out[at] = static_cast<uint8_t>(v);
  out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void appendUtf16(std::vector<uint8_t>& out, std::string_view ascii) {
  for (char c : ascii) {
    out.push_back(static_cast<uint8_t>(c));
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(0);
}

void pad4(std::vector<uint8_t>& out) {
  while (out.size() % 4) out.push_back(0);
}

// Starts a block; returns its offset so that endBlock can fill in its length.
size_t beginBlock(std::vector<uint8_t>& out, std::string_view key, uint16_t valueLength, uint16_t type) {
  pad4(out);
  const size_t at = out.size();
  out.resize(at + 6);
  put16(out, at + 2, valueLength);
  put16(out, at + 4, type);
  appendUtf16(out, key);
  pad4(out);
  return at;
}

void endBlock(std::vector<uint8_t>& out, size_t at) {
  put16(out, at, static_cast<uint16_t>(out.size() - at));
}

}  // namespace

FileVersion parseFileVersionText(std::string_view text) {
  std::string s(text);
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  std::string_view rest = s;
  FileVersion v;
  const uint32_t a = parsePart(rest);
  const size_t dot1 = rest.find('.');
  if (dot1 == std::string_view::npos) {
    v.high = a * 65536u;
    return v;
  }
  std::string_view afterB = rest.substr(dot1 + 1);
  const uint32_t b = parsePart(afterB);
  v.high = a * 65536u + (b % 65536u);
  const size_t dot2 = afterB.find('.');
  if (dot2 == std::string_view::npos) return v;
  std::string_view afterC = afterB.substr(dot2 + 1);
  const size_t dot3 = afterC.find('.');
  if (dot3 == std::string_view::npos) return v;
  std::string_view cText = afterC;
  const uint32_t c = parsePart(cText);
  std::string_view dText = afterC.substr(dot3 + 1);
  const uint32_t d = parsePart(dText);
  v.low = c * 65536u + (d % 65536u);
  return v;
}

std::optional<std::string> versionString(std::span<const uint8_t> d, std::string_view name,
                                         std::initializer_list<std::string_view> languages) {
  auto root = readBlock(d, 0, d.size());
  if (!root || root->key != "VS_VERSION_INFO") return std::nullopt;
  for (std::string_view language : languages) {
    std::optional<std::string> found;
    forEachChild(d, *root, [&](const Block& info) {
      if (info.key != "StringFileInfo") return true;
      forEachChild(d, info, [&](const Block& table) {
        if (!registry::namesEqual(table.key, language)) return true;
        forEachChild(d, table, [&](const Block& str) {
          if (str.key != name) return true;
          size_t at = str.valueAt;
          auto text = readUtf16(d, at, str.valueAt + str.valueBytes);
          if (!text) {
            // No terminator inside the declared length: take what is there.
            at = str.valueAt;
            std::string partial;
            while (at + 1 < str.valueAt + str.valueBytes) {
              appendUtf8(partial, read16(d, at));
              at += 2;
            }
            text = partial;
          }
          found = std::move(text);
          return false;
        });
        return !found;
      });
      return !found;
    });
    if (found) return found;
  }
  return std::nullopt;
}

std::optional<std::span<const uint8_t>> findVersionSection(std::span<const uint8_t> d) {
  if (d.size() < 0x34 || d[0] != 0x7F || d[1] != 'E' || d[2] != 'L' || d[3] != 'F') return std::nullopt;
  const bool is64 = d[4] == 2;
  if ((d[4] != 1 && d[4] != 2) || d[5] != 1) return std::nullopt;  // little-endian only
  if (is64 && d.size() < 0x40) return std::nullopt;
  const uint64_t shoff = is64 ? read64(d, 0x28) : read32(d, 0x20);
  const size_t shentsize = read16(d, is64 ? 0x3A : 0x2E);
  const size_t shnum = read16(d, is64 ? 0x3C : 0x30);
  const size_t shstrndx = read16(d, is64 ? 0x3E : 0x32);
  const size_t minEntry = is64 ? 0x40 : 0x28;
  if (shentsize < minEntry || shstrndx >= shnum || shoff > d.size() || shnum > (d.size() - shoff) / shentsize)
    return std::nullopt;
  auto section = [&](size_t i, uint64_t& offset, uint64_t& size, uint32_t& type, uint32_t& nameAt) {
    const size_t h = static_cast<size_t>(shoff) + i * shentsize;
    nameAt = read32(d, h);
    type = read32(d, h + 4);
    offset = is64 ? read64(d, h + 0x18) : read32(d, h + 0x10);
    size = is64 ? read64(d, h + 0x20) : read32(d, h + 0x14);
    return offset <= d.size() && size <= d.size() - offset;
  };
  uint64_t strOff, strSize;
  uint32_t strType, unused;
  if (!section(shstrndx, strOff, strSize, strType, unused)) return std::nullopt;
  constexpr uint32_t kNoBits = 8;
  for (size_t i = 0; i < shnum; ++i) {
    uint64_t off, size;
    uint32_t type, nameAt;
    if (!section(i, off, size, type, nameAt) || type == kNoBits || nameAt >= strSize) continue;
    const auto* name = reinterpret_cast<const char*>(d.data() + strOff + nameAt);
    const size_t room = static_cast<size_t>(strSize - nameAt);
    if (std::string_view(name, strnlen(name, room)) == kVersionSectionName)
      return d.subspan(static_cast<size_t>(off), static_cast<size_t>(size));
  }
  return std::nullopt;
}

FileVersion fileVersionOfImage(std::span<const uint8_t> image) {
  const auto section = findVersionSection(image);
  if (!section) return {};
  const auto text = versionString(*section, "FileVersion", {"040904E4", "040904B0"});
  return text ? parseFileVersionText(*text) : FileVersion{};
}

FileVersion readFileVersion(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return {};
  const auto size = std::filesystem::file_size(file, ec);
  if (ec || size > kMaxImageSize) return {};
  std::ifstream in(file, std::ios::binary);
  std::vector<uint8_t> image(static_cast<size_t>(size));
  if (!in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()))) return {};
  return fileVersionOfImage(image);
}

std::vector<uint8_t> buildVersionInfo(const std::vector<std::pair<std::string, std::string>>& strings,
                                      std::string_view language) {
  std::vector<uint8_t> out;
  FileVersion fixed;
  for (const auto& [k, v] : strings) {
    if (k == "FileVersion") fixed = parseFileVersionText(v);
  }
  const size_t root = beginBlock(out, "VS_VERSION_INFO", 52, 0);
  // VS_FIXEDFILEINFO: signature, struct version, file and product versions, flags, OS, type.
  const uint32_t fixedInfo[13] = {0xFEEF04BD, 0x00010000, fixed.high,  fixed.low, fixed.high, fixed.low, 0x3F,
                                  0,          0x00040004, 2 /* DLL */, 0,         0,          0};
  for (uint32_t w : fixedInfo) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(w >> (8 * i)));
  }
  const size_t info = beginBlock(out, "StringFileInfo", 0, 1);
  const size_t table = beginBlock(out, language, 0, 1);
  for (const auto& [key, value] : strings) {
    const size_t str = beginBlock(out, key, static_cast<uint16_t>(value.size() + 1), 1);
    appendUtf16(out, value);
    endBlock(out, str);
  }
  endBlock(out, table);
  endBlock(out, info);
  const size_t var = beginBlock(out, "VarFileInfo", 0, 1);
  const size_t translation = beginBlock(out, "Translation", 4, 0);
  for (uint8_t b : {0x09, 0x04, 0xB0, 0x04}) out.push_back(b);
  endBlock(out, translation);
  endBlock(out, var);
  endBlock(out, root);
  return out;
}

}  // namespace vantorel::com
