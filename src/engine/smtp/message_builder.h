#pragma once

#include <expected>
#include <string>

#include "engine/account_config.h"
#include "message/contact.h"
#include "message/draft_data.h"
#include "platform/storage/blob_store.h"

namespace mail::engine::smtp {

// Who the account's messages are from: its address, named only when the account's
// display name is not blank.
message::Contact sender_of(const AccountConfig& account);

// The complete message as it is submitted: 7-bit ASCII in CRLF lines, with a fresh
// Date and Message-ID, the text (and HTML) body, then the attachments in their order
// and the invitation. The Bcc recipients are left out of it: naming them in a copy
// that every recipient receives would disclose them to the others.
std::expected<std::string, std::string> build_message(const message::Contact& sender, const message::DraftData& draft,
                                                      const orvo::storage::BlobStore& store);

}  // namespace mail::engine::smtp
