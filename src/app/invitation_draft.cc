#include "app/invitation_draft.h"

#include <algorithm>

#include "doc/invitation_payload.h"
#include "message/ascii.h"

namespace mail::app {
namespace {

constexpr std::size_t longest_recipient = 8192;
constexpr std::size_t longest_subject = 998;
constexpr std::size_t longest_message = 262'144;

// U+0000–U+001F, U+007F and the C1 controls U+0080–U+009F (0xC2 0x80–0x9F in UTF-8).
bool has_control_character(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7f) return true;
    if (byte == 0xc2 && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0x9f) return true;
    }
  }
  return false;
}

}  // namespace

std::expected<message::DraftData, std::string> invitation_draft(
    const actions::operation::PrepareCalendarInvitation& invitation) {
  const std::string_view to = message::trim_blanks(invitation.to);
  if (to.size() > longest_recipient || to.find('@') == std::string_view::npos || has_control_character(to)) {
    return std::unexpected("invitation recipient is invalid");
  }
  const std::string_view subject = message::trim_blanks(invitation.subject);
  if (subject.empty() || subject.size() > longest_subject || has_control_character(subject)) {
    return std::unexpected("invitation subject is invalid");
  }
  if (invitation.body.size() > longest_message || invitation.body.find('\0') != std::string::npos) {
    return std::unexpected("invitation message is too large or invalid");
  }
  if (!doc::is_invitation_payload(invitation.calendar_ics)) {
    return std::unexpected("calendar invitation is not a bounded METHOD:REQUEST VCALENDAR");
  }
  return message::DraftData{.to = std::string(to),
                            .subject = std::string(subject),
                            .body = invitation.body,
                            .calendar_ics = invitation.calendar_ics};
}

}  // namespace mail::app
