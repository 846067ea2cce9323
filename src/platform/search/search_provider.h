#pragma once

#include <expected>
#include <functional>
#include <map>
#include <shared_mutex>
#include <string>
#include <string_view>

#include "platform/search/search_page.h"

namespace orvo::search {

// How a program answers the desktop's search. It runs on the search's own thread, so it may
// reach only what is safe to share across threads, such as a SearchCatalog.
using ProviderQuery = std::function<SearchPage(std::string_view text, const SearchCursor& cursor, PageCounts counts)>;

struct SearchProvider {
  std::string name;
  ProviderQuery query;
};

// The providers the desktop's search reaches by name. Programs add theirs on their own
// thread while the search may be querying from another.
class ProviderRegistry {
 public:
  // A name can be registered once; a second registration is refused.
  std::expected<void, std::string> add(SearchProvider provider);
  std::expected<SearchPage, std::string> query(std::string_view name, std::string_view text, const SearchCursor& cursor,
                                               PageCounts counts) const;

 private:
  mutable std::shared_mutex lock_;
  std::map<std::string, ProviderQuery, std::less<>> providers_;
};

}  // namespace orvo::search
