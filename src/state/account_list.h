#pragma once

#include <cstddef>
#include <vector>

#include "platform/accounts/account_store.h"
#include "platform/accounts/secret_vault.h"
#include "state/account_entry.h"

namespace mail::state {

inline constexpr std::string_view mail_account_type = "email";

struct AccountList {
  std::vector<AccountEntry> entries;
  std::size_t active = 0;
};

// Every mail account of the store whose settings can be read, in store order, with
// its password from the vault when there is one. Unreadable accounts are skipped
// with a warning. The active index is the store's active account, else 0.
AccountList load_account_list(const orvo::accounts::AccountStore& store, const orvo::accounts::SecretVault* vault);

}  // namespace mail::state
