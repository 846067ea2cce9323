#include "actions/mailbox_resources.h"

#include "actions/action_specs.h"
#include "actions/message_resources.h"
#include "actions/resource_ids.h"
#include "message/message_id.h"

namespace mail::actions {
namespace {

using message::FolderKind;
using orvo::actions::ActionContract;
using orvo::actions::ActionError;
using orvo::actions::ActionParam;
using orvo::actions::ActionSpec;
using orvo::actions::Resource;
using orvo::actions::Unavailable;

using Ids = std::vector<std::string>;

ActionSpec when_connected(ActionSpec action, const MailSnapshot& snapshot, std::string message) {
  if (snapshot.connected) return action;
  return std::move(action).unavailable(Unavailable{"account_offline", std::move(message)});
}

ActionSpec refresh_spec(const MailSnapshot& snapshot) {
  return when_connected(operation_spec("refresh", "Refresh current folder", operation::RefreshCurrentFolder{})
                            .with_contract(ActionContract{"", {"network", "mail", "refresh"}}),
                        snapshot, "No connected mail account is available");
}

ActionSpec new_folder_spec() {
  return value_spec("new-folder", "New folder", "Name", "folder name…", [](std::string name) {
    return action::CreateFolder{message::MessageId::random().to_string(), std::move(name)};
  });
}

// JSON cannot carry text that is not UTF-8; such an invitation is refused rather
// than handed over mangled.
std::expected<orvo::actions::EncodedAction, ActionError> encode_invitation(const orvo::actions::ActionArgs& args) {
  const auto text = [&](const char* name) { return args.text(name).value_or(""); };
  orvo::actions::EncodedAction encoded = encode(MailOperation(
      operation::PrepareCalendarInvitation{text("to"), text("subject"), text("body"), text("calendar_ics")}));
  try {
    (void)encoded.payload.dump();
  } catch (const nlohmann::ordered_json::exception&) {
    return std::unexpected(ActionError::invalid_arguments("Mail invitation handoff could not be encoded"));
  }
  return encoded;
}

ActionSpec invitation_spec(const MailSnapshot& snapshot) {
  ActionSpec action =
      ActionSpec("prepare-calendar-invitation", "Prepare calendar invitation", encode_invitation)
          .described("recipient, subject and calendar payload")
          .with_param(ActionParam::text("to").described("Invitation recipient"))
          .with_param(ActionParam::text("subject").described("Invitation subject"))
          .with_param(ActionParam::text("body").described("Plain-text invitation message"))
          .with_param(ActionParam::text("calendar_ics").described("Bounded text/calendar METHOD:REQUEST payload"))
          .declares(orvo::actions::OperationType::Effect)
          .with_contract(ActionContract{"mail.draft", {"mail", "calendar", "invitation", "device-local-sensitive"}});
  return when_connected(std::move(action), snapshot, "Connect a Mail account before preparing an invitation");
}

// The changes the mailbox applies to many messages at once, in the order offered.
struct BulkChange {
  const char* id;
  const char* label;
  const char* ids_description;
  MailAction (*change)(Ids ids);
  bool destructive = false;
};

const BulkChange bulk_changes[] = {
    {"archive-messages", "Archive messages", "Stable ids of loaded messages to archive together",
     [](Ids ids) -> MailAction {
       return action::Move{std::move(ids), "archive"};
     }},
    {"move-messages-to-trash", "Move messages to Trash", "Stable ids of loaded messages to move to Trash together",
     [](Ids ids) -> MailAction {
       return action::Move{std::move(ids), "trash"};
     }},
    {"mark-messages-read", "Mark messages read", "Stable ids of loaded messages to mark read together",
     [](Ids ids) -> MailAction {
       return action::SetRead{std::move(ids), true};
     }},
    {"mark-messages-unread", "Mark messages unread", "Stable ids of loaded messages to mark unread together",
     [](Ids ids) -> MailAction {
       return action::SetRead{std::move(ids), false};
     }},
    {"purge-trashed-messages", "Delete trashed messages permanently",
     "Stable ids of messages already in Trash to delete permanently",
     [](Ids ids) -> MailAction { return action::Purge{std::move(ids)}; }, true},
};

Resource mailbox(const MailSnapshot& snapshot) {
  Resource root =
      Resource{.type = "mail.mailbox", .id = std::string(mailbox_resource_id), .label = snapshot.address}.with_action(
          operation_spec("compose", "Compose message", operation::ComposeNew{}));
  for (const BulkChange& bulk : bulk_changes) {
    ActionSpec action = bulk_spec(bulk.id, bulk.label, bulk.ids_description, bulk.change);
    if (bulk.destructive) action = std::move(action).destructive();
    root = std::move(root).with_action(std::move(action));
  }
  return std::move(root)
      .with_action(refresh_spec(snapshot))
      .with_action(new_folder_spec())
      .with_action(invitation_spec(snapshot));
}

Resource accounts(const MailSnapshot& snapshot) {
  Resource collection{.type = "mail.account.collection", .id = std::string(accounts_resource_id), .label = "Accounts"};
  for (const AccountSummary& account : snapshot.accounts) {
    collection =
        std::move(collection)
            .with_child(Resource{.type = "mail.account",
                                 .id = account_resource_id(account.id),
                                 .label = account.active ? account.label + " · Active" : account.label}
                            .with_action(operation_spec("open", "Open account", operation::RevealAccount{account.id})));
  }
  return collection;
}

Resource current_draft() {
  return Resource{.type = "mail.draft", .id = std::string(current_draft_resource_id), .label = "Current draft"}
      .with_action(operation_spec("open", "Continue editing", operation::RevealDraft{}))
      .with_action(change_spec("discard", "Discard draft", action::DiscardDraft{}).destructive());
}

Resource standard_folder(FolderKind folder, const MailSnapshot& snapshot) {
  const std::string key(message::identifier(folder));
  Resource resource =
      Resource{
          .type = "mail.folder", .id = folder_resource_id(key), .label = std::string(message::display_name(folder))}
          .with_action(operation_spec("open", "Open folder", operation::RevealFolder{key}));
  if (folder == FolderKind::Drafts && snapshot.draft_has_content) {
    resource = std::move(resource)
                   .with_action(change_spec("discard-draft", "Discard draft", action::DiscardDraft{}).destructive())
                   .with_child(current_draft());
  }
  if (folder == snapshot.current_folder) {
    for (const ConversationSummary& conversation : snapshot.conversations) {
      resource = std::move(resource).with_child(thread_resource(folder, conversation));
    }
  }
  return resource;
}

Resource user_folder(const doc::UserFolder& folder) {
  return Resource{.type = "mail.folder", .id = folder_resource_id(folder.id), .label = folder.name}
      .with_action(value_spec("rename", "Rename folder", "Name", "folder name…",
                              [id = folder.id](std::string name) {
                                return action::RenameFolder{id, std::move(name)};
                              }))
      .with_action(change_spec("delete-folder", "Delete folder", action::DeleteFolder{folder.id}).destructive());
}

}  // namespace

Resource mail_resource_tree(const MailSnapshot& snapshot) {
  Resource root = mailbox(snapshot).with_child(accounts(snapshot));
  for (FolderKind folder : message::folder_display_order) {
    root = std::move(root).with_child(standard_folder(folder, snapshot));
  }
  for (const doc::UserFolder& folder : snapshot.folders) root = std::move(root).with_child(user_folder(folder));
  return root;
}

}  // namespace mail::actions
