#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/search/core/SearchState.h"
#include "platform/catalogue/RecordFile.h"
#include "platform/catalogue/TitleFiles.h"

// The rows that a search shows: the resource or topic name, the section and the topic group of
// each result, one row per distinct set of texts.
namespace vantorel::search {

// The section title of a route (CP1253); empty outside 1..7.
[[nodiscard]] std::string_view sectionTitle(int route);

// Reads topic and resource titles for the rows of one search. Each topic file and each title
// is read once however many results name it.
class RowLabeler {
 public:
  RowLabeler(catalogue::FileOpener open, std::string dataPath);
  // Reads the titles of all the nodes that `results` name, one pass over each route's topic file
  // that ends as soon as all of its nodes are found.
  void readTopics(const std::vector<SearchResult>& results);
  // The title of the first node of the route's topic file with this record id; empty when there
  // is none or the file cannot be read.
  [[nodiscard]] const std::string& topicTitle(int route, int32_t recordId);
  // A resource's title as stored: empty for a negative id, "?" when its type has no title file,
  // the file cannot be opened or the record is not in it.
  [[nodiscard]] const std::string& assetName(int32_t assetId);

 private:
  catalogue::FileOpener open_;
  std::string dataPath_;
  // Per route: the nodes asked for, with their titles once found (the first record wins).
  std::array<std::unordered_map<int32_t, std::optional<std::string>>, 8> topics_;
  void readRoute(int route);
  std::unique_ptr<catalogue::TitleFiles> titles_;
  std::unordered_map<int32_t, std::string> names_;
};

struct ResultRow {
  std::string name;   // "Ονομασία"
  std::string topic;  // "Θέμα"
  std::string group;  // "Υποομάδα"
  int resultIndex = -1;
  friend bool operator==(const ResultRow&, const ResultRow&) = default;
};

// One row per result whose route is 1..7, in result order, leaving out a row whose three texts
// an earlier row already shows.
[[nodiscard]] std::vector<ResultRow> buildRows(const std::vector<SearchResult>& results, RowLabeler& labeler);

enum class Column { Name = 0, Topic = 1, Group = 2 };
// Ascending by the column's bytes; rows with equal texts keep their order.
void sortRows(std::vector<ResultRow>& rows, Column column);

}  // namespace vantorel::search
