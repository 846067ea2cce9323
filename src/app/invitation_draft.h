#pragma once

#include <expected>
#include <string>

#include "actions/mail_operation.h"
#include "message/draft_data.h"

namespace mail::app {

// The draft another program hands over as a meeting invitation, or why it cannot be
// taken: every piece is checked against fixed bounds before anything is stored.
std::expected<message::DraftData, std::string> invitation_draft(
    const actions::operation::PrepareCalendarInvitation& invitation);

}  // namespace mail::app
