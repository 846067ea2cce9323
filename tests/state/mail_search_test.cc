#include "state/mail_search.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mail::state {
namespace {

MessageRecord message(std::uint64_t n, std::string subject, message::Minutes date, FolderKind folder = FolderKind::Inbox) {
  MessageRecord record;
  record.id = {0, n};
  record.subject = std::move(subject);
  record.date = date;
  record.folder = folder;
  record.from = {"sender@example.org", "Ada Lovelace"};
  record.body = "Body text";
  return record;
}

TEST(MailSearch, MatchesFieldsIgnoringCaseAndSkipsTrash) {
  MessageStore store;
  store.insert(message(1, "Launch PLAN", 10));
  store.insert(message(2, "Other", 20));
  store.insert(message(3, "plan in trash", 30, FolderKind::Trash));
  const std::pair<std::string_view, std::vector<MessageId>> cases[] = {
      {"plan", {{0, 1}}},          {"  LAUNCH ", {{0, 1}}}, {"lovelace", {{0, 2}, {0, 1}}},
      {"SENDER@", {{0, 2}, {0, 1}}}, {"body", {{0, 2}, {0, 1}}}, {"   ", {}},
      {"trash", {}},
  };
  for (const auto& [query, expected] : cases) {
    EXPECT_EQ(search_messages(store, query, std::nullopt).matches, expected) << query;
  }
  EXPECT_EQ(search_messages(store, "trash", FolderKind::Trash).matches, (std::vector<MessageId>{{0, 3}}));
}

TEST(MailSearch, KeepsTheFirstMatchesOfTheWalkSortedNewestFirst) {
  MessageStore store;
  for (std::uint64_t n = 1; n <= 250; ++n) store.insert(message(n, "match", static_cast<message::Minutes>(n % 7)));
  const SearchResult result = search_messages(store, "match", std::nullopt);
  ASSERT_EQ(result.matches.size(), 200u);
  EXPECT_TRUE(result.truncated);
  EXPECT_EQ(result.examined, 200u);
  // The walk starts at the most recently stored message, so messages 51..250 are kept.
  EXPECT_TRUE(std::ranges::none_of(result.matches, [](const MessageId& id) { return id.low <= 50; }));
  EXPECT_TRUE(std::ranges::is_sorted(result.matches, std::ranges::greater(),
                                     [&](const MessageId& id) { return store.find(id)->date; }));
}

TEST(MailSearch, ScanLimitAndUntruncatedEnd) {
  MessageStore store;
  for (std::uint64_t n = 1; n <= 10; ++n) store.insert(message(n, n % 2 ? "match" : "other", 1));
  EXPECT_EQ(search_messages(store, "match", std::nullopt, {.scan = 4, .results = 200}).matches.size(), 2u);
  EXPECT_TRUE(search_messages(store, "match", std::nullopt, {.scan = 4, .results = 200}).truncated);

  MessageStore exact;
  for (std::uint64_t n = 1; n <= 3; ++n) exact.insert(message(n, "match", 1));
  exact.insert(message(9, "skipped", 1, FolderKind::Trash));
  const SearchResult full = search_messages(exact, "match", std::nullopt, {.scan = 100, .results = 3});
  EXPECT_EQ(full.matches.size(), 3u);
  EXPECT_FALSE(full.truncated);  // only skipped messages followed the last match
  EXPECT_TRUE(search_messages(exact, "match", std::nullopt, {.scan = 0}).matches.empty());
}

}  // namespace
}  // namespace mail::state
