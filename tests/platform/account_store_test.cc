#include "platform/accounts/account_store.h"
#include "platform/accounts/config_root.h"
#include "platform/accounts/secret_vault.h"
#include "platform/accounts/sync_reporter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/storage/temp_folder.h"

namespace orvo::accounts {
namespace {

const AccountTypeId email = AccountTypeId::from("email");

void write_file(const std::filesystem::path& path, std::string_view text) {
  std::ofstream(path) << text;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

class AccountStoreTest : public ::testing::Test {
 protected:
  storage::TempFolder folder_ = *storage::TempFolder::create("orvo-accounts-test-");
  std::filesystem::path dir() const { return folder_.path(); }
};

TEST_F(AccountStoreTest, MissingFilesAreEmpty) {
  const auto store = AccountStore::load_in(dir());
  ASSERT_TRUE(store.has_value());
  EXPECT_TRUE(store->list(email).empty());
  EXPECT_FALSE(store->active_id(email).has_value());
  const auto vault = SecretVault::open_in(dir());
  ASSERT_TRUE(vault.has_value());
  EXPECT_FALSE(vault->get({"a@example.org"}).has_value());
}

TEST_F(AccountStoreTest, SavedAccountsComeBackInOrderWithTheActiveOne) {
  AccountStore store;
  store.upsert({.id = {"b@example.org"}, .type = email, .label = "B", .settings = {{"x", 1}}});
  store.upsert({.id = {"a@example.org"}, .type = email, .label = "A", .disabled = true});
  store.upsert({.id = {"other"}, .type = AccountTypeId::from("calendar"), .label = "C"});
  store.upsert({.id = {"b@example.org"}, .type = email, .label = "B2"});
  store.set_active(email, {"a@example.org"});
  ASSERT_TRUE(store.save_in(dir()).has_value());

  const auto loaded = AccountStore::load_in(dir());
  ASSERT_TRUE(loaded.has_value());
  const auto accounts = loaded->list(email);
  ASSERT_EQ(accounts.size(), 2u);
  EXPECT_EQ(accounts[0].label, "B2");  // replaced in place
  EXPECT_EQ(accounts[1].id.display(), "a@example.org");
  EXPECT_TRUE(accounts[1].disabled);
  EXPECT_EQ(loaded->active_id(email)->value, "a@example.org");

  AccountStore changed = *loaded;
  changed.remove({"a@example.org"});
  EXPECT_FALSE(changed.active_id(email).has_value());
}

TEST_F(AccountStoreTest, DamagedFilesAreErrorsAndStayUntouched) {
  for (std::string_view damaged : {"{not json", "[]", R"({"accounts":[{"id":1}]})",
                                   R"({"accounts":[],"accounts":[]})"}) {
    SCOPED_TRACE(damaged);
    write_file(dir() / AccountStore::file_name, damaged);
    write_file(dir() / SecretVault::file_name, damaged);
    EXPECT_FALSE(AccountStore::load_in(dir()).has_value());
    EXPECT_FALSE(SecretVault::open_in(dir()).has_value());
    EXPECT_EQ(read_file(dir() / AccountStore::file_name), damaged);
  }
}

TEST_F(AccountStoreTest, VaultKeepsOneSecretPerIdInAnOwnerOnlyFile) {
  auto vault = *SecretVault::open_in(dir() / "nested");
  vault.put({"a"}, "first");
  vault.put({"a"}, "second");
  vault.put({"b"}, "other");
  vault.remove({"b"});
  ASSERT_TRUE(vault.try_save().has_value());

  const auto status = std::filesystem::status(dir() / "nested" / SecretVault::file_name);
  EXPECT_EQ(status.permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const auto reopened = SecretVault::open_in(dir() / "nested");
  EXPECT_EQ(reopened->get({"a"}), "second");
  EXPECT_FALSE(reopened->get({"b"}).has_value());
}

TEST_F(AccountStoreTest, SyncStatusFilesStayInTheirFolderWhateverTheAddress) {
  const AccountSyncReporter reporter(dir());
  EXPECT_EQ(reporter.status_path("you@example.org").filename(), "you@example.org.json");
  EXPECT_EQ(reporter.status_path("../../etc/passwd").parent_path(), dir() / "sync-status");
  EXPECT_EQ(reporter.status_path(".hidden").filename(), "%2Ehidden.json");
  ASSERT_TRUE(reporter.needs_authentication("you@example.org").has_value());
  const auto json = nlohmann::json::parse(read_file(reporter.status_path("you@example.org")));
  EXPECT_EQ(json["state"], "needs_authentication");
  EXPECT_EQ(json["account"], "you@example.org");
}

TEST(ConfigRoot, FollowsXdgThenHome) {
  const std::string saved_xdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  const std::string saved_home = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("XDG_CONFIG_HOME", "/x", 1);
  ::setenv("HOME", "/h", 1);
  EXPECT_EQ(config_root(), std::filesystem::path("/x/orvo-mail"));
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(config_root(), std::filesystem::path("/h/.config/orvo-mail"));
  ::unsetenv("HOME");
  EXPECT_FALSE(config_root().has_value());
  ::setenv("XDG_CONFIG_HOME", saved_xdg.c_str(), 1);
  ::setenv("HOME", saved_home.c_str(), 1);
}

}  // namespace
}  // namespace orvo::accounts
