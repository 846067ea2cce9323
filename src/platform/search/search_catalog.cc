#include "platform/search/search_catalog.h"

#include <algorithm>
#include <mutex>

namespace orvo::search {

SearchCatalog::SearchCatalog(std::string name)
    : name_(std::move(name)), current_{.index = std::make_shared<const SearchIndex>()} {}

std::uint64_t SearchCatalog::generation() const { return current().generation; }

std::expected<void, std::string> SearchCatalog::replace(std::vector<SearchEntry> entries) {
  auto built = SearchIndex::build(std::move(entries));
  if (!built) return std::unexpected(std::move(built.error()));
  auto index = std::make_shared<const SearchIndex>(std::move(*built));
  {
    const std::unique_lock writing(lock_);
    current_.index.swap(index);
    ++current_.generation;
  }
  // `index` now holds the old index, freed here outside the lock unless a query still reads it.
  return {};
}

SearchCatalog::Snapshot SearchCatalog::current() const {
  const std::shared_lock reading(lock_);
  return current_;
}

SearchPage SearchCatalog::query_page(std::string_view text, const SearchCursor& cursor, PageCounts counts) const {
  const Snapshot snapshot = current();
  std::vector<SearchIndex::EntryNumber> found = snapshot.index->find(text);
  found.resize(std::min(found.size(), counts.max_results));

  SearchPage page{.total = found.size(), .restarted = cursor.offset > 0 && cursor.generation != snapshot.generation};
  const std::size_t first = page.restarted ? 0 : std::min(cursor.offset, found.size());
  const std::size_t last = first + std::min(counts.page_size, found.size() - first);
  for (std::size_t i = first; i < last; ++i) page.hits.push_back(snapshot.index->hit(found[i]));
  if (last > first && last < found.size()) page.next = SearchCursor{.generation = snapshot.generation, .offset = last};
  return page;
}

}  // namespace orvo::search
