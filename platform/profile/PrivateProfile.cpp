#include "platform/profile/PrivateProfile.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/registry/RegFile.h"

namespace vantorel::profile {
namespace {

struct Line {
  size_t begin;  // first byte of the line
  size_t end;    // just past its content (before CR LF / LF)
  size_t next;   // first byte of the following line
};

std::vector<Line> splitLines(std::string_view text) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t nl = text.find('\n', pos);
    size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
    size_t end = nl == std::string_view::npos ? text.size() : nl;
    if (end > pos && text[end - 1] == '\r') --end;
    lines.push_back({pos, end, next});
    pos = next;
  }
  return lines;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The name of a "[name]" line, or nothing.
bool sectionName(std::string_view line, std::string_view& name) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[') return false;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = trim(line.substr(1, close - 1));
  return true;
}

}  // namespace

std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
  const auto lines = splitLines(text);
  std::string eol = "\r\n";
  if (!lines.empty() && lines[0].next > lines[0].end && text[lines[0].end] == '\n') eol = "\n";
  const std::string entry = std::string(key) + "=" + std::string(value);

  bool inSection = false;
  size_t insertAt = std::string_view::npos;  // after the last non-empty line of the section
  for (const Line& l : lines) {
    const std::string_view content = text.substr(l.begin, l.end - l.begin);
    std::string_view name;
    if (sectionName(content, name)) {
      if (inSection) break;
      inSection = registry::namesEqual(name, section);
      if (inSection) insertAt = l.next;
      continue;
    }
    if (!inSection) continue;
    const size_t eq = content.find('=');
    if (eq != std::string_view::npos && registry::namesEqual(trim(content.substr(0, eq)), key)) {
      std::string out(text.substr(0, l.begin));
      out += entry;
      out += text.substr(l.end);
      return out;
    }
    if (!trim(content).empty()) insertAt = l.next;
  }

  std::string out(text);
  if (insertAt != std::string_view::npos) {
    // The section's last line may lack a line end when it ends the text.
    std::string insert = entry + eol;
    if (insertAt == text.size() && !text.empty() && text.back() != '\n') insert = eol + entry + eol;
    out.insert(insertAt, insert);
    return out;
  }
  if (!out.empty() && out.back() != '\n') out += eol;
  out += "[" + std::string(section) + "]" + eol + entry + eol;
  return out;
}

bool writePrivateProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                               std::string_view value) {
  std::string text;
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
  }
  const std::string updated = withProfileValue(text, section, key, value);
  std::filesystem::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(updated.data(), static_cast<std::streamsize>(updated.size()));
    out.flush();
    if (!out) {
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::filesystem::rename(temp, file, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace vantorel::profile
