#include "platform/ui/i18n_manager.h"

#include <gtest/gtest.h>

#include <thread>

namespace orvo::ui {
namespace {

constexpr std::string_view resource =
    "## Setup\n"
    "mail-search-placeholder = Search\n"
    "mail-setup-oauth-sign-in = Sign in with { $provider }\n"
    "mail-compose-attach = 📎 Attach\n";

class I18nManagerTest : public ::testing::Test {
 protected:
  I18nManagerTest() { EXPECT_TRUE(manager_.add_resource("en-US", resource)); }
  I18nManager manager_;
};

TEST_F(I18nManagerTest, LooksUpAndFormats) {
  EXPECT_EQ(manager_.lookup("mail-search-placeholder"), "Search");
  EXPECT_EQ(manager_.format("mail-setup-oauth-sign-in", {{"provider", "Gmail"}}), "Sign in with Gmail");
  EXPECT_EQ(manager_.format("mail-setup-oauth-sign-in", {{"other", "x"}}), "Sign in with {$provider}");
  EXPECT_EQ(manager_.lookup("mail-no-such-key"), "mail-no-such-key");
  EXPECT_EQ(manager_.format("mail-no-such-key", {{"provider", "Gmail"}}), "mail-no-such-key");
}

TEST_F(I18nManagerTest, PseudoLocaleAccentsTextButNotArguments) {
  manager_.set_pseudo_locale(true);
  EXPECT_TRUE(manager_.pseudo_locale());
  EXPECT_EQ(manager_.lookup("mail-search-placeholder"), "[Šéåŕçĥ]");
  EXPECT_EQ(manager_.format("mail-setup-oauth-sign-in", {{"provider", "Gmail"}}), "[Šîĝñ îñ ŵîŧĥ Gmail]");
  EXPECT_EQ(manager_.lookup("mail-compose-attach"), "[📎 Åŧŧåçĥ]");
  EXPECT_EQ(manager_.lookup_plain("mail-search-placeholder"), "Search");
  EXPECT_EQ(manager_.lookup("mail-no-such-key"), "mail-no-such-key");
}

TEST_F(I18nManagerTest, RevisionMovesOnlyWhenLookupsMayChange) {
  const std::uint64_t start = manager_.revision();

  const auto refused = manager_.add_resource("en-US", "mail-search-placeholder = Find\nbroken line\n");
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error(), "line 2: expected a comment or a message \"key = value\"");
  EXPECT_EQ(manager_.revision(), start);
  EXPECT_EQ(manager_.lookup("mail-search-placeholder"), "Search") << "a refused resource adds nothing";

  manager_.set_pseudo_locale(false);
  EXPECT_EQ(manager_.revision(), start) << "already off";
  manager_.set_pseudo_locale(true);
  EXPECT_GT(manager_.revision(), start);

  const std::uint64_t before_add = manager_.revision();
  ASSERT_TRUE(manager_.add_resource("en-US", "mail-search-placeholder = Find\n"));
  EXPECT_GT(manager_.revision(), before_add);
  EXPECT_EQ(manager_.lookup_plain("mail-search-placeholder"), "Find");

  const std::uint64_t before_init = manager_.revision();
  manager_.init("de-DE");
  EXPECT_GT(manager_.revision(), before_init);
  EXPECT_EQ(manager_.current_locale(), "de-DE");
}

TEST_F(I18nManagerTest, FallsBackFromTheCurrentLocaleToTheSource) {
  ASSERT_TRUE(manager_.add_resource("de-DE", "mail-search-placeholder = Suchen\n"));
  EXPECT_EQ(manager_.lookup("mail-search-placeholder"), "Search") << "German is not current yet";
  manager_.init("de-DE");
  EXPECT_EQ(manager_.lookup("mail-search-placeholder"), "Suchen");
  EXPECT_EQ(manager_.lookup("mail-compose-attach"), "📎 Attach");
}

TEST(I18nManagerThreadTest, EachThreadHasItsOwnManager) {
  ASSERT_TRUE(I18nManager::for_this_thread().add_resource("en-US", resource));
  EXPECT_EQ(&I18nManager::for_this_thread(), &I18nManager::for_this_thread());
  std::string elsewhere;
  std::thread([&] { elsewhere = I18nManager::for_this_thread().lookup("mail-search-placeholder"); }).join();
  EXPECT_EQ(elsewhere, "mail-search-placeholder");
  EXPECT_EQ(I18nManager::for_this_thread().lookup("mail-search-placeholder"), "Search");
}

}  // namespace
}  // namespace orvo::ui
