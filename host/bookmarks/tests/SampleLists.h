#pragma once

#include <memory>
#include <string>

#include "host/bookmarks/core/BookmarkList.h"

// Lists of every record kind for tests and benchmarks.
namespace vantorel::bookmarks::fixtures {

// `count` records: a folder every `folderEvery`, then browse, periodic and data-analyser
// bookmarks in turn, named in Greek with their number. The current folder is the first.
inline BookmarkList mixedList(size_t count, size_t folderEvery = 10) {
  BookmarkList list;
  for (size_t i = 0; i < count; ++i) {
    const std::string number = std::to_string(i);
    if (i % folderEvery == 0) {
      list.records.push_back(std::make_shared<CBMFolder>("\xD6\xDC\xEA\xE5\xEB\xEF\xF2 " + number));  // Φάκελος
      continue;
    }
    switch (i % 3) {
      case 0: {
        auto r = std::make_shared<CBMBrowse>();
        r->name = "\xC4\xEF\xEC\xDD\xF2 - " + number;  // Δομές
        r->treeRecord = static_cast<int32_t>(20001 + i);
        r->object = static_cast<int32_t>(i % 5 ? 0 : 120000 + i);
        r->section = static_cast<int16_t>(1 + i % 7);
        list.records.push_back(r);
        break;
      }
      case 1: {
        auto r = std::make_shared<CBMPeriodic>();
        r->name = "Periodic Table - " + number;
        r->mode = static_cast<int32_t>(i % 4);
        r->extra = static_cast<int32_t>(i);
        list.records.push_back(r);
        break;
      }
      default: {
        auto r = std::make_shared<CBMDataAn>();
        r->name = "Data Analyser - " + number;
        r->table = static_cast<int16_t>(i % 7);
        r->selectedFields = {4, 0, 3, 5};
        r->columnWidths = {108, 120, static_cast<int32_t>(50 + i % 100)};
        r->filterBlock = std::string(24, static_cast<char>(i));
        r->filterLength = 24;
        r->filterNum = 1;
        r->graphFields = 0x10002;
        list.records.push_back(r);
        break;
      }
    }
  }
  list.currentFolder = list.records.empty() ? nullptr : list.records.front().get();
  return list;
}

}  // namespace vantorel::bookmarks::fixtures
