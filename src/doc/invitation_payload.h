#pragma once

#include <string_view>

namespace mail::doc {

// Whether a calendar payload is an invitation that may go out as it is: at most
// 256 KiB without NUL bytes, opening with a "BEGIN:VCALENDAR" line and closing with
// an "END:VCALENDAR" line (CRLF line ends), holding a "METHOD:REQUEST" line and
// "BEGIN:VEVENT" exactly once. Only the frame is checked, never the content.
bool is_invitation_payload(std::string_view payload);

}  // namespace mail::doc
