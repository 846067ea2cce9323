#pragma once

#include <filesystem>
#include <optional>

namespace orvo::accounts {

// The program's configuration folder: $XDG_CONFIG_HOME/orvo-mail, else
// ~/.config/orvo-mail; none when neither variable is set (then nothing is saved).
std::optional<std::filesystem::path> config_root();

}  // namespace orvo::accounts
