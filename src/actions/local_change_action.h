#pragma once

#include "actions/mail_action.h"
#include "state/local_change.h"

namespace mail::actions {

// The change a local-first mutation records: read and starred changes with their new
// value, moves with the destination's key, purges as they are, naming every message
// the command changed so that a bulk command is one action.
MailAction to_mail_action(const state::LocalChange& change);

}  // namespace mail::actions
