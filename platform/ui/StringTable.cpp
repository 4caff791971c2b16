#include "platform/ui/StringTable.h"

#include <QFile>
#include <QHash>
#include <charconv>

namespace vantorel::ui {

StringTableParse parseStringTable(std::string_view text) {
  StringTableParse result;
  size_t lineNo = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    int id = 0;
    const auto idText = line.substr(0, tab);
    const auto [ptr, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (tab == std::string_view::npos || ec != std::errc() || ptr != idText.data() + idText.size()) {
      if (result.error.empty()) result.error = "line " + std::to_string(lineNo) + ": expected ID<TAB>text";
      continue;
    }
    std::string value;
    const std::string_view raw = line.substr(tab + 1);
    for (size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] == '\\' && i + 1 < raw.size()) {
        const char e = raw[++i];
        value += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
      } else {
        value += raw[i];
      }
    }
    result.strings[id] = std::move(value);
  }
  return result;
}

QString resourceString(const QString& module, int id) {
  static QHash<QString, std::map<int, std::string>> tables;
  auto it = tables.find(module);
  if (it == tables.end()) {
    QFile file(u":/"_qs + module + u"/strings.txt"_qs);
    std::map<int, std::string> strings;
    if (file.open(QIODevice::ReadOnly)) strings = parseStringTable(file.readAll().toStdString()).strings;
    it = tables.insert(module, std::move(strings));
  }
  const auto found = it->find(id);
  return found == it->end() ? QString() : QString::fromStdString(found->second);
}

}  // namespace vantorel::ui
