#pragma once

#include <expected>
#include <string>

#include "engine/live/imap_session.h"
#include "message/folder_kind.h"
#include "message/message_record.h"

namespace mail::engine::live {

// Each finds `record` in the mailbox of its folder (INBOX for Starred) by its
// Message-ID and changes that one message. A step that fails leaves the steps before
// it done.

// Makes the server's \Seen and \Flagged equal the record's read and starred state.
// Both are always stored, so the server ends up exactly as the record says.
std::expected<void, std::string> set_flags(ImapSession& session, const message::MessageRecord& record);

// There is no fallback to copying and deleting: a server without MOVE refuses.
std::expected<void, std::string> move_message(ImapSession& session, const message::MessageRecord& record,
                                              message::FolderKind destination);

// Deletes the message for good with the UID-restricted EXPUNGE, which spares every
// other message marked \Deleted. A server without it is refused a plain EXPUNGE too,
// and the message stays there marked \Deleted.
std::expected<void, std::string> purge_message(ImapSession& session, const message::MessageRecord& record);

}  // namespace mail::engine::live
