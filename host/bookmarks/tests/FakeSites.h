#pragma once

#include <string>
#include <vector>

#include "host/bookmarks/core/ScreenSites.h"

// Screens and components that record every call as text, in order.
namespace vantorel::bookmarks::fixtures {

struct CallLog {
  std::vector<std::string> calls;
  void add(std::string call) { calls.push_back(std::move(call)); }
  std::vector<std::string> take() { return std::exchange(calls, {}); }
};

inline std::string joined(const std::vector<int32_t>& v) {
  std::string s;
  for (int32_t x : v) s += (s.empty() ? "" : ",") + std::to_string(x);
  return s;
}

class FakeBrowse : public BrowseSite {
 public:
  explicit FakeBrowse(CallLog& log) : log_(log) {}
  int16_t section() const override { return section_; }
  int32_t treeRecord() const override { return treeRecord_; }
  int32_t object() const override { return object_; }
  void setPosition(int32_t tree, int32_t object, int16_t section) override {
    treeRecord_ = tree;
    object_ = object;
    section_ = section;
    log_.add("position " + std::to_string(tree) + " " + std::to_string(object) + " " + std::to_string(section));
  }
  void openSection(int16_t section, int32_t page) override {
    log_.add("OpenSection " + std::to_string(section) + " " + std::to_string(page));
  }
  void gotoPosition(int32_t page, int32_t object) override {
    log_.add("GotoPosition " + std::to_string(page) + " " + std::to_string(object));
  }
  std::string treeName(int32_t page) override { return page == 30001 ? "Metals" : ""; }
  std::string objectName(int32_t object) override { return object == 120005 ? "Copper" : ""; }

  int16_t section_ = 0;
  int32_t treeRecord_ = 0;
  int32_t object_ = 0;

 private:
  CallLog& log_;
};

class FakePeriodic : public PeriodicSite {
 public:
  explicit FakePeriodic(CallLog& log) : log_(log) {}
  int32_t getMode() override { return mode; }
  int32_t getExtra() override { return extra; }
  void setState(int32_t m, int32_t e) override { log_.add("SetState " + std::to_string(m) + " " + std::to_string(e)); }
  void showPeriodicTable() override { log_.add("ShowPeriodicTable"); }
  int32_t mode = 0;
  int32_t extra = 0;

 private:
  CallLog& log_;
};

// A data analyser with a little state, so that what is captured is what was set.
class FakeDataAnalyser : public DataAnalyserSite {
 public:
  explicit FakeDataAnalyser(CallLog& log) : log_(log) {}
  void showDataAnalyser() override { log_.add("show"); }
  int16_t GetTable() override { return table; }
  std::vector<int32_t> GetSelectedFields() override {
    std::vector<int32_t> v{static_cast<int32_t>(fields.size() + 1)};
    v.insert(v.end(), fields.begin(), fields.end());
    return v;
  }
  int32_t GetColumnWidth(int16_t i) override {
    return i >= 0 && static_cast<size_t>(i) < widths.size() ? widths[static_cast<size_t>(i)] : 50;
  }
  int16_t GetBMSorG() override { return bmsorg; }
  int16_t GetGraphType() override { return graphType; }
  bool GetShowLabels() override { return labels; }
  bool GetAxis() override { return axis; }
  int32_t GetGraphFields() override { return graphFields; }
  int16_t GetSortColumn() override { return sortColumn; }
  int32_t GetFilterLength() override { return static_cast<int32_t>(filter.size()); }
  int16_t GetFilterNum() override { return filterNum; }
  std::optional<std::string> FilterMemory() override {
    if (!giveFilter) return std::nullopt;
    return filter;
  }
  void SetBMSorG(int16_t v) override { bmsorg = v, log_.add("BMSorG " + std::to_string(v)); }
  void SetAxis(bool v) override { axis = v, log_.add("Axis " + std::to_string(v)); }
  void SetGraphType(int16_t v) override { graphType = v, log_.add("GraphType " + std::to_string(v)); }
  void SetShowLabels(bool v) override { labels = v, log_.add("ShowLabels " + std::to_string(v)); }
  void SetTable(int16_t v) override {
    table = v;
    fields.clear();
    widths.clear();
    filter.clear();
    log_.add("SetTable " + std::to_string(v));
  }
  void SetSortColumn(int16_t v) override { sortColumn = v, log_.add("SortColumn " + std::to_string(v)); }
  void SetFilter(int32_t length, int16_t num, const std::string& block) override {
    filter = block;
    filterNum = num;
    log_.add("SetFilter " + std::to_string(length) + " " + std::to_string(num) + " " + block);
  }
  void SetSelectedFields(const std::vector<int32_t>& v) override {
    log_.add("SetSelectedFields " + joined(v));
    fields.clear();
    for (size_t i = 1; i < v.size(); ++i)
      if (v[i] < availableFields) fields.push_back(v[i]);
    widths.assign(fields.size(), 108);
  }
  void SetColumnWidth(int16_t i, int32_t w) override {
    log_.add("SetColumnWidth " + std::to_string(i) + " " + std::to_string(w));
    if (i >= 0 && static_cast<size_t>(i) < widths.size()) widths[static_cast<size_t>(i)] = std::max(w, 50);
  }
  void SetGraphFields(int32_t v) override { graphFields = v, log_.add("GraphFields " + std::to_string(v)); }

  int16_t table = 3;
  std::vector<int32_t> fields;
  std::vector<int32_t> widths;
  int16_t bmsorg = 0, graphType = 1, sortColumn = 0, filterNum = 0;
  bool labels = false, axis = false, giveFilter = true;
  int32_t graphFields = 0;
  int32_t availableFields = 100;
  std::string filter;

 private:
  CallLog& log_;
};

class FakeSites : public BookmarkSites {
 public:
  Screen screen() const override { return screen_; }
  BrowseSite& browse() override { return browse_; }
  PeriodicSite& periodic() override { return periodic_; }
  DataAnalyserSite& dataAnalyser() override { return data_; }

  CallLog log;
  Screen screen_ = Screen::MainMenu;
  FakeBrowse browse_{log};
  FakePeriodic periodic_{log};
  FakeDataAnalyser data_{log};
};

}  // namespace vantorel::bookmarks::fixtures
