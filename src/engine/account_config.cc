#include "engine/account_config.h"

#include "message/ascii.h"

namespace mail::engine {

std::string login_name(const StoredConfig& config) {
  const std::string_view name = message::trim_blanks(config.username);
  return name.empty() ? config.email : std::string(name);
}

}  // namespace mail::engine
