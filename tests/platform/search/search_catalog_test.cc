#include "platform/search/search_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace orvo::search {
namespace {

SearchEntry entry(std::string address, std::string title, std::string text = "") {
  return {.hit = {.address = std::move(address), .title = std::move(title)}, .searchable_text = std::move(text)};
}

std::vector<std::string> addresses(const SearchPage& page) {
  std::vector<std::string> found;
  for (const SearchHit& hit : page.hits) found.push_back(hit.address);
  return found;
}

std::vector<SearchEntry> numbered(std::string_view word, int count) {
  std::vector<SearchEntry> entries;
  for (int n = 0; n < count; ++n) {
    entries.push_back(entry(std::string(word) + std::to_string(n), std::string(word), "item"));
  }
  return entries;
}

TEST(SearchCatalogTest, FindsEntriesHoldingEveryWordTitleMatchesFirst) {
  SearchCatalog catalog("Mail");
  ASSERT_TRUE(catalog.replace({
      entry("inbox", "Inbox"),
      entry("m1", "Quarterly report", "Éric Dupont\nthe budget for launch"),
      entry("m2", "Budget", "numbers"),
      entry("m3", "Lunch", "planning"),
  }));
  const std::vector<std::pair<std::string_view, std::vector<std::string>>> cases = {
      {"BUDGET", {"m2", "m1"}},         // the title match first, then catalogue order
      {"launch budget", {"m1"}},        // every word, in any field and any order
      {"budget   launch", {"m1"}},
      {"eric", {"m1"}},                 // diacritics do not count
      {"lann", {"m3"}},                 // a longer term anywhere inside a word
      {"pl", {"m3"}},                   // a short term at the start of a word
      {"an", {}},                       // ... but not inside one
      {"inb", {"inbox"}},               // titles are searched
      {"budget zebra", {}},
      {"  ", {}},
      {"?!", {}},
  };
  for (const auto& [query, expected] : cases) {
    EXPECT_EQ(addresses(catalog.query_page(query, {}, {})), expected) << query;
  }
}

TEST(SearchCatalogTest, PagesWalkTheMatchesWithACursor) {
  SearchCatalog catalog("Mail");
  ASSERT_TRUE(catalog.replace(numbered("item", 7)));

  SearchPage page = catalog.query_page("item", {}, {.page_size = 3, .max_results = 100});
  EXPECT_EQ(addresses(page), (std::vector<std::string>{"item0", "item1", "item2"}));
  EXPECT_EQ(page.total, 7u);
  ASSERT_TRUE(page.next);
  page = catalog.query_page("item", *page.next, {.page_size = 3, .max_results = 100});
  EXPECT_EQ(addresses(page), (std::vector<std::string>{"item3", "item4", "item5"}));
  ASSERT_TRUE(page.next);
  page = catalog.query_page("item", *page.next, {.page_size = 3, .max_results = 100});
  EXPECT_EQ(addresses(page), (std::vector<std::string>{"item6"}));
  EXPECT_FALSE(page.next);

  page = catalog.query_page("item", {}, {.page_size = 3, .max_results = 5});
  EXPECT_EQ(page.total, 5u);
  page = catalog.query_page("item", *page.next, {.page_size = 3, .max_results = 5});
  EXPECT_EQ(addresses(page), (std::vector<std::string>{"item3", "item4"}));
  EXPECT_FALSE(page.next);

  page = catalog.query_page("item", {}, {.page_size = 0, .max_results = 5});
  EXPECT_TRUE(page.hits.empty());
  EXPECT_FALSE(page.next);
  EXPECT_TRUE(catalog.query_page("item", {.generation = 1, .offset = 50}, {}).hits.empty());
}

TEST(SearchCatalogTest, ACursorFromAReplacedIndexStartsOver) {
  SearchCatalog catalog("Mail");
  ASSERT_TRUE(catalog.replace(numbered("item", 4)));
  const SearchPage first = catalog.query_page("item", {}, {.page_size = 2});
  ASSERT_TRUE(first.next);
  ASSERT_TRUE(catalog.replace(numbered("item", 3)));

  const SearchPage again = catalog.query_page("item", *first.next, {.page_size = 2});
  EXPECT_TRUE(again.restarted);
  EXPECT_EQ(addresses(again), (std::vector<std::string>{"item0", "item1"}));
  EXPECT_EQ(again.next, (SearchCursor{.generation = 2, .offset = 2}));
}

TEST(SearchCatalogTest, RefusesEntriesThatCannotBeOpenedAndKeepsTheOldIndex) {
  SearchCatalog catalog("Mail");
  ASSERT_TRUE(catalog.replace({entry("a", "Alpha")}));

  auto duplicate = catalog.replace({entry("b", "Beta"), entry("b", "Beta again")});
  ASSERT_FALSE(duplicate);
  EXPECT_EQ(duplicate.error(), "two search entries have the address b");
  auto unaddressed = catalog.replace({entry("", "Gamma")});
  ASSERT_FALSE(unaddressed);
  EXPECT_EQ(unaddressed.error(), "the search entry \"Gamma\" has no address");

  EXPECT_EQ(catalog.generation(), 1u);
  EXPECT_EQ(addresses(catalog.query_page("alpha", {}, {})), std::vector<std::string>{"a"});
}

// A reader must only ever see one whole index: all 40 "even" entries or all 25 "odd" ones.
TEST(SearchCatalogTest, QueriesDuringReplacementsSeeWholeIndexes) {
  SearchCatalog catalog("Mail");
  const std::vector<SearchEntry> even = numbered("even", 40);
  const std::vector<SearchEntry> odd = numbered("odd", 25);
  std::atomic<bool> replacing = true;
  std::atomic<int> torn = 0;
  std::atomic<int> queries = 0;

  auto whole = [](const SearchPage& page) {
    if (page.hits.empty()) return page.total == 0;
    const std::string& title = page.hits.front().title;
    const bool one_index = std::ranges::all_of(page.hits, [&](const SearchHit& hit) { return hit.title == title; });
    return one_index && page.hits.size() == (title == "even" ? 40u : 25u);
  };
  auto read = [&] {
    while (replacing) {
      if (!whole(catalog.query_page("item", {}, {.page_size = 100}))) ++torn;
      ++queries;
    }
  };
  {
    std::jthread first(read);
    std::jthread second(read);
    for (int round = 0; round < 200; ++round) ASSERT_TRUE(catalog.replace(round % 2 ? odd : even));
    while (queries < 20) std::this_thread::yield();
    replacing = false;
  }
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(catalog.generation(), 200u);
}

}  // namespace
}  // namespace orvo::search
