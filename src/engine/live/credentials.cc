#include "engine/live/credentials.h"

#include <fmt/format.h>

#include <chrono>

#include "engine/live/oauth_provider.h"
#include "engine/live/token_refresh.h"
#include "engine/oauth_tokens.h"
#include "platform/accounts/secret_vault.h"

namespace mail::engine::live {
namespace {

using orvo::accounts::AccountId;
using orvo::accounts::SecretVault;

// Opened afresh for every access: account setup and sign-in write the vault too.
std::expected<SecretVault, std::string> open_vault(const TokenSources& tokens) {
  return tokens.vault_folder ? SecretVault::open_in(*tokens.vault_folder) : SecretVault::open();
}

std::expected<Credential, std::string> password_credential(const AccountConfig& account) {
  if (account.password.empty()) return std::unexpected("no password set for this account");
  return PasswordCredential{account.password};
}

std::expected<OAuthTokens, std::string> stored_tokens(const AccountConfig& account, const TokenSources& tokens) {
  const auto vault = open_vault(tokens);
  if (!vault) return std::unexpected(vault.error());
  const auto secret = vault->get(AccountId{account.email});
  if (!secret) return std::unexpected("not signed in (no OAuth token in vault)");
  auto stored = oauth_tokens_from_json(*secret);
  if (!stored) return std::unexpected("stored credential is not an OAuth token");
  return std::move(*stored);
}

std::expected<void, std::string> store_tokens(const AccountConfig& account, const OAuthTokens& fresh,
                                              const TokenSources& tokens) {
  auto vault = open_vault(tokens);
  if (!vault) return std::unexpected(vault.error());
  vault->put(AccountId{account.email}, to_json(fresh));
  return vault->try_save();
}

std::expected<OAuthTokens, std::string> refreshed_tokens(const AccountConfig& account, const OAuthTokens& expired,
                                                         const TokenSources& tokens, std::uint64_t now) {
  const auto provider = provider_for_address(account.email);
  if (!provider) return std::unexpected("cannot refresh: unknown OAuth provider");
  const auto client_id = configured_client_id(*provider);
  if (!client_id) return std::unexpected(fmt::format("set {} to refresh the token", client_id_variable(*provider)));
  if (expired.refresh_token.empty()) {
    return std::unexpected("access token expired and no refresh token; sign in again");
  }
  auto fresh = refresh_tokens(tokens.endpoint, *provider, *client_id, expired, now);
  if (!fresh) return fresh;
  // Failing now, rather than using the token this once, tells the user at once that
  // the sign-in will not outlast this request.
  if (auto stored = store_tokens(account, *fresh, tokens); !stored) {
    return std::unexpected("could not save refreshed sign-in credentials: " + stored.error());
  }
  return fresh;
}

std::expected<Credential, std::string> oauth_credential(const AccountConfig& account, const TokenSources& tokens) {
  const std::uint64_t now = unix_seconds(std::chrono::system_clock::now());
  auto stored = stored_tokens(account, tokens);
  if (!stored) return std::unexpected(stored.error());
  if (!is_expired(*stored, now)) return OAuthCredential{std::move(stored->access_token)};
  auto fresh = refreshed_tokens(account, *stored, tokens, now);
  if (!fresh) return std::unexpected(fresh.error());
  return OAuthCredential{std::move(fresh->access_token)};
}

}  // namespace

std::expected<Credentials, std::string> resolve_credentials(const AccountConfig& account, const TokenSources& tokens) {
  auto credential =
      account.auth == AuthKind::Password ? password_credential(account) : oauth_credential(account, tokens);
  if (!credential) return std::unexpected(credential.error());
  return Credentials{.login_name = login_name(account), .credential = std::move(*credential)};
}

}  // namespace mail::engine::live
