#include "platform/accounts/account_store.h"

#include "platform/accounts/config_root.h"
#include "platform/accounts/json_file.h"

#include <algorithm>

namespace orvo::accounts {
namespace {

using Json = nlohmann::ordered_json;

Json account_to_json(const Account& account) {
  return Json{{"id", account.id.value},
              {"type", account.type.value},
              {"label", account.label},
              {"settings", account.settings},
              {"disabled", account.disabled}};
}

Account account_from_json(const Json& json) {
  return Account{.id = {json.at("id").get<std::string>()},
                 .type = {json.at("type").get<std::string>()},
                 .label = json.value("label", std::string()),
                 .settings = json.at("settings"),
                 .disabled = json.value("disabled", false)};
}

}  // namespace

std::expected<AccountStore, std::string> AccountStore::load() {
  const auto root = config_root();
  if (!root) return AccountStore();
  return load_in(*root);
}

std::expected<AccountStore, std::string> AccountStore::load_in(const std::filesystem::path& folder) {
  auto document = read_json_file(folder / file_name);
  if (!document) return std::unexpected(document.error());
  AccountStore store;
  if (!*document) return store;
  try {
    const Json& json = **document;
    for (const Json& entry : json.at("accounts")) store.accounts_.push_back(account_from_json(entry));
    if (const auto active = json.find("active"); active != json.end()) {
      for (const auto& [type, id] : active->items()) store.active_.push_back({{type}, {id.get<std::string>()}});
    }
  } catch (const Json::exception& error) {
    return std::unexpected("the account store is damaged: " + std::string(error.what()));
  }
  return store;
}

std::vector<Account> AccountStore::list(const AccountTypeId& type) const {
  std::vector<Account> matching;
  std::ranges::copy_if(accounts_, std::back_inserter(matching), [&](const Account& a) { return a.type == type; });
  return matching;
}

std::optional<AccountId> AccountStore::active_id(const AccountTypeId& type) const {
  const auto found = std::ranges::find(active_, type, &ActiveChoice::type);
  if (found == active_.end()) return std::nullopt;
  return found->id;
}

void AccountStore::upsert(Account account) {
  const auto found = std::ranges::find(accounts_, account.id, &Account::id);
  if (found != accounts_.end()) {
    *found = std::move(account);
  } else {
    accounts_.push_back(std::move(account));
  }
}

void AccountStore::remove(const AccountId& id) {
  std::erase_if(accounts_, [&](const Account& a) { return a.id == id; });
  std::erase_if(active_, [&](const ActiveChoice& choice) { return choice.id == id; });
}

void AccountStore::set_active(const AccountTypeId& type, const AccountId& id) {
  std::erase_if(active_, [&](const ActiveChoice& choice) { return choice.type == type; });
  active_.push_back({type, id});
}

std::expected<void, std::string> AccountStore::save_in(const std::filesystem::path& folder) const {
  Json accounts = Json::array();
  for (const Account& account : accounts_) accounts.push_back(account_to_json(account));
  Json active = Json::object();
  for (const ActiveChoice& choice : active_) active[choice.type.value] = choice.id.value;
  return write_json_file(folder / file_name, Json{{"accounts", accounts}, {"active", active}},
                         std::filesystem::perms(0644));
}

}  // namespace orvo::accounts
