#include "actions/apply_mail_action.h"

#include <gtest/gtest.h>

#include "doc/current_draft.h"
#include "doc/document_layout.h"
#include "doc/message_marks.h"
#include "doc/user_folders.h"

namespace mail::actions {
namespace {

using message::FolderKind;
using message::MessageId;
using orvo::storage::TextList;

const MessageId inbox_message{0, 1};
const MessageId trash_message{0, 2};
const MessageId other_trash_message{0, 3};
const MessageId unknown_message{0, 9};

std::string key(const MessageId& id) { return id.to_string(); }

class ApplyMailActionTest : public ::testing::Test {
 protected:
  ApplyMailActionTest() {
    add(inbox_message, FolderKind::Inbox);
    add(trash_message, FolderKind::Trash);
    add(other_trash_message, FolderKind::Trash);
    doc::create_folder(document_, "f1", "Receipts");
  }

  void add(const MessageId& id, FolderKind folder) {
    message::MessageRecord record;
    record.id = id;
    record.folder = folder;
    doc::project_message(document_, record);
  }

  std::expected<void, std::string> apply(MailAction action) { return apply_mail_action(document_, action); }

  // Applies the action, expecting it to fail with `error` and leave the document as it was.
  void expect_refused(MailAction action, const std::string& error) {
    const auto heads = document_.heads();
    const auto applied = apply(std::move(action));
    ASSERT_FALSE(applied.has_value());
    EXPECT_EQ(applied.error(), error);
    EXPECT_EQ(document_.heads(), heads);
  }

  const std::string* folder(const MessageId& id) const {
    return document_.get<std::string>(doc::flags_path(id, "folder"));
  }
  TextList labels(const MessageId& id) const {
    const TextList* list = document_.get<TextList>(doc::flags_path(id, "labels"));
    return list ? *list : TextList{};
  }

  orvo::storage::Document document_;
};

TEST_F(ApplyMailActionTest, RepeatedAndPaddedIdsActOnceAndUnknownOnesArePassedOver) {
  ASSERT_TRUE(
      apply(action::AddLabel{{key(inbox_message), " " + key(inbox_message) + " ", key(unknown_message)}, "Work"}));
  EXPECT_EQ(labels(inbox_message), TextList{"Work"});
  ASSERT_TRUE(apply(action::SetRead{{key(inbox_message).substr(0, 8), key(inbox_message)}, false}));
  EXPECT_FALSE(*document_.get<bool>(doc::flags_path(inbox_message, "read")));
  expect_refused(action::SetStarred{{key(unknown_message)}, true}, "none of these messages is present");
}

TEST_F(ApplyMailActionTest, MovesOnlyToStandardFolders) {
  ASSERT_TRUE(apply(action::Move{{key(inbox_message)}, "archive"}));
  EXPECT_EQ(*folder(inbox_message), "archive");
  expect_refused(action::Move{{key(inbox_message)}, "f1"},
                 "messages can only be moved to a standard folder, not \"f1\"");
  expect_refused(action::Move{{key(inbox_message)}, "Inbox"},
                 "messages can only be moved to a standard folder, not \"Inbox\"");
}

TEST_F(ApplyMailActionTest, PurgesAllOrNothing) {
  const std::string refusal = "every message must still be present in Trash before permanent deletion";
  expect_refused(action::Purge{{key(trash_message), key(inbox_message)}}, refusal);
  expect_refused(action::Purge{{key(trash_message), key(unknown_message)}}, refusal);
  expect_refused(action::Purge{{key(trash_message), "not an id"}}, refusal);
  expect_refused(action::Purge{{" ", ""}}, refusal);
  EXPECT_TRUE(doc::is_present(document_, trash_message));

  ASSERT_TRUE(apply(action::Purge{{key(trash_message), key(other_trash_message)}}));
  EXPECT_FALSE(doc::is_present(document_, trash_message));
  EXPECT_FALSE(doc::is_present(document_, other_trash_message));
  expect_refused(action::Purge{{key(trash_message)}}, refusal);
}

TEST_F(ApplyMailActionTest, LabelsAreCleanedToOneLineOf128Characters) {
  expect_refused(action::AddLabel{{key(inbox_message)}, " \t\x01\x7f "}, "a label must not be empty");
  ASSERT_TRUE(apply(action::AddLabel{{key(inbox_message)}, std::string(200, 'x')}));
  ASSERT_TRUE(apply(action::AddLabel{{key(inbox_message)}, " To\ndo "}));
  EXPECT_EQ(labels(inbox_message), (TextList{std::string(128, 'x'), "Todo"}));
  ASSERT_TRUE(apply(action::RemoveLabel{{key(inbox_message)}, "Todo\x01"}));
  EXPECT_EQ(labels(inbox_message), TextList{std::string(128, 'x')});
}

TEST_F(ApplyMailActionTest, UserFoldersNeedAnIdAndAName) {
  ASSERT_TRUE(apply(action::CreateFolder{"f2", "  Travel\n" + std::string(100, 'y')}));
  ASSERT_TRUE(apply(action::RenameFolder{"f1", "Bills"}));
  EXPECT_EQ(doc::list_folders(document_),
            (std::vector<doc::UserFolder>{{"f1", "Bills"}, {"f2", "Travel" + std::string(90, 'y')}}));

  expect_refused(action::CreateFolder{"f3", "\n"}, "a folder name must not be empty");
  expect_refused(action::CreateFolder{"", "Empty"}, "a folder id must be 1 to 128 characters long");
  expect_refused(action::CreateFolder{std::string(129, 'z'), "Long"}, "a folder id must be 1 to 128 characters long");
  expect_refused(action::CreateFolder{"trash", "Bin"}, "\"trash\" is the key of a standard folder");
  expect_refused(action::RenameFolder{"gone", "Name"}, "folder no longer exists");

  ASSERT_TRUE(apply(action::DeleteFolder{"f1"}));
  ASSERT_TRUE(apply(action::DeleteFolder{"f1"}));
  EXPECT_EQ(doc::list_folders(document_).size(), 1u);
}

TEST_F(ApplyMailActionTest, DraftsAreNormalisedBeforeTheyAreKept) {
  ASSERT_TRUE(apply(action::SaveDraft{{.to = " a@b ", .subject = "Plan\r\nB", .body = "\nLine 1\n\tLine 2\f\n"}}));
  const message::DraftData saved = doc::read_draft(document_);
  EXPECT_EQ(saved.to, "a@b");
  EXPECT_EQ(saved.subject, "PlanB");
  EXPECT_EQ(saved.body, "Line 1\n\tLine 2");
  ASSERT_TRUE(apply(action::DiscardDraft{}));
  EXPECT_EQ(doc::read_draft(document_), message::DraftData{});
}

}  // namespace
}  // namespace mail::actions
