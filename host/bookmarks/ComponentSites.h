#pragma once

#include <functional>

#include "host/bookmarks/core/ScreenSites.h"

namespace vantorel::host {
class CDataAnal;
class CPeriodTable;
}  // namespace vantorel::host

// The bookmark interfaces over the host's component wrappers. The blocks the data analyser hands
// out are read and freed here; the blocks handed in are made for the call and freed after it (the
// control copies what it keeps).
namespace vantorel::bookmarks {

class DataAnalSite final : public DataAnalyserSite {
 public:
  // `showScreen` switches the view to the data analyser and lets the control paint once.
  DataAnalSite(host::CDataAnal& control, std::function<void()> showScreen);

  void showDataAnalyser() override;
  int16_t GetTable() override;
  std::vector<int32_t> GetSelectedFields() override;
  int32_t GetColumnWidth(int16_t index) override;
  int16_t GetBMSorG() override;
  int16_t GetGraphType() override;
  bool GetShowLabels() override;
  bool GetAxis() override;
  int32_t GetGraphFields() override;
  int16_t GetSortColumn() override;
  int32_t GetFilterLength() override;
  int16_t GetFilterNum() override;
  std::optional<std::string> FilterMemory() override;
  void SetBMSorG(int16_t value) override;
  void SetAxis(bool value) override;
  void SetGraphType(int16_t value) override;
  void SetShowLabels(bool value) override;
  void SetTable(int16_t index) override;
  void SetSortColumn(int16_t value) override;
  void SetFilter(int32_t length, int16_t num, const std::string& block) override;
  void SetSelectedFields(const std::vector<int32_t>& fields) override;
  void SetColumnWidth(int16_t index, int32_t width) override;
  void SetGraphFields(int32_t value) override;

 private:
  host::CDataAnal& control_;
  std::function<void()> showScreen_;
};

class PeriodicTableSite final : public PeriodicSite {
 public:
  // `showScreen` is the view's ShowPeriodicTable.
  PeriodicTableSite(host::CPeriodTable& control, std::function<void()> showScreen);

  int32_t getMode() override;
  int32_t getExtra() override;
  void setState(int32_t mode, int32_t extra) override;
  void showPeriodicTable() override;

 private:
  host::CPeriodTable& control_;
  std::function<void()> showScreen_;
};

}  // namespace vantorel::bookmarks
