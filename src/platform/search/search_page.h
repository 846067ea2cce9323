#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/search/search_entry.h"

namespace orvo::search {

// Where a page starts. The default asks for the first page. A cursor remembers the index it
// came from, because its offset means nothing in an index built since.
struct SearchCursor {
  std::uint64_t generation = 0;
  std::size_t offset = 0;
  friend bool operator==(const SearchCursor&, const SearchCursor&) = default;
};

struct PageCounts {
  std::size_t page_size = 20;     // hits on this page at most
  std::size_t max_results = 100;  // the best matches that pages walk through; the rest are dropped
};

struct SearchPage {
  std::vector<SearchHit> hits;
  std::optional<SearchCursor> next;  // none on the last page
  std::size_t total = 0;             // the matches the pages walk through, at most max_results
  // The cursor came from an index that has since been replaced, so this is the first page of
  // the new one: whoever shows the earlier pages should drop them.
  bool restarted = false;
};

}  // namespace orvo::search
