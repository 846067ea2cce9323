#pragma once

#include <string_view>

#include "platform/accounts/sync_reporter.h"

namespace mail::app {

// A failed request asks the user to sign in again when its text speaks of
// authentication, logins, passwords, OAuth or credentials; otherwise it just failed.
orvo::accounts::SyncState sync_state_for_failure(std::string_view error);

}  // namespace mail::app
