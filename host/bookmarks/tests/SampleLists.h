#pragma once

#include <memory>
#include <string>

#include "host/bookmarks/core/BookmarkList.h"

// Records and lists of every kind for tests and benchmarks.
namespace vantorel::bookmarks::fixtures {

inline RecordPtr folder(std::string name) {
  return std::make_shared<CBMFolder>(std::move(name));
}
inline RecordPtr browse(std::string name, int32_t tree, int32_t object, int16_t section) {
  auto r = std::make_shared<CBMBrowse>();
  r->name = std::move(name);
  r->treeRecord = tree;
  r->object = object;
  r->section = section;
  return r;
}
inline RecordPtr periodic(std::string name, int32_t mode = 0, int32_t extra = 0) {
  auto r = std::make_shared<CBMPeriodic>();
  r->name = std::move(name);
  r->mode = mode;
  r->extra = extra;
  return r;
}

// `count` records: a folder every `folderEvery`, then browse, periodic and data-analyser
// bookmarks in turn, named in Greek with their number. The current folder is the first.
inline BookmarkList mixedList(size_t count, size_t folderEvery = 10) {
  BookmarkList list;
  for (size_t i = 0; i < count; ++i) {
    const std::string number = std::to_string(i);
    if (i % folderEvery == 0) {
      list.records.push_back(folder("\xD6\xDC\xEA\xE5\xEB\xEF\xF2 " + number));  // Φάκελος
      continue;
    }
    switch (i % 3) {
      case 0:
        list.records.push_back(browse("\xC4\xEF\xEC\xDD\xF2 - " + number,  // Δομές
                                      static_cast<int32_t>(20001 + i), static_cast<int32_t>(i % 5 ? 0 : 120000 + i),
                                      static_cast<int16_t>(1 + i % 7)));
        break;
      case 1:
        list.records.push_back(
            periodic("Periodic Table - " + number, static_cast<int32_t>(i % 4), static_cast<int32_t>(i)));
        break;
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
