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

namespace {

orvo::accounts::Account store_record(const AccountEntry& entry) {
  return {.id = {entry.id},
          .type = orvo::accounts::AccountTypeId::from(mail_account_type),
          .label = account_label(entry),
          .settings = settings_to_json(entry.config, entry.collapsed),
          .disabled = entry.disabled};
}

// An OAuth account's vault entry holds its tokens, which the list does not carry.
void keep_secret(orvo::accounts::SecretVault& vault, const AccountEntry& entry) {
  if (!entry.config.password.empty()) {
    vault.put({entry.id}, entry.config.password);
  } else if (entry.config.auth != engine::AuthKind::OAuth) {
    vault.remove({entry.id});
  }
}

}  // namespace

std::expected<void, std::string> save_account_list(const std::optional<std::filesystem::path>& folder,
                                                   const AccountList& list) {
  if (!folder) return {};
  auto store = orvo::accounts::AccountStore::load_in(*folder);
  if (!store) return std::unexpected(store.error());
  auto vault = orvo::accounts::SecretVault::open_in(*folder);
  if (!vault) return std::unexpected(vault.error());
  const auto type = orvo::accounts::AccountTypeId::from(mail_account_type);
  for (const orvo::accounts::Account& account : store->list(type)) {
    if (std::ranges::find(list.entries, account.id.value, &AccountEntry::id) != list.entries.end()) continue;
    store->remove(account.id);
    vault->remove(account.id);
  }
  for (const AccountEntry& entry : list.entries) {
    store->upsert(store_record(entry));
    keep_secret(*vault, entry);
  }
  if (list.active < list.entries.size()) store->set_active(type, {list.entries[list.active].id});
  if (auto saved = vault->try_save(); !saved) return saved;
  return store->save_in(*folder);
}

}  // namespace mail::state
