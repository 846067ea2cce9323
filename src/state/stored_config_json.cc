#include "state/stored_config_json.h"

#include <limits>

#include "platform/json/strict_json.h"

namespace mail::state {
namespace {

using Json = nlohmann::ordered_json;

std::string_view auth_name(engine::AuthKind auth) { return auth == engine::AuthKind::OAuth ? "OAuth" : "Password"; }

std::expected<const Json*, std::string> required(const Json& json, const char* key) {
  const auto found = json.find(key);
  if (found == json.end()) return std::unexpected(std::string("missing \"") + key + "\"");
  return &*found;
}

std::expected<std::string, std::string> text(const Json& json, const char* key) {
  auto value = required(json, key);
  if (!value) return std::unexpected(value.error());
  if (!(*value)->is_string()) return std::unexpected(std::string("\"") + key + "\" must be a string");
  return (*value)->get<std::string>();
}

std::expected<bool, std::string> flag(const Json& json, const char* key) {
  auto value = required(json, key);
  if (!value) return std::unexpected(value.error());
  if (!(*value)->is_boolean()) return std::unexpected(std::string("\"") + key + "\" must be true or false");
  return (*value)->get<bool>();
}

std::expected<std::uint16_t, std::string> port(const Json& json, const char* key) {
  auto value = required(json, key);
  if (!value) return std::unexpected(value.error());
  if (!(*value)->is_number_unsigned() || (*value)->get<std::uint64_t>() > std::numeric_limits<std::uint16_t>::max()) {
    return std::unexpected(std::string("\"") + key + "\" must be a port number");
  }
  return static_cast<std::uint16_t>((*value)->get<std::uint64_t>());
}

}  // namespace

Json settings_to_json(const engine::StoredConfig& config, bool collapsed) {
  return Json{{"display_name", config.display_name}, {"email", config.email},
              {"imap_host", config.imap_host},       {"imap_port", config.imap_port},
              {"imap_tls", config.imap_tls},         {"smtp_host", config.smtp_host},
              {"smtp_port", config.smtp_port},       {"smtp_tls", config.smtp_tls},
              {"username", config.username},         {"auth", auth_name(config.auth)},
              {"collapsed", collapsed}};
}

std::expected<StoredSettings, std::string> settings_from_json(const Json& json) {
  if (!json.is_object()) return std::unexpected("account settings must be an object");
  StoredSettings settings;
  engine::StoredConfig& config = settings.config;
  std::string problem;
  auto take = [&](auto result, auto& field) {
    if (!result) {
      if (problem.empty()) problem = result.error();
    } else {
      field = *result;
    }
  };
  take(text(json, "display_name"), config.display_name);
  take(text(json, "email"), config.email);
  take(text(json, "imap_host"), config.imap_host);
  take(port(json, "imap_port"), config.imap_port);
  take(flag(json, "imap_tls"), config.imap_tls);
  take(text(json, "smtp_host"), config.smtp_host);
  take(port(json, "smtp_port"), config.smtp_port);
  take(flag(json, "smtp_tls"), config.smtp_tls);
  take(text(json, "username"), config.username);
  if (json.contains("auth")) {
    std::string auth;
    take(text(json, "auth"), auth);
    if (auth == "OAuth") config.auth = engine::AuthKind::OAuth;
    else if (auth != "Password" && problem.empty()) problem = "\"auth\" must be \"Password\" or \"OAuth\"";
  }
  if (json.contains("collapsed")) take(flag(json, "collapsed"), settings.collapsed);
  if (!problem.empty()) return std::unexpected(problem);
  return settings;
}

std::expected<StoredSettings, std::string> settings_from_text(std::string_view text) {
  const auto json = orvo::json::parse_strict(text);
  if (!json) return std::unexpected(json.error());
  return settings_from_json(*json);
}

}  // namespace mail::state
