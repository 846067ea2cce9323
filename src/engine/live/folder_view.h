#pragma once

#include <string_view>

#include "engine/imap/command_writer.h"
#include "message/folder_kind.h"

namespace mail::engine::live {

// What a folder of the window is on the server: a mailbox and the messages of it that
// the folder shows. The names are fixed; the server's own folder roles are not asked.
struct FolderView {
  std::string_view mailbox;
  imap::SearchKey criterion = imap::SearchKey::all;
};

// Starred is the flagged part of INBOX, not a mailbox of its own.
FolderView folder_view(message::FolderKind folder);

}  // namespace mail::engine::live
