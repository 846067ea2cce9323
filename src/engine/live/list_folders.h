#pragma once

#include <expected>
#include <string>
#include <vector>

#include "engine/live/imap_session.h"

namespace mail::engine::live {

// Every mailbox name of the account, in the order the server lists them.
std::expected<std::vector<std::string>, std::string> list_folders(ImapSession& session);

}  // namespace mail::engine::live
