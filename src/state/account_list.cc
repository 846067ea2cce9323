#include "state/account_list.h"

#include <algorithm>

#include "platform/log/log.h"
#include "state/stored_config_json.h"

namespace mail::state {

AccountList load_account_list(const orvo::accounts::AccountStore& store, const orvo::accounts::SecretVault* vault) {
  const auto type = orvo::accounts::AccountTypeId::from(mail_account_type);
  AccountList list;
  for (const orvo::accounts::Account& account : store.list(type)) {
    auto settings = settings_from_json(account.settings);
    if (!settings) {
      orvo::log::warn("mail::app", "mail: skipping an account whose settings cannot be read",
                      {{"account", account.id.display()}, {"error", settings.error()}});
      continue;
    }
    AccountEntry entry{.id = account.id.value,
                       .config = std::move(settings->config),
                       .collapsed = settings->collapsed,
                       .disabled = account.disabled};
    if (vault != nullptr) entry.config.password = vault->get(account.id).value_or("");
    list.entries.push_back(std::move(entry));
  }
  if (const auto active = store.active_id(type)) {
    const auto found = std::ranges::find(list.entries, active->value, &AccountEntry::id);
    if (found != list.entries.end()) list.active = static_cast<std::size_t>(found - list.entries.begin());
  }
  return list;
}

}  // namespace mail::state
