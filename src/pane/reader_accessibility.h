#pragma once

#include "platform/ui/access_node.h"
#include "state/mail_state.h"

namespace mail::pane {

// The reading pane as assistive technology sees it: the selection notice, the message
// being read with one action per toolbar command and per attachment, or nothing.
// Action ids are "mail.reader:" with the message id and the command.
orvo::ui::AccessNode reader_accessibility(const state::MailState& state);

}  // namespace mail::pane
