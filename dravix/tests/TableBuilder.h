#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dravix/core/TableFiles.h"

// Builds the two files of a table in memory, as the data compiler writes them.
namespace vantorel::dravix::testing {

struct TableBytes {
  std::string index;
  std::string data;
};

inline void putI32(std::string& out, int32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xff);
}

// columns[k][r]: value of field k in record r.
inline TableBytes encodeTable(const std::vector<std::vector<std::string>>& columns, std::string typeFlags = {},
                              std::string plotFlags = {}) {
  TableBytes out;
  const auto n = static_cast<uint16_t>(columns.size());
  const int32_t records = columns.empty() ? 0 : static_cast<int32_t>(columns[0].size());
  out.index += static_cast<char>(n & 0xff);
  out.index += static_cast<char>(n >> 8);
  putI32(out.index, records);
  std::vector<int32_t> offsets;
  for (const auto& column : columns) {
    offsets.push_back(static_cast<int32_t>(out.data.size()));
    for (const std::string& v : column) {
      out.data += v;
      out.data += '\0';
    }
  }
  offsets.push_back(static_cast<int32_t>(out.data.size()));
  for (int32_t o : offsets) putI32(out.index, o);
  typeFlags.resize(n, 'T');
  plotFlags.resize(n, 'N');
  out.index += typeFlags + plotFlags;
  return out;
}

// A table of `fields` fields whose field k in record r reads "k.r", for loading by number.
inline std::vector<std::vector<std::string>> plainColumns(int fields, int records) {
  std::vector<std::vector<std::string>> columns(static_cast<size_t>(fields));
  for (int k = 0; k < fields; ++k)
    for (int r = 0; r < records; ++r)
      columns[static_cast<size_t>(k)].push_back(std::to_string(k) + "." + std::to_string(r));
  return columns;
}

// An opener over files held in memory by full path.
inline FileOpener memoryOpener(std::map<std::string, std::string> files) {
  return [files = std::move(files)](const std::string& path) -> std::unique_ptr<ByteFile> {
    const auto it = files.find(path);
    if (it == files.end()) return nullptr;
    return std::make_unique<MemoryFile>(it->second);
  };
}

}  // namespace vantorel::dravix::testing
