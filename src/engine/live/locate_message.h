#pragma once

#include <cstdint>
#include <expected>
#include <string>

#include "engine/live/imap_session.h"
#include "message/message_record.h"

namespace mail::engine::live {

// The UID of `record` in the selected mailbox, found by its Message-ID since records
// carry no UID. Of several copies the newest, with the highest UID, is the one meant.
std::expected<std::uint32_t, std::string> locate_message(ImapSession& session, const message::MessageRecord& record);

}  // namespace mail::engine::live
