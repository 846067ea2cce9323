#pragma once

#include <optional>
#include <string_view>

#include "platform/actions/resource.h"
#include "state/mail_state.h"

namespace mail::actions {

// Builds just the resource at a "mail.message:", "mail.attachment:" or "mail.thread:"
// id from the state as it is now, for links to mail the tree leaves out (a message
// of another folder, an old conversation). None for other ids, and for ids that name
// nothing loaded.
std::optional<orvo::actions::Resource> resolve_mail_resource(const state::MailState& state, std::string_view id);

}  // namespace mail::actions
