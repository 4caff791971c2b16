#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/bookmarks/core/BookmarkList.h"

// The bookmark file: version 1, the record count, then the records as the framework's archive
// writes them (class tags with per-file indexes, schema 1, length-prefixed names).
namespace vantorel::bookmarks {

inline constexpr uint32_t kFileVersion = 1;
inline constexpr uint16_t kSchema = 1;

struct FileReading {
  // The records read, in file order; when `error` is set, those read before the fault.
  std::vector<RecordPtr> records;
  std::string error;         // empty when the whole file was read soundly
  size_t errorOffset = 0;    // where the fault was found
  size_t trailingBytes = 0;  // bytes after the last record (ignored)

  [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads a bookmark file. Every count and length is checked against the bytes left before
// anything is allocated; a file the program could not have written (an unknown class, another
// schema, a reference to an earlier record, a null entry, a first record that is not a folder,
// counts that disagree) is refused.
[[nodiscard]] FileReading readBookmarkFile(std::string_view bytes);

// The list read from `bytes`, its current folder the first record; nothing when the file is not
// sound (`error` then says why).
[[nodiscard]] std::optional<BookmarkList> loadList(std::string_view bytes, std::string* error = nullptr);

// The bytes of a list. The list must hold at least one record.
[[nodiscard]] std::string writeBookmarkFile(const std::vector<RecordPtr>& records);

}  // namespace vantorel::bookmarks
