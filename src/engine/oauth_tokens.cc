#include "engine/oauth_tokens.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <type_traits>
#include <vector>

namespace mail::engine {
namespace {

using Json = nlohmann::ordered_json;

std::uint64_t saturating_add(std::uint64_t a, std::uint64_t b) {
  return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max() : a + b;
}

// nlohmann keeps the last of two equal keys without a word; the parser callback sees
// every key as it is read, one set of names per open object.
std::expected<Json, std::string> parse_without_repeated_keys(std::string_view text) {
  std::vector<std::set<std::string>> open_objects;
  std::optional<std::string> repeated;
  const auto watch = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) open_objects.emplace_back();
    if (event == Json::parse_event_t::object_end) open_objects.pop_back();
    if (event == Json::parse_event_t::key && !open_objects.back().insert(parsed.get<std::string>()).second) {
      repeated = repeated.value_or(parsed.get<std::string>());
    }
    return true;
  };
  Json json = Json::parse(text, watch, /*allow_exceptions=*/false);
  if (json.is_discarded()) return std::unexpected("not JSON");
  if (repeated) return std::unexpected("the key \"" + *repeated + "\" is given twice");
  return json;
}

template <class T>
bool has_type(const Json& value) {
  if constexpr (std::is_same_v<T, std::string>) {
    return value.is_string();
  } else {
    return value.is_number_unsigned();
  }
}

// An absent key leaves `into` at its default.
template <class T>
std::expected<void, std::string> read_field(const Json& object, const char* key, T& into) {
  const auto found = object.find(key);
  if (found == object.end()) return {};
  if (!has_type<T>(*found)) return std::unexpected(std::string(key) + " has the wrong type");
  into = found->template get<T>();
  return {};
}

}  // namespace

std::string to_json(const OAuthTokens& tokens) {
  return Json{{"access_token", tokens.access_token},
              {"refresh_token", tokens.refresh_token},
              {"expires_in", tokens.expires_in},
              {"obtained_at", tokens.obtained_at}}
      .dump();
}

std::expected<OAuthTokens, std::string> oauth_tokens_from_json(std::string_view text) {
  const auto json = parse_without_repeated_keys(text);
  if (!json) return std::unexpected(json.error());
  if (!json->is_object()) return std::unexpected("not a JSON object");
  if (!json->contains("access_token")) return std::unexpected("access_token is missing");
  OAuthTokens tokens;
  const std::expected<void, std::string> reads[] = {
      read_field(*json, "access_token", tokens.access_token), read_field(*json, "refresh_token", tokens.refresh_token),
      read_field(*json, "expires_in", tokens.expires_in), read_field(*json, "obtained_at", tokens.obtained_at)};
  for (const auto& read : reads) {
    if (!read) return std::unexpected(read.error());
  }
  return tokens;
}

bool is_expired(const OAuthTokens& tokens, std::uint64_t now) {
  constexpr std::uint64_t margin = 60;
  return tokens.expires_in == 0 || saturating_add(now, margin) >= saturating_add(tokens.obtained_at, tokens.expires_in);
}

std::uint64_t unix_seconds(std::chrono::system_clock::time_point time) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
  return seconds < 0 ? 0 : static_cast<std::uint64_t>(seconds);
}

}  // namespace mail::engine
