#pragma once

#include <cstddef>

#include "actions/mail_snapshot.h"
#include "message/folder_kind.h"
#include "platform/actions/resource.h"

namespace mail::actions {

// A message with what can be done to it, and its attachments as children.
orvo::actions::Resource message_resource(const MessageSummary& message);

orvo::actions::Resource attachment_resource(const message::MessageId& message, std::size_t index,
                                            const AttachmentSummary& attachment);

// A conversation of a folder, holding its messages.
orvo::actions::Resource thread_resource(message::FolderKind folder, const ConversationSummary& conversation);

}  // namespace mail::actions
