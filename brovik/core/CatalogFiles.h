#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/catalogue/CatalogueNames.h"
#include "platform/catalogue/RecordFile.h"
#include "platform/catalogue/TitleFiles.h"
#include "platform/catalogue/TopicFiles.h"
#include "platform/catalogue/WordFiles.h"

// The catalogue files as the topic browser sees them. The readers are the shared ones, so that
// the browser, the host's word search and the data compiler read each format the same way; the
// browser's own rule for looking a typed word up lives here.
namespace vantorel::brovik {

using catalogue::AssociationRecord;
using catalogue::DiskFile;
using catalogue::FileOpener;
using catalogue::MemoryFile;
using catalogue::RecordFile;
using catalogue::TitleFileInfo;
using catalogue::TitleFiles;
using catalogue::TitleRead;
using catalogue::TopicRecord;

using catalogue::kAssociationRecordSize;
using catalogue::kElementAliasType;
using catalogue::kElementNodeType;
using catalogue::kFirstSectionType;
using catalogue::kMaxWordResults;
using catalogue::kTitleRecordSize;
using catalogue::kTopicRecordSize;
using catalogue::kTopicTitleSize;
using catalogue::kWordFieldSize;
using catalogue::kWordRecordSize;

using catalogue::assetNumber;
using catalogue::assetType;
using catalogue::associationFileName;
using catalogue::diskOpener;
using catalogue::fieldText;
using catalogue::fixTitle;
using catalogue::loadAssociations;
using catalogue::loadTopicTree;
using catalogue::parseAssociationRecords;
using catalogue::parseTopicRecords;
using catalogue::readWhole;
using catalogue::routeStem;
using catalogue::titleFileIndex;
using catalogue::titleFiles;
using catalogue::topicFileName;

struct WordHit {
  int32_t recordId = 0;
  int32_t assetId = 0;
  friend bool operator==(const WordHit&, const WordHit&) = default;
};

struct WordSearch {
  std::vector<WordHit> hits;    // in file order, at most the limit asked for
  bool occursAnywhere = false;  // the word is in the file under some route
};

// The records of words.dat under `route` that hold `word` (a typed word in lower case, see
// codepage::lowerForSearch): those that spell it byte for byte when there are any, else those
// that differ from it only in letter case, accents or the final sigma; at most `limit`, in file
// order. `occursAnywhere` tells whether any route holds the word in either form.
[[nodiscard]] WordSearch findWord(RecordFile& words, std::string_view word, int route, size_t limit = kMaxWordResults);
// Calls `visit` with every record whose word is `word` once both are folded for search (any
// route): recordId, assetId, route, and whether the record spells `word` byte for byte.
void forEachWordRecord(RecordFile& words, std::string_view word,
                       const std::function<void(int32_t, int32_t, int16_t, bool)>& visit);

}  // namespace vantorel::brovik
