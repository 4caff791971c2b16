#pragma once

#include <cstdint>

namespace vantorel::host::pages {

// The numbers of the pages in the cache: every generated page gets the next number, never used
// again in a run, and the clean-up keeps only the most recent ones.
class PageCacheNumbers {
 public:
  static constexpr uint32_t kKeptPages = 20;

  // The number for the next generated page.
  uint32_t take() { return next_++; }

  // The pages to delete now, [first, end): those below the 20 most recent ones, or every page
  // when `final`. Afterwards they count as deleted.
  struct Range {
    uint32_t first = 0;
    uint32_t end = 0;
  };
  Range clean(bool final) {
    const uint32_t limit = final ? next_ : (next_ > kKeptPages ? next_ - kKeptPages : 0);
    if (limit <= oldest_) return {oldest_, oldest_};
    const Range doomed{oldest_, limit};
    oldest_ = limit;
    return doomed;
  }

  [[nodiscard]] uint32_t next() const { return next_; }
  [[nodiscard]] uint32_t oldestUndeleted() const { return oldest_; }

 private:
  uint32_t next_ = 1;
  uint32_t oldest_ = 1;
};

}  // namespace vantorel::host::pages
