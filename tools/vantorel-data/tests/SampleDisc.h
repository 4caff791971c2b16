#pragma once

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/vantorel-data/core/Compiler.h"
#include "tools/vantorel-data/pictures/QtPictureSet.h"

// The sample sources and the disc built from them, shared by the suites.
namespace vantorel::data::testing {

inline std::string dataDir() {
  const char* root = std::getenv("VANTOREL_SOURCE_DIR");
  return root ? std::string(root) + "/data" : std::string(VANTOREL_DATA_DIR);
}

// A folder of this test run under the system's temporary folder, removed at the end.
struct TempFolder {
  explicit TempFolder(const std::string& stem)
      : dir((std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid()))).string()) {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  std::string dir;
};

// The disc the build made from the sources (build/disc), or, when there is none, one built here
// once for the whole run.
inline const std::string& sampleDisc() {
  static const TempFolder built("vantorel-catalogue");
  static const std::string disc = [] {
    if (const char* build = std::getenv("VANTOREL_BUILD_DIR"))
      if (std::filesystem::is_regular_file(std::string(build) + "/disc/element.dat"))
        return std::string(build) + "/disc";
    std::vector<Diagnostic> d;
    EXPECT_TRUE(buildDisc(dataDir(), built.dir, QtPictureSet(), d));
    for (const auto& x : d)
      if (!x.warning) ADD_FAILURE() << formatDiagnostic(x);
    return built.dir;
  }();
  return disc;
}

}  // namespace vantorel::data::testing
