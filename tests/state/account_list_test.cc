#include "state/account_list.h"

#include <gtest/gtest.h>

#include "platform/log/log.h"
#include "platform/storage/temp_folder.h"
#include "state/stored_config_json.h"

namespace mail::state {
namespace {

using Json = nlohmann::ordered_json;
using orvo::accounts::Account;
using orvo::accounts::AccountTypeId;

Json settings(std::string email) {
  engine::StoredConfig config{.display_name = "Ada", .email = std::move(email), .imap_host = "imap.example.org",
                              .smtp_host = "smtp.example.org", .username = ""};
  return settings_to_json(config, false);
}

TEST(StoredSettings, KeysInOrderWithoutThePassword) {
  engine::StoredConfig config{.email = "a@example.org", .password = "secret"};
  config.auth = engine::AuthKind::OAuth;
  EXPECT_EQ(settings_to_json(config, true).dump(),
            R"({"display_name":"","email":"a@example.org","imap_host":"","imap_port":993,"imap_tls":true,)"
            R"("smtp_host":"","smtp_port":465,"smtp_tls":true,"username":"","auth":"OAuth","collapsed":true})");
}

TEST(StoredSettings, OptionalKeysDefaultAndRequiredKeysAreRequired) {
  Json json = settings("a@example.org");
  json.erase("auth");
  json.erase("collapsed");
  json["unknown"] = 1;
  const auto read = settings_from_json(json);
  ASSERT_TRUE(read.has_value()) << read.error();
  EXPECT_EQ(read->config.auth, engine::AuthKind::Password);
  EXPECT_FALSE(read->collapsed);

  for (const char* key : {"display_name", "email", "imap_host", "imap_port", "imap_tls", "smtp_host", "smtp_port",
                          "smtp_tls", "username"}) {
    Json missing = settings("a@example.org");
    missing.erase(key);
    EXPECT_FALSE(settings_from_json(missing).has_value()) << key;
  }
  Json bad_port = settings("a@example.org");
  bad_port["imap_port"] = 65536;
  EXPECT_FALSE(settings_from_json(bad_port).has_value());
}

TEST(AccountList, SkipsUnreadableAccountsAndFindsTheActiveOne) {
  orvo::accounts::AccountStore store;
  const auto email = AccountTypeId::from(mail_account_type);
  store.upsert({.id = {"a@example.org"}, .type = email, .settings = settings("a@example.org")});
  store.upsert({.id = {"broken"}, .type = email, .settings = Json{{"email", "x"}}});
  store.upsert({.id = {"b@example.org"}, .type = email, .settings = settings("b@example.org"), .disabled = true});
  store.upsert({.id = {"cal"}, .type = AccountTypeId::from("calendar"), .settings = settings("c@example.org")});
  store.set_active(email, {"b@example.org"});
  auto vault = *orvo::accounts::SecretVault::open_in("/nonexistent-orvo-test");
  vault.put({"b@example.org"}, "pw");

  orvo::log::Capture log;
  const AccountList list = load_account_list(store, &vault);
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(list.entries[0].id, "a@example.org");
  EXPECT_EQ(list.entries[0].config.password, "");
  EXPECT_EQ(list.entries[1].config.password, "pw");
  EXPECT_TRUE(list.entries[1].disabled);
  EXPECT_EQ(list.active, 1u);
  EXPECT_TRUE(log.contains(orvo::log::Level::Warn, "mail: skipping an account whose settings cannot be read"));
}

TEST(AccountList, SavingWritesSettingsAndSecretsApartAndDropsRemovedAccounts) {
  auto folder = *orvo::storage::TempFolder::create("orvo-account-list-test-");
  orvo::accounts::AccountStore existing;
  const auto email = AccountTypeId::from(mail_account_type);
  existing.upsert({.id = {"gone@example.org"}, .type = email, .settings = settings("gone@example.org")});
  existing.upsert({.id = {"cal"}, .type = AccountTypeId::from("calendar")});
  ASSERT_TRUE(existing.save_in(folder.path()).has_value());
  auto vault = *orvo::accounts::SecretVault::open_in(folder.path());
  vault.put({"gone@example.org"}, "old");
  vault.put({"oauth@example.org"}, R"({"access_token":"t"})");
  ASSERT_TRUE(vault.try_save().has_value());

  AccountEntry password{.id = "a@example.org", .config = {.email = "a@example.org", .password = "pw"}, .collapsed = true};
  AccountEntry oauth{.id = "oauth@example.org", .config = {.email = "oauth@example.org"}};
  oauth.config.auth = engine::AuthKind::OAuth;
  ASSERT_TRUE(save_account_list(folder.path(), {{password, oauth}, 1}).has_value());

  const auto store = *orvo::accounts::AccountStore::load_in(folder.path());
  const auto saved_vault = *orvo::accounts::SecretVault::open_in(folder.path());
  const AccountList reloaded = load_account_list(store, &saved_vault);
  ASSERT_EQ(reloaded.entries.size(), 2u);
  EXPECT_EQ(reloaded.active, 1u);
  EXPECT_TRUE(reloaded.entries[0].collapsed);
  EXPECT_EQ(reloaded.entries[0].config.password, "pw");
  EXPECT_FALSE(store.list(email)[0].settings.contains("password"));
  EXPECT_EQ(saved_vault.get({"oauth@example.org"}), R"({"access_token":"t"})");  // tokens are kept
  EXPECT_FALSE(saved_vault.get({"gone@example.org"}).has_value());
  EXPECT_EQ(store.list(AccountTypeId::from("calendar")).size(), 1u);  // other programs' accounts stay
  EXPECT_TRUE(save_account_list(std::nullopt, reloaded).has_value());
}

TEST(AccountList, ActiveDefaultsToTheFirst) {
  EXPECT_EQ(load_account_list({}, nullptr).active, 0u);
}

}  // namespace
}  // namespace mail::state
