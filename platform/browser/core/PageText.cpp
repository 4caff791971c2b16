#include "platform/browser/core/PageText.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/codepage/Cp1253.h"

namespace vantorel::browser {
namespace {

char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), lower);
  return out;
}

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == ':';
}

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

size_t findIgnoringCase(std::string_view text, std::string_view what, size_t from) {
  if (what.empty() || text.size() < what.size()) return std::string_view::npos;
  const char first = what.front();
  const bool caseless = lower(first) == first && !(first >= 'a' && first <= 'z');
  for (size_t i = from; i + what.size() <= text.size(); ++i) {
    // A first character without case ('<' of a tag) is found by the library's own search.
    if (caseless) {
      i = text.find(first, i);
      if (i == std::string_view::npos || i + what.size() > text.size()) break;
    }
    if (equalsIgnoringCase(text.substr(i, what.size()), what)) return i;
  }
  return std::string_view::npos;
}

// The end of a tag that starts at `lt` ('<'): one past its '>', quotes respected; the text's end
// when it never closes.
size_t tagEnd(std::string_view html, size_t lt) {
  char quote = 0;
  for (size_t i = lt + 1; i < html.size(); ++i) {
    const char c = html[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      // A quote only opens a value right after '='; a stray one must not swallow the page.
      size_t j = i;
      while (j > lt && isSpace(html[j - 1])) --j;
      if (j > lt && html[j - 1] == '=') quote = c;
    } else if (c == '>') {
      return i + 1;
    }
  }
  return html.size();
}

constexpr std::array<std::string_view, 19> kEmptyElements{
    "area",    "base",   "basefont", "br",   "col",   "embed",  "frame", "hr",  "img",   "input",
    "isindex", "keygen", "link",     "meta", "param", "source", "track", "wbr", "spacer"};
// Closed by their next sibling, so a page full of unclosed ones is still flat.
constexpr std::array<std::string_view, 11> kSelfClosing{"p",  "li", "dt",    "dd",    "option", "tr",
                                                        "td", "th", "thead", "tbody", "tfoot"};

template <size_t N>
bool contains(const std::array<std::string_view, N>& set, std::string_view name) {
  return std::find(set.begin(), set.end(), name) != set.end();
}

}  // namespace

std::string decodePage(std::string_view bytes) {
  std::string out;
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    out.assign(bytes.substr(3));
  } else {
    out = codepage::toUtf8(bytes);
  }
  if (out.find('\0') != std::string::npos) std::replace(out.begin(), out.end(), '\0', ' ');
  return out;
}

std::string limitNesting(std::string_view html, int maxDepth) {
  std::string out;
  out.reserve(html.size());
  std::vector<std::string> open;
  size_t i = 0;
  while (i < html.size()) {
    const size_t lt = html.find('<', i);
    if (lt == std::string_view::npos) {
      out.append(html.substr(i));
      break;
    }
    out.append(html.substr(i, lt - i));
    if (html.compare(lt, 4, "<!--") == 0) {
      const size_t close = html.find("-->", lt + 4);
      const size_t end = close == std::string_view::npos ? html.size() : close + 3;
      out.append(html.substr(lt, end - lt));
      i = end;
      continue;
    }
    const bool closing = lt + 1 < html.size() && html[lt + 1] == '/';
    size_t nameStart = lt + (closing ? 2 : 1);
    size_t nameEnd = nameStart;
    while (nameEnd < html.size() && isNameChar(html[nameEnd])) ++nameEnd;
    if (nameEnd == nameStart || !std::isalpha(static_cast<unsigned char>(html[nameStart]))) {
      // Not a tag ("a < b", "<!DOCTYPE>", "<?xml>"): copied as it is.
      const size_t end =
          (lt + 1 < html.size() && (html[lt + 1] == '!' || html[lt + 1] == '?')) ? tagEnd(html, lt) : lt + 1;
      out.append(html.substr(lt, end - lt));
      i = end;
      continue;
    }
    const std::string name = lowered(html.substr(nameStart, nameEnd - nameStart));
    const size_t end = tagEnd(html, lt);
    const std::string_view tag = html.substr(lt, end - lt);
    i = end;
    if (closing) {
      const auto match = std::find(open.rbegin(), open.rend(), name);
      if (match != open.rend()) open.erase(std::prev(match.base()), open.end());
      out.append(tag);
      continue;
    }
    const bool selfClosed = tag.size() >= 2 && tag[tag.size() - 2] == '/';
    if (contains(kEmptyElements, name) || contains(kSelfClosing, name) || selfClosed) {
      out.append(tag);
    } else if (static_cast<int>(open.size()) < maxDepth) {
      open.push_back(name);
      out.append(tag);
    }
    if (name == "script" || name == "style" || name == "textarea" || name == "title" || name == "xmp") {
      // Raw text up to the matching end tag: its '<' are no tags.
      const size_t close = findIgnoringCase(html, "</" + name, i);
      const size_t stop = close == std::string_view::npos ? html.size() : close;
      out.append(html.substr(i, stop - i));
      i = stop;
    }
  }
  return out;
}

std::string limitWordLength(std::string_view html, size_t maxLength) {
  std::string out;
  out.reserve(html.size() + html.size() / std::max<size_t>(maxLength, 1));
  size_t lastAmpersand = std::string_view::npos;
  size_t i = 0;
  while (i < html.size()) {
    if (html[i] == '<') {
      // A tag, comment or raw-text element is copied whole; it also ends the word.
      size_t end = tagEnd(html, i);
      if (html.compare(i, 4, "<!--") == 0) {
        const size_t close = html.find("-->", i + 4);
        end = close == std::string_view::npos ? html.size() : close + 3;
      } else {
        size_t nameEnd = i + 1;
        while (nameEnd < html.size() && isNameChar(html[nameEnd])) ++nameEnd;
        const std::string_view name = html.substr(i + 1, nameEnd - i - 1);
        if (equalsIgnoringCase(name, "script") || equalsIgnoringCase(name, "style")) {
          const size_t close = findIgnoringCase(html, "</" + lowered(name), end);
          end = close == std::string_view::npos ? html.size() : close;
        }
      }
      out.append(html.substr(i, end - i));
      i = end;
      continue;
    }
    // The text up to the next tag, copied at once when none of its words is too long.
    const size_t stop = std::min(html.find('<', i), html.size());
    const std::string_view text = html.substr(i, stop - i);
    i = stop;
    size_t word = 0;  // length of the word being read
    bool tooLong = false;
    // A tag ends a word: a text no longer than a word may be holds no word too long.
    for (size_t at = 0; text.size() > maxLength && at < text.size(); ++at) {
      word = isSpace(text[at]) ? 0 : word + 1;
      if (word > maxLength) {
        tooLong = true;
        break;
      }
    }
    if (!tooLong) {
      if (const size_t amp = text.rfind('&'); amp != std::string_view::npos) lastAmpersand = out.size() + amp;
      out.append(text);
      continue;
    }
    word = 0;
    for (const char c : text) {
      if (isSpace(c)) {
        word = 0;
      } else {
        if (c == '&') lastAmpersand = out.size();
        // Not inside a character reference ("&amp;" stays whole).
        const bool inReference = lastAmpersand != std::string_view::npos && out.size() - lastAmpersand < 12 &&
                                 out.find(';', lastAmpersand) == std::string::npos;
        // Not inside a UTF-8 sequence either.
        const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (word >= maxLength && !inReference && !continuation) {
          out += ' ';
          word = 0;
        }
        ++word;
      }
      out += c;
    }
  }
  return out;
}

TagAttributes parseTagAttributes(std::string_view text) {
  TagAttributes attributes;
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    while (i < n && (isSpace(text[i]) || text[i] == '/')) ++i;
    if (i >= n || text[i] == '>') break;
    const size_t nameStart = i;
    while (i < n && !isSpace(text[i]) && text[i] != '=' && text[i] != '>' && text[i] != '/') ++i;
    if (i == nameStart) {
      ++i;
      continue;
    }
    std::string name = lowered(text.substr(nameStart, i - nameStart));
    while (i < n && isSpace(text[i])) ++i;
    std::string value;
    if (i < n && text[i] == '=') {
      ++i;
      while (i < n && isSpace(text[i])) ++i;
      if (i < n && (text[i] == '"' || text[i] == '\'')) {
        const char quote = text[i++];
        const size_t close = text.find(quote, i);
        const size_t stop = close == std::string_view::npos ? n : close;
        value.assign(text.substr(i, stop - i));
        i = stop == n ? n : stop + 1;
      } else {
        const size_t start = i;
        while (i < n && !isSpace(text[i]) && text[i] != '>') ++i;
        value.assign(text.substr(start, i - start));
      }
    }
    attributes.emplace_back(std::move(name), std::move(value));
  }
  return attributes;
}

std::optional<MetaRefresh> findMetaRefresh(std::string_view html) {
  size_t from = 0;
  while (true) {
    const size_t at = findIgnoringCase(html, "<meta", from);
    if (at == std::string_view::npos) return std::nullopt;
    const size_t end = tagEnd(html, at);
    from = end;
    if (at + 5 < html.size() && !isSpace(html[at + 5])) continue;
    const TagAttributes attributes = parseTagAttributes(html.substr(at + 5, end - at - 5));
    std::string equiv;
    std::string content;
    bool hasContent = false;
    for (const auto& [name, value] : attributes) {
      if (name == "http-equiv") equiv = value;
      if (name == "content") {
        content = value;
        hasContent = true;
      }
    }
    if (!equalsIgnoringCase(equiv, "refresh") || !hasContent) continue;

    MetaRefresh refresh;
    size_t i = 0;
    while (i < content.size() && isSpace(content[i])) ++i;
    if (i >= content.size() || !std::isdigit(static_cast<unsigned char>(content[i]))) continue;
    long seconds = 0;
    while (i < content.size() && std::isdigit(static_cast<unsigned char>(content[i]))) {
      seconds = std::min(seconds * 10 + (content[i] - '0'), 86400L);
      ++i;
    }
    while (i < content.size() && content[i] != ';' && content[i] != ',') ++i;
    if (i < content.size()) ++i;
    std::string_view rest = std::string_view(content).substr(std::min(i, content.size()));
    while (!rest.empty() && isSpace(rest.front())) rest.remove_prefix(1);
    if (rest.size() >= 4 && equalsIgnoringCase(rest.substr(0, 3), "url")) {
      rest.remove_prefix(3);
      while (!rest.empty() && isSpace(rest.front())) rest.remove_prefix(1);
      if (!rest.empty() && rest.front() == '=') rest.remove_prefix(1);
      while (!rest.empty() && isSpace(rest.front())) rest.remove_prefix(1);
    }
    if (!rest.empty() && (rest.front() == '\'' || rest.front() == '"')) {
      const char quote = rest.front();
      rest.remove_prefix(1);
      const size_t close = rest.find(quote);
      if (close != std::string_view::npos) rest = rest.substr(0, close);
    }
    while (!rest.empty() && isSpace(rest.back())) rest.remove_suffix(1);
    refresh.seconds = static_cast<int>(seconds);
    refresh.url.assign(rest);
    return refresh;
  }
}

}  // namespace vantorel::browser
