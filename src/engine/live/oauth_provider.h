#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/engine_request.h"

namespace mail::engine::live {

// The provider that signs in the accounts of the address's domain (the text after the
// last "@", in any case); none for every other domain.
std::optional<OAuthProvider> provider_for_address(std::string_view email);

// The environment variable that holds the provider's OAuth client id.
std::string_view client_id_variable(OAuthProvider provider);

// The client id from its variable, when that is set and not empty.
std::optional<std::string> configured_client_id(OAuthProvider provider);

// Where the provider trades a refresh token for a new access token.
std::string_view public_token_url(OAuthProvider provider);

}  // namespace mail::engine::live
