#include "state/search_catalog.h"

#include <gtest/gtest.h>

namespace mail::state {
namespace {

using orvo::search::SearchEntry;
using orvo::search::SearchHit;

MessageRecord message(std::uint64_t n, std::string subject, FolderKind folder = FolderKind::Inbox) {
  MessageRecord record;
  record.id = {0, n};
  record.subject = std::move(subject);
  record.folder = folder;
  record.from = {"ada@example.org", "Ada Lovelace"};
  record.body = "Notes on the engine";
  return record;
}

std::vector<std::string> addresses(const std::vector<SearchEntry>& entries) {
  std::vector<std::string> found;
  for (const SearchEntry& entry : entries) found.push_back(entry.hit.address);
  return found;
}

TEST(SearchCatalogEntriesTest, FoldersInSidebarOrderThenMessagesOutsideTrash) {
  MessageStore store;
  store.insert(message(2, "Second stored"));
  store.insert(message(1, "Thrown away", FolderKind::Trash));
  store.insert(message(3, "Filed", FolderKind::Archive));
  const std::vector<SearchEntry> entries = search_catalog_entries(store);

  EXPECT_EQ(addresses(entries), (std::vector<std::string>{
                                    "mail.folder:inbox",
                                    "mail.folder:starred",
                                    "mail.folder:sent",
                                    "mail.folder:drafts",
                                    "mail.folder:archive",
                                    "mail.folder:junk",
                                    "mail.folder:trash",
                                    "mail.message:00000000-0000-0000-0000-000000000002",
                                    "mail.message:00000000-0000-0000-0000-000000000003",
                                }));
  EXPECT_EQ(entries[5].hit, (SearchHit{.address = "mail.folder:junk",
                                       .title = "Junk",
                                       .kind_label = "Mail folder",
                                       .group = "Mail folders",
                                       .icon = "report"}));
}

TEST(SearchCatalogEntriesTest, MessageEntryShowsSenderAndIsFoundByFiveLines) {
  MessageStore store;
  MessageRecord named = message(1, "Launch plan");
  named.labels = {"work", "urgent"};
  MessageRecord unnamed = message(2, " \t");
  unnamed.from = {"bot@example.org", ""};
  store.insert(named);
  store.insert(unnamed);
  const std::vector<SearchEntry> entries = search_catalog_entries(store);

  EXPECT_EQ(entries[7].hit, (SearchHit{.address = "mail.message:00000000-0000-0000-0000-000000000001",
                                       .title = "Launch plan",
                                       .kind_label = "Mail",
                                       .subtitle = "Ada Lovelace",
                                       .icon = "mail"}));
  EXPECT_EQ(entries[7].searchable_text, "Launch plan\nAda Lovelace\nada@example.org\nNotes on the engine\nwork urgent");
  EXPECT_EQ(entries[8].hit.title, "(no subject)");
  EXPECT_EQ(entries[8].hit.subtitle, "bot@example.org");
  EXPECT_EQ(entries[8].searchable_text, " \t\nbot@example.org\nbot@example.org\nNotes on the engine\n");
}

class MailSearchCatalogTest : public ::testing::Test {
 protected:
  MailSearchCatalogTest() : state_({}, 0, nullptr, 0) {}

  orvo::search::SearchPage query(std::string_view text, orvo::search::PageCounts counts = {}) {
    return catalog_.provider().query(text, {}, counts);
  }

  MailState state_;
  MailSearchCatalog catalog_;
};

TEST_F(MailSearchCatalogTest, RebuildsOncePerStoreRevision) {
  state_.store.insert(message(1, "Launch plan"));
  catalog_.refresh(state_);
  catalog_.refresh(state_);
  EXPECT_EQ(catalog_.catalog().generation(), 1u);
  EXPECT_EQ(query("launch").total, 1u);

  state_.store.move_to({0, 1}, FolderKind::Trash);
  catalog_.refresh(state_);
  catalog_.refresh(state_);
  EXPECT_EQ(catalog_.catalog().generation(), 2u);
  EXPECT_EQ(query("launch").total, 0u);
  EXPECT_FALSE(catalog_.failure());
  EXPECT_FALSE(state_.status);
}

TEST_F(MailSearchCatalogTest, ProviderTrimsTheTextAndCapsBothCounts) {
  for (std::uint64_t n = 1; n <= 300; ++n) state_.store.insert(message(n, "Weekly report"));
  catalog_.refresh(state_);
  EXPECT_EQ(catalog_.provider().name, "Mail");

  const orvo::search::SearchPage capped = query("  weekly\t", {.page_size = 1000, .max_results = 1000});
  EXPECT_EQ(capped.hits.size(), 256u);
  EXPECT_EQ(capped.total, 256u);
  EXPECT_EQ(query(" \t ").total, 0u);
  EXPECT_EQ(query("inbox").hits.front().address, "mail.folder:inbox");
}

}  // namespace
}  // namespace mail::state
