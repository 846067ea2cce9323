#include "platform/accounts/config_root.h"

#include <cstdlib>
#include <string_view>

namespace orvo::accounts {
namespace {

std::optional<std::filesystem::path> non_empty_variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || std::string_view(value).empty()) return std::nullopt;
  return std::filesystem::path(value);
}

}  // namespace

std::optional<std::filesystem::path> config_root() {
  if (auto xdg = non_empty_variable("XDG_CONFIG_HOME")) return *xdg / "orvo-mail";
  if (auto home = non_empty_variable("HOME")) return *home / ".config" / "orvo-mail";
  return std::nullopt;
}

}  // namespace orvo::accounts
