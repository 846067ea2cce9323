#pragma once

#include <chrono>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

namespace mail::engine {

// What the secret vault holds for an account that signs in with OAuth.
struct OAuthTokens {
  std::string access_token;
  std::string refresh_token;      // may be empty
  std::uint64_t expires_in = 0;   // seconds, as the provider gave it; 0 when it gave none
  std::uint64_t obtained_at = 0;  // seconds since 1970-01-01 UTC

  friend bool operator==(const OAuthTokens&, const OAuthTokens&) = default;
};

// Compact JSON with the keys in the order of the struct.
std::string to_json(const OAuthTokens& tokens);

// Only `access_token` is required; a key given twice is refused rather than guessed at.
std::expected<OAuthTokens, std::string> oauth_tokens_from_json(std::string_view text);

// Expired a minute early, so that a token is not sent just as it runs out. A
// lifetime of 0 means the provider gave none: such a token is always refreshed.
bool is_expired(const OAuthTokens& tokens, std::uint64_t now);

// Whole seconds since 1970-01-01 UTC, 0 for a clock set before then.
std::uint64_t unix_seconds(std::chrono::system_clock::time_point time);

}  // namespace mail::engine
