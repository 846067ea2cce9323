#include "engine/account_config.h"

namespace mail::engine {

std::string login_name(const StoredConfig& config) {
  const auto first = config.username.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return config.email;
  const auto last = config.username.find_last_not_of(" \t\r\n");
  return config.username.substr(first, last - first + 1);
}

}  // namespace mail::engine
