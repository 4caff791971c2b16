#include "tools/vantorel-data/core/CatalogueSource.h"

#include <charconv>

namespace vantorel::data {

std::string trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> splitList(std::string_view text, char separator) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= text.size()) {
    auto end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    auto item = trim(text.substr(start, end - start));
    if (!item.empty()) out.push_back(std::move(item));
    start = end + 1;
  }
  return out;
}

RouteSource parseRouteSource(std::string_view text, std::string file, std::vector<Diagnostic>& diagnostics) {
  RouteSource route;
  route.file = std::move(file);
  auto fault = [&](int line, std::string message) {
    diagnostics.push_back({route.file, line, 1, std::move(message), false});
  };
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string>* paragraphs = nullptr;
  bool inParagraph = false;
  bool sawStart = false;
  int lineNumber = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    auto end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = trim(text.substr(pos, end - pos));
    pos = end + 1;
    ++lineNumber;
    if (line.empty()) {
      inParagraph = false;
      continue;
    }
    if (line[0] == '#') continue;
    if (line[0] == '=') {
      if (sawStart || !route.topics.empty()) {
        fault(lineNumber, "a second start page, or a start page after the first topic");
        continue;
      }
      sawStart = true;
      std::string title = trim(std::string_view(line).substr(1));
      if (const auto brace = title.find('{'); brace != std::string::npos && title.back() == '}') {
        for (const auto& attr : splitList(std::string_view(title).substr(brace + 1, title.size() - brace - 2), ';')) {
          const auto colon = attr.find(':');
          if (colon != std::string::npos && trim(attr.substr(0, colon)) == "pic")
            route.startPicture = trim(attr.substr(colon + 1));
          else
            fault(lineNumber, "the start page takes only a pic attribute");
        }
        title = trim(title.substr(0, brace));
      }
      route.startTitle = title;
      paragraphs = &route.startParagraphs;
      inParagraph = false;
      continue;
    }
    if (line[0] == '*') {
      const auto stars = line.find_first_not_of('*');
      const int level = static_cast<int>(stars == std::string::npos ? line.size() : stars) - 1;
      const int previous = route.topics.empty() ? -1 : route.topics.back().level;
      if (level > 4) {
        fault(lineNumber, "more than five levels (at most five '*')");
        paragraphs = nullptr;
        continue;
      }
      if (level > previous + 1) {
        fault(lineNumber, "level " + std::to_string(level) + " under level " + std::to_string(previous));
        paragraphs = nullptr;
        continue;
      }
      TopicSource topic;
      topic.level = level;
      topic.line = lineNumber;
      std::string caption = stars == std::string::npos ? std::string() : trim(std::string_view(line).substr(stars));
      if (const auto brace = caption.find('{'); brace != std::string::npos) {
        if (caption.back() != '}') {
          fault(lineNumber, "attributes must end the heading with '}'");
          caption.erase(brace);
        } else {
          const auto attrs = caption.substr(brace + 1, caption.size() - brace - 2);
          caption = trim(caption.substr(0, brace));
          for (const auto& attr : splitList(attrs, ';')) {
            const auto colon = attr.find(':');
            const auto key = colon == std::string::npos ? attr : trim(attr.substr(0, colon));
            const auto value = colon == std::string::npos ? std::string() : trim(attr.substr(colon + 1));
            if (key == "res") {
              topic.resources = splitList(value);
            } else if (key == "words") {
              topic.words = splitList(value);
            } else if (key == "pic") {
              topic.picture = value;
            } else if (key == "page") {
              int page = 0;
              auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), page);
              if (ec != std::errc() || ptr != value.data() + value.size() || page <= 0 || page > 999999)
                fault(lineNumber, "page must be a number from 1 to 999999");
              else
                topic.explicitPage = page;
            } else {
              fault(lineNumber, "unknown attribute \"" + key + "\" (res, words, pic, page)");
            }
          }
        }
      }
      if (caption.empty()) fault(lineNumber, "empty caption");
      topic.caption = caption;
      route.topics.push_back(std::move(topic));
      paragraphs = &route.topics.back().paragraphs;
      inParagraph = false;
      continue;
    }
    if (line.starts_with("@elements")) {
      if (route.topics.empty()) {
        fault(lineNumber, "@elements before the first topic");
        continue;
      }
      for (const auto& symbol : splitList(std::string_view(line).substr(9), ' '))
        route.topics.back().elementSymbols.push_back(symbol);
      continue;
    }
    if (line[0] == '@') {
      fault(lineNumber, "unknown directive (only @elements)");
      continue;
    }
    if (!paragraphs) {
      fault(lineNumber, "text before the start page or the first topic");
      continue;
    }
    if (inParagraph && !paragraphs->empty())
      paragraphs->back() += " " + line;
    else
      paragraphs->push_back(line);
    inParagraph = true;
  }
  if (!sawStart) fault(0, "no start page (a line beginning with '=')");
  return route;
}

}  // namespace vantorel::data
