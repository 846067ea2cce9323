#pragma once

#include <nlohmann/json.hpp>

#include <expected>
#include <string>
#include <string_view>

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
// The same from the object's text, where a key given twice can still be seen and
// makes the object unreadable.
std::expected<StoredSettings, std::string> settings_from_text(std::string_view text);

}  // namespace mail::state
