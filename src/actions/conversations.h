#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "message/message_record.h"
#include "state/message_store.h"

namespace mail::actions {

// One conversation of a folder under the thread key the message list groups by, its
// messages newest first.
struct Conversation {
  std::string key;
  std::vector<const message::MessageRecord*> messages;
};

// The folder's newest `message_limit` messages grouped into conversations, newest
// conversation first. Keys are found over the whole folder, so a conversation keeps
// its key when older messages of it fall outside the limit. Records stay valid until
// the store changes.
std::vector<Conversation> keyed_conversations(const state::MessageStore& store, message::FolderKind folder,
                                              std::size_t message_limit);

}  // namespace mail::actions
