#include "actions/message_resources.h"

#include <fmt/format.h>

#include "actions/action_specs.h"
#include "actions/resource_ids.h"
#include "message/ascii.h"
#include "platform/format/bytes.h"

namespace mail::actions {
namespace {

using orvo::actions::ActionContract;
using orvo::actions::ActionSpec;
using orvo::actions::Resource;
using orvo::actions::Unavailable;

bool blank(std::string_view text) { return message::trim_blanks(text).empty(); }

std::string message_label(const MessageSummary& message) {
  const std::string subject = blank(message.subject) ? "(no subject)" : message.subject;
  return message.starred ? "★ " + subject : subject;
}

ActionSpec delete_spec(const MessageSummary& message, const std::string& id) {
  if (message.folder == message::FolderKind::Trash) {
    return change_spec("delete", "Delete permanently", action::Purge{{id}}).destructive();
  }
  return change_spec("delete", "Delete", action::Move{{id}, "trash"}).destructive();
}

// Message-level changes name exactly this one message.
Resource with_changes(Resource resource, const MessageSummary& message) {
  const std::string id = message.id.to_string();
  resource = std::move(resource)
                 .with_action(change_spec("read", message.read ? "Mark unread" : "Mark read",
                                          action::SetRead{{id}, !message.read}))
                 .with_action(change_spec("star", message.starred ? "Unstar" : "Star",
                                          action::SetStarred{{id}, !message.starred}))
                 .with_action(change_spec("archive", "Archive", action::Move{{id}, "archive"}))
                 .with_action(delete_spec(message, id))
                 .with_action(value_spec("add-label", "Add label…", "Label", "label…", [id](std::string label) {
                   return action::AddLabel{{id}, std::move(label)};
                 }));
  for (std::size_t index = 0; index < message.labels.size(); ++index) {
    const std::string& label = message.labels[index];
    resource = std::move(resource).with_action(change_spec("remove-label-" + std::to_string(index),
                                                           fmt::format("Remove label “{}”", label),
                                                           action::RemoveLabel{{id}, label}));
  }
  return resource;
}

}  // namespace

Resource message_resource(const MessageSummary& message) {
  const std::string id = message.id.to_string();
  Resource resource =
      Resource{.type = "mail.message", .id = message_resource_id(message.id), .label = message_label(message)}
          .with_action(operation_spec("open", "Open message", operation::RevealMessage{id}))
          .with_action(operation_spec("inspect", "Preview without marking read", operation::InspectMessage{id}))
          .with_action(operation_spec("reply", "Reply", operation::Reply{id}))
          .with_action(operation_spec("reply-all", "Reply all", operation::ReplyAll{id}))
          .with_action(operation_spec("forward", "Forward", operation::Forward{id}));
  resource = with_changes(std::move(resource), message);
  for (std::size_t index = 0; index < message.attachments.size(); ++index) {
    resource = std::move(resource).with_child(attachment_resource(message.id, index, message.attachments[index]));
  }
  return resource;
}

Resource attachment_resource(const message::MessageId& message, std::size_t index,
                             const AttachmentSummary& attachment) {
  ActionSpec save = operation_spec("save", "Save attachment", operation::SaveAttachment{message.to_string(), index})
                        .with_contract(ActionContract{"mail.attachment", {"mail", "attachment", "file-save"}});
  if (!attachment.downloaded) {
    save = std::move(save).unavailable(Unavailable{"not_downloaded", "Attachment content is not downloaded yet"});
  }
  return Resource{.type = "mail.attachment",
                  .id = attachment_resource_id(message, index),
                  .label = fmt::format("{} · {}", attachment.filename, orvo::format::bytes(attachment.size))}
      .with_action(std::move(save));
}

Resource thread_resource(message::FolderKind folder, const ConversationSummary& conversation) {
  const std::string& subject = conversation.messages.back().subject;
  Resource resource{.type = "mail.thread",
                    .id = thread_resource_id(message::identifier(folder), conversation.key),
                    .label = blank(subject)
                                 ? fmt::format("{} messages in this conversation", conversation.messages.size())
                                 : subject};
  for (const MessageSummary& message : conversation.messages) {
    resource = std::move(resource).with_child(message_resource(message));
  }
  return resource;
}

}  // namespace mail::actions
