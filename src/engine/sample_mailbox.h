#pragma once

#include <cstdint>
#include <vector>

#include "engine/account_config.h"

namespace mail::engine {

// The sample mailbox shown by every start scene but the first-run one: no network,
// no access to the user's data.
inline constexpr std::int64_t sample_clock_minutes = 29'713'805;  // Tuesday 2026-06-30 14:05 UTC

// The two sample accounts; the first is the current one. Each account's id is its address.
std::vector<AccountConfig> sample_accounts();

}  // namespace mail::engine
