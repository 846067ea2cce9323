#include "state/bulk_commands.h"
#include "state/message_commands.h"

#include <gtest/gtest.h>

namespace mail::state {
namespace {

// Three Inbox messages (newest first: 3, 2, 1), two in Trash, one account.
class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() : state_({AccountEntry{.id = "a@example.org", .config = {.email = "a@example.org"}}}, 0, nullptr, 0) {
    add(1, FolderKind::Inbox, 10);
    add(2, FolderKind::Inbox, 20);
    add(3, FolderKind::Inbox, 30);
    add(4, FolderKind::Trash, 40);
    add(5, FolderKind::Trash, 50);
    state_.repair_selection();
    state_.effects.clear();
  }

  void add(std::uint64_t n, FolderKind folder, message::Minutes date) {
    MessageRecord record;
    record.id = {0, n};
    record.folder = folder;
    record.date = date;
    state_.store.insert(record);
  }

  std::vector<engine::RequestKind> queued_requests() const {
    std::vector<engine::RequestKind> kinds;
    for (const UiEffect& effect : state_.effects) {
      if (const auto* request = std::get_if<effect::Request>(&effect)) kinds.push_back(engine::kind_of(request->request));
    }
    return kinds;
  }

  MailState state_;
};

TEST_F(CommandsTest, LocalChangesShowAtOnceAndQueueOneRequestPerMessage) {
  EXPECT_EQ(state_.apply({.kind = LocalChange::Kind::SetRead, .ids = {{0, 1}, {0, 2}, {0, 9}}, .value = true}), 2u);
  EXPECT_TRUE(state_.store.find({0, 1})->read);
  EXPECT_EQ(queued_requests(), (std::vector{engine::RequestKind::SetFlags, engine::RequestKind::SetFlags}));

  // Marking read again changes nothing and sends nothing.
  state_.effects.clear();
  EXPECT_EQ(state_.apply({.kind = LocalChange::Kind::SetRead, .ids = {{0, 1}}, .value = true}), 0u);
  EXPECT_TRUE(queued_requests().empty());
}

TEST_F(CommandsTest, MovesCarryTheMessageAsItWasSoTheServerCopyIsFound) {
  run_message_command(state_, MessageCommand::Archive, {0, 2});
  ASSERT_EQ(state_.effects.size(), 1u);
  const auto& move = std::get<engine::request::Move>(std::get<effect::Request>(state_.effects[0]).request);
  EXPECT_EQ(move.message.folder, FolderKind::Inbox);
  EXPECT_EQ(move.destination, FolderKind::Archive);
  EXPECT_EQ(state_.store.find({0, 2})->folder, FolderKind::Archive);
}

TEST_F(CommandsTest, WithoutAnAccountChangesStayLocal) {
  state_.accounts.clear();
  run_message_command(state_, MessageCommand::ToggleStar, {0, 1});
  EXPECT_TRUE(state_.store.find({0, 1})->starred);
  EXPECT_TRUE(queued_requests().empty());
}

TEST_F(CommandsTest, DeleteMovesToTrashAndPurgesWhatIsAlreadyThere) {
  run_message_command(state_, MessageCommand::Delete, {0, 1});
  EXPECT_EQ(state_.store.find({0, 1})->folder, FolderKind::Trash);
  run_message_command(state_, MessageCommand::Delete, {0, 4});
  EXPECT_EQ(state_.store.find({0, 4}), nullptr);
  EXPECT_EQ(queued_requests(), (std::vector{engine::RequestKind::Move, engine::RequestKind::Purge}));
  EXPECT_FALSE(run_message_command(state_, MessageCommand::Delete, {0, 4}));
}

TEST_F(CommandsTest, LeavingTheListSelectsTheFirstRowAndReturnsFromTheReader) {
  state_.selected = MessageId{0, 2};
  run_message_command(state_, MessageCommand::Archive, {0, 1});  // not the selected one
  EXPECT_EQ(state_.selected, (MessageId{0, 3}));

  state_.layout = {.compact = true, .reader_shown = true};
  state_.effects.clear();
  run_message_command(state_, MessageCommand::MarkJunk, {0, 3});
  EXPECT_EQ(state_.selected, (MessageId{0, 2}));
  EXPECT_TRUE(std::holds_alternative<effect::ShowList>(state_.effects.back()));
}

TEST_F(CommandsTest, SelectionMovesWithinTheListClamped) {
  state_.move_selection(1);
  EXPECT_EQ(state_.selected, (MessageId{0, 2}));
  state_.move_selection(5);
  EXPECT_EQ(state_.selected, (MessageId{0, 1}));
  state_.move_selection(-9);
  EXPECT_EQ(state_.selected, (MessageId{0, 3}));
}

TEST_F(CommandsTest, BulkArchiveEmptiesTheSelectionAndKeepsBulkMode) {
  select_all_visible(state_);
  EXPECT_EQ(state_.bulk_selection.size(), 3u);
  EXPECT_EQ(bulk_archive(state_), 3u);
  EXPECT_TRUE(state_.bulk_mode);
  EXPECT_TRUE(state_.bulk_selection.empty());
  EXPECT_FALSE(state_.selected.has_value());  // the Inbox is empty now
}

TEST_F(CommandsTest, PermanentDeletionNeedsAnAllTrashSelection) {
  const struct {
    std::vector<MessageId> selection;
    std::optional<std::string> refusal;
  } cases[] = {
      {{}, "Select messages before deleting them permanently"},
      {{{0, 99}}, "Select messages before deleting them permanently"},
      {{{0, 4}, {0, 1}}, "Permanent deletion requires an all-Trash selection"},
      {{{0, 4}, {0, 99}, {0, 5}}, std::nullopt},
  };
  for (const auto& c : cases) {
    state_.bulk_selection = c.selection;
    const auto check = check_purge(state_);
    if (c.refusal) {
      EXPECT_EQ(std::get<PurgeRefused>(check).status, *c.refusal);
    } else {
      EXPECT_EQ(std::get<PurgeReady>(check).count, 2u);
    }
  }
  state_.bulk_selection = {{0, 4}, {0, 1}};
  EXPECT_EQ(purge_bulk_selection(state_), 0u);
  EXPECT_NE(state_.store.find({0, 4}), nullptr);
  state_.bulk_selection = {{0, 4}, {0, 5}};
  EXPECT_EQ(purge_bulk_selection(state_), 2u);
  EXPECT_EQ(state_.store.find({0, 5}), nullptr);
}

TEST_F(CommandsTest, MessagesPhraseIsSingularForOne) {
  EXPECT_EQ(messages_phrase(1), "1 message");
  EXPECT_EQ(messages_phrase(3), "3 messages");
}

}  // namespace
}  // namespace mail::state
