#include "host/view/core/PageSource.h"

#include <algorithm>
#include <cstdio>

namespace vantorel::host::view {
namespace {

constexpr bool isTwoLevelGroup(int group) {
  return group == 1 || group == 2 || group == 4 || group == 6 || group == 8 || group == 11 || group == 12 ||
         group == 13;
}

// One line's glossary markup, as long as the line's first "~" starts one.
std::string expandGlossary(std::string line) {
  // Each expansion consumes one markup of the original line; a key that itself holds "~G" must
  // not start an endless chain.
  for (size_t rounds = line.size(); rounds > 0; --rounds) {
    const size_t tilde = line.find('~');
    if (tilde == std::string::npos || tilde + 1 >= line.size() || line[tilde + 1] != 'G') return line;
    const size_t keyAt = tilde + 2;
    if (keyAt + 8 > line.size()) return line;
    const size_t close = line.find('~', keyAt + 8);
    if (close == std::string::npos) return line;
    const std::string key = line.substr(keyAt, 8);
    const std::string text = line.substr(keyAt + 8, close - keyAt - 8);
    const size_t after = std::min(line.size(), close + 2);
    line = line.substr(0, tilde) + "<A HREF=\"pjqbhg" + key + ".htm\"><U>" + text + "</U></A>" + line.substr(after);
  }
  return line;
}

}  // namespace

std::string pageSourcePath(int page) {
  if (page < 1 || page > 999999) return {};
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06d", page);
  const std::string d(digits);
  const int group = (d[0] - '0') * 10 + (d[1] - '0');
  if (isTwoLevelGroup(group)) return d.substr(0, 2) + "/" + d.substr(2, 1) + "/" + d.substr(3);
  return d.substr(0, 2) + "/" + d.substr(2);
}

std::string resolvePageText(std::string_view page, std::string_view dataFolder) {
  std::string out;
  out.reserve(page.size() + 256);
  size_t start = 0;
  while (start < page.size()) {
    size_t end = page.find('\n', start);
    const size_t next = end == std::string_view::npos ? page.size() : end + 1;
    std::string line(page.substr(start, next - start));
    line = expandGlossary(std::move(line));
    std::string resolved;
    for (size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (c == '\x03' || c == '\x04' || c == '\x05') {
        resolved.append(dataFolder);
        i += 2;
      } else {
        resolved.push_back(c);
      }
    }
    out += resolved;
    start = next;
  }
  return out;
}

}  // namespace vantorel::host::view
