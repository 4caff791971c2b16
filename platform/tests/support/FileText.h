#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Whole files as bytes, for tests that look at what was written or plant what is to be read.
namespace vantorel::testing {

inline std::string readAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeAll(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

}  // namespace vantorel::testing
