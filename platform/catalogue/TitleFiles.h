#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/catalogue/RecordFile.h"

// The nine title files (60-byte records, 1-based record numbers taken from asset identifiers).
namespace vantorel::catalogue {

// Two titles of the distributed data fill the whole field; the browser puts them right.
[[nodiscard]] std::string fixTitle(std::string title);

// Every whole record of a title file, as stored.
[[nodiscard]] std::vector<std::string> parseTitleRecords(std::string_view bytes);

struct TitleRead {
  enum class Status { Ok, UnknownType, NoRecord, NotOpen };
  Status status = Status::NoRecord;
  std::string title;
};

class TitleFiles {
 public:
  // Closes what is open, then opens all nine from `dataPath`; returns the full paths of those
  // that could not be opened, in opening order.
  std::vector<std::string> open(const FileOpener& opener, const std::string& dataPath);
  void close();
  [[nodiscard]] bool allOpen() const;
  // The title with the browser's fix-ups.
  [[nodiscard]] TitleRead read(int32_t assetId);
  // The title as stored. Record 0, a negative number and a record past the end read nothing.
  [[nodiscard]] TitleRead readStored(int32_t assetId);
  // For the fuzzers and tests: puts `file` in the slot of title file `index`.
  void setFile(int index, std::unique_ptr<RecordFile> file);

 private:
  std::array<std::unique_ptr<RecordFile>, 9> files_;
};

}  // namespace vantorel::catalogue
