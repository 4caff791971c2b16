#include "host/bookmarks/core/Records.h"

namespace vantorel::bookmarks {

CBMRecord::~CBMRecord() = default;

RecordPtr makeRecord(std::string_view className) {
  if (className == "CBMFolder") return std::make_shared<CBMFolder>();
  if (className == "CBMBrowse") return std::make_shared<CBMBrowse>();
  if (className == "CBMPeriodic") return std::make_shared<CBMPeriodic>();
  if (className == "CBMDataAn") return std::make_shared<CBMDataAn>();
  return nullptr;
}

}  // namespace vantorel::bookmarks
