#pragma once

#include <cstdint>
#include <string>

#include "state/mail_state.h"

namespace mail::state {

// The commands the shortcuts, the context menu and the reading pane share.
enum class MessageCommand : std::uint8_t {
  Reply = 0,
  ReplyAll = 1,
  Forward = 2,
  ToggleRead = 3,
  ToggleStar = 4,
  Archive = 5,
  Delete = 6,  // to Trash, or for good when already there
  MoveToInbox = 7,
  MarkJunk = 8,
};

// Runs the command on one message. Commands that take the message out of the
// list repair the selection. False when the message is gone.
bool run_message_command(MailState& state, MessageCommand command, const MessageId& id);

// "1 message", "3 messages".
std::string messages_phrase(std::size_t count);

}  // namespace mail::state
