#include "engine/sample_mailbox.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/sample_raw_messages.h"
#include "state/message_store.h"

namespace mail::engine {
namespace {

using message::FolderKind;

std::size_t characters(std::string_view text) {
  return static_cast<std::size_t>(std::ranges::count_if(text, [](char c) { return (c & 0xc0) != 0x80; }));
}

class SampleMailboxTest : public ::testing::Test {
 protected:
  SampleMailboxTest() : mailbox_(sample_mailbox()) {
    for (const auto& record : mailbox_.messages) store_.insert(record);
  }
  const message::MessageRecord& nth(std::size_t n) const { return mailbox_.messages.at(n - 1); }

  SampleMailbox mailbox_;
  state::MessageStore store_;
};

TEST_F(SampleMailboxTest, FoldersHoldTheirMessages) {
  ASSERT_EQ(mailbox_.messages.size(), 15u);
  ASSERT_EQ(store_.size(), 15u);  // every id is distinct
  const auto inbox = store_.folder(FolderKind::Inbox);
  EXPECT_EQ(inbox.size(), 11u);
  EXPECT_EQ(std::ranges::count_if(inbox, [&](const auto& id) { return !store_.find(id)->read; }), 6);
  EXPECT_EQ(store_.folder(FolderKind::Starred),
            (std::vector<message::MessageId>{nth(1).id, nth(5).id, nth(15).id}));
  EXPECT_EQ(store_.folder(FolderKind::Sent).size(), 2u);
  EXPECT_EQ(store_.folder(FolderKind::Archive).size(), 1u);
  EXPECT_EQ(store_.folder(FolderKind::Junk).size(), 1u);
  EXPECT_TRUE(store_.folder(FolderKind::Drafts).empty());
  EXPECT_TRUE(store_.folder(FolderKind::Trash).empty());
}

TEST_F(SampleMailboxTest, DatesFollowTheSampleClock) {
  EXPECT_EQ(nth(1).date, sample_clock_minutes - 143);
  EXPECT_EQ(nth(11).date, sample_clock_minutes - 12'960);
  EXPECT_EQ(nth(13).date, sample_clock_minutes - 30);  // not its Date header, five hours earlier
  EXPECT_EQ(nth(15).date, sample_clock_minutes - 52);
}

TEST_F(SampleMailboxTest, TheLaunchPlanRepliesReferToTheirRoot) {
  EXPECT_EQ(nth(1).message_id, "sample-launch-plan-root@orvo.example");
  EXPECT_EQ(nth(2).thread_ref, nth(1).message_id);
  EXPECT_EQ(nth(3).thread_ref, nth(1).message_id);
  EXPECT_EQ(nth(3).attachments.at(0).filename, "rollout-gantt.pdf");
  EXPECT_FALSE(nth(3).attachments.at(0).downloaded);
}

TEST_F(SampleMailboxTest, BodiesAreShortPlainTexts) {
  for (std::size_t n = 1; n <= 12; ++n) {
    SCOPED_TRACE(n);
    EXPECT_GE(characters(nth(n).body), 91u);
    EXPECT_LE(characters(nth(n).body), 213u);
  }
}

TEST_F(SampleMailboxTest, RawMessagesGoThroughTheParser) {
  EXPECT_EQ(raw_priority_display.size(), 458u);
  EXPECT_EQ(nth(13).from.name, "Wren Halloway");
  EXPECT_EQ(nth(14).attachments.at(0).filename, "spanning-tree.pdf");
  EXPECT_EQ(nth(14).attachments.at(0).mime_type, "application/pdf");
  EXPECT_TRUE(nth(14).read);
  EXPECT_EQ(nth(15).subject, "This week in Orvo \u2014 spatial shells & collab buffers");
  ASSERT_TRUE(nth(15).html_body.has_value());
  EXPECT_NE(nth(15).html_body->find("tracker.news.orvo.example"), std::string::npos);
  EXPECT_TRUE(nth(15).starred);
  EXPECT_FALSE(nth(15).read);
}

TEST(SampleAccounts, TwoPasswordAccountsWithAPlaceholderPassword) {
  const auto accounts = sample_accounts();
  ASSERT_EQ(accounts.size(), 2u);
  EXPECT_EQ(accounts[0].display_name, "You");
  EXPECT_EQ(accounts[0].smtp_port, 465);
  EXPECT_EQ(accounts[1].smtp_port, 587);
  for (const auto& account : accounts) {
    EXPECT_EQ(account.password, "********");
    EXPECT_EQ(account.username, account.email);
    EXPECT_EQ(account.auth, AuthKind::Password);
    EXPECT_TRUE(account.email.ends_with(".example"));
  }
}

}  // namespace
}  // namespace mail::engine
