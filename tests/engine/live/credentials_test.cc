#include "engine/live/credentials.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <optional>

#include "engine/live/scoped_variable.h"
#include "engine/oauth_tokens.h"
#include "platform/accounts/secret_vault.h"
#include "platform/storage/temp_folder.h"

namespace mail::engine::live {
namespace {

using orvo::accounts::AccountId;
using orvo::accounts::SecretVault;
using ::testing::ElementsAre;
using ::testing::Pair;

constexpr const char* google_variable = "ORVO_MAIL_GOOGLE_CLIENT_ID";
constexpr const char* microsoft_variable = "ORVO_MAIL_MICROSOFT_CLIENT_ID";

class FakeTokenEndpoint final : public TokenEndpoint {
 public:
  std::expected<std::string, std::string> post(OAuthProvider provider, const FormFields& form) override {
    posts.emplace_back(provider, form);
    if (while_posting) while_posting();
    return answer;
  }

  std::expected<std::string, std::string> answer;
  std::function<void()> while_posting;
  std::vector<std::pair<OAuthProvider, FormFields>> posts;
};

std::uint64_t now() { return unix_seconds(std::chrono::system_clock::now()); }

AccountConfig oauth_account(std::string email, std::string username = "") {
  return {.email = std::move(email), .username = std::move(username), .auth = AuthKind::OAuth};
}

OAuthTokens expired_tokens(std::string refresh_token = "refresh-1") {
  return {
      .access_token = "old-access", .refresh_token = std::move(refresh_token), .expires_in = 3600, .obtained_at = 0};
}

class CredentialsTest : public ::testing::Test {
 protected:
  std::expected<Credentials, std::string> resolve(const AccountConfig& account) {
    return resolve_credentials(account, {vault_folder.path(), endpoint});
  }

  void store(const std::string& key, const std::string& secret) const {
    auto vault = SecretVault::open_in(vault_folder.path());
    vault->put(AccountId{key}, secret);
    ASSERT_TRUE(vault->try_save().has_value());
  }

  [[nodiscard]] std::optional<OAuthTokens> stored_tokens(const std::string& key,
                                                         const std::filesystem::path& folder) const {
    const auto secret = SecretVault::open_in(folder)->get(AccountId{key});
    if (!secret) return std::nullopt;
    return oauth_tokens_from_json(*secret).value();
  }

  orvo::storage::TempFolder vault_folder = orvo::storage::TempFolder::create("orvo-vault-").value();
  FakeTokenEndpoint endpoint;
  ScopedVariable google_client{google_variable, "google-client"};
  ScopedVariable microsoft_client{microsoft_variable, "microsoft-client"};
};

TEST_F(CredentialsTest, PasswordAccountsLogInWithTheirTrimmedUserNameOrElseTheAddress) {
  const struct {
    const char* username;
    const char* login_name;
  } cases[] = {{"  bob.smith \t", "bob.smith"}, {"   ", "bob@example.org"}, {"", "bob@example.org"}};
  for (const auto& [username, login_name] : cases) {
    const auto credentials = resolve({.email = "bob@example.org", .username = username, .password = "hunter2"});
    ASSERT_TRUE(credentials.has_value()) << credentials.error();
    EXPECT_EQ(credentials->login_name, login_name);
    EXPECT_EQ(std::get<PasswordCredential>(credentials->credential).password, "hunter2");
  }
  EXPECT_EQ(resolve({.email = "bob@example.org"}).error(), "no password set for this account");
}

TEST_F(CredentialsTest, AFreshAccessTokenIsUsedAsStored) {
  store("ann@gmail.com", to_json({.access_token = "fresh", .expires_in = 3600, .obtained_at = now()}));
  const auto credentials = resolve(oauth_account("ann@gmail.com", " ann "));
  ASSERT_TRUE(credentials.has_value()) << credentials.error();
  EXPECT_EQ(credentials->login_name, "ann");
  EXPECT_EQ(std::get<OAuthCredential>(credentials->credential).access_token, "fresh");
  EXPECT_TRUE(endpoint.posts.empty());
}

TEST_F(CredentialsTest, SayWhyAnOAuthAccountCannotSignInWithoutAskingTheProvider) {
  const ScopedVariable unset_google{google_variable, std::nullopt};
  const ScopedVariable empty_microsoft{microsoft_variable, ""};
  const struct {
    const char* email;
    std::optional<std::string> secret;
    const char* error;
  } cases[] = {
      {"ann@gmail.com", std::nullopt, "not signed in (no OAuth token in vault)"},
      {"ann@gmail.com", "hunter2", "stored credential is not an OAuth token"},
      {"ann@gmail.com", R"({"refresh_token":"r"})", "stored credential is not an OAuth token"},
      {"ann@example.org", to_json(expired_tokens()), "cannot refresh: unknown OAuth provider"},
      {"ann", to_json(expired_tokens()), "cannot refresh: unknown OAuth provider"},
      {"ann@gmail.com", to_json(expired_tokens()), "set ORVO_MAIL_GOOGLE_CLIENT_ID to refresh the token"},
      {"Ann@Outlook.COM", to_json(expired_tokens()), "set ORVO_MAIL_MICROSOFT_CLIENT_ID to refresh the token"},
  };
  for (const auto& [email, secret, error] : cases) {
    if (secret) store(email, *secret);
    EXPECT_EQ(resolve(oauth_account(email)).error(), error) << email << " " << secret.value_or("(none)");
  }
  const ScopedVariable google_client_again{google_variable, "google-client"};
  store("ann@gmail.com", to_json(expired_tokens("")));
  EXPECT_EQ(resolve(oauth_account("ann@gmail.com")).error(),
            "access token expired and no refresh token; sign in again");
  EXPECT_TRUE(endpoint.posts.empty());
}

TEST_F(CredentialsTest, AnExpiredTokenIsRefreshedAndStoredBeforeUse) {
  store("ann@hotmail.com", to_json(expired_tokens()));
  endpoint.answer = R"({"access_token":"new-access","expires_in":3599,"token_type":"Bearer"})";
  const std::uint64_t before = now();

  const auto credentials = resolve(oauth_account("ann@hotmail.com"));
  ASSERT_TRUE(credentials.has_value()) << credentials.error();
  EXPECT_EQ(std::get<OAuthCredential>(credentials->credential).access_token, "new-access");
  ASSERT_EQ(endpoint.posts.size(), 1u);
  EXPECT_EQ(endpoint.posts[0].first, OAuthProvider::Microsoft);
  EXPECT_THAT(endpoint.posts[0].second,
              ElementsAre(Pair("grant_type", "refresh_token"), Pair("client_id", "microsoft-client"),
                          Pair("refresh_token", "refresh-1")));
  const auto stored = stored_tokens("ann@hotmail.com", vault_folder.path());
  ASSERT_TRUE(stored.has_value());
  // The provider sent no new refresh token, so the old one stays in use.
  EXPECT_EQ(stored->refresh_token, "refresh-1");
  EXPECT_EQ(stored->access_token, "new-access");
  EXPECT_EQ(stored->expires_in, 3599u);
  EXPECT_GE(stored->obtained_at, before);
  EXPECT_LE(stored->obtained_at, now());
}

TEST_F(CredentialsTest, ReadsTheProvidersAnswerAsAPairOfTokensOrReportsItWhole) {
  const struct {
    std::expected<std::string, std::string> answer;
    std::expected<OAuthTokens, std::string> stored;
  } cases[] = {
      {R"({"access_token":"a2","refresh_token":"refresh-2","expires_in":"3600"})",
       OAuthTokens{.access_token = "a2", .refresh_token = "refresh-2", .expires_in = 0}},
      {R"({"access_token":"a3","refresh_token":null,"expires_in":60})",
       OAuthTokens{.access_token = "a3", .refresh_token = "refresh-1", .expires_in = 60}},
      {R"({"error":"invalid_grant"})", std::unexpected(R"(token refresh rejected: {"error":"invalid_grant"})")},
      {R"({"access_token":""})", std::unexpected(R"(token refresh rejected: {"access_token":""})")},
      {"<html>Bad Gateway</html>", std::unexpected("token refresh rejected: <html>Bad Gateway</html>")},
      {std::unexpected("Could not connect to server"), std::unexpected("Could not connect to server")},
  };
  for (const auto& [answer, stored] : cases) {
    SCOPED_TRACE(answer.value_or(answer.error()));
    store("ann@gmail.com", to_json(expired_tokens()));
    endpoint.answer = answer;
    const auto credentials = resolve(oauth_account("ann@gmail.com"));
    if (!stored) {
      EXPECT_EQ(credentials.error(), stored.error());
      EXPECT_EQ(stored_tokens("ann@gmail.com", vault_folder.path()), expired_tokens());
      continue;
    }
    auto kept = stored_tokens("ann@gmail.com", vault_folder.path());
    ASSERT_TRUE(kept.has_value());
    kept->obtained_at = 0;
    EXPECT_EQ(kept, *stored);
  }
}

TEST_F(CredentialsTest, ARefreshedTokenThatCannotBeSavedIsNotUsed) {
  // The vault is reached through a link that stops leading to a folder while the
  // provider is being asked.
  const auto link = vault_folder.path() / "vault-link";
  const auto real_folder = vault_folder.path() / "vault";
  std::filesystem::create_directory(real_folder);
  std::filesystem::create_directory_symlink(real_folder, link);
  {
    auto vault = SecretVault::open_in(link);
    vault->put(AccountId{"ann@gmail.com"}, to_json(expired_tokens()));
    ASSERT_TRUE(vault->try_save().has_value());
  }
  endpoint.answer = R"({"access_token":"new-access","expires_in":3600})";
  endpoint.while_posting = [&] {
    std::filesystem::remove(link);
    std::filesystem::create_symlink(vault_folder.path() / "nowhere", link);
    std::ofstream(vault_folder.path() / "nowhere") << "not a folder";
  };

  const auto credentials = resolve_credentials(oauth_account("ann@gmail.com"), {link, endpoint});
  ASSERT_FALSE(credentials.has_value());
  EXPECT_THAT(credentials.error(), ::testing::StartsWith("could not save refreshed sign-in credentials: could not "));
  EXPECT_EQ(stored_tokens("ann@gmail.com", real_folder), expired_tokens());
}

}  // namespace
}  // namespace mail::engine::live
