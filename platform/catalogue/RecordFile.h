#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// A catalogue file read at offsets. The readers take it so that tests and fuzzers can hand them
// bytes in memory.
namespace vantorel::catalogue {

class RecordFile {
 public:
  virtual ~RecordFile();
  [[nodiscard]] virtual uint64_t size() const = 0;
  // Reads up to `count` bytes at `offset`; returns how many were read.
  virtual size_t readAt(uint64_t offset, char* out, size_t count) = 0;
};

class DiskFile final : public RecordFile {
 public:
  // Null when the file is not a regular file or cannot be opened for reading. A name missing as
  // spelled is looked up ignoring letter case.
  [[nodiscard]] static std::unique_ptr<DiskFile> open(const std::string& path);
  ~DiskFile() override;
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;
  [[nodiscard]] uint64_t size() const override { return size_; }
  size_t readAt(uint64_t offset, char* out, size_t count) override;

 private:
  DiskFile(std::FILE* file, uint64_t size) : file_(file), size_(size) {}
  std::FILE* file_;
  uint64_t size_;
};

class MemoryFile final : public RecordFile {
 public:
  explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
  [[nodiscard]] uint64_t size() const override { return bytes_.size(); }
  size_t readAt(uint64_t offset, char* out, size_t count) override;

 private:
  std::string bytes_;
};

// Opens a catalogue file by full path; null when it cannot be opened.
using FileOpener = std::function<std::unique_ptr<RecordFile>(const std::string& path)>;
[[nodiscard]] FileOpener diskOpener();

// Reads the file from its first record to its last in large chunks and calls `visit` with each
// whole record of `recordSize` bytes; stops early when `visit` returns false or the file ends
// short.
void scanRecords(RecordFile& file, size_t recordSize, const std::function<bool(const char* record)>& visit);

// The whole file, or nothing when it holds more than `limit` bytes or cannot be read.
[[nodiscard]] std::optional<std::string> readWhole(RecordFile& file, uint64_t limit = uint64_t{1} << 31);

}  // namespace vantorel::catalogue
