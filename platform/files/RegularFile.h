#pragma once

#include <cstdio>
#include <memory>
#include <string>

// Data files are read only when they are regular files. A folder of the same name is no data,
// and a named pipe or a device would hold the reader up until some other program wrote to it.
namespace vantorel::files {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens `path` for reading in binary mode when it names a regular file (directly or through
// symbolic links); null for anything else or when it cannot be opened. The opening itself never
// waits, and the kind is checked on the opened file, so a name swapped meanwhile cannot slip by.
[[nodiscard]] FilePtr openRegularFile(const std::string& path);

}  // namespace vantorel::files
