#include "tools/vantorel-data/core/CompileContext.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/core/PageHtml.h"

namespace vantorel::data {

int Records::column(std::string_view key) const {
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return static_cast<int>(i);
  return -1;
}

std::string Records::get(size_t row, std::string_view key) const {
  const int c = column(key);
  if (c < 0 || row >= rows.size() || static_cast<size_t>(c) >= rows[row].size()) return {};
  return rows[row][c];
}

void Context::error(const std::string& file, int line, std::string message) {
  diagnostics.push_back({file, line, 1, std::move(message), false});
  ok = false;
}

void Context::warning(const std::string& file, int line, std::string message) {
  diagnostics.push_back({file, line, 1, std::move(message), true});
}

void Context::addPage(int32_t page, std::string body, const std::string& file, int line) {
  if (!pages.emplace(page, std::move(body)).second)
    error(file, line, "page " + std::to_string(page) + " is written twice");
}

std::string Context::textMarkup(std::string_view text, const std::string& file, int line) {
  std::string out;
  bool bold = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (text.substr(i, 2) == "[[") {
      const auto bar = text.find('|', i);
      const auto end = text.find("]]", i);
      if (bar == std::string_view::npos || end == std::string_view::npos || bar > end) {
        error(file, line, "unclosed glossary link \"[[\"");
        return out;
      }
      const std::string key(text.substr(i + 2, bar - i - 2));
      const bool goodKey = key.size() == 8 && std::all_of(key.begin(), key.end(), [](char k) {
                             return (k >= 'a' && k <= 'z') || (k >= '0' && k <= '9');
                           });
      if (!goodKey) error(file, line, "glossary key \"" + key + "\" must be 8 lower-case letters or digits");
      glossaryUsed.insert(key);
      // The host turns "~G" + key + text + "~" + one character into a link to the glossary file.
      out += "~G" + key + html(text.substr(bar + 1, end - bar - 1)) + "~~";
      i = end + 1;
      continue;
    }
    // Reaction arrows: the code page has none, the page browser's entities do.
    if (text.substr(i, 3) == "<=>") {
      out += "&#8652;";
      i += 2;
      continue;
    }
    if (text.substr(i, 2) == "->") {
      out += "&rarr;";
      ++i;
      continue;
    }
    if (text.substr(i, 2) == "**") {
      out += bold ? "</B>" : "<B>";
      bold = !bold;
      ++i;
      continue;
    }
    if ((c == '_' || c == '^') && i + 1 < text.size()) {
      size_t end = i + 1;
      while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '+' ||
                                   (c == '^' && text[end] == '-')))
        ++end;
      if (end > i + 1) {
        const char* tag = c == '_' ? "SUB" : "SUP";
        out += std::string("<") + tag + ">" + std::string(text.substr(i + 1, end - i - 1)) + "</" + tag + ">";
        i = end - 1;
        continue;
      }
    }
    out += html(std::string_view(&text[i], 1));
  }
  if (bold) out += "</B>";
  return out;
}

std::string Context::picture(std::string_view name, std::string_view caption, bool right) {
  picturesUsed.insert(std::string(name));
  std::string h = "<TABLE ALIGN=" + std::string(right ? "RIGHT" : "CENTER") +
                  " BORDER=0 CELLPADDING=4 CELLSPACING=0><TR><TD ALIGN=CENTER><IMG SRC=\"" +
                  dataFolder("images/pics/" + std::string(name) + ".bmp") + "\" WIDTH=240 HEIGHT=180 BORDER=1 ALT=\"" +
                  html(caption) + "\"><BR>";
  h += "<FONT FACE=\"Arial Greek\" SIZE=1><I>" + html(caption) + "</I></FONT></TD></TR></TABLE>\n";
  return h;
}

std::optional<Records> loadRecords(Context& ctx, const std::string& relative) {
  const auto path = (std::filesystem::path(ctx.sourceDir) / relative).string();
  auto text = readWholeFile(path);
  if (!text) {
    ctx.error(path, 0, "cannot read the source");
    return std::nullopt;
  }
  const auto table = parseSource(*text, path);
  Records r;
  r.file = path;
  for (const auto& cell : table.header) r.keys.push_back(cell.text.substr(0, cell.text.find(':')));
  for (const auto& row : table.rows) {
    std::vector<std::string> values;
    for (const auto& cell : row) values.push_back(cell.text);
    if (values.size() != r.keys.size())
      ctx.error(path, row.empty() ? 0 : row[0].line,
                "row has " + std::to_string(values.size()) + " fields, the header " + std::to_string(r.keys.size()));
    values.resize(r.keys.size());
    r.rows.push_back(std::move(values));
  }
  return r;
}

std::string plainText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == "[[") {
      const auto bar = text.find('|', i);
      if (bar != std::string_view::npos) {
        i = bar;
        continue;
      }
    }
    if (text.substr(i, 2) == "]]" || text.substr(i, 2) == "**") {
      ++i;
      continue;
    }
    out += text[i] == '_' || text[i] == '^' ? ' ' : text[i];
  }
  return out;
}

}  // namespace vantorel::data
