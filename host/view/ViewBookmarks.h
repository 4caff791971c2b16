#pragma once

#include "host/bookmarks/ComponentSites.h"
#include "host/bookmarks/core/ScreenSites.h"

namespace vantorel::host {

class CQuillet2View;
class HostComponents;

// What the bookmark commands see of the main view: its screen, its browse position with the
// topic browser, and the periodic table and data analyser wrappers.
class ViewBookmarks final : public bookmarks::BookmarkSites, public bookmarks::BrowseSite {
 public:
  ViewBookmarks(CQuillet2View& view, HostComponents& components);

  [[nodiscard]] bookmarks::Screen screen() const override;
  bookmarks::BrowseSite& browse() override { return *this; }
  bookmarks::PeriodicSite& periodic() override { return periodic_; }
  bookmarks::DataAnalyserSite& dataAnalyser() override { return dataAnal_; }

  [[nodiscard]] int16_t section() const override;
  [[nodiscard]] int32_t treeRecord() const override;
  [[nodiscard]] int32_t object() const override;
  void setPosition(int32_t treeRecord, int32_t object, int16_t section) override;
  void openSection(int16_t section, int32_t page) override;
  void gotoPosition(int32_t page, int32_t object) override;
  [[nodiscard]] std::string treeName(int32_t page) override;
  [[nodiscard]] std::string objectName(int32_t object) override;

 private:
  CQuillet2View& view_;
  HostComponents& components_;
  bookmarks::PeriodicTableSite periodic_;
  bookmarks::DataAnalSite dataAnal_;
};

}  // namespace vantorel::host
