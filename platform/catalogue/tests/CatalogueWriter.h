#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/codepage/Cp1253.h"

// Writes catalogue files in their binary layouts, for tests, fuzz seeds and benchmarks.
// Texts are given in UTF-8 and stored as CP1253.
namespace vantorel::catalogue::testing {

inline void putI32(std::string& out, int32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}

inline void putI16(std::string& out, int16_t v) {
  out += static_cast<char>(static_cast<uint16_t>(v) & 0xFF);
  out += static_cast<char>(static_cast<uint16_t>(v) >> 8);
}

// A text field of `size` bytes: the text, a NUL when it fits, then filler bytes that readers
// must not look at.
inline void putText(std::string& out, std::string_view utf8, size_t size) {
  std::string text = codepage::fromUtf8Lossy(utf8);
  if (text.size() > size) text.resize(size);
  out += text;
  if (text.size() < size) out += '\0';
  for (size_t n = text.size() + 1; n < size; ++n) out += '~';
}

struct Topic {
  std::string title;
  int32_t page;
  int32_t level;
  int32_t recordId;
};

inline std::string topicBytes(const std::vector<Topic>& topics) {
  std::string out;
  for (const Topic& t : topics) {
    putText(out, t.title, 100);
    putI32(out, t.page);
    putI32(out, t.level);
    putI32(out, t.recordId);
  }
  return out;
}

inline std::string associationBytes(const std::vector<std::pair<int32_t, int32_t>>& pairs) {
  std::string out;
  for (const auto& [recordId, assetId] : pairs) {
    putI32(out, recordId);
    putI32(out, assetId);
  }
  return out;
}

inline std::string titleBytes(const std::vector<std::string>& titles) {
  std::string out;
  for (const auto& t : titles) putText(out, t, 60);
  return out;
}

struct Word {
  std::string word;
  int32_t recordId;
  int32_t assetId;
  int16_t route;
};

inline std::string wordBytes(const std::vector<Word>& words) {
  std::string out;
  for (const Word& w : words) {
    putText(out, w.word, 32);
    putI32(out, w.recordId);
    putI32(out, w.assetId);
    putI16(out, w.route);
    out += '\x55';  // reserved
  }
  return out;
}

// words.ndx: the sorted index words.
inline std::string wordListBytes(const std::vector<std::string>& words) {
  std::string out;
  for (const auto& w : words) putText(out, w, 32);
  return out;
}

// words.alt: groups of words that mean the same.
inline std::string alternativeBytes(const std::vector<std::pair<int32_t, std::string>>& groups) {
  std::string out;
  for (const auto& [group, word] : groups) {
    putI32(out, group);
    putText(out, word, 26);
  }
  return out;
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vantorel::catalogue::testing
