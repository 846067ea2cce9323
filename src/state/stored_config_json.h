#pragma once

#include <nlohmann/json.hpp>

#include <expected>
#include <string>

#include "engine/account_config.h"

namespace mail::state {

// The settings object kept in the shared account store: the server settings and
// the account's collapsed flag, never the password.
struct StoredSettings {
  engine::StoredConfig config;
  bool collapsed = false;
};

nlohmann::ordered_json settings_to_json(const engine::StoredConfig& config, bool collapsed);
std::expected<StoredSettings, std::string> settings_from_json(const nlohmann::ordered_json& json);

}  // namespace mail::state
