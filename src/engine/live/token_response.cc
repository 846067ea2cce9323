#include "engine/live/token_response.h"

#include <nlohmann/json.hpp>

namespace mail::engine::live {

std::optional<OAuthTokens> read_token_response(std::string_view body) {
  const auto json = nlohmann::json::parse(body, nullptr, /*allow_exceptions=*/false);
  if (!json.is_object()) return std::nullopt;
  const auto access_token = json.find("access_token");
  if (access_token == json.end() || !access_token->is_string() || access_token->get<std::string>().empty()) {
    return std::nullopt;
  }
  OAuthTokens tokens{.access_token = access_token->get<std::string>()};
  if (const auto refresh = json.find("refresh_token"); refresh != json.end() && refresh->is_string()) {
    tokens.refresh_token = refresh->get<std::string>();
  }
  if (const auto lifetime = json.find("expires_in"); lifetime != json.end() && lifetime->is_number_unsigned()) {
    tokens.expires_in = lifetime->get<std::uint64_t>();
  }
  return tokens;
}

}  // namespace mail::engine::live
