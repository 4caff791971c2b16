#include "host/pages/core/History.h"

#include <algorithm>
#include <cctype>

namespace vantorel::host::pages {

void History::record(int32_t treeRecord, int32_t object, int16_t section) {
  if (navigating_) return;
  ++current_;
  if (current_ >= kSize) {
    std::move(entries_.begin() + 1, entries_.end(), entries_.begin());
    current_ = kSize - 1;
  }
  last_ = current_;
  entries_[static_cast<size_t>(current_)] = {object, treeRecord, section};
}

std::optional<HistoryEntry> History::back() {
  if (!canBack()) return std::nullopt;
  --current_;
  return entries_[static_cast<size_t>(current_)];
}

std::optional<HistoryEntry> History::next() {
  if (!canNext()) return std::nullopt;
  ++current_;
  return entries_[static_cast<size_t>(current_)];
}

bool isSectionStartPage(int32_t treeRecord) {
  return treeRecord % 10000 == 0 || treeRecord == 170070 || treeRecord == 370001;
}

HistoryStep stepFor(const HistoryEntry& entry) {
  HistoryStep step;
  if (entry.section >= 1 && entry.section <= 7) {
    step.kind = HistoryStep::Kind::Topic;
    step.section = entry.section;
    step.treeRecord = entry.treeRecord;
    step.object = entry.object;
    step.openPage = isSectionStartPage(entry.treeRecord) ? entry.treeRecord : 0;
  } else if (entry.section == kPeriodicTableSection) {
    step.kind = HistoryStep::Kind::PeriodicTable;
  } else if (entry.section == kDataAnalyserSection) {
    step.kind = HistoryStep::Kind::DataAnalyser;
  }
  return step;
}

LinkDecision decideLink(std::string_view address) {
  std::string lower(address);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower.size() == 8 && lower.compare(3, 5, "a.htm") == 0) return {LinkDecision::Kind::EnlargedView, {}};
  // In a full path only the name counts: a folder of the user's may hold any letters. Links in
  // pages are relative and count whole.
  const bool absolute = lower.starts_with('/') || lower.starts_with("file:");
  const size_t slash = absolute ? lower.find_last_of("/\\") : std::string::npos;
  const std::string_view name = std::string_view(lower).substr(slash == std::string::npos ? 0 : slash + 1);
  constexpr std::string_view kMark = "pjqbhg";
  const size_t mark = name.find(kMark);
  if (mark == std::string_view::npos) return {LinkDecision::Kind::Follow, {}};
  const std::string_view file = name.substr(mark + kMark.size());
  const bool keyOk = file.size() == 12 && file.ends_with(".htm") &&
                     std::all_of(file.begin(), file.begin() + 8, [](unsigned char c) { return std::isalnum(c) != 0; });
  if (!keyOk) return {LinkDecision::Kind::Refuse, {}};
  return {LinkDecision::Kind::Glossary, std::string(file)};
}

}  // namespace vantorel::host::pages
