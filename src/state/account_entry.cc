#include "state/account_entry.h"

namespace mail::state {

std::string account_label(const AccountEntry& entry) {
  if (!entry.config.display_name.empty()) return entry.config.display_name;
  if (!entry.config.email.empty()) return entry.config.email;
  return "New account";
}

}  // namespace mail::state
