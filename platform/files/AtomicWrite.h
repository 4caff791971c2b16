#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace vantorel::files {

// Replaces the contents of `target` with `bytes` so that a reader sees the old file or the new
// one, never a part: the bytes go to a temporary file with a random name in the target's folder,
// created exclusively (a file or link planted under any name is never written through), flushed
// to the disk, and renamed over the target. The new file keeps the old one's permissions without
// write rights for others, or gets `newFileMode` when there was none. False with a reason in
// `error` when anything fails; the target is then as it was and no temporary file is left.
[[nodiscard]] bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes, std::string& error,
                                       mode_t newFileMode = 0644);

// Removes the temporary files that writers killed before their rename left beside `target`.
// Call it holding the target's FileLock, so that no live writer's file is taken.
void removeStaleTemporaries(const std::filesystem::path& target);

}  // namespace vantorel::files
