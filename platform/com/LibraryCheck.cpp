#include "platform/com/LibraryCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "platform/com/VersionResource.h"
#include "platform/registry/RegFile.h"

namespace vantorel::com {
namespace {

constexpr size_t kMaxLibrarySize = size_t{256} << 20;

// Why a file or folder with this status could be replaced by someone else, or empty.
std::string replaceableBy(const struct stat& info) {
  if (info.st_uid != ::geteuid() && info.st_uid != 0) return "belongs to another user";
  if (info.st_mode & S_IWOTH) return "may be written by other users";
  return {};
}

}  // namespace

std::string checkComponentLibrary(const std::string& path) {
  const std::filesystem::path file(path);
  if (!file.is_absolute()) return path + ": not an absolute path";
  const std::filesystem::path folder = file.parent_path();
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) return path + ": its folder cannot be read";
  if (const std::string why = replaceableBy(info); !why.empty()) return folder.string() + ": the folder " + why;

  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return path + ": library not found";
  std::string why;
  std::vector<uint8_t> image;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    why = "not a regular file";
  } else if (why = replaceableBy(info); why.empty()) {
    if (static_cast<uint64_t>(info.st_size) > kMaxLibrarySize) {
      why = "too large for a component library";
    } else {
      image.resize(static_cast<size_t>(info.st_size));
      size_t done = 0;
      while (done < image.size()) {
        const ssize_t n = ::read(fd, image.data() + done, image.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
      }
      if (done != image.size()) why = "cannot be read";
    }
  }
  ::close(fd);
  if (!why.empty()) return path + ": " + why;

  const auto section = findVersionSection(image);
  if (!section) return path + ": no version block: not a component library";
  const auto original = versionString(*section, "OriginalFilename", {"040904E4", "040904B0"});
  if (!original) return path + ": its version block names no original file";
  // Names compare without regard to case: a disc may have been copied from another system.
  if (!registry::namesEqual(*original, file.filename().string()))
    return path + ": the library was built as \"" + *original + "\", not as \"" + file.filename().string() + "\"";
  return {};
}

}  // namespace vantorel::com
