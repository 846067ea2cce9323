#include "platform/search/search_provider.h"

#include <gtest/gtest.h>

namespace orvo::search {
namespace {

SearchProvider echo(std::string name) {
  return {.name = std::move(name), .query = [](std::string_view text, const SearchCursor& cursor, PageCounts counts) {
            return SearchPage{.hits = {{.address = std::string(text)}}, .total = counts.page_size + cursor.offset};
          }};
}

TEST(ProviderRegistryTest, ReachesProvidersByNameAndRefusesASecondOfOneName) {
  ProviderRegistry registry;
  ASSERT_TRUE(registry.add(echo("Mail")));
  const auto duplicate = registry.add(echo("Mail"));
  ASSERT_FALSE(duplicate);
  EXPECT_EQ(duplicate.error(), "a search provider named Mail is already registered");

  const auto page = registry.query("Mail", "plan", {.offset = 2}, {.page_size = 5});
  ASSERT_TRUE(page);
  EXPECT_EQ(page->hits.front().address, "plan");
  EXPECT_EQ(page->total, 7u);

  const auto unknown = registry.query("Files", "plan", {}, {});
  ASSERT_FALSE(unknown);
  EXPECT_EQ(unknown.error(), "no search provider is named Files");
}

}  // namespace
}  // namespace orvo::search
