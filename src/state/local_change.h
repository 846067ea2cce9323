#pragma once

#include <cstdint>
#include <vector>

#include "message/folder_kind.h"
#include "message/message_id.h"

namespace mail::state {

// A change the user made to mail: applied to the store at once, then carried to
// the server. One change may cover many messages (a bulk command).
struct LocalChange {
  enum class Kind : std::uint8_t { SetRead, SetStarred, Move, Purge };

  Kind kind = Kind::SetRead;
  std::vector<message::MessageId> ids;
  bool value = false;                                       // SetRead, SetStarred
  message::FolderKind destination = message::FolderKind::Inbox;  // Move
};

}  // namespace mail::state
