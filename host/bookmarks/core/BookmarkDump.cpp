#include "host/bookmarks/core/BookmarkDump.h"

#include "host/bookmarks/core/BookmarkFile.h"
#include "platform/codepage/Cp1253.h"

namespace vantorel::bookmarks {
namespace {

std::string joined(const std::vector<int32_t>& values, size_t from) {
  std::string s;
  for (size_t i = from; i < values.size(); ++i) s += (i > from ? "," : "") + std::to_string(values[i]);
  return s;
}

std::string hexBytes(std::string_view bytes) {
  static const char* digits = "0123456789abcdef";
  std::string s;
  for (unsigned char c : bytes) {
    s.push_back(digits[c >> 4]);
    s.push_back(digits[c & 15]);
  }
  return s;
}

void dumpRecord(const CBMRecord& record, std::ostream& out) {
  out << record.className();
  switch (record.kind()) {
    case Kind::Folder: break;
    case Kind::Browse: {
      const auto& r = static_cast<const CBMBrowse&>(record);
      out << "\ttreeRecord=" << r.treeRecord << "\tobject=" << r.object << "\tsection=" << r.section;
      break;
    }
    case Kind::Periodic: {
      const auto& r = static_cast<const CBMPeriodic&>(record);
      out << "\tmode=" << r.mode << "\textra=" << r.extra;
      break;
    }
    case Kind::DataAn: {
      const auto& r = static_cast<const CBMDataAn&>(record);
      out << "\ttable=" << r.table << "\tdisplayMode=" << r.displayMode << "\tshowLabels=" << r.showLabels
          << "\tgraphType=" << r.graphType << "\taxis=" << r.axis << "\tgraphFields=" << r.graphFields
          << "\tsortColumn=" << r.sortColumn << "\tfilterLength=" << r.filterLength << "\tfilterNum=" << r.filterNum
          << "\tfilterBlock=" << hexBytes(r.filterBlock) << "\tfields=" << joined(r.selectedFields, 1)
          << "\twidths=" << joined(r.columnWidths, 0);
      break;
    }
  }
  out << "\tname=" << codepage::toUtf8(record.name) << '\n';
}

}  // namespace

bool looksLikeBookmarkFile(std::string_view bytes) {
  if (bytes.size() < 13 || bytes.substr(0, 4) != std::string_view("\1\0\0\0", 4)) return false;
  // The list count takes two bytes, or six; the first record opens a new class.
  for (size_t at : {size_t{10}, size_t{14}})
    if (bytes.size() >= at + 2 && bytes.substr(at, 2) == "\xFF\xFF") return true;
  return false;
}

bool dumpBookmarkFile(std::string_view bytes, std::ostream& out) {
  const FileReading reading = readBookmarkFile(bytes);
  for (const auto& record : reading.records) dumpRecord(*record, out);
  if (!reading.ok()) {
    out << "# fault: offset " << reading.errorOffset << ": " << reading.error << '\n';
    return false;
  }
  return true;
}

std::vector<std::string> checkBookmarkFile(std::string_view bytes) {
  std::vector<std::string> faults;
  const FileReading reading = readBookmarkFile(bytes);
  if (!reading.ok()) {
    faults.push_back("record " + std::to_string(reading.records.size() + 1) + ", offset " +
                     std::to_string(reading.errorOffset) + ": " + reading.error);
    return faults;
  }
  if (reading.trailingBytes) faults.push_back(std::to_string(reading.trailingBytes) + " bytes after the last record");
  for (size_t i = 0; i < reading.records.size(); ++i) {
    const CBMRecord& r = *reading.records[i];
    const std::string where = "record " + std::to_string(i + 1) + " (" + codepage::toUtf8(r.name) + "): ";
    if (r.kind() == Kind::Browse) {
      const auto section = static_cast<const CBMBrowse&>(r).section;
      if (section < 1 || section > 7) faults.push_back(where + "section " + std::to_string(section) + " is not 1 to 7");
    } else if (r.kind() == Kind::DataAn) {
      const auto table = static_cast<const CBMDataAn&>(r).table;
      if (table < 0 || table > 6) faults.push_back(where + "table " + std::to_string(table) + " is not 0 to 6");
    }
  }
  return faults;
}

}  // namespace vantorel::bookmarks
