#pragma once

#include <string>

#include "engine/account_config.h"

namespace mail::state {

// One configured account. `disabled` belongs to the shared account store and is
// written back exactly as it was read.
struct AccountEntry {
  std::string id;
  engine::StoredConfig config;
  bool collapsed = false;
  bool disabled = false;
};

// The display name, else the address, else "New account".
std::string account_label(const AccountEntry& entry);

}  // namespace mail::state
