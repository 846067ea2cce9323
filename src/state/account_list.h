#pragma once

#include <cstddef>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>
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

// Writes the list to the account store and vault in `folder`: accounts of the mail
// type that left the list go, every entry is written with its settings (never its
// password, which goes to the vault), and the active entry becomes the store's
// active account. The vault is saved first, then the store; the first error is the
// result. Without a folder nothing is written.
std::expected<void, std::string> save_account_list(const std::optional<std::filesystem::path>& folder,
                                                   const AccountList& list);

}  // namespace mail::state
