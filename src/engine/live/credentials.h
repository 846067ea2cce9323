#pragma once

#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "engine/account_config.h"
#include "engine/live/token_endpoint.h"

namespace mail::engine::live {

struct PasswordCredential {
  std::string password;
};

struct OAuthCredential {
  std::string access_token;
};

using Credential = std::variant<PasswordCredential, OAuthCredential>;

// Who logs in, and with what.
struct Credentials {
  std::string login_name;
  Credential credential;
};

// Where an OAuth account's tokens come from.
struct TokenSources {
  // The secret vault's folder; none for the configuration root.
  std::optional<std::filesystem::path> vault_folder;
  // Where expired tokens are refreshed.
  TokenEndpoint& endpoint;
};

// The account's login name and credential, resolved afresh for each request: a
// password account's password, or an OAuth account's access token from the vault,
// refreshed and stored back first when it has expired. The errors are sentences for
// the user.
std::expected<Credentials, std::string> resolve_credentials(const AccountConfig& account, const TokenSources& tokens);

}  // namespace mail::engine::live
