#include "state/message_store.h"

#include <gtest/gtest.h>

namespace mail::state {
namespace {

MessageRecord record(std::uint64_t n, FolderKind folder = FolderKind::Inbox, std::string subject = "s") {
  MessageRecord r;
  r.id = {0, n};
  r.folder = folder;
  r.subject = std::move(subject);
  return r;
}

TEST(MessageStore, InsertOrReplaceKeepsThePlaceInTheOrder) {
  MessageStore store;
  store.insert(record(1));
  store.insert(record(2));
  store.insert(record(3));
  store.insert(record(2, FolderKind::Inbox, "replaced"));
  EXPECT_EQ(store.order(), (std::vector<MessageId>{{0, 1}, {0, 2}, {0, 3}}));
  EXPECT_EQ(store.find({0, 2})->subject, "replaced");
  EXPECT_EQ(store.find({0, 9}), nullptr);
}

TEST(MessageStore, EveryChangeBumpsTheRevision) {
  MessageStore store;
  std::uint64_t last = store.revision();
  auto changes = [&](auto&& change) {
    change();
    const bool bumped = store.revision() > last;
    last = store.revision();
    return bumped;
  };
  EXPECT_TRUE(changes([&] { store.insert(record(1)); }));
  EXPECT_TRUE(changes([&] { store.insert(record(1)); }));
  EXPECT_TRUE(changes([&] { EXPECT_TRUE(store.set_read({0, 1}, true)); }));
  EXPECT_TRUE(changes([&] { EXPECT_TRUE(store.toggle_starred({0, 1})); }));
  EXPECT_TRUE(changes([&] { EXPECT_TRUE(store.move_to({0, 1}, FolderKind::Archive)); }));
  EXPECT_TRUE(changes([&] { EXPECT_TRUE(store.remove({0, 1})); }));
  EXPECT_TRUE(store.order().empty());
}

TEST(MessageStore, NoChangeLeavesTheRevisionAlone) {
  MessageStore store;
  store.insert(record(1, FolderKind::Sent));
  const std::uint64_t before = store.revision();
  EXPECT_FALSE(store.move_to({0, 1}, FolderKind::Sent));  // its own folder
  EXPECT_FALSE(store.set_read({0, 1}, false));             // already unread
  EXPECT_FALSE(store.toggle_starred({0, 7}));              // unknown id
  EXPECT_FALSE(store.remove({0, 7}));
  EXPECT_EQ(store.revision(), before);
}

TEST(MessageStore, RevisionsComeFromOneCounterForEveryStore) {
  MessageStore first;
  MessageStore second;
  EXPECT_NE(first.revision(), second.revision());
  first.insert(record(1));
  EXPECT_GT(first.revision(), second.revision());
}

TEST(MessageStore, FolderListsItsMessagesInStoreOrder) {
  MessageStore store;
  store.insert(record(1, FolderKind::Inbox));
  store.insert(record(2, FolderKind::Junk));
  store.insert(record(3, FolderKind::Inbox));
  EXPECT_EQ(store.folder(FolderKind::Inbox), (std::vector<MessageId>{{0, 1}, {0, 3}}));
  EXPECT_TRUE(store.folder(FolderKind::Trash).empty());
}

}  // namespace
}  // namespace mail::state
