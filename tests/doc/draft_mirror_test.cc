#include "doc/draft_mirror.h"

#include <gtest/gtest.h>

#include "doc/message_marks.h"
#include "draft_fixtures.h"

namespace mail::doc {
namespace {

using message::Contact;
using message::DraftData;
using message::FolderKind;
using message::MessageId;
using orvo::storage::Document;
using state::MessageStore;

const Contact account{.address = "me@example.com", .name = "Me"};
constexpr message::Minutes now = 29'000'000;

TEST(DraftMirror, ShowsTheDraftAsAReadMessageInDrafts) {
  Document document;
  MessageStore store;
  const DraftData draft{.to = "Ada <ada@example.com>; bob@example.com",
                        .cc = "carol@example.com,",
                        .subject = "  ",
                        .body = "Hello",
                        .html_body = "<p>Hello</p>",
                        .attachments = {attachment(1, 42)}};
  const auto id = mirror_draft(document, store, draft, account, now, std::nullopt);
  ASSERT_TRUE(id);
  const message::MessageRecord* record = store.find(*id);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->from, account);
  EXPECT_EQ(record->to, (std::vector<Contact>{{"ada@example.com", "Ada"}, {"bob@example.com", std::nullopt}}));
  EXPECT_EQ(record->cc, (std::vector<Contact>{{"carol@example.com", std::nullopt}}));
  EXPECT_EQ(record->subject, "(no subject)");
  EXPECT_EQ(record->body, "Hello");
  EXPECT_EQ(record->html_body, "<p>Hello</p>");
  ASSERT_EQ(record->attachments.size(), 1);
  EXPECT_EQ(record->attachments[0].filename, "file-1.pdf");
  EXPECT_EQ(record->attachments[0].mime_type, "application/pdf");
  EXPECT_EQ(record->attachments[0].content_ref, attachment(1).content_id);
  EXPECT_EQ(record->attachments[0].size, 42);
  EXPECT_FALSE(record->attachments[0].downloaded);
  EXPECT_TRUE(record->attachments[0].content.empty());
  EXPECT_EQ(record->date, now);
  EXPECT_TRUE(record->read);
  EXPECT_EQ(record->folder, FolderKind::Drafts);
  EXPECT_TRUE(is_present(document, *id));
}

TEST(DraftMirror, KeepsTheRememberedIdAcrossUpdates) {
  Document document;
  MessageStore store;
  const auto first = mirror_draft(document, store, {.subject = "v1"}, account, now, std::nullopt);
  const auto second = mirror_draft(document, store, {.subject = "v2"}, account, now + 1, first);
  EXPECT_EQ(second, first);
  EXPECT_EQ(store.size(), 1);
  EXPECT_EQ(store.find(*first)->subject, "v2");

  const MessageId opened{7, 7};
  EXPECT_EQ(mirror_draft(document, store, {.body = "b"}, account, now, opened), opened);
}

TEST(DraftMirror, ADraftWithoutRecipientSubjectOrBodyIsNotShown) {
  Document document;
  MessageStore store;
  const DraftData only_copies{.cc = "carol@example.com", .bcc = "dan@example.com", .attachments = {attachment(1)}};
  EXPECT_EQ(mirror_draft(document, store, only_copies, account, now, std::nullopt), std::nullopt);
  EXPECT_EQ(mirror_draft(document, store, only_copies, account, now, MessageId{7, 7}), (MessageId{7, 7}));
  EXPECT_EQ(store.size(), 0);
  EXPECT_EQ(document.heads(), 0);
}

}  // namespace
}  // namespace mail::doc
