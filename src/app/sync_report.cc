#include "app/sync_report.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace mail::app {

orvo::accounts::SyncState sync_state_for_failure(std::string_view error) {
  std::string lowered(error);
  std::ranges::transform(lowered, lowered.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (std::string_view word : {"auth", "login", "password", "oauth", "credential"}) {
    if (lowered.find(word) != std::string::npos) return orvo::accounts::SyncState::NeedsAuthentication;
  }
  return orvo::accounts::SyncState::Failed;
}

}  // namespace mail::app
