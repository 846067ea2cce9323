#include <gtest/gtest.h>

#include "actions/mail_snapshot.h"
#include "actions/mailbox_resources.h"
#include "actions/resolve_mail_resource.h"
#include "doc/current_draft.h"
#include "doc/user_folders.h"
#include "engine/sample_mailbox.h"
#include "platform/actions/derive_input.h"
#include "platform/actions/resource_json.h"

namespace mail::actions {
namespace {

using message::FolderKind;
using message::MessageId;
using orvo::actions::ActionArgs;
using orvo::actions::ActionSpec;
using orvo::actions::OperationType;
using orvo::actions::Resource;
using orvo::actions::Unavailable;
using Json = nlohmann::ordered_json;
using Texts = std::vector<std::string>;

MessageId sample_id(std::string_view local_part) {
  return *MessageId::from_message_id(std::string(local_part) + "@orvo.example");
}

std::vector<state::AccountEntry> sample_accounts() {
  std::vector<state::AccountEntry> entries;
  for (engine::AccountConfig& config : engine::sample_accounts())
    entries.push_back({.id = config.email, .config = config});
  return entries;
}

Texts action_ids(const Resource& resource) {
  Texts ids;
  for (const ActionSpec& spec : resource.actions) ids.push_back(spec.id());
  return ids;
}

Texts action_labels(const Resource& resource) {
  Texts labels;
  for (const ActionSpec& spec : resource.actions) labels.push_back(spec.label());
  return labels;
}

Texts child_ids(const Resource& resource) {
  Texts ids;
  for (const Resource& child : resource.children) ids.push_back(child.id);
  return ids;
}

// The payload the action encodes for these arguments, or the refusal's message.
std::string encoded(const Resource& resource, std::string_view action, const char* args = "{}") {
  const ActionSpec* spec = resource.action(action);
  if (spec == nullptr) return "no action " + std::string(action);
  const auto result = orvo::actions::derive_input(*spec, ActionArgs::parse(args).value());
  return result ? result->payload.dump() : result.error().message;
}

// The sample mailbox of the start scenes, showing its Inbox.
class ResourceTreeTest : public ::testing::Test {
 protected:
  ResourceTreeTest() : state_(sample_accounts(), 0, nullptr, engine::sample_clock_minutes) {
    for (message::MessageRecord& record : engine::sample_mailbox().messages) state_.store.insert(std::move(record));
  }

  Resource tree(bool engine_running = false) const {
    return mail_resource_tree(take_snapshot(state_, document_, engine_running));
  }
  Resource child(std::string_view id, bool engine_running = false) const {
    const Resource root = tree(engine_running);
    const Resource* found = root.find(id);
    return found ? *found : Resource{.id = "missing " + std::string(id)};
  }
  void change(const MessageId& id, const std::function<void(message::MessageRecord&)>& edit) {
    message::MessageRecord record = *state_.store.find(id);
    edit(record);
    state_.store.insert(std::move(record));
  }

  state::MailState state_;
  orvo::storage::Document document_;
};

TEST_F(ResourceTreeTest, TheMailboxOffersItsActionsInOrder) {
  const Resource root = tree();
  EXPECT_EQ(root.type, "mail.mailbox");
  EXPECT_EQ(root.id, "mail.mailbox");
  EXPECT_EQ(root.label, "you@orvo.example");
  EXPECT_EQ(action_ids(root), (Texts{"compose", "archive-messages", "move-messages-to-trash", "mark-messages-read",
                                     "mark-messages-unread", "purge-trashed-messages", "refresh", "new-folder",
                                     "prepare-calendar-invitation"}));
  EXPECT_EQ(action_labels(root),
            (Texts{"Compose message", "Archive messages", "Move messages to Trash", "Mark messages read",
                   "Mark messages unread", "Delete trashed messages permanently", "Refresh current folder",
                   "New folder", "Prepare calendar invitation"}));
  for (const ActionSpec& spec : root.actions) {
    EXPECT_EQ(spec.is_destructive(), spec.id() == "purge-trashed-messages") << spec.id();
  }
  EXPECT_EQ(child_ids(root),
            (Texts{"mail.accounts", "mail.folder:inbox", "mail.folder:starred", "mail.folder:sent",
                   "mail.folder:drafts", "mail.folder:archive", "mail.folder:junk", "mail.folder:trash"}));
}

TEST_F(ResourceTreeTest, BulkActionsTakeABoundedListOfIds) {
  const Resource root = tree();
  EXPECT_EQ(to_json(root)["actions"][1]["params"].dump(),
            R"([{"name":"ids","kind":"list","required":true,)"
            R"("description":"Stable ids of loaded messages to archive together",)"
            R"("schema":{"minItems":1,"maxItems":256,"items":{"type":"string","minLength":1,"maxLength":128}}}])");
  const std::pair<const char*, const char*> bulk[] = {
      {"archive-messages", R"({"Move":{"ids":["b","a"],"folder":"archive"}})"},
      {"move-messages-to-trash", R"({"Move":{"ids":["b","a"],"folder":"trash"}})"},
      {"mark-messages-read", R"({"SetRead":{"ids":["b","a"],"read":true}})"},
      {"mark-messages-unread", R"({"SetRead":{"ids":["b","a"],"read":false}})"},
      {"purge-trashed-messages", R"({"Purge":{"ids":["b","a"]}})"},
  };
  for (const auto& [action, payload] : bulk) EXPECT_EQ(encoded(root, action, R"({"ids":["b","a"]})"), payload);
  EXPECT_EQ(root.action("purge-trashed-messages")->params()[0].description,
            "Stable ids of messages already in Trash to delete permanently");
  EXPECT_EQ(encoded(root, "archive-messages", R"({"ids":[]})"), "ids must have at least 1 item");
  EXPECT_EQ(encoded(root, "archive-messages", R"({"ids":[""]})"), "ids[0] must be at least 1 character");
  EXPECT_EQ(encoded(root, "archive-messages", std::string(R"({"ids":[")" + std::string(129, 'x') + R"("]})").c_str()),
            "ids[0] must be at most 128 characters");
  EXPECT_EQ(encoded(root, "archive-messages"), "ids is required");
}

TEST_F(ResourceTreeTest, NetworkActionsNeedAConnectedAccount) {
  const Unavailable offline_refresh{"account_offline", "No connected mail account is available"};
  const Unavailable offline_invitation{"account_offline", "Connect a Mail account before preparing an invitation"};
  EXPECT_EQ(tree().action("refresh")->unavailability(), offline_refresh);
  EXPECT_EQ(tree().action("prepare-calendar-invitation")->unavailability(), offline_invitation);
  EXPECT_EQ(tree(true).action("refresh")->unavailability(), std::nullopt);
  EXPECT_EQ(tree(true).action("refresh")->contract()->tags, (Texts{"network", "mail", "refresh"}));

  state_.accounts.clear();
  EXPECT_EQ(tree(true).label, "Mailbox");
  EXPECT_EQ(tree(true).action("refresh")->unavailability(), offline_refresh);
}

TEST_F(ResourceTreeTest, OneTextValueActionsTrimTheirValue) {
  const Resource root = tree(true);
  const Json created = Json::parse(encoded(root, "new-folder", R"({"value":"  Receipts "})"));
  EXPECT_EQ(created["CreateFolder"]["name"], "Receipts");
  EXPECT_TRUE(MessageId::parse(created["CreateFolder"]["id"].get<std::string>()).has_value());
  EXPECT_EQ(encoded(root, "new-folder", R"({"value":" \t"})"), "Name must not be empty");
  EXPECT_EQ(encoded(root, "new-folder"), "value is required");
  EXPECT_EQ(root.action("new-folder")->params()[0].placeholder, "folder name…");
}

TEST_F(ResourceTreeTest, AnInvitationHandsOverItsFourTexts) {
  const Resource root = tree(true);
  const ActionSpec& spec = *root.action("prepare-calendar-invitation");
  EXPECT_EQ(spec.description(), "recipient, subject and calendar payload");
  EXPECT_EQ(spec.operation_type(), OperationType::Effect);
  EXPECT_EQ(spec.contract()->target_type, "mail.draft");
  EXPECT_EQ(spec.contract()->tags, (Texts{"mail", "calendar", "invitation", "device-local-sensitive"}));
  EXPECT_EQ(encoded(root, "prepare-calendar-invitation", R"({"to":"a@b"})"),
            R"({"PrepareCalendarInvitation":{"to":"a@b","subject":"","body":"","calendar_ics":""}})");

  const auto not_utf8 = ActionArgs::from_json(Json{{"subject", "\xff"}}).value();
  EXPECT_EQ(orvo::actions::derive_input(spec, not_utf8).error(),
            orvo::actions::ActionError::invalid_arguments("Mail invitation handoff could not be encoded"));
}

TEST_F(ResourceTreeTest, AccountsNameTheActiveOne) {
  const Resource accounts = child("mail.accounts");
  EXPECT_EQ(accounts.type, "mail.account.collection");
  EXPECT_EQ(accounts.label, "Accounts");
  ASSERT_EQ(accounts.children.size(), 2u);
  EXPECT_EQ(accounts.children[0].id, "mail.account:you@orvo.example");
  EXPECT_EQ(accounts.children[0].label, "You · Active");
  EXPECT_EQ(accounts.children[1].label, "You at Lumen Works");
  EXPECT_EQ(action_labels(accounts.children[1]), Texts{"Open account"});
  EXPECT_EQ(encoded(accounts.children[1], "open"), R"({"RevealAccount":{"id":"you@lumenworks.example"}})");
}

TEST_F(ResourceTreeTest, TheCurrentFolderHoldsItsConversations) {
  const Resource inbox = child("mail.folder:inbox");
  EXPECT_EQ(inbox.label, "Inbox");
  EXPECT_EQ(encoded(inbox, "open"), R"({"RevealFolder":{"folder":"inbox"}})");
  ASSERT_EQ(inbox.children.size(), 9u);
  EXPECT_EQ(inbox.children[0].label, "Coffee before the standup?");

  const Resource thread = child("mail.thread:inbox:sample-launch-plan-root@orvo.example");
  EXPECT_EQ(thread.type, "mail.thread");
  EXPECT_EQ(thread.label, "Launch plan for the spatial shell");
  EXPECT_EQ(child_ids(thread), (Texts{"mail.message:" + sample_id("sample-launch-plan-latest").to_string(),
                                      "mail.message:" + sample_id("sample-launch-plan-reply").to_string(),
                                      "mail.message:" + sample_id("sample-launch-plan-root").to_string()}));
  EXPECT_TRUE(child("mail.folder:sent").children.empty());
}

TEST_F(ResourceTreeTest, AMessageOffersWhatCanBeDoneToIt) {
  const MessageId id = sample_id("sample-launch-plan-latest");
  const std::string key = id.to_string();
  const Resource message = child("mail.message:" + key);
  EXPECT_EQ(message.type, "mail.message");
  EXPECT_EQ(message.label, "Re: Launch plan for the spatial shell");
  EXPECT_EQ(action_ids(message), (Texts{"open", "inspect", "reply", "reply-all", "forward", "read", "star", "archive",
                                        "delete", "add-label"}));
  EXPECT_EQ(action_labels(message), (Texts{"Open message", "Preview without marking read", "Reply", "Reply all",
                                           "Forward", "Mark read", "Star", "Archive", "Delete", "Add label…"}));
  const std::pair<const char*, std::string> payloads[] = {
      {"open", R"({"RevealMessage":{"id":")" + key + R"("}})"},
      {"inspect", R"({"InspectMessage":{"id":")" + key + R"("}})"},
      {"read", R"({"SetRead":{"ids":[")" + key + R"("],"read":true}})"},
      {"star", R"({"SetStarred":{"ids":[")" + key + R"("],"starred":true}})"},
      {"archive", R"({"Move":{"ids":[")" + key + R"("],"folder":"archive"}})"},
      {"delete", R"({"Move":{"ids":[")" + key + R"("],"folder":"trash"}})"},
  };
  for (const auto& [action, payload] : payloads) EXPECT_EQ(encoded(message, action), payload) << action;
  EXPECT_EQ(encoded(message, "add-label", R"({"value":" Work "})"),
            R"({"AddLabel":{"ids":[")" + key + R"("],"label":"Work"}})");
  for (const ActionSpec& spec : message.actions) EXPECT_EQ(spec.is_destructive(), spec.id() == "delete") << spec.id();
  EXPECT_EQ(message.action("open")->operation_type(), OperationType::View);
  EXPECT_EQ(message.action("read")->operation_type(), std::nullopt);
}

TEST_F(ResourceTreeTest, ReadStarredAndTrashedMessagesOfferTheOpposite) {
  const MessageId id = sample_id("sample-launch-plan-root");
  const Resource starred = child("mail.message:" + id.to_string());
  EXPECT_EQ(starred.label, "★ Launch plan for the spatial shell");
  EXPECT_EQ(starred.action("read")->label(), "Mark unread");
  EXPECT_EQ(starred.action("star")->label(), "Unstar");
  EXPECT_EQ(encoded(starred, "star"), R"({"SetStarred":{"ids":[")" + id.to_string() + R"("],"starred":false}})");

  state_.store.move_to(id, FolderKind::Trash);
  state_.current_folder = FolderKind::Trash;
  const Resource trashed = child("mail.message:" + id.to_string());
  EXPECT_EQ(trashed.action("delete")->label(), "Delete permanently");
  EXPECT_TRUE(trashed.action("delete")->is_destructive());
  EXPECT_EQ(encoded(trashed, "delete"), R"({"Purge":{"ids":[")" + id.to_string() + R"("]}})");
}

TEST_F(ResourceTreeTest, EachLabelHasItsOwnRemoveAction) {
  const MessageId id = sample_id("sample-coffee");
  change(id, [](message::MessageRecord& record) { record.labels = {"Work", "Later"}; });
  const Resource message = child("mail.message:" + id.to_string());
  EXPECT_EQ(action_ids(message).back(), "remove-label-1");
  EXPECT_EQ(message.action("remove-label-0")->label(), "Remove label “Work”");
  EXPECT_EQ(encoded(message, "remove-label-1"),
            R"({"RemoveLabel":{"ids":[")" + id.to_string() + R"("],"label":"Later"}})");
}

TEST_F(ResourceTreeTest, ConversationsWithoutASubjectAreCounted) {
  for (const char* local_part : {"sample-onboarding", "sample-fuse-patch"}) {
    change(sample_id(local_part), [](message::MessageRecord& record) {
      record.subject = " ";
      record.folder = FolderKind::Archive;
      record.thread_ref = "<shared-thread@orvo.example>";
    });
  }
  state_.current_folder = FolderKind::Archive;
  const Resource thread = child("mail.thread:archive:shared-thread@orvo.example");
  EXPECT_EQ(thread.label, "2 messages in this conversation");
  EXPECT_EQ(thread.children[0].label, "(no subject)");
}

TEST_F(ResourceTreeTest, AttachmentsCanBeSavedOnceDownloaded) {
  const MessageId id = sample_id("sample-launch-plan-latest");
  const std::string attachment_id = "mail.attachment:" + id.to_string() + ":0";
  const Resource pending = child(attachment_id);
  EXPECT_EQ(pending.type, "mail.attachment");
  EXPECT_EQ(pending.label, "rollout-gantt.pdf · 180 KB");
  const ActionSpec& save = *pending.action("save");
  EXPECT_EQ(save.label(), "Save attachment");
  EXPECT_EQ(save.operation_type(), OperationType::Effect);
  EXPECT_EQ(save.contract()->tags, (Texts{"mail", "attachment", "file-save"}));
  EXPECT_EQ(save.unavailability(), (Unavailable{"not_downloaded", "Attachment content is not downloaded yet"}));

  change(id, [](message::MessageRecord& record) { record.attachments[0].downloaded = true; });
  EXPECT_EQ(encoded(child(attachment_id), "save"),
            R"({"SaveAttachment":{"message_id":")" + id.to_string() + R"(","index":0}})");
}

TEST_F(ResourceTreeTest, DraftsShowTheDraftOnlyWhileItHasContent) {
  EXPECT_EQ(action_ids(child("mail.folder:drafts")), Texts{"open"});
  EXPECT_TRUE(child("mail.folder:drafts").children.empty());

  doc::save_draft(document_, {.cc = "only@cc.example"});
  EXPECT_EQ(action_ids(child("mail.folder:drafts")), Texts{"open"});

  doc::save_draft(document_, {.subject = "Plan"});
  const Resource drafts = child("mail.folder:drafts");
  EXPECT_EQ(action_ids(drafts), (Texts{"open", "discard-draft"}));
  EXPECT_TRUE(drafts.action("discard-draft")->is_destructive());
  ASSERT_EQ(child_ids(drafts), Texts{"mail.draft:current"});
  const Resource& draft = drafts.children[0];
  EXPECT_EQ(draft.label, "Current draft");
  EXPECT_EQ(action_labels(draft), (Texts{"Continue editing", "Discard draft"}));
  EXPECT_EQ(encoded(draft, "open"), R"("RevealDraft")");
  EXPECT_EQ(encoded(draft, "discard"), R"("DiscardDraft")");
  EXPECT_TRUE(draft.action("discard")->is_destructive());
}

TEST_F(ResourceTreeTest, UserFoldersCanBeRenamedAndDeleted) {
  doc::create_folder(document_, "f1", "Receipts");
  const Resource root = tree();
  EXPECT_EQ(child_ids(root).back(), "mail.folder:f1");
  const Resource& folder = root.children.back();
  EXPECT_EQ(folder.label, "Receipts");
  EXPECT_EQ(action_labels(folder), (Texts{"Rename folder", "Delete folder"}));
  EXPECT_EQ(encoded(folder, "rename", R"({"value":"Bills "})"), R"({"RenameFolder":{"id":"f1","name":"Bills"}})");
  EXPECT_EQ(encoded(folder, "delete-folder"), R"({"DeleteFolder":{"id":"f1"}})");
  EXPECT_TRUE(folder.action("delete-folder")->is_destructive());
}

TEST_F(ResourceTreeTest, SingleResourcesResolveOutsideTheCurrentFolder) {
  const MessageId sent = sample_id("sample-launch-plan-you");
  const auto message = resolve_mail_resource(state_, "mail.message:" + sent.to_string());
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->label, "Re: Launch plan for the spatial shell");

  const auto thread = resolve_mail_resource(state_, "mail.thread:sent:sample-launch-plan-root@orvo.example");
  ASSERT_TRUE(thread.has_value());
  EXPECT_EQ(child_ids(*thread), Texts{"mail.message:" + sent.to_string()});

  const std::string latest = sample_id("sample-launch-plan-latest").to_string();
  EXPECT_EQ(resolve_mail_resource(state_, "mail.attachment:" + latest + ":0")->label, "rollout-gantt.pdf · 180 KB");
  for (const std::string& id : {"mail.attachment:" + latest + ":1", "mail.attachment:" + latest + ":x",
                                "mail.message:" + MessageId{0, 1}.to_string(), std::string("mail.message:nonsense"),
                                std::string("mail.thread:nowhere:x"), std::string("mail.folder:inbox")}) {
    EXPECT_FALSE(resolve_mail_resource(state_, id).has_value()) << id;
  }
}

}  // namespace
}  // namespace mail::actions
