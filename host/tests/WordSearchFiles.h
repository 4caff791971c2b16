#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/catalogue/RecordFile.h"
#include "platform/catalogue/tests/CatalogueWriter.h"
#include "platform/codepage/Cp1253.h"

// A small data folder for the word search tests, in memory or on disk; the files are written by
// the catalogue's test writer.
namespace vantorel::search::testing {

using namespace catalogue::testing;
using Occurrence = catalogue::testing::Word;

// A topic whose page number follows from its record id.
struct SearchTopic {
  std::string title;
  int32_t recordId;
  int32_t level = 0;
};

inline std::string topicDat(const std::vector<SearchTopic>& topics) {
  std::vector<catalogue::testing::Topic> records;
  for (const auto& t : topics) records.push_back({t.title, 170000 + t.recordId, t.level, t.recordId});
  return topicBytes(records);
}

// Files by name, handed to the readers in memory; counts how often each is opened.
struct MemoryDisc {
  std::map<std::string, std::string> files;
  std::map<std::string, int> opens;
  [[nodiscard]] catalogue::FileOpener opener(const std::string& dataPath) {
    return [this, dataPath](const std::string& path) -> std::unique_ptr<catalogue::RecordFile> {
      const std::string name = path.substr(dataPath.size());
      ++opens[name];
      const auto it = files.find(name);
      if (it == files.end()) return nullptr;
      return std::make_unique<catalogue::MemoryFile>(it->second);
    };
  }
  void writeTo(const std::filesystem::path& folder) const {
    for (const auto& [name, bytes] : files) writeFile(folder / name, bytes);
  }
};

inline std::string cp(std::string_view utf8) {
  return codepage::fromUtf8Lossy(utf8);
}

}  // namespace vantorel::search::testing
