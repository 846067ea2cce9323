#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "message/message_id.h"

namespace mail::actions {

// The ids under which mail is published; other programs keep them in links.
inline constexpr std::string_view mailbox_resource_id = "mail.mailbox";
inline constexpr std::string_view accounts_resource_id = "mail.accounts";
inline constexpr std::string_view current_draft_resource_id = "mail.draft:current";
inline constexpr std::string_view account_prefix = "mail.account:";
inline constexpr std::string_view folder_prefix = "mail.folder:";
inline constexpr std::string_view thread_prefix = "mail.thread:";
inline constexpr std::string_view message_prefix = "mail.message:";
inline constexpr std::string_view attachment_prefix = "mail.attachment:";

std::string account_resource_id(std::string_view account_id);
std::string folder_resource_id(std::string_view folder_key);
std::string thread_resource_id(std::string_view folder_key, std::string_view conversation_key);
std::string message_resource_id(const message::MessageId& id);
std::string attachment_resource_id(const message::MessageId& id, std::size_t index);

}  // namespace mail::actions
