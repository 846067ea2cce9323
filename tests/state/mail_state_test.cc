#include "state/mail_state.h"

#include <gtest/gtest.h>

namespace mail::state {
namespace {

class MailStateTest : public ::testing::Test {
 protected:
  MailStateTest() : state_({}, 0, nullptr, 0) {
    add(1, FolderKind::Inbox, false);
    add(2, FolderKind::Archive, false);
  }

  void add(std::uint64_t n, FolderKind folder, bool read) {
    MessageRecord record;
    record.id = {0, n};
    record.folder = folder;
    record.read = read;
    state_.store.insert(std::move(record));
  }

  MailState state_;
};

TEST_F(MailStateTest, OpeningMarksReadAndPreviewingDoesNot) {
  state_.preview_message({0, 1});
  EXPECT_FALSE(state_.store.find({0, 1})->read);
  EXPECT_TRUE(state_.preview);
  EXPECT_EQ(state_.previewed, (MessageId{0, 1}));

  state_.open_message({0, 1});
  EXPECT_TRUE(state_.store.find({0, 1})->read);
  EXPECT_FALSE(state_.preview);
  EXPECT_EQ(state_.selected, (MessageId{0, 1}));
  EXPECT_TRUE(std::holds_alternative<effect::ShowReader>(state_.effects.back()));
}

TEST_F(MailStateTest, OpeningFromASearchShowsTheMessagesFolder) {
  state_.set_search_query("plan");
  state_.open_message({0, 2});
  EXPECT_EQ(state_.current_folder, FolderKind::Archive);
  EXPECT_TRUE(state_.search_query.empty());
}

TEST_F(MailStateTest, OpeningAnUnknownMessageChangesNothing) {
  state_.open_message({0, 9});
  EXPECT_FALSE(state_.selected.has_value());
  EXPECT_TRUE(state_.effects.empty());
  EXPECT_FALSE(state_.changed);
}

TEST_F(MailStateTest, BulkTogglingTwiceEmptiesTheSelectionButStaysInBulkMode) {
  state_.toggle_bulk_selection({0, 1});
  state_.toggle_bulk_selection({0, 2});
  EXPECT_EQ(state_.bulk_selection, (std::vector<MessageId>{{0, 1}, {0, 2}}));
  state_.toggle_bulk_selection({0, 1});
  state_.toggle_bulk_selection({0, 2});
  EXPECT_TRUE(state_.bulk_selection.empty());
  EXPECT_TRUE(state_.bulk_mode);

  state_.toggle_bulk_selection({0, 9});  // not in the store
  EXPECT_TRUE(state_.bulk_selection.empty());
}

}  // namespace
}  // namespace mail::state
