#pragma once

#include <nlohmann/json.hpp>

#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::accounts {

struct AccountTypeId {
  std::string value;
  static AccountTypeId from(std::string_view name) { return {std::string(name)}; }
  friend bool operator==(const AccountTypeId&, const AccountTypeId&) = default;
};

struct AccountId {
  std::string value;
  [[nodiscard]] const std::string& display() const { return value; }
  friend bool operator==(const AccountId&, const AccountId&) = default;
};

// One account as the shared store keeps it. `settings` belongs to the program that
// owns the account type; `disabled` is the store's own flag and is kept as found.
struct Account {
  AccountId id;
  AccountTypeId type;
  std::string label;
  nlohmann::ordered_json settings = nlohmann::ordered_json::object();
  bool disabled = false;
};

// The shared account store: "accounts.json" in a folder. A missing file is an empty
// store; a file that cannot be read is an error, so nobody overwrites it unknowingly.
class AccountStore {
 public:
  static constexpr std::string_view file_name = "accounts.json";

  // From the configuration root; empty when there is none.
  static std::expected<AccountStore, std::string> load();
  static std::expected<AccountStore, std::string> load_in(const std::filesystem::path& folder);

  [[nodiscard]] std::vector<Account> list(const AccountTypeId& type) const;
  [[nodiscard]] std::optional<AccountId> active_id(const AccountTypeId& type) const;

  void upsert(Account account);
  void remove(const AccountId& id);
  void set_active(const AccountTypeId& type, const AccountId& id);

  [[nodiscard]] std::expected<void, std::string> save_in(const std::filesystem::path& folder) const;

 private:
  struct ActiveChoice {
    AccountTypeId type;
    AccountId id;
  };

  std::vector<Account> accounts_;
  std::vector<ActiveChoice> active_;
};

}  // namespace orvo::accounts
