#pragma once

#include <cstdint>
#include <expected>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvo::accounts {

enum class SyncState : std::uint8_t { Started, Succeeded, Offline, NeedsAuthentication, Failed };

std::string_view sync_state_name(SyncState state);

// Records how each account's last synchronisation went, for other programs to
// show: one small JSON file per account under "sync-status" in the configuration
// folder, replaced atomically.
class AccountSyncReporter {
 public:
  explicit AccountSyncReporter(std::filesystem::path config_folder) : folder_(std::move(config_folder)) {}

  std::expected<void, std::string> started(std::string_view account) const { return report(account, SyncState::Started); }
  std::expected<void, std::string> succeeded(std::string_view account) const {
    return report(account, SyncState::Succeeded);
  }
  std::expected<void, std::string> offline(std::string_view account) const { return report(account, SyncState::Offline); }
  std::expected<void, std::string> needs_authentication(std::string_view account) const {
    return report(account, SyncState::NeedsAuthentication);
  }
  std::expected<void, std::string> failed(std::string_view account) const { return report(account, SyncState::Failed); }

  std::expected<void, std::string> report(std::string_view account, SyncState state) const;

  // Where an account's status is kept; the address is encoded so that any text is
  // a safe file name.
  [[nodiscard]] std::filesystem::path status_path(std::string_view account) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace orvo::accounts
