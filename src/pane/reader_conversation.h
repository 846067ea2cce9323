#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/message_store.h"

namespace mail::pane {

// The messages the reading pane shows together, oldest first; the newest is the last.
using Conversation = std::vector<const message::MessageRecord*>;

// The selected message and every message of its folder with the same normalised
// subject. The reader groups by subject, not by the list's thread references, so
// a reply whose headers were lost still shows beside what it answers. Empty when
// the message is not in the store.
Conversation reader_conversation(const state::MessageStore& store, const message::MessageId& selected);

// The conversation of the selected message, gathered again only when the store or
// the selection changed, so that drawing a frame does not walk a large folder.
class ConversationCache {
 public:
  const Conversation& get(const state::MessageStore& store, const message::MessageId& selected);

 private:
  std::uint64_t revision_ = 0;
  message::MessageId selected_;
  Conversation conversation_;
};

// The line under the subject: "1 message · Inbox", "3 messages · Archive".
std::string conversation_summary(std::size_t count, message::FolderKind folder);

}  // namespace mail::pane
