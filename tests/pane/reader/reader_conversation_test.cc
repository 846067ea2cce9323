#include "pane/reader_conversation.h"

#include <gtest/gtest.h>

#include "reader_harness.h"
#include "state/conversation_list.h"

namespace mail::pane {
namespace {

using message::FolderKind;

std::vector<std::string> subjects_of(const Conversation& conversation) {
  std::vector<std::string> subjects;
  for (const message::MessageRecord* message : conversation) subjects.push_back(message->subject);
  return subjects;
}

TEST(ReaderConversationTest, GathersTheFoldersMessagesBySubjectOldestFirst) {
  state::MessageStore store;
  store.insert(mail(1, "Re: Plans", 20));
  store.insert(mail(2, "Plans", 10));
  store.insert(mail(3, "Plans", 15, FolderKind::Archive));
  store.insert(mail(4, "Other plans", 5));
  store.insert(mail(5, "fwd: RE: Plans ", 30));

  // No thread headers: the list keeps them apart, the reader shows them together.
  EXPECT_EQ(state::conversation_list(store, FolderKind::Inbox).size(), 4u);
  for (std::uint64_t selected : {1, 2, 5}) {
    EXPECT_EQ(subjects_of(reader_conversation(store, {0, selected})),
              (std::vector<std::string>{"Plans", "Re: Plans", "fwd: RE: Plans "}));
  }
  EXPECT_EQ(subjects_of(reader_conversation(store, {0, 3})), std::vector<std::string>{"Plans"});
}

TEST(ReaderConversationTest, MessagesOfTheSameMinuteKeepTheirStoreOrder) {
  state::MessageStore store;
  store.insert(mail(7, "Re: Plans", 10));
  store.insert(mail(2, "Plans", 10));
  store.insert(mail(9, "Plans", 5));
  const Conversation conversation = reader_conversation(store, {0, 2});
  ASSERT_EQ(conversation.size(), 3u);
  EXPECT_EQ(conversation[0]->id, (message::MessageId{0, 9}));
  EXPECT_EQ(conversation[1]->id, (message::MessageId{0, 7}));
  EXPECT_EQ(conversation[2]->id, (message::MessageId{0, 2}));
}

TEST(ReaderConversationTest, AMessageNoLongerStoredHasNoConversation) {
  state::MessageStore store;
  store.insert(mail(1, "Plans"));
  EXPECT_TRUE(reader_conversation(store, {0, 2}).empty());
}

TEST(ReaderConversationTest, SummaryCountsMessagesInTheFolder) {
  EXPECT_EQ(conversation_summary(1, FolderKind::Inbox), "1 message · Inbox");
  EXPECT_EQ(conversation_summary(2, FolderKind::Inbox), "2 messages · Inbox");
  EXPECT_EQ(conversation_summary(0, FolderKind::Archive), "0 messages · Archive");
}

}  // namespace
}  // namespace mail::pane
