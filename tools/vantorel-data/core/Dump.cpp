#include "tools/vantorel-data/core/Dump.h"

#include <algorithm>
#include <filesystem>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Catalogue.h"
#include "tools/vantorel-data/core/ElementFile.h"
#include "tools/vantorel-data/core/FileIo.h"

namespace vantorel::data {

bool dumpElementFile(std::string_view bytes, std::ostream& out) {
  const size_t count = bytes.size() / kElementRecordSize;
  for (size_t i = 0; i < count; ++i) {
    const auto record = bytes.substr(i * kElementRecordSize, kElementRecordSize);
    out << "number=" << i + 1;
    for (const auto& f : elementFields()) out << '\t' << f.key << '=' << formatElementField(record, f);
    out << '\n';
  }
  if (bytes.size() % kElementRecordSize != 0) {
    out << "# fault: " << bytes.size() % kElementRecordSize << " bytes after the last whole record\n";
    return false;
  }
  return true;
}

bool dumpIndex(const TableInfo* table, std::string_view index, std::ostream& out) {
  auto parsed = parseIndex(index);
  if (!parsed) {
    out << "# fault: index too short (" << index.size() << " bytes)\n";
    return false;
  }
  out << "# fields=" << parsed->fieldCount << "\trecords=" << parsed->recordCount << '\n';
  for (size_t k = 0; k < parsed->fieldCount; ++k) {
    out << "# field " << k;
    if (table && k < table->fields.size()) out << ' ' << table->fields[k].key;
    out << "\toffset=" << parsed->offsets[k] << "\tend=" << parsed->offsets[k + 1]
        << "\ttype=" << codepage::toUtf8(std::string_view(&parsed->typeFlags[k], 1))
        << "\tplot=" << codepage::toUtf8(std::string_view(&parsed->plotFlags[k], 1)) << '\n';
  }
  if (table && parsed->fieldCount != table->fields.size()) {
    out << "# fault: field count " << parsed->fieldCount << ", " << table->base << " needs " << table->fields.size()
        << '\n';
    return false;
  }
  return true;
}

bool dumpTable(const TableInfo& table, std::string_view index, std::string_view data, std::ostream& out) {
  bool ok = dumpIndex(&table, index, out);
  auto parsed = parseIndex(index);
  if (!ok || !parsed) return false;
  const size_t n = parsed->fieldCount;
  std::vector<std::vector<std::string_view>> columns(n);
  size_t records = 0;
  for (size_t k = 0; k < n; ++k) {
    auto values = readColumn(*parsed, data, k);
    if (!values) {
      out << "# fault: column " << k << " (" << table.fields[k].key << ") cannot be read\n";
      ok = false;
      continue;
    }
    columns[k] = std::move(*values);
    records = std::max(records, columns[k].size());
  }
  for (size_t r = 0; r < records; ++r) {
    for (size_t k = 0; k < n; ++k) {
      if (k) out << '\t';
      out << table.fields[k].key << '=';
      if (r < columns[k].size()) out << codepage::toUtf8(columns[k][r]);
    }
    out << '\n';
  }
  return ok;
}

bool dumpCatalogueFile(std::string_view name, std::string_view bytes, std::ostream& out) {
  auto tail = [&](size_t record) {
    if (bytes.size() % record == 0) return true;
    out << "# fault: " << bytes.size() % record << " bytes after the last whole record\n";
    return false;
  };
  auto text = [](std::string_view cp1253) { return codepage::toUtf8(cp1253); };
  if (name.ends_with(".ttl")) {
    int n = 0;
    for (const auto& t : readTitles(bytes)) out << "number=" << ++n << "\ttitle=" << text(t) << '\n';
    return tail(kTitleRecordSize);
  }
  if (name == "words.dat") {
    for (const auto& w : readWords(bytes))
      out << "word=" << text(w.word) << "\trecordId=" << w.recordId << "\tassetId=" << w.assetId
          << "\troute=" << w.route << '\n';
    return tail(kWordRecordSize);
  }
  if (name == "words.ndx") {
    for (const auto& w : readWordList(bytes)) out << "word=" << text(w) << '\n';
    return tail(kWordListRecordSize);
  }
  if (name == "words.alt") {
    for (const auto& a : readAlternatives(bytes)) out << "group=" << a.group << "\tword=" << text(a.word) << '\n';
    return tail(kAlternativeRecordSize);
  }
  if (name == "words.pr1") {
    for (const auto& f : readFirstLetters(bytes))
      out << "letter=" << text(std::string(1, static_cast<char>(f.letter))) << "\tfirst=" << f.first
          << "\tcount=" << f.count << '\n';
    return tail(kFirstLetterRecordSize);
  }
  if (name == "ptable.ndx") {
    for (const auto& e : readElementIndex(bytes))
      out << "element=" << int(e.element) << "\trecordId=" << e.recordId << '\n';
    return tail(kElementIndexEntrySize);
  }
  if (name.ends_with(".ass")) {
    for (const auto& a : readAssociations(bytes)) out << "recordId=" << a.recordId << "\tassetId=" << a.assetId << '\n';
    return tail(kAssociationRecordSize);
  }
  for (const auto& t : readTopics(bytes))
    out << std::string(static_cast<size_t>(std::clamp(t.level, 0, 8)) * 2, ' ') << "title=" << text(t.title)
        << "\tpage=" << t.page << "\tlevel=" << t.level << "\trecordId=" << t.recordId << '\n';
  return tail(kTopicRecordSize);
}

int dumpPath(const std::string& path, std::ostream& out, std::ostream& err) {
  namespace fs = std::filesystem;
  const fs::path p(path);
  const std::string name = p.filename().string();
  auto bytes = readWholeFile(path);
  if (!bytes) {
    err << path << ": cannot read the file\n";
    return 2;
  }
  if (name == "element.dat") return dumpElementFile(*bytes, out) ? 0 : 1;
  bool topicFile = false;
  for (int route = 1; route <= kRouteCount; ++route)
    if (name == std::string(routeStem(route)) + ".dat" || name == std::string(routeStem(route)) + ".ass")
      topicFile = true;
  if (topicFile || name.ends_with(".ttl") || name.starts_with("words.") || name == "ptable.ndx")
    return dumpCatalogueFile(name, *bytes, out) ? 0 : 1;
  const std::string base = p.stem().string();
  const std::string ext = p.extension().string();
  const TableInfo* table = findTable(base);
  if (table && ext == ".ndx") return dumpIndex(table, *bytes, out) ? 0 : 1;
  if (table && ext == ".dat") {
    const auto indexPath = (p.parent_path() / (base + ".ndx")).string();
    auto index = readWholeFile(indexPath);
    if (!index) {
      err << indexPath << ": cannot read the index of " << path << '\n';
      return 2;
    }
    return dumpTable(*table, *index, *bytes, out) ? 0 : 1;
  }
  err << path << ": not a known data file (element.dat, or a table's .ndx or .dat)\n";
  return 2;
}

}  // namespace vantorel::data
