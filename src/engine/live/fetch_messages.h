#pragma once

#include <expected>
#include <string>
#include <vector>

#include "engine/live/imap_session.h"
#include "message/folder_kind.h"
#include "message/message_record.h"

namespace mail::engine::live {

// The newest messages of `folder` — the 50 with the highest UIDs — as records, in the
// order the server sends them, without marking any read. A message the server keeps no
// date for is dated by its Date header, else by `sync_start`; one that is not a message
// at all is left out. Any error fails the whole fetch: a partial list would read as
// messages deleted on the server.
std::expected<std::vector<message::MessageRecord>, std::string> fetch_messages(ImapSession& session,
                                                                               message::FolderKind folder,
                                                                               message::Minutes sync_start);

}  // namespace mail::engine::live
