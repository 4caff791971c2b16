#pragma once

#include <filesystem>
#include <string>

namespace vantorel::files {

// An advisory lock on "<target>.lock" beside a file that several processes rewrite, held for the
// life of the object: every load -> change -> save of the file runs inside one, so that no writer
// saves over a change it has not seen. The lock file is created when missing (owner-only, never
// through a symbolic link) and left in place; the lock goes with the process if it dies.
class FileLock {
 public:
  // Waits for the lock.
  explicit FileLock(const std::filesystem::path& target);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  [[nodiscard]] bool locked() const { return fd_ >= 0; }
  // Why the lock could not be taken, when it was not.
  [[nodiscard]] const std::string& error() const { return error_; }

 private:
  int fd_ = -1;
  std::string error_;
};

}  // namespace vantorel::files
