#include "dravix/core/TableFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "dravix/core/TableCatalogue.h"
#include "platform/files/RegularFile.h"

namespace vantorel::dravix {
namespace {

class DiskFile final : public ByteFile {
 public:
  DiskFile(files::FilePtr file, uint64_t size) : file_(std::move(file)), size_(size) {}
  [[nodiscard]] uint64_t size() const override { return size_; }
  size_t readAt(uint64_t offset, char* out, size_t count) override {
    if (offset > static_cast<uint64_t>(INT64_MAX) || fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) != 0)
      return 0;
    return std::fread(out, 1, count, file_.get());
  }

 private:
  files::FilePtr file_;
  uint64_t size_;
};

uint16_t readU16(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}

int32_t readI32(std::string_view bytes, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
  return static_cast<int32_t>(v);
}

std::optional<std::string> readWhole(ByteFile& file) {
  const uint64_t size = file.size();
  if (size > (1u << 20)) return std::nullopt;  // an index file is a few hundred bytes
  std::string bytes(static_cast<size_t>(size), '\0');
  if (file.readAt(0, bytes.data(), bytes.size()) != bytes.size()) return std::nullopt;
  return bytes;
}

}  // namespace

ByteFile::~ByteFile() = default;

size_t MemoryFile::readAt(uint64_t offset, char* out, size_t count) {
  if (offset >= bytes_.size()) return 0;
  const size_t n = std::min<uint64_t>(count, bytes_.size() - offset);
  std::memcpy(out, bytes_.data() + offset, n);
  return n;
}

FileOpener diskOpener() {
  return [](const std::string& path) -> std::unique_ptr<ByteFile> {
    files::FilePtr file = files::openRegularFile(path);
    if (!file || fseeko(file.get(), 0, SEEK_END) != 0) return nullptr;
    const off_t size = ftello(file.get());
    if (size < 0) return nullptr;
    return std::make_unique<DiskFile>(std::move(file), static_cast<uint64_t>(size));
  };
}

IndexRead parseIndex(std::string_view bytes, int expectedFields) {
  if (bytes.size() < 2) return {std::nullopt, TableError::DamagedIndex};
  const int n = readU16(bytes, 0);
  if (n != expectedFields) return {std::nullopt, TableError::BadFieldCount};
  const size_t flagsAt = 6 + 4 * static_cast<size_t>(n + 1);
  if (bytes.size() < flagsAt + 2 * static_cast<size_t>(n)) return {std::nullopt, TableError::DamagedIndex};
  TableIndex index;
  index.fieldCount = n;
  index.recordCount = readI32(bytes, 2);
  if (index.recordCount < 0) return {std::nullopt, TableError::DamagedIndex};
  index.offsets.reserve(static_cast<size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) {
    const int64_t offset = readI32(bytes, 6 + 4 * static_cast<size_t>(k));
    if (offset < 0 || (!index.offsets.empty() && offset < index.offsets.back()))
      return {std::nullopt, TableError::DamagedIndex};
    index.offsets.push_back(offset);
  }
  index.typeFlags.assign(bytes.substr(flagsAt, static_cast<size_t>(n)));
  index.plotFlags.assign(bytes.substr(flagsAt + static_cast<size_t>(n), static_cast<size_t>(n)));
  return {std::move(index), TableError::None};
}

std::optional<Column> Column::split(std::string bytes, int32_t records) {
  // Each value needs at least its terminator, so a count beyond the length is false; and the
  // values must fill the column exactly.
  if (records < 0 || static_cast<uint64_t>(records) > bytes.size() || bytes.size() > UINT32_MAX) return std::nullopt;
  if (records == 0) {
    if (!bytes.empty()) return std::nullopt;
    return Column{};
  }
  if (bytes.back() != '\0') return std::nullopt;
  Column column;
  column.starts_.reserve(static_cast<size_t>(records));
  const char* data = bytes.data();
  const size_t size = bytes.size();
  size_t pos = 0;
  while (pos < size) {
    if (column.starts_.size() == static_cast<size_t>(records)) return std::nullopt;
    column.starts_.push_back(static_cast<uint32_t>(pos));
    const void* nul = std::memchr(data + pos, '\0', size - pos);
    pos = static_cast<size_t>(static_cast<const char*>(nul) - data) + 1;
  }
  if (column.starts_.size() != static_cast<size_t>(records)) return std::nullopt;
  column.bytes_ = std::move(bytes);
  return column;
}

bool Column::holdsExactly(std::string_view bytes, int32_t records) {
  if (records < 0 || static_cast<uint64_t>(records) > bytes.size()) return false;
  if (records == 0) return bytes.empty();
  if (bytes.back() != '\0') return false;
  int64_t count = 0;
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (at < end && count <= records) {
    at = static_cast<const char*>(std::memchr(at, '\0', static_cast<size_t>(end - at))) + 1;
    ++count;
  }
  return count == records;
}

ColumnRead readColumn(ByteFile& data, const TableIndex& index, int field) {
  if (field < 0 || field >= index.fieldCount || index.offsets.size() != static_cast<size_t>(index.fieldCount) + 1)
    return {std::nullopt, TableError::DamagedData};
  const auto begin = static_cast<uint64_t>(index.offsets[static_cast<size_t>(field)]);
  const auto end = static_cast<uint64_t>(index.offsets[static_cast<size_t>(field) + 1]);
  if (end < begin || end > data.size()) return {std::nullopt, TableError::DamagedData};
  try {
    std::string bytes(static_cast<size_t>(end - begin), '\0');
    if (data.readAt(begin, bytes.data(), bytes.size()) != bytes.size()) return {std::nullopt, TableError::DamagedData};
    auto column = Column::split(std::move(bytes), index.recordCount);
    if (!column) return {std::nullopt, TableError::DamagedData};
    return {std::move(column), TableError::None};
  } catch (const std::bad_alloc&) {
    return {std::nullopt, TableError::OutOfMemory};
  }
}

std::vector<uint32_t> LoadedTable::shownRecords() const {
  std::vector<uint32_t> rows;
  rows.reserve(shownCount);
  for (size_t r = 0; r < excluded.size(); ++r) {
    if (!excluded[r]) rows.push_back(static_cast<uint32_t>(r));
  }
  return rows;
}

std::string indexPath(int table, const std::string& folder) {
  return folder + tableSpec(table).base + ".ndx";
}

std::string dataPath(int table, const std::string& folder) {
  return folder + tableSpec(table).base + ".dat";
}

TableLoad loadTable(int table, const std::string& folder, const FileOpener& open) {
  TableLoad load;
  if (!isTableNumber(table)) {
    load.error = TableError::IndexMissing;
    return load;
  }
  const TableSpec& spec = tableSpec(table);
  load.path = indexPath(table, folder);
  auto indexFile = open(load.path);
  if (!indexFile) {
    load.error = TableError::IndexMissing;
    return load;
  }
  const auto bytes = readWhole(*indexFile);
  indexFile.reset();
  if (!bytes) {
    load.error = TableError::DamagedIndex;
    return load;
  }
  IndexRead read = parseIndex(*bytes, spec.fieldCount);
  if (!read.index) {
    load.error = read.error;
    return load;
  }
  applyFlagCorrections(table, *read.index);

  load.path = dataPath(table, folder);
  auto data = open(load.path);
  if (!data) {
    load.error = TableError::DataMissing;
    return load;
  }
  const TableIndex& index = *read.index;
  if (static_cast<uint64_t>(index.offsets.back()) > data->size()) {
    load.path = indexPath(table, folder);
    load.error = TableError::DamagedIndex;
    return load;
  }
  // Every column now, in one read, so that no later read meets a value without its terminator.
  try {
    const auto first = static_cast<uint64_t>(index.offsets.front());
    std::string bytes(static_cast<size_t>(static_cast<uint64_t>(index.offsets.back()) - first), '\0');
    if (data->readAt(first, bytes.data(), bytes.size()) != bytes.size()) {
      load.error = TableError::DamagedData;
      return load;
    }
    const std::string_view all(bytes);
    for (size_t k = 0; k < static_cast<size_t>(index.fieldCount); ++k) {
      const auto begin = static_cast<size_t>(static_cast<uint64_t>(index.offsets[k]) - first);
      const auto end = static_cast<size_t>(static_cast<uint64_t>(index.offsets[k + 1]) - first);
      if (!Column::holdsExactly(all.substr(begin, end - begin), index.recordCount)) {
        load.error = TableError::DamagedData;
        return load;
      }
    }
  } catch (const std::bad_alloc&) {
    load.error = TableError::OutOfMemory;
    return load;
  }
  try {
    auto loaded = std::make_unique<LoadedTable>();
    loaded->table = table;
    loaded->index = std::move(*read.index);
    loaded->data = std::move(data);
    loaded->excluded.assign(static_cast<size_t>(loaded->index.recordCount), 0);
    loaded->shownCount = loaded->excluded.size();
    load.table = std::move(loaded);
    load.path.clear();
  } catch (const std::bad_alloc&) {
    load.error = TableError::OutOfMemory;
  }
  return load;
}

}  // namespace vantorel::dravix
