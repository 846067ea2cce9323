#include "platform/search/search_provider.h"

#include <mutex>

namespace orvo::search {

std::expected<void, std::string> ProviderRegistry::add(SearchProvider provider) {
  const std::unique_lock writing(lock_);
  const auto [place, added] = providers_.try_emplace(provider.name, std::move(provider.query));
  if (!added) return std::unexpected("a search provider named " + provider.name + " is already registered");
  return {};
}

std::expected<SearchPage, std::string> ProviderRegistry::query(std::string_view name, std::string_view text,
                                                               const SearchCursor& cursor, PageCounts counts) const {
  ProviderQuery provider;
  {
    const std::shared_lock reading(lock_);
    const auto found = providers_.find(name);
    if (found == providers_.end()) return std::unexpected("no search provider is named " + std::string(name));
    provider = found->second;
  }
  // Called outside the lock: a slow provider must not hold up registrations.
  return provider(text, cursor, counts);
}

}  // namespace orvo::search
