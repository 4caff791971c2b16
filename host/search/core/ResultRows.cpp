#include "host/search/core/ResultRows.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "platform/catalogue/CatalogueNames.h"
#include "platform/catalogue/TopicFiles.h"
#include "platform/codepage/Cp1253.h"

namespace vantorel::search {
namespace {

const std::string& empty() {
  static const std::string text;
  return text;
}

}  // namespace

std::string_view sectionTitle(int route) {
  static const std::array<std::string, 7> kTitles = {codepage::fromUtf8Lossy("Αλλαγή των υλικών"),
                                                     codepage::fromUtf8Lossy("Δομές"),
                                                     codepage::fromUtf8Lossy("Πηγές"),
                                                     codepage::fromUtf8Lossy("Η χημεία στην πράξη"),
                                                     codepage::fromUtf8Lossy("Ιστορία"),
                                                     codepage::fromUtf8Lossy("Στοιχεία και ενώσεις"),
                                                     codepage::fromUtf8Lossy("Έννοιες")};
  return route >= 1 && route <= 7 ? std::string_view(kTitles[static_cast<size_t>(route - 1)]) : std::string_view();
}

RowLabeler::RowLabeler(catalogue::FileOpener open, std::string dataPath)
    : open_(std::move(open)), dataPath_(std::move(dataPath)) {}

void RowLabeler::readTopics(const std::vector<SearchResult>& results) {
  std::array<bool, 8> routes{};
  for (const auto& r : results) {
    if (r.route < 1 || r.route > 7) continue;
    if (topics_[static_cast<size_t>(r.route)].try_emplace(r.recordId).second)
      routes[static_cast<size_t>(r.route)] = true;
  }
  for (int route = 1; route <= 7; ++route) {
    if (routes[static_cast<size_t>(route)]) readRoute(route);
  }
}

void RowLabeler::readRoute(int route) {
  auto& titles = topics_[static_cast<size_t>(route)];
  size_t missing =
      static_cast<size_t>(std::count_if(titles.begin(), titles.end(), [](const auto& t) { return !t.second; }));
  if (missing == 0) return;
  auto file = open_(catalogue::topicFileName(dataPath_, route));
  if (!file) {
    for (auto& t : titles) {
      if (!t.second) t.second.emplace();
    }
    return;
  }
  catalogue::scanTopicRecords(*file, [&](const catalogue::RawTopicRecord& r) {
    const auto it = titles.find(r.recordId());
    if (it != titles.end() && !it->second) {
      it->second = r.title();
      --missing;
    }
    return missing > 0;
  });
  for (auto& t : titles) {
    if (!t.second) t.second.emplace();  // no such node: an empty title, and no second look
  }
}

const std::string& RowLabeler::topicTitle(int route, int32_t recordId) {
  if (route < 1 || route > 7) return empty();
  auto& titles = topics_[static_cast<size_t>(route)];
  auto it = titles.find(recordId);
  if (it == titles.end() || !it->second) {
    titles.try_emplace(recordId);
    readRoute(route);
    it = titles.find(recordId);
  }
  return *it->second;
}

const std::string& RowLabeler::assetName(int32_t assetId) {
  if (assetId < 0) return empty();
  if (const auto it = names_.find(assetId); it != names_.end()) return it->second;
  if (!titles_) {
    titles_ = std::make_unique<catalogue::TitleFiles>();
    (void)titles_->open(open_, dataPath_);
  }
  const catalogue::TitleRead read = titles_->readStored(assetId);
  return names_.emplace(assetId, read.status == catalogue::TitleRead::Status::Ok ? read.title : std::string("?"))
      .first->second;
}

std::vector<ResultRow> buildRows(const std::vector<SearchResult>& results, RowLabeler& labeler) {
  labeler.readTopics(results);
  std::vector<ResultRow> rows;
  std::set<std::tuple<std::string, std::string, std::string>> shown;
  for (size_t i = 0; i < results.size(); ++i) {
    const SearchResult& r = results[i];
    if (r.route < 1 || r.route > 7) continue;
    ResultRow row;
    row.topic = std::string(sectionTitle(r.route));
    const std::string& topicTitle = labeler.topicTitle(r.route, r.recordId);
    if (r.assetId == 0) {
      row.name = topicTitle;
    } else {
      row.group = topicTitle;
      row.name = labeler.assetName(r.assetId);
    }
    row.resultIndex = static_cast<int>(i);
    if (shown.emplace(row.name, row.topic, row.group).second) rows.push_back(std::move(row));
  }
  return rows;
}

void sortRows(std::vector<ResultRow>& rows, Column column) {
  auto text = [column](const ResultRow& r) -> const std::string& {
    switch (column) {
      case Column::Topic: return r.topic;
      case Column::Group: return r.group;
      case Column::Name: break;
    }
    return r.name;
  };
  // std::string compares as unsigned bytes (char_traits<char> uses memcmp order).
  std::stable_sort(rows.begin(), rows.end(), [&](const ResultRow& a, const ResultRow& b) { return text(a) < text(b); });
}

}  // namespace vantorel::search
