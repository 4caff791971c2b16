#include "tools/vantorel-data/core/FileIo.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/files/AtomicWrite.h"

namespace vantorel::data {

std::optional<std::string> readWholeFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
  std::string error;
  return files::replaceFileContents(path, bytes, error);
}

}  // namespace vantorel::data
