#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/catalogue/RecordFile.h"
#include "platform/codepage/Cp1253.h"

// A small data folder for the word search tests: texts in UTF-8, stored as CP1253 in the
// binary layouts of the word, topic and title files.
namespace vantorel::search::testing {

inline void putI32(std::string& out, int32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}

// The text, a NUL when it fits, then filler that readers must not look at.
inline void putText(std::string& out, std::string_view utf8, size_t size) {
  std::string text = codepage::fromUtf8Lossy(utf8);
  if (text.size() > size) text.resize(size);
  out += text;
  if (text.size() < size) out += '\0';
  for (size_t n = text.size() + 1; n < size; ++n) out += '~';
}

struct Occurrence {
  std::string word;
  int32_t recordId;
  int32_t assetId;
  int16_t route;
};

inline std::string wordsDat(const std::vector<Occurrence>& list) {
  std::string out;
  for (const auto& o : list) {
    putText(out, o.word, 32);
    putI32(out, o.recordId);
    putI32(out, o.assetId);
    out += static_cast<char>(o.route & 0xFF);
    out += static_cast<char>((o.route >> 8) & 0xFF);
    out += '\x55';
  }
  return out;
}

inline std::string wordsNdx(const std::vector<std::string>& words) {
  std::string out;
  for (const auto& w : words) putText(out, w, 32);
  return out;
}

inline std::string wordsAlt(const std::vector<std::pair<int32_t, std::string>>& groups) {
  std::string out;
  for (const auto& [group, word] : groups) {
    putI32(out, group);
    putText(out, word, 26);
  }
  return out;
}

struct Topic {
  std::string title;
  int32_t recordId;
  int32_t level = 0;
};

inline std::string topicDat(const std::vector<Topic>& topics) {
  std::string out;
  for (const auto& t : topics) {
    putText(out, t.title, 100);
    putI32(out, 170000 + t.recordId);
    putI32(out, t.level);
    putI32(out, t.recordId);
  }
  return out;
}

inline std::string titleTtl(const std::vector<std::string>& titles) {
  std::string out;
  for (const auto& t : titles) putText(out, t, 60);
  return out;
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
    for (const auto& [name, bytes] : files) {
      std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
  }
};

inline std::string cp(std::string_view utf8) {
  return codepage::fromUtf8Lossy(utf8);
}

}  // namespace vantorel::search::testing
