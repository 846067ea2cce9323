#include "state/conversation_list.h"

#include <gtest/gtest.h>

namespace mail::state {
namespace {

struct Message {
  std::uint64_t n;
  message::Minutes date;
  std::optional<std::string> message_id = std::nullopt;
  std::optional<std::string> thread_ref = std::nullopt;
  FolderKind folder = FolderKind::Inbox;
};

MessageStore store_of(const std::vector<Message>& messages) {
  MessageStore store;
  for (const Message& m : messages) {
    MessageRecord record;
    record.id = {0, m.n};
    record.date = m.date;
    record.message_id = m.message_id;
    record.thread_ref = m.thread_ref;
    record.folder = m.folder;
    store.insert(record);
  }
  return store;
}

ListItem row(std::uint64_t representative, std::size_t count) { return {{0, representative}, count}; }

TEST(ConversationList, GroupsByWalkingUpThreadReferences) {
  const struct {
    const char* name;
    std::vector<Message> messages;
    std::vector<ListItem> expected;
  } cases[] = {
      {"reply chain, newest first, oldest represents",
       {{1, 100, "<root@x>"}, {2, 200, "<a@x>", " <root@x> "}, {3, 300, "b@x", "a@x"}, {4, 150, "other@x"}},
       {row(1, 3), row(4, 1)}},
      {"two replies to a parent missing from the folder form one conversation",
       {{1, 100, "r1@x", "<gone@x>"}, {2, 200, "r2@x", "gone@x"}, {3, 150, "solo@x"}},
       {row(1, 2), row(3, 1)}},
      {"a reference cycle ends each walk at the message it started from",
       {{1, 100, "a@x", "b@x"}, {2, 200, "b@x", "a@x"}},
       {row(2, 1), row(1, 1)}},
      {"a self reference is its own conversation",
       {{1, 100, "a@x", "a@x"}, {2, 90, "c@x"}},
       {row(1, 1), row(2, 1)}},
      {"messages without Message-ID stand alone",
       {{1, 100}, {2, 200}},
       {row(2, 1), row(1, 1)}},
      {"other folders are left out",
       {{1, 100, "a@x"}, {2, 200, "b@x", "a@x", FolderKind::Archive}},
       {row(1, 1)}},
      {"equal dates keep the store order",
       {{1, 100, "a@x"}, {2, 100, "b@x"}, {3, 100, "c@x"}},
       {row(1, 1), row(2, 1), row(3, 1)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(conversation_list(store_of(c.messages), FolderKind::Inbox), c.expected);
  }
}

TEST(ConversationList, StarredIsAViewOfTheInbox) {
  MessageStore store = store_of({{1, 100, "a@x"}, {2, 200, "b@x"}, {3, 300, "c@x", std::nullopt, FolderKind::Archive}});
  store.toggle_starred({0, 2});
  store.toggle_starred({0, 3});
  EXPECT_EQ(conversation_list(store, FolderKind::Starred), std::vector<ListItem>{row(2, 1)});
}

}  // namespace
}  // namespace mail::state
