#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

#include "engine/live/token_endpoint.h"
#include "engine/oauth_tokens.h"

namespace mail::engine::live {

// Trades the refresh token of `expired` for a new access token, received at `now`.
// When the provider sends no new refresh token the old one stays in use.
std::expected<OAuthTokens, std::string> refresh_tokens(TokenEndpoint& endpoint, OAuthProvider provider,
                                                       std::string_view client_id, const OAuthTokens& expired,
                                                       std::uint64_t now);

}  // namespace mail::engine::live
