#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel::host::pages {

// One place the user has been: a topic (section 1-7), the periodic table (section -1) or the
// data analyser (section -2).
struct HistoryEntry {
  int32_t object = 0;
  int32_t treeRecord = 0;
  int16_t section = 0;
  friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

inline constexpr int16_t kPeriodicTableSection = -1;
inline constexpr int16_t kDataAnalyserSection = -2;

// The last 50 places, with a current and a last index; going back and recording a new place
// drops the places ahead. Nothing is recorded while a place of the history is being restored.
class History {
 public:
  static constexpr int kSize = 50;

  void record(int32_t treeRecord, int32_t object, int16_t section);
  [[nodiscard]] bool canBack() const { return current_ >= 1; }
  [[nodiscard]] bool canNext() const { return current_ < last_; }
  // The entry one step back or forward, now current; none when there is none.
  std::optional<HistoryEntry> back();
  std::optional<HistoryEntry> next();

  void setNavigating(bool navigating) { navigating_ = navigating; }
  [[nodiscard]] bool navigating() const { return navigating_; }
  [[nodiscard]] int current() const { return current_; }
  [[nodiscard]] int last() const { return last_; }
  [[nodiscard]] const HistoryEntry& entry(int index) const { return entries_.at(static_cast<size_t>(index)); }

 private:
  std::array<HistoryEntry, kSize> entries_{};
  int current_ = -1;
  int last_ = -1;
  bool navigating_ = false;
};

// What restoring an entry does.
struct HistoryStep {
  enum class Kind { None, Topic, PeriodicTable, DataAnalyser };
  Kind kind = Kind::None;
  int section = 0;
  // The page OpenSection shows itself: the tree record when it is a section's start page, else 0.
  int openPage = 0;
  int32_t treeRecord = 0;
  int32_t object = 0;
};
[[nodiscard]] bool isSectionStartPage(int32_t treeRecord);
[[nodiscard]] HistoryStep stepFor(const HistoryEntry& entry);

// What a click on an address in a page does.
struct LinkDecision {
  enum class Kind { Follow, EnlargedView, Glossary, Refuse };
  Kind kind = Kind::Follow;
  // For a glossary link: the file name inside the glossary folder, key + ".htm", lower case.
  std::string glossaryFile;
};
// Three characters + "a.htm" is the enlarged view; an address holding "pjqbhg" (in a full path:
// its name) is a glossary link, shown only for a key of exactly eight letters or digits + ".htm"
// and never followed; every other address is followed.
[[nodiscard]] LinkDecision decideLink(std::string_view address);

}  // namespace vantorel::host::pages
