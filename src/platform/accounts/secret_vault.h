#pragma once

#include <expected>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/accounts/account_store.h"

namespace orvo::accounts {

// One secret per account id, kept in "vault.json" (mode 0600) in the folder it was
// opened from. A missing file is an empty vault; a damaged one is an error.
class SecretVault {
 public:
  static constexpr std::string_view file_name = "vault.json";

  // From the configuration root; an empty vault that saves nowhere when there is none.
  static std::expected<SecretVault, std::string> open();
  static std::expected<SecretVault, std::string> open_in(const std::filesystem::path& folder);

  [[nodiscard]] std::optional<std::string> get(const AccountId& id) const;
  void put(const AccountId& id, std::string secret);
  void remove(const AccountId& id);

  [[nodiscard]] std::expected<void, std::string> try_save() const;

 private:
  std::optional<std::filesystem::path> folder_;
  std::map<std::string, std::string> secrets_;
};

}  // namespace orvo::accounts
