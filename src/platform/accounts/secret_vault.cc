#include "platform/accounts/secret_vault.h"

#include "platform/accounts/config_root.h"
#include "platform/accounts/json_file.h"

namespace orvo::accounts {

std::expected<SecretVault, std::string> SecretVault::open() {
  const auto root = config_root();
  if (!root) return SecretVault();
  return open_in(*root);
}

std::expected<SecretVault, std::string> SecretVault::open_in(const std::filesystem::path& folder) {
  auto document = read_json_file(folder / file_name);
  if (!document) return std::unexpected(document.error());
  SecretVault vault;
  vault.folder_ = folder;
  if (!*document) return vault;
  try {
    for (const auto& [id, secret] : (*document)->at("secrets").items()) {
      vault.secrets_.emplace(id, secret.get<std::string>());
    }
  } catch (const nlohmann::ordered_json::exception& error) {
    return std::unexpected("the secret vault is damaged: " + std::string(error.what()));
  }
  return vault;
}

std::optional<std::string> SecretVault::get(const AccountId& id) const {
  const auto found = secrets_.find(id.value);
  if (found == secrets_.end()) return std::nullopt;
  return found->second;
}

void SecretVault::put(const AccountId& id, std::string secret) { secrets_[id.value] = std::move(secret); }

void SecretVault::remove(const AccountId& id) { secrets_.erase(id.value); }

std::expected<void, std::string> SecretVault::try_save() const {
  if (!folder_) return {};
  nlohmann::ordered_json secrets = nlohmann::ordered_json::object();
  for (const auto& [id, secret] : secrets_) secrets[id] = secret;
  return write_json_file(*folder_ / file_name, {{"secrets", secrets}},
                         std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

}  // namespace orvo::accounts
