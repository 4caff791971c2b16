#include "host/bookmarks/core/BookmarkFile.h"

#include <array>
#include <cstring>
#include <map>

#include "platform/codepage/Cp1253.h"

namespace vantorel::bookmarks {
namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTagBit = 0x8000;
constexpr uint16_t kBigTag = 0x7FFF;
constexpr uint32_t kBigClassBit = 0x80000000u;
constexpr uint16_t kUnicodeMarker = 0xFFFE;
constexpr size_t kMaxClassNameLength = 64;
// The shortest record entry: a two-byte tag and an empty name.
constexpr size_t kMinRecordBytes = 3;

struct Fault {
  std::string text;
};

class Input {
 public:
  explicit Input(std::string_view bytes) : bytes_(bytes) {}

  [[nodiscard]] size_t offset() const { return pos_; }
  [[nodiscard]] size_t left() const { return bytes_.size() - pos_; }

  template <typename T>
  T read(const char* what) {
    if (left() < sizeof(T)) throw Fault{std::string("the file ends inside ") + what};
    std::array<unsigned char, sizeof(T)> b;
    std::memcpy(b.data(), bytes_.data() + pos_, sizeof(T));
    pos_ += sizeof(T);
    uint64_t v = 0;
    for (size_t i = sizeof(T); i-- > 0;) v = (v << 8) | b[i];
    return static_cast<T>(v);
  }

  std::string_view take(size_t n, const char* what) {
    if (left() < n) throw Fault{std::string("the file ends inside ") + what};
    std::string_view s = bytes_.substr(pos_, n);
    pos_ += n;
    return s;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

// A length in the archive's text encoding: u8, or 0xFF + u16, or 0xFF 0xFFFF + u32. `unicode` is
// set when the UTF-16 marker came first (allowed once).
size_t readTextLength(Input& in, bool& unicode) {
  unicode = false;
  for (;;) {
    const auto b = in.read<uint8_t>("a name length");
    if (b < 0xFF) return b;
    const auto w = in.read<uint16_t>("a name length");
    if (w == kUnicodeMarker) {
      if (unicode) throw Fault{"a name carries the UTF-16 marker twice"};
      unicode = true;
      continue;
    }
    if (w < 0xFFFF) return w;
    const auto d = in.read<uint32_t>("a name length");
    if (d == 0xFFFFFFFFu) throw Fault{"a name length is too large"};
    return d;
  }
}

// UTF-16LE units to CP1253; characters the code page lacks, and lone surrogates, become '?'.
std::string fromUtf16(std::string_view units) {
  std::string out;
  out.reserve(units.size() / 2);
  const size_t n = units.size() / 2;
  auto unit = [&](size_t i) {
    return static_cast<char16_t>(static_cast<unsigned char>(units[2 * i]) |
                                 (static_cast<unsigned char>(units[2 * i + 1]) << 8));
  };
  for (size_t i = 0; i < n; ++i) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      out.push_back('?');
      continue;
    }
    const auto b = codepage::fromUnicode(c);
    out.push_back(b ? static_cast<char>(*b) : '?');
  }
  return out;
}

std::string readText(Input& in) {
  bool unicode = false;
  const size_t n = readTextLength(in, unicode);
  if (!unicode) {
    if (n > in.left()) throw Fault{"a name is longer than the rest of the file"};
    return std::string(in.take(n, "a name"));
  }
  if (n > in.left() / 2) throw Fault{"a name is longer than the rest of the file"};
  return fromUtf16(in.take(2 * n, "a name"));
}

int32_t checkedCount(int32_t value, size_t elementBytes, const Input& in, const char* what) {
  if (value < 0 || static_cast<uint64_t>(value) * elementBytes > in.left())
    throw Fault{std::string(what) + " " + std::to_string(value) + " does not fit in the rest of the file"};
  return value;
}

void readBody(Input& in, CBMRecord& record) {
  switch (record.kind()) {
    case Kind::Folder: record.name = readText(in); return;
    case Kind::Browse: {
      auto& r = static_cast<CBMBrowse&>(record);
      r.treeRecord = in.read<int32_t>("a browse bookmark");
      r.object = in.read<int32_t>("a browse bookmark");
      r.section = in.read<int16_t>("a browse bookmark");
      r.name = readText(in);
      return;
    }
    case Kind::Periodic: {
      auto& r = static_cast<CBMPeriodic&>(record);
      r.mode = in.read<int32_t>("a periodic-table bookmark");
      r.extra = in.read<int32_t>("a periodic-table bookmark");
      r.name = readText(in);
      return;
    }
    case Kind::DataAn: {
      auto& r = static_cast<CBMDataAn&>(record);
      const char* what = "a data-analyser bookmark";
      r.name = readText(in);
      r.table = in.read<int16_t>(what);
      r.displayMode = in.read<int16_t>(what);
      r.showLabels = in.read<int32_t>(what);
      r.graphType = in.read<int16_t>(what);
      r.axis = in.read<int32_t>(what);
      r.graphFields = in.read<int32_t>(what);
      r.sortColumn = in.read<int16_t>(what);
      r.filterLength = checkedCount(in.read<int32_t>(what), 1, in, "the filter length");
      r.filterNum = in.read<int16_t>(what);
      r.filterBlock = std::string(in.take(static_cast<size_t>(r.filterLength), "a filter block"));
      const auto c = in.read<int32_t>(what);
      if (c < 1 || c > kMaxSelectedFields)
        throw Fault{"the selected-field count " + std::to_string(c) + " is outside 1 to " +
                    std::to_string(kMaxSelectedFields)};
      checkedCount(c - 1, 8, in, "the column count");
      r.selectedFields.resize(static_cast<size_t>(c));
      r.selectedFields[0] = c;
      for (int32_t i = 1; i < c; ++i) r.selectedFields[static_cast<size_t>(i)] = in.read<int32_t>(what);
      r.columnWidths.resize(static_cast<size_t>(c - 1));
      for (auto& w : r.columnWidths) w = in.read<int32_t>(what);
      return;
    }
  }
}

std::string hex(uint32_t v) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  do {
    s.insert(s.begin(), digits[v & 15]);
    v >>= 4;
  } while (v);
  while (s.size() < 4) s.insert(s.begin(), '0');
  return "0x" + s;
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : in_(bytes) {}

  void run(FileReading& out) {
    const auto version = in_.read<uint32_t>("the header");
    const auto count = in_.read<int32_t>("the header");
    if (version != kFileVersion) throw Fault{"version " + std::to_string(version) + ", not 1"};
    if (count < 1) throw Fault{"record count " + std::to_string(count) + ", below 1"};
    uint32_t listCount = in_.read<uint16_t>("the list count");
    if (listCount == 0xFFFF) listCount = in_.read<uint32_t>("the list count");
    if (listCount != static_cast<uint32_t>(count))
      throw Fault{"the list count " + std::to_string(listCount) + " differs from the header's " +
                  std::to_string(count)};
    checkedCount(count, kMinRecordBytes, in_, "the record count");
    out.records.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
      entryStart_ = in_.offset();
      RecordPtr record = readEntry();
      if (i == 0 && !record->isFolder()) throw Fault{"the first record is not a folder"};
      out.records.push_back(std::move(record));
    }
    out.trailingBytes = in_.left();
  }

  [[nodiscard]] size_t faultOffset() const { return in_.offset(); }

 private:
  RecordPtr readEntry() {
    const uint16_t tag = in_.read<uint16_t>("a class tag");
    Kind kind;
    if (tag == kNewClassTag) {
      const auto schema = in_.read<uint16_t>("a class tag");
      const auto length = in_.read<uint16_t>("a class tag");
      if (length > kMaxClassNameLength) throw Fault{"a class name of " + std::to_string(length) + " bytes"};
      const std::string_view name = in_.take(length, "a class name");
      RecordPtr probe = makeRecord(name);
      if (!probe) throw Fault{"unknown class \"" + printable(name) + "\""};
      if (schema != kSchema) throw Fault{"class " + std::string(name) + " has schema " + std::to_string(schema)};
      kind = probe->kind();
      indexes_.push_back(static_cast<int>(kind));  // the class takes the next index
    } else {
      uint32_t index = 0;
      if (tag == kBigTag) {
        const auto big = in_.read<uint32_t>("a class tag");
        if (!(big & kBigClassBit)) throw Fault{"a reference to record " + std::to_string(big) + " read earlier"};
        index = big & ~kBigClassBit;
      } else if (tag & kClassTagBit) {
        index = tag & ~kClassTagBit;
      } else if (tag == 0) {
        throw Fault{"a null entry"};
      } else {
        throw Fault{"a reference to record " + std::to_string(tag) + " read earlier"};
      }
      if (index == 0 || index > indexes_.size()) throw Fault{"class tag " + hex(tag) + " names an unassigned index"};
      if (indexes_[index - 1] < 0) throw Fault{"class tag names index " + std::to_string(index) + ", a record"};
      kind = static_cast<Kind>(indexes_[index - 1]);
    }
    indexes_.push_back(-1);  // the record takes the next index
    RecordPtr record = makeRecord(kindName(kind));
    readBody(in_, *record);
    return record;
  }

  static std::string_view kindName(Kind kind) {
    switch (kind) {
      case Kind::Folder: return "CBMFolder";
      case Kind::Browse: return "CBMBrowse";
      case Kind::Periodic: return "CBMPeriodic";
      case Kind::DataAn: return "CBMDataAn";
    }
    return {};
  }

  static std::string printable(std::string_view s) {
    std::string out;
    for (char c : s) out.push_back(c >= 0x20 && c < 0x7F ? c : '?');
    return out;
  }

  Input in_;
  size_t entryStart_ = 0;
  // Index k - 1 holds the kind of the class that took index k, or -1 for a record.
  std::vector<int> indexes_;
};

class Output {
 public:
  template <typename T>
  void put(T v) {
    auto u = static_cast<std::make_unsigned_t<T>>(v);
    for (size_t i = 0; i < sizeof(T); ++i) {
      bytes.push_back(static_cast<char>(u & 0xFF));
      if constexpr (sizeof(T) > 1) u = static_cast<decltype(u)>(u >> 8);
    }
  }
  void text(const std::string& s) {
    const size_t n = s.size();
    if (n < 0xFF) {
      put<uint8_t>(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
      put<uint8_t>(0xFF);
      put<uint16_t>(static_cast<uint16_t>(n));
    } else {
      put<uint8_t>(0xFF);
      put<uint16_t>(0xFFFF);
      put<uint32_t>(static_cast<uint32_t>(n));
    }
    bytes += s;
  }
  std::string bytes;
};

void writeBody(Output& out, const CBMRecord& record) {
  switch (record.kind()) {
    case Kind::Folder: out.text(record.name); return;
    case Kind::Browse: {
      const auto& r = static_cast<const CBMBrowse&>(record);
      out.put(r.treeRecord);
      out.put(r.object);
      out.put(r.section);
      out.text(r.name);
      return;
    }
    case Kind::Periodic: {
      const auto& r = static_cast<const CBMPeriodic&>(record);
      out.put(r.mode);
      out.put(r.extra);
      out.text(r.name);
      return;
    }
    case Kind::DataAn: {
      const auto& r = static_cast<const CBMDataAn&>(record);
      out.text(r.name);
      out.put(r.table);
      out.put(r.displayMode);
      out.put(r.showLabels);
      out.put(r.graphType);
      out.put(r.axis);
      out.put(r.graphFields);
      out.put(r.sortColumn);
      // The block is what the record holds; its length is written from it, so the two agree.
      out.put(static_cast<int32_t>(r.filterBlock.size()));
      out.put(r.filterNum);
      out.bytes += r.filterBlock;
      // An empty record still has its C: one, no columns.
      const size_t columns = r.columnCount();
      out.put(static_cast<int32_t>(columns + 1));
      for (size_t i = 1; i <= columns; ++i) out.put(r.selectedFields[i]);
      for (size_t i = 0; i < columns; ++i) out.put(i < r.columnWidths.size() ? r.columnWidths[i] : int32_t{0});
      return;
    }
  }
}

}  // namespace

FileReading readBookmarkFile(std::string_view bytes) {
  FileReading out;
  Reader reader(bytes);
  try {
    reader.run(out);
  } catch (const Fault& fault) {
    out.error = fault.text;
    out.errorOffset = reader.faultOffset();
  } catch (const std::bad_alloc&) {
    out.error = "out of memory";
    out.errorOffset = reader.faultOffset();
  }
  return out;
}

std::optional<BookmarkList> loadList(std::string_view bytes, std::string* error) {
  FileReading reading = readBookmarkFile(bytes);
  if (!reading.ok()) {
    if (error) *error = "offset " + std::to_string(reading.errorOffset) + ": " + reading.error;
    return std::nullopt;
  }
  BookmarkList list;
  list.records = std::move(reading.records);
  list.currentFolder = list.records.front().get();
  return list;
}

std::string writeBookmarkFile(const std::vector<RecordPtr>& records) {
  Output out;
  out.bytes.reserve(16 + records.size() * 24);
  out.put<uint32_t>(kFileVersion);
  out.put<int32_t>(static_cast<int32_t>(records.size()));
  if (records.size() < 0xFFFF) {
    out.put<uint16_t>(static_cast<uint16_t>(records.size()));
  } else {
    out.put<uint16_t>(0xFFFF);
    out.put<uint32_t>(static_cast<uint32_t>(records.size()));
  }
  std::map<Kind, uint32_t> classIndex;
  uint32_t next = 1;
  for (const auto& record : records) {
    const auto found = classIndex.find(record->kind());
    if (found == classIndex.end()) {
      out.put<uint16_t>(kNewClassTag);
      out.put<uint16_t>(kSchema);
      const std::string_view name = record->className();
      out.put<uint16_t>(static_cast<uint16_t>(name.size()));
      out.bytes += name;
      classIndex.emplace(record->kind(), next++);
    } else if (found->second < kBigTag) {
      out.put<uint16_t>(static_cast<uint16_t>(kClassTagBit | found->second));
    } else {
      out.put<uint16_t>(kBigTag);
      out.put<uint32_t>(kBigClassBit | found->second);
    }
    ++next;  // the record's own index
    writeBody(out, *record);
  }
  return std::move(out.bytes);
}

}  // namespace vantorel::bookmarks
