#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What bookmarks need from the main view and its components, as small interfaces that the view
// implements over its screens and its component wrappers. Text is CP1253.
namespace vantorel::bookmarks {

// The view's screen numbers.
enum class Screen { MainMenu = 0, PeriodicTable = 1, Topics = 2, DataAnalyser = 8 };

// The topic browser: the view's browse position and the browser component's members.
class BrowseSite {
 public:
  virtual ~BrowseSite();
  [[nodiscard]] virtual int16_t section() const = 0;
  [[nodiscard]] virtual int32_t treeRecord() const = 0;
  [[nodiscard]] virtual int32_t object() const = 0;
  virtual void setPosition(int32_t treeRecord, int32_t object, int16_t section) = 0;
  // The view's OpenSection: switches to the topic screen of `section`; a page other than 0 is
  // shown directly.
  virtual void openSection(int16_t section, int32_t page) = 0;
  virtual void gotoPosition(int32_t page, int32_t object) = 0;  // the host always passes Goto = FALSE
  [[nodiscard]] virtual std::string treeName(int32_t page) = 0;
  [[nodiscard]] virtual std::string objectName(int32_t object) = 0;
};

// The periodic-table component and the view's switch to its screen.
class PeriodicSite {
 public:
  virtual ~PeriodicSite();
  [[nodiscard]] virtual int32_t getMode() = 0;
  [[nodiscard]] virtual int32_t getExtra() = 0;
  virtual void setState(int32_t mode, int32_t extra) = 0;
  virtual void showPeriodicTable() = 0;
};

// The data analyser's members, with blocks as values: the adapter over the component wrapper
// reads and frees the blocks the component hands out, and makes the blocks it hands in.
class DataAnalyserSite {
 public:
  virtual ~DataAnalyserSite();
  // The view switches to the data analyser's screen and lets the control paint once.
  virtual void showDataAnalyser() = 0;

  [[nodiscard]] virtual int16_t GetTable() = 0;
  // Element 0 = number of selected fields + 1, then the field ids.
  [[nodiscard]] virtual std::vector<int32_t> GetSelectedFields() = 0;
  [[nodiscard]] virtual int32_t GetColumnWidth(int16_t index) = 0;
  [[nodiscard]] virtual int16_t GetBMSorG() = 0;
  [[nodiscard]] virtual int16_t GetGraphType() = 0;
  [[nodiscard]] virtual bool GetShowLabels() = 0;
  [[nodiscard]] virtual bool GetAxis() = 0;
  [[nodiscard]] virtual int32_t GetGraphFields() = 0;
  [[nodiscard]] virtual int16_t GetSortColumn() = 0;
  [[nodiscard]] virtual int32_t GetFilterLength() = 0;
  [[nodiscard]] virtual int16_t GetFilterNum() = 0;
  // The block built by GetFilterLength; nothing when the control gives none.
  [[nodiscard]] virtual std::optional<std::string> FilterMemory() = 0;

  virtual void SetBMSorG(int16_t value) = 0;
  virtual void SetAxis(bool value) = 0;
  virtual void SetGraphType(int16_t value) = 0;
  virtual void SetShowLabels(bool value) = 0;
  virtual void SetTable(int16_t index) = 0;
  virtual void SetSortColumn(int16_t value) = 0;
  virtual void SetFilter(int32_t length, int16_t num, const std::string& block) = 0;
  virtual void SetSelectedFields(const std::vector<int32_t>& fields) = 0;
  virtual void SetColumnWidth(int16_t index, int32_t width) = 0;
  virtual void SetGraphFields(int32_t value) = 0;
};

// Everything the two bookmark commands use.
struct BookmarkSites {
  [[nodiscard]] virtual Screen screen() const = 0;
  virtual BrowseSite& browse() = 0;
  virtual PeriodicSite& periodic() = 0;
  virtual DataAnalyserSite& dataAnalyser() = 0;

 protected:
  ~BookmarkSites() = default;
};

}  // namespace vantorel::bookmarks
