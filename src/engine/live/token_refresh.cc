#include "engine/live/token_refresh.h"

#include "engine/live/token_response.h"

namespace mail::engine::live {

std::expected<OAuthTokens, std::string> refresh_tokens(TokenEndpoint& endpoint, OAuthProvider provider,
                                                       std::string_view client_id, const OAuthTokens& expired,
                                                       std::uint64_t now) {
  const auto answer = endpoint.post(provider, {{"grant_type", "refresh_token"},
                                               {"client_id", std::string(client_id)},
                                               {"refresh_token", expired.refresh_token}});
  if (!answer) return std::unexpected(answer.error());
  auto fresh = read_token_response(*answer);
  if (!fresh) return std::unexpected("token refresh rejected: " + *answer);
  if (fresh->refresh_token.empty()) fresh->refresh_token = expired.refresh_token;
  fresh->obtained_at = now;
  return std::move(*fresh);
}

}  // namespace mail::engine::live
