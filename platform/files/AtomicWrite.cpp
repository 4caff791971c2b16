#include "platform/files/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace vantorel::files {
namespace {

// mkostemp's pattern: the target's name, a marker, six random characters.
constexpr std::string_view kTempMarker = ".tmp-";

std::filesystem::path folderOf(const std::filesystem::path& target) {
  return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes, std::string& error,
                         mode_t newFileMode) {
  mode_t mode = newFileMode;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) mode = old.st_mode & 0755;  // never writable by group or others

  std::string pattern = target.string();
  pattern += kTempMarker;
  pattern += "XXXXXX";
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);  // O_CREAT | O_EXCL, owner-only
  if (fd < 0) {
    error = target.string() + ": cannot create a temporary file: " + std::strerror(errno);
    return false;
  }
  const std::filesystem::path temp = pattern;
  auto fail = [&](const char* what) {
    error = target.string() + ": " + what + ": " + std::strerror(errno);
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  };
  if (!writeAll(fd, bytes)) return fail("cannot be written");
  if (::fchmod(fd, mode) != 0) return fail("cannot set its permissions");
  if (::fdatasync(fd) != 0) return fail("cannot be flushed to the disk");
  if (::close(fd) != 0) {
    error = target.string() + ": cannot be written: " + std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    error = target.string() + ": cannot be replaced: " + std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

void removeStaleTemporaries(const std::filesystem::path& target) {
  const std::string prefix = target.filename().string() + std::string(kTempMarker);
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folderOf(target), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0) {
      std::error_code ignored;
      std::filesystem::remove(entry.path(), ignored);  // a link is removed, never followed
    }
  }
}

}  // namespace vantorel::files
