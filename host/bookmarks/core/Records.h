#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The four kinds of bookmark record. Names are CP1253 bytes. Every kind can be built empty (the
// file reader does so) and copied whole (a rename in the bookmark dialog makes a new record).
namespace vantorel::bookmarks {

enum class Kind { Folder, Browse, Periodic, DataAn };

class CBMRecord {
 public:
  virtual ~CBMRecord();
  [[nodiscard]] virtual Kind kind() const = 0;
  // The run-time class name written into the bookmark file.
  [[nodiscard]] virtual std::string_view className() const = 0;
  [[nodiscard]] virtual std::shared_ptr<CBMRecord> clone() const = 0;
  [[nodiscard]] bool isFolder() const { return kind() == Kind::Folder; }

  std::string name;

 protected:
  CBMRecord() = default;
  CBMRecord(const CBMRecord&) = default;
  CBMRecord& operator=(const CBMRecord&) = default;
};

using RecordPtr = std::shared_ptr<CBMRecord>;

class CBMFolder final : public CBMRecord {
 public:
  CBMFolder() = default;
  explicit CBMFolder(std::string folderName) { name = std::move(folderName); }
  [[nodiscard]] Kind kind() const override { return Kind::Folder; }
  [[nodiscard]] std::string_view className() const override { return "CBMFolder"; }
  [[nodiscard]] RecordPtr clone() const override { return std::make_shared<CBMFolder>(*this); }
};

class CBMBrowse final : public CBMRecord {
 public:
  [[nodiscard]] Kind kind() const override { return Kind::Browse; }
  [[nodiscard]] std::string_view className() const override { return "CBMBrowse"; }
  [[nodiscard]] RecordPtr clone() const override { return std::make_shared<CBMBrowse>(*this); }

  int32_t treeRecord = 0;
  int32_t object = 0;  // 0: nothing chosen in the resource list
  int16_t section = 0;
};

class CBMPeriodic final : public CBMRecord {
 public:
  [[nodiscard]] Kind kind() const override { return Kind::Periodic; }
  [[nodiscard]] std::string_view className() const override { return "CBMPeriodic"; }
  [[nodiscard]] RecordPtr clone() const override { return std::make_shared<CBMPeriodic>(*this); }

  int32_t mode = 0;
  int32_t extra = 0;
};

class CBMDataAn final : public CBMRecord {
 public:
  [[nodiscard]] Kind kind() const override { return Kind::DataAn; }
  [[nodiscard]] std::string_view className() const override { return "CBMDataAn"; }
  [[nodiscard]] RecordPtr clone() const override { return std::make_shared<CBMDataAn>(*this); }

  // Number of columns the record describes: C - 1.
  [[nodiscard]] size_t columnCount() const { return selectedFields.empty() ? 0 : selectedFields.size() - 1; }

  int16_t table = 0;
  // Element 0 is C = number of selected fields + 1, then the field ids; empty in a new record.
  std::vector<int32_t> selectedFields;
  std::vector<int32_t> columnWidths;  // C - 1 widths, by column position
  int16_t displayMode = 0;
  int16_t graphType = 0;
  int32_t showLabels = 0;
  int32_t axis = 0;
  int32_t graphFields = 0;
  int16_t sortColumn = 0;
  int32_t filterLength = 0;  // always filterBlock.size() in a record we built or read
  int16_t filterNum = 0;
  std::string filterBlock;
};

// A record of the kind named `className`, empty; null for any other name.
[[nodiscard]] RecordPtr makeRecord(std::string_view className);

// The largest C the data analyser can hand out (field count + 1), and so the largest we accept.
inline constexpr int32_t kMaxSelectedFields = 256;

}  // namespace vantorel::bookmarks
