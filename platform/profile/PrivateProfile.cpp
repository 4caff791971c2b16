#include "platform/profile/PrivateProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

#include "platform/files/AtomicWrite.h"
#include "platform/files/FileLock.h"
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
  // The program's own reader once ended a value at CR only; every line written here ends in CR LF.
  const std::string eol = "\r\n";
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
      out += eol;
      out += text.substr(l.next);
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

bool hasLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool writePrivateProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                               std::string_view value) {
  // A line break would split the entry (and a NUL end the text for a reader): such a value, key
  // or section cannot be read back and is refused.
  if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)) return false;
  files::FileLock lock(file);
  if (!lock.locked()) return false;
  files::removeStaleTemporaries(file);

  std::string text;
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd >= 0) {
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char buffer[65536];
    while (ok) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = n == 0;
        break;
      }
      text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (!ok) return false;  // never replace what could not be read
  } else if (errno != ENOENT) {
    return false;
  }
  std::string error;
  return files::replaceFileContents(file, withProfileValue(text, section, key, value), error);
}

}  // namespace vantorel::profile
