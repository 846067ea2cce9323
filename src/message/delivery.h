#pragma once

#include "message/folder_kind.h"
#include "message/message_record.h"

namespace mail::message {

// What the caller knows of a message besides its bytes: where the server keeps it, its
// flags there, and the minute it is listed under (see message_date).
struct Delivery {
  FolderKind folder = FolderKind::Inbox;
  bool read = false;
  bool starred = false;
  Minutes date = 0;
};

}  // namespace mail::message
