#include "platform/catalogue/RecordFile.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/RegularFile.h"

namespace vantorel::catalogue {

RecordFile::~RecordFile() = default;

std::unique_ptr<DiskFile> DiskFile::open(const std::string& path) {
  std::FILE* file = files::openRegularFile(path).release();
  if (!file) {
    // A disc copied from another system may spell the name in other letter case.
    const auto other = files::findIgnoringCase(path);
    if (other && *other != path) file = files::openRegularFile(*other).release();
  }
  if (!file) return nullptr;
  long size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  if (size < 0) {
    std::fclose(file);
    return nullptr;
  }
  return std::unique_ptr<DiskFile>(new DiskFile(file, static_cast<uint64_t>(size)));
}

DiskFile::~DiskFile() {
  std::fclose(file_);
}

size_t DiskFile::readAt(uint64_t offset, char* out, size_t count) {
  if (offset > static_cast<uint64_t>(std::numeric_limits<long>::max())) return 0;
  if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return 0;
  return std::fread(out, 1, count, file_);
}

size_t MemoryFile::readAt(uint64_t offset, char* out, size_t count) {
  if (offset >= bytes_.size()) return 0;
  const size_t n = std::min<uint64_t>(count, bytes_.size() - offset);
  std::memcpy(out, bytes_.data() + offset, n);
  return n;
}

FileOpener diskOpener() {
  return [](const std::string& path) -> std::unique_ptr<RecordFile> { return DiskFile::open(path); };
}

void scanRecords(RecordFile& file, size_t recordSize, const std::function<bool(const char* record)>& visit) {
  if (recordSize == 0) return;
  const size_t chunkRecords = std::max<size_t>(1, (size_t{1} << 19) / recordSize);
  const size_t total = static_cast<size_t>(file.size() / recordSize);
  std::string chunk(std::min(chunkRecords, total) * recordSize, '\0');
  for (size_t at = 0; at < total;) {
    const size_t want = std::min(chunkRecords, total - at);
    const size_t got = file.readAt(static_cast<uint64_t>(at) * recordSize, chunk.data(), want * recordSize);
    const size_t records = got / recordSize;
    for (size_t i = 0; i < records; ++i) {
      if (!visit(chunk.data() + i * recordSize)) return;
    }
    if (records < want) return;  // the file shrank under us
    at += records;
  }
}

std::optional<std::string> readWhole(RecordFile& file, uint64_t limit) {
  const uint64_t size = file.size();
  if (size > limit) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  const size_t got = size ? file.readAt(0, bytes.data(), bytes.size()) : 0;
  bytes.resize(got);
  return bytes;
}

}  // namespace vantorel::catalogue
