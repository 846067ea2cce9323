#pragma once

#include <optional>
#include <string_view>

#include "engine/oauth_tokens.h"

namespace mail::engine::live {

// The tokens in a token endpoint's JSON answer, `obtained_at` left at 0 for the caller
// to set; none unless the answer is an object with a non-empty "access_token" string.
// A "refresh_token" or "expires_in" of another type counts as absent.
std::optional<OAuthTokens> read_token_response(std::string_view body);

}  // namespace mail::engine::live
