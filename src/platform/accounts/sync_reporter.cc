#include "platform/accounts/sync_reporter.h"

#include <chrono>

#include "platform/accounts/json_file.h"

namespace orvo::accounts {
namespace {

// Letters, digits, ".", "-", "_" and "@" stay; every other byte becomes %XX, so
// "/" or ".." can never leave the folder.
std::string file_name_for(std::string_view account) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string name;
  for (const char c : account) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
                       byte == '-' || byte == '_' || byte == '@' || (byte == '.' && !name.empty());
    if (plain) {
      name += c;
    } else {
      name += '%';
      name += hex[byte >> 4];
      name += hex[byte & 0xf];
    }
  }
  return name + ".json";
}

std::int64_t seconds_now() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace

std::string_view sync_state_name(SyncState state) {
  switch (state) {
    case SyncState::Started: return "started";
    case SyncState::Succeeded: return "succeeded";
    case SyncState::Offline: return "offline";
    case SyncState::NeedsAuthentication: return "needs_authentication";
    case SyncState::Failed: return "failed";
  }
  return "failed";
}

std::filesystem::path AccountSyncReporter::status_path(std::string_view account) const {
  return folder_ / "sync-status" / file_name_for(account);
}

std::expected<void, std::string> AccountSyncReporter::report(std::string_view account, SyncState state) const {
  const nlohmann::ordered_json status{
      {"account", account}, {"state", sync_state_name(state)}, {"updated_at", seconds_now()}};
  return write_json_file(status_path(account), status, std::filesystem::perms(0644));
}

}  // namespace orvo::accounts
