#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/message_store.h"

namespace mail::pane {

// The messages the reading pane shows together, oldest first; the newest is the last.
using Conversation = std::vector<const message::MessageRecord*>;

// A subject without the blanks around it and without its leading reply and forward
// prefixes, so that "Plans" and "Re: Fwd: Plans" read as one topic.
std::string normalized_subject(std::string_view subject);

// The selected message and every message of its folder with the same normalised
// subject. The reader groups by subject, not by the list's thread references, so
// a reply whose headers were lost still shows beside what it answers. Empty when
// the message is not in the store.
Conversation reader_conversation(const state::MessageStore& store, const message::MessageId& selected);

// The line under the subject: "1 message · Inbox", "3 messages · Archive".
std::string conversation_summary(std::size_t count, message::FolderKind folder);

}  // namespace mail::pane
