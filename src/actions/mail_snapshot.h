#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "actions/conversations.h"
#include "doc/user_folders.h"
#include "message/folder_kind.h"
#include "message/message_record.h"
#include "platform/storage/document.h"
#include "state/mail_state.h"

namespace mail::actions {

struct AttachmentSummary {
  std::string filename;
  std::uint64_t size = 0;
  bool downloaded = false;
};

// What the published actions need of one message.
struct MessageSummary {
  message::MessageId id;
  std::string subject;
  bool read = false;
  bool starred = false;
  message::FolderKind folder = message::FolderKind::Inbox;
  std::vector<std::string> labels;
  std::vector<AttachmentSummary> attachments;
};

struct ConversationSummary {
  std::string key;
  std::vector<MessageSummary> messages;  // newest first
};

AttachmentSummary summarize(const message::AttachmentRecord& attachment);
MessageSummary summarize(const message::MessageRecord& record);
ConversationSummary summarize(const Conversation& conversation);

struct AccountSummary {
  std::string id;
  std::string label;
  bool active = false;
};

// The mail as the resource tree shows it, taken when the framework asks.
struct MailSnapshot {
  std::string address;  // the active account's address, or "Mailbox"
  std::vector<AccountSummary> accounts;
  message::FolderKind current_folder = message::FolderKind::Inbox;
  std::vector<ConversationSummary> conversations;  // of the current folder's newest messages
  std::vector<doc::UserFolder> folders;
  bool draft_has_content = false;
  bool connected = false;  // an engine runs for an account with an address
};

// The address that stands for a mailbox without an account address.
inline constexpr std::string_view placeholder_address = "Mailbox";
// How many of the current folder's messages the tree lists.
inline constexpr std::size_t snapshot_message_limit = 100;

// Mail is connected while an engine runs for an account that has an address.
bool is_connected(const state::MailState& state, bool engine_running);

MailSnapshot take_snapshot(const state::MailState& state, const orvo::storage::Document& document, bool engine_running);

}  // namespace mail::actions
