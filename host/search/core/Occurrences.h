#pragma once

#include <string>
#include <vector>

#include "host/search/core/SearchState.h"
#include "platform/catalogue/RecordFile.h"

namespace vantorel::search {

// The result table of a search: for each search word in turn, every record of words.dat that
// holds it exactly, in file order, while the table holds fewer than `limit` entries. The file is
// read once for all the words; the table is the one that a scan per word would give. A null
// file (words.dat missing) gives no results.
[[nodiscard]] std::vector<SearchResult> findOccurrences(catalogue::RecordFile* words,
                                                        const std::vector<std::string>& searchWords,
                                                        size_t limit = kMaxResults);

}  // namespace vantorel::search
