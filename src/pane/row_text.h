#pragma once

#include <string>
#include <string_view>

#include "message/message_record.h"

namespace mail::pane {

// `text` on one line: every run of white space becomes one blank, none at either
// end. Stops after about `limit` bytes, on a character boundary.
std::string one_line(std::string_view text, std::size_t limit);

// What a list row shows of a message.
std::string sender_text(const message::Contact& sender);
std::string subject_text(const message::MessageRecord& message);
std::string snippet_text(const message::MessageRecord& message);

}  // namespace mail::pane
