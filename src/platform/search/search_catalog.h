#pragma once

#include <cstdint>
#include <expected>
#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/search/search_entry.h"
#include "platform/search/search_index.h"
#include "platform/search/search_page.h"

namespace orvo::search {

// A program's searchable items under one name ("Mail"). The program replaces the whole
// catalogue on its own thread while the desktop's search queries it from another: a query
// works on the index that was current when it began, and a replacement holds the write lock
// only to swap the finished index in.
class SearchCatalog {
 public:
  explicit SearchCatalog(std::string name);

  [[nodiscard]] const std::string& name() const { return name_; }
  // Counts the replacements so far; it names the index a cursor belongs to.
  [[nodiscard]] std::uint64_t generation() const;

  // Builds an index of the entries and swaps it in; on failure the old one stays.
  std::expected<void, std::string> replace(std::vector<SearchEntry> entries);

  // A page of the entries that match the text, best first (SearchIndex::find). A cursor from
  // an earlier index starts the new one over and says so.
  [[nodiscard]] SearchPage query_page(std::string_view text, const SearchCursor& cursor, PageCounts counts) const;

 private:
  struct Snapshot {
    std::shared_ptr<const SearchIndex> index;
    std::uint64_t generation = 0;
  };

  [[nodiscard]] Snapshot current() const;

  std::string name_;
  mutable std::shared_mutex lock_;
  Snapshot current_;
};

}  // namespace orvo::search
