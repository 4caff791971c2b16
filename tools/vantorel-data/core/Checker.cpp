#include "tools/vantorel-data/core/Checker.h"

#include <cmath>
#include <filesystem>
#include <map>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Bytes.h"
#include "tools/vantorel-data/core/CatalogueChecker.h"
#include "tools/vantorel-data/core/ElementFile.h"
#include "tools/vantorel-data/core/FileIo.h"

namespace vantorel::data {

std::string formatFault(const Fault& fault) {
  std::string out = fault.file;
  if (fault.record >= 0) out += ": record " + std::to_string(fault.record);
  if (!fault.field.empty()) out += ": field " + fault.field;
  return out + ": " + fault.message;
}

size_t firstBadTextByte(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || codepage::toUnicode(byte) == U'\uFFFD') return i;
  }
  return std::string_view::npos;
}

std::vector<Fault> checkElementFile(std::string_view bytes, const std::string& file) {
  std::vector<Fault> faults;
  if (bytes.size() % kElementRecordSize != 0)
    faults.push_back({file, -1, "", "length " + std::to_string(bytes.size()) + " is not a multiple of 120"});
  const size_t count = bytes.size() / kElementRecordSize;
  if (count > kMaxElementRecords)
    faults.push_back({file, -1, "", std::to_string(count) + " records; at most 255 are usable"});
  std::map<std::pair<int, int>, size_t> cells;
  for (size_t i = 0; i < count; ++i) {
    const auto record = bytes.substr(i * kElementRecordSize, kElementRecordSize);
    const long number = static_cast<long>(i);
    auto fault = [&](const char* field, std::string message) {
      faults.push_back({file, number, field, std::move(message)});
    };
    for (const auto& f : elementFields()) {
      if (f.type == ElementFieldType::Text) {
        const auto raw = record.substr(f.offset, f.size);
        if (raw.find('\0') == std::string_view::npos) {
          fault(f.key, "text has no terminating NUL");
          continue;
        }
        const auto text = fieldText(record, f);
        if (text.empty()) fault(f.key, "empty");
        if (auto bad = firstBadTextByte(text); bad != std::string_view::npos)
          fault(f.key, "byte " + std::to_string(static_cast<unsigned char>(text[bad])) + " at " + std::to_string(bad) +
                           " is not Greek text");
      } else if (f.type == ElementFieldType::Float || f.type == ElementFieldType::Double) {
        const double v = f.type == ElementFieldType::Float ? getF32(record, f.offset) : getF64(record, f.offset);
        if (!std::isfinite(v)) fault(f.key, "not a finite number");
      }
    }
    const int year = getI16(record, 96), category = getI16(record, 98);
    const int column = getI16(record, 100), row = getI16(record, 102);
    if (year < 0) fault("discoveryYear", std::to_string(year) + " is below 0");
    if (category < 0 || category > 8) fault("category", std::to_string(category) + " is outside 0-8");
    if (column < 0 || column >= kGridColumns) fault("column", std::to_string(column) + " is outside 0-17");
    if (row < 0 || row >= kGridRows) fault("row", std::to_string(row) + " is outside 0-9");
    if (row == 7) fault("row", "row 7 is the gap between the table and the detached rows");
    if (column >= 0 && column < kGridColumns && row >= 0 && row < kGridRows) {
      auto [it, fresh] = cells.emplace(std::pair{column, row}, i);
      if (!fresh) fault("column", "cell shared with record " + std::to_string(it->second));
    }
  }
  return faults;
}

std::vector<Fault> checkTable(const TableInfo& table, std::string_view index, std::string_view data) {
  std::vector<Fault> faults;
  const std::string ndx = std::string(table.base) + ".ndx";
  const std::string dat = std::string(table.base) + ".dat";
  const size_t n = table.fields.size();
  auto parsed = parseIndex(index);
  if (!parsed) {
    faults.push_back({ndx, -1, "", "too short (" + std::to_string(index.size()) + " bytes)"});
    return faults;
  }
  if (parsed->fieldCount != n) {
    faults.push_back(
        {ndx, -1, "", "field count " + std::to_string(parsed->fieldCount) + ", the table needs " + std::to_string(n)});
    return faults;
  }
  if (index.size() != indexFileSize(n))
    faults.push_back(
        {ndx, -1, "", "length " + std::to_string(index.size()) + ", expected " + std::to_string(indexFileSize(n))});
  if (parsed->recordCount < 0) {
    faults.push_back({ndx, -1, "", "negative record count " + std::to_string(parsed->recordCount)});
    return faults;
  }
  const auto& offsets = parsed->offsets;
  if (offsets[0] != 0) faults.push_back({ndx, -1, "offset 0", "column 0 starts at " + std::to_string(offsets[0])});
  if (static_cast<int64_t>(offsets[n]) != static_cast<int64_t>(data.size()))
    faults.push_back(
        {ndx, -1, "offset " + std::to_string(n),
         "end " + std::to_string(offsets[n]) + " differs from the data length " + std::to_string(data.size())});
  for (size_t k = 0; k < n; ++k) {
    const std::string field = std::to_string(k) + " (" + table.fields[k].key + ")";
    if (offsets[k + 1] < offsets[k]) {
      faults.push_back({ndx, -1, field, "column ends before it starts"});
      continue;
    }
    const auto values = readColumn(*parsed, data, k);
    if (!values) {
      // Say what is wrong: out of range, or the wrong number of terminated values.
      if (offsets[k] < 0 || static_cast<uint64_t>(offsets[k + 1]) > data.size()) {
        faults.push_back({dat, -1, field, "column lies outside the data file"});
      } else {
        const auto column =
            data.substr(static_cast<size_t>(offsets[k]), static_cast<size_t>(offsets[k + 1] - offsets[k]));
        size_t nuls = 0;
        for (char c : column) nuls += c == '\0';
        std::string message =
            "column holds " + std::to_string(nuls) + " values, the index says " + std::to_string(parsed->recordCount);
        if (!column.empty() && column.back() != '\0') message += "; last value has no terminator";
        faults.push_back({dat, -1, field, message});
      }
      continue;
    }
    for (size_t r = 0; r < values->size(); ++r) {
      const auto bad = firstBadTextByte((*values)[r]);
      if (bad != std::string_view::npos)
        faults.push_back({dat, static_cast<long>(r), field,
                          "byte " + std::to_string(static_cast<unsigned char>((*values)[r][bad])) + " at " +
                              std::to_string(bad) + " is not Greek text"});
      if (k == 0 && (*values)[r].empty()) faults.push_back({dat, static_cast<long>(r), field, "empty key"});
    }
  }
  return faults;
}

std::vector<Fault> checkDisc(const std::string& dir, const std::string& sourceDir) {
  namespace fs = std::filesystem;
  std::vector<Fault> faults;
  auto path = [&](const std::string& name) { return (fs::path(dir) / name).string(); };
  if (auto bytes = readWholeFile(path("element.dat"))) {
    auto f = checkElementFile(*bytes);
    faults.insert(faults.end(), f.begin(), f.end());
  } else {
    faults.push_back({"element.dat", -1, "", "missing or unreadable"});
  }
  for (const auto& table : tables()) {
    const std::string base = table.base;
    auto index = readWholeFile(path(base + ".ndx"));
    auto data = readWholeFile(path(base + ".dat"));
    if (!index) faults.push_back({base + ".ndx", -1, "", "missing or unreadable"});
    if (!data) faults.push_back({base + ".dat", -1, "", "missing or unreadable"});
    if (!index || !data) continue;
    auto f = checkTable(table, *index, *data);
    faults.insert(faults.end(), f.begin(), f.end());
  }
  auto catalogue = checkCatalogue(dir, sourceDir.empty() ? std::vector<GreekName>() : elementNames(sourceDir));
  faults.insert(faults.end(), catalogue.begin(), catalogue.end());
  return faults;
}

}  // namespace vantorel::data
